#pragma once

#include <string>
#include <string_view>

namespace orvanta::cli {

// A message that the reading code reports for the desktop's message box, as the command line
// says it: with the part of the file it concerns, and in Russian where the box keeps the
// original program's English ("Load DIB Error...").
class LowerLayerMessage {
  public:
    static std::string forCommandLine(std::string_view text);
};

}  // namespace orvanta::cli
