#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

#include "common/Windows1251.h"

namespace orvanta {
namespace {

// glibc's own converter is the independent reference for the code page table.
std::string iconvToUtf8(unsigned char byte) {
    iconv_t cd = iconv_open("UTF-8", "CP1251");
    EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1));
    char in[1] = {static_cast<char>(byte)};
    char out[8] = {};
    char* inPtr = in;
    char* outPtr = out;
    size_t inLeft = 1;
    size_t outLeft = sizeof out;
    const size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (rc == static_cast<size_t>(-1)) return {};
    return std::string(out, outPtr);
}

TEST(Windows1251, EveryByteDecodesAsGlibcDoesAndRoundTrips) {
    for (int b = 0; b < 256; ++b) {
        const std::string bytes(1, static_cast<char>(b));
        const std::string utf8 = Windows1251::toUtf8(bytes);
        const std::string reference = iconvToUtf8(static_cast<unsigned char>(b));
        if (!reference.empty()) {
            EXPECT_EQ(utf8, reference) << "byte " << b;
        }
        // Every byte, the unassigned 0x98 included, must come back unchanged.
        const auto back = Windows1251::fromUtf8(utf8);
        ASSERT_TRUE(back.has_value()) << "byte " << b;
        EXPECT_EQ(*back, bytes) << "byte " << b;
    }
}

TEST(Windows1251, RussianTextConvertsBothWays) {
    const std::string utf8 = "Карта рождения: Ёлкин, №5 «дом» — 100°";
    const auto bytes = Windows1251::fromUtf8(utf8);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(static_cast<unsigned char>((*bytes)[0]), 0xCA);  // К
    EXPECT_EQ(bytes->size(), 38u);
    EXPECT_EQ(Windows1251::toUtf8(*bytes), utf8);
}

TEST(Windows1251, RefusesWhatTheCodePageCannotHold) {
    EXPECT_FALSE(Windows1251::fromUtf8("Łódź").has_value());
    EXPECT_FALSE(Windows1251::fromUtf8("звезда ★").has_value());
    EXPECT_EQ(Windows1251::firstUnencodable("Иван ♈ Петров"), "♈");
    EXPECT_EQ(Windows1251::firstUnencodable("Иван Петров"), "");
    // Broken UTF-8: a lone continuation byte, a truncated sequence, an overlong form.
    EXPECT_FALSE(Windows1251::fromUtf8("\x80").has_value());
    EXPECT_FALSE(Windows1251::fromUtf8("\xD0").has_value());
    EXPECT_FALSE(Windows1251::fromUtf8("\xC0\xAF").has_value());
    EXPECT_FALSE(Windows1251::fromUtf8("\xED\xA0\x80").has_value());  // a surrogate
}

TEST(Windows1251, LetterCaseCoversCyrillic) {
    const auto upper = *Windows1251::fromUtf8("МОСКВА ЁЖ Ї");
    const auto lower = *Windows1251::fromUtf8("москва ёж ї");
    std::string folded;
    for (char c : upper)
        folded += static_cast<char>(Windows1251::toLower(static_cast<unsigned char>(c)));
    EXPECT_EQ(folded, lower);
    std::string raised;
    for (char c : lower)
        raised += static_cast<char>(Windows1251::toUpper(static_cast<unsigned char>(c)));
    EXPECT_EQ(raised, upper);
}

}  // namespace
}  // namespace orvanta
