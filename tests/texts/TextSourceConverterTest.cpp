#include <gtest/gtest.h>

#include "ScratchAppFolder.h"
#include "generator/TextSourceConverter.h"

namespace orvanta {
namespace {

TEST(TextSourceConverter, WritesWindows1251WithCrLf) {
    TextSourceConverter converter;
    EXPECT_TRUE(converter.append("a.txt", "Луна в Раке\n\n«ёлка» — №1\n"));
    EXPECT_EQ(converter.output(), cp1251("Луна в Раке\r\n\r\n«ёлка» — №1\r\n"));
}

TEST(TextSourceConverter, JoinsSourcesWithoutRunningThemTogether) {
    TextSourceConverter converter;
    EXPECT_TRUE(converter.append("00.txt", "Вступление"));                 // no final line end
    EXPECT_TRUE(converter.append("01.txt", "\xEF\xBB\xBFМарс\r\n#\r\n"));  // BOM, CR LF
    EXPECT_TRUE(converter.append("02.txt", ""));
    EXPECT_EQ(converter.output(), cp1251("Вступление\r\nМарс\r\n#\r\n"));
}

TEST(TextSourceConverter, RefusesWhatTheLibraryCannotHold) {
    using namespace std::string_literals;
    struct Case {
        std::string source;
        std::string expected;
    };
    const Case cases[] = {
        {"Строка\nСолнце ☉ светит\n", "s.txt:2: the character '☉' cannot be written"},
        {"Сатурн\xD0\n", "s.txt:1: the text is not valid UTF-8"},
        {"ноль\0байт\n"s, "s.txt:1: a zero byte"},
        {"один\nдва\rтри\n", "s.txt:2: a carriage return"},
    };
    for (const auto& c : cases) {
        TextSourceConverter converter;
        EXPECT_FALSE(converter.append("s.txt", c.source)) << c.expected;
        EXPECT_EQ(converter.error().rfind(c.expected, 0), 0u) << converter.error();
    }
}

}  // namespace
}  // namespace orvanta
