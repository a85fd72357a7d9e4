#pragma once

#include <span>
#include <string>
#include <string_view>

namespace orvanta {

// The code page of an AAF file. Programs write AAF in their own code page without saying
// which, so it is told from the bytes: valid UTF-8 with any byte above 127 is UTF-8; otherwise
// runs of letters above 191 (Cyrillic words) mean Windows-1251, and single accented letters
// between plain ones mean Latin-1.
class AafEncoding {
  public:
    enum class Kind { Utf8, Windows1251, Latin1 };

    struct Decoded {
        Kind kind = Kind::Utf8;
        std::string text;  // UTF-8
    };

    static Kind detect(std::span<const unsigned char> bytes);
    static Decoded decode(std::span<const unsigned char> bytes);
    static std::string_view name(Kind kind);

    static bool isValidUtf8(std::span<const unsigned char> bytes);
    static std::string latin1ToUtf8(std::span<const unsigned char> bytes);
};

}  // namespace orvanta
