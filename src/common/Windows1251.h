#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvanta {

// The one place where texts cross between the files (Windows-1251) and the program (UTF-8).
class Windows1251 {
  public:
    // Every byte has a character: the one unassigned byte 0x98 becomes U+0098, so that any
    // text read from a file is written back unchanged.
    static std::string toUtf8(std::string_view bytes);

    // Empty when the text is not valid UTF-8 or holds a character the code page lacks.
    static std::optional<std::string> fromUtf8(std::string_view utf8);

    // The first character (as UTF-8) that the code page cannot hold; empty when all fit.
    static std::string firstUnencodable(std::string_view utf8);

    static bool canEncode(std::string_view utf8) { return fromUtf8(utf8).has_value(); }

    // Code page letter case, Cyrillic included; other bytes are returned as they are.
    static unsigned char toLower(unsigned char byte);
    static unsigned char toUpper(unsigned char byte);
};

}  // namespace orvanta
