#pragma once

#include <stdexcept>

namespace orvanta {

// A file whose bytes do not fit its format; the message says what is wrong, for the user.
class FormatError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace orvanta
