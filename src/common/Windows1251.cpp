#include "common/Windows1251.h"

#include <array>
#include <cstdint>

namespace orvanta {
namespace {

// Unicode code points of bytes 0x80 to 0xBF; 0xC0 to 0xFF are U+0410 to U+044F in order.
constexpr std::array<char32_t, 64> kHighHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

char32_t decodeByte(unsigned char b) {
    if (b < 0x80) return b;
    if (b >= 0xC0) return 0x0410 + (b - 0xC0);
    return kHighHalf[b - 0x80];
}

std::optional<unsigned char> encodeCodePoint(char32_t cp) {
    if (cp < 0x80) return static_cast<unsigned char>(cp);
    if (cp >= 0x0410 && cp <= 0x044F) return static_cast<unsigned char>(0xC0 + (cp - 0x0410));
    for (std::size_t i = 0; i < kHighHalf.size(); ++i) {
        if (kHighHalf[i] == cp) return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Reads one UTF-8 sequence at pos; returns its code point and advances pos, or nullopt when
// the bytes are not well-formed UTF-8.
std::optional<char32_t> nextCodePoint(std::string_view s, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(s[pos]);
    int extra = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        cp = lead & 0x07;
    } else {
        return std::nullopt;
    }
    if (pos + extra >= s.size()) return std::nullopt;
    for (int i = 1; i <= extra; ++i) {
        const auto c = static_cast<unsigned char>(s[pos + i]);
        if ((c & 0xC0) != 0x80) return std::nullopt;
        cp = (cp << 6) | (c & 0x3F);
    }
    static constexpr char32_t kMinimum[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kMinimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return std::nullopt;
    }
    pos += extra + 1;
    return cp;
}

}  // namespace

std::string Windows1251::toUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes) appendUtf8(out, decodeByte(static_cast<unsigned char>(c)));
    return out;
}

std::optional<std::string> Windows1251::fromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const auto cp = nextCodePoint(utf8, pos);
        if (!cp) return std::nullopt;
        const auto byte = encodeCodePoint(*cp);
        if (!byte) return std::nullopt;
        out += static_cast<char>(*byte);
    }
    return out;
}

std::string Windows1251::firstUnencodable(std::string_view utf8) {
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::size_t start = pos;
        const auto cp = nextCodePoint(utf8, pos);
        if (!cp) return std::string(utf8.substr(start, 1));
        if (!encodeCodePoint(*cp)) return std::string(utf8.substr(start, pos - start));
    }
    return {};
}

unsigned char Windows1251::toLower(unsigned char b) {
    if (b >= 'A' && b <= 'Z') return b + 32;
    if (b >= 0xC0 && b <= 0xDF) return b + 32;  // А..Я
    switch (b) {
        case 0xA8:
            return 0xB8;  // Ё
        case 0x80:
            return 0x90;  // Ђ
        case 0x81:
            return 0x83;  // Ѓ
        case 0x8A:
            return 0x9A;  // Љ
        case 0x8C:
            return 0x9C;  // Њ
        case 0x8D:
            return 0x9D;  // Ќ
        case 0x8E:
            return 0x9E;  // Ћ
        case 0x8F:
            return 0x9F;  // Џ
        case 0xA1:
            return 0xA2;  // Ў
        case 0xA3:
            return 0xBC;  // Ј
        case 0xA5:
            return 0xB4;  // Ґ
        case 0xAA:
            return 0xBA;  // Є
        case 0xAF:
            return 0xBF;  // Ї
        case 0xB2:
            return 0xB3;  // І
        case 0xBD:
            return 0xBE;  // Ѕ
        default:
            return b;
    }
}

unsigned char Windows1251::toUpper(unsigned char b) {
    if (b >= 'a' && b <= 'z') return b - 32;
    if (b >= 0xE0) return b - 32;  // а..я
    for (int upper = 0x80; upper < 0xC0; ++upper) {
        const auto u = static_cast<unsigned char>(upper);
        if (u != b && toLower(u) == b) return u;
    }
    return b;
}

}  // namespace orvanta
