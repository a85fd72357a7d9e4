#pragma once

#include <string>
#include <string_view>

namespace orvanta {

// Line ends between the interpretation's files (CR LF, and CR CR LF where a traits entry keeps
// its CR) and a screen or terminal (LF).
class LineEnds {
  public:
    // CR CR LF, CR LF and a CR on its own each become one LF.
    static std::string toLf(std::string_view text);
    // Every LF becomes CR LF.
    static std::string toCrLf(std::string_view text);
};

}  // namespace orvanta
