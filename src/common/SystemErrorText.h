#pragma once

#include <string>

namespace orvanta {

// The reason behind a failed system call, in the program's language: the system's own text
// follows the locale, which is English in the C locale the tools start in.
class SystemErrorText {
  public:
    static std::string describe(int errorNumber);
};

}  // namespace orvanta
