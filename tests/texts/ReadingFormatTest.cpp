#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "texts/ReadingFormat.h"

namespace orvanta {
namespace {

// Positions and orbs in whole minutes, truncated: 4.2 degrees is 4°12′, never "4.20".
TEST(ReadingFormat, DegreesAndArcsInWholeMinutes) {
    EXPECT_EQ(ReadingFormat::degrees(10.8, 48.0), "10°48′");
    EXPECT_EQ(ReadingFormat::degrees(4.2, 12.0), "4°12′");
    EXPECT_EQ(ReadingFormat::arc(2.25), "2°15′");
    EXPECT_EQ(ReadingFormat::arc(0.999), "0°59′");    // 59.94 minutes
    EXPECT_EQ(ReadingFormat::arc(7.99999), "7°59′");  // never 7°60′
    EXPECT_EQ(ReadingFormat::arc(-1.0), "0°00′");     // a damaged value
    EXPECT_EQ(ReadingFormat::coordinates(55.75, -37.62), "55°45′ с. ш., 37°37′ з. д.");
    EXPECT_EQ(ReadingFormat::coordinates(-33.9, 151.2), "33°54′ ю. ш., 151°12′ в. д.");
}

TEST(ReadingFormat, ClockDateAndZone) {
    EXPECT_EQ(ReadingFormat::clock(14, 30), "14:30");
    EXPECT_EQ(ReadingFormat::clock(9, 7), "9:07");
    EXPECT_EQ(ReadingFormat::date(3, 9, 1979), "03.09.1979");
    for (const auto& [hours, text] : {std::pair{3.0, "UTC+3"},
                                      {-5.0, "UTC-5"},
                                      {5.5, "UTC+5:30"},
                                      {-3.5, "UTC-3:30"},
                                      {0.0, "UTC+0"},
                                      {5.75, "UTC+5:45"}}) {
        EXPECT_EQ(ReadingFormat::zone(hours), text) << hours;
    }
}

TEST(ReadingFormat, ListsAndCapitals) {
    EXPECT_EQ(ReadingFormat::list({}), "");
    EXPECT_EQ(ReadingFormat::list({"Луна"}), "Луна");
    EXPECT_EQ(ReadingFormat::list({"Луна", "Марс"}), "Луна и Марс");
    EXPECT_EQ(ReadingFormat::list({"Луна", "Марс", "Уран"}), "Луна, Марс и Уран");
    // Both halves of the Cyrillic alphabet sit in different UTF-8 lead bytes, and ё apart.
    EXPECT_EQ(ReadingFormat::capitalized("арка"), "Арка");
    EXPECT_EQ(ReadingFormat::capitalized("яблоко"), "Яблоко");
    EXPECT_EQ(ReadingFormat::capitalized("ёлка"), "Ёлка");
    EXPECT_EQ(ReadingFormat::capitalized("mc"), "Mc");
    EXPECT_EQ(ReadingFormat::capitalized("«кавычка"), "«кавычка");
}

TEST(ReadingFormat, WrappedLinesFitTheWidthAndKeepEveryWord) {
    std::string paragraph;
    for (int i = 0; i < 60; ++i)
        paragraph += (i ? " " : "") + std::string("слово") + std::to_string(i);
    const std::string text = ReadingFormat::wrapped(paragraph);
    std::istringstream lines(text);
    std::string joined;
    for (std::string line; std::getline(lines, line);) {
        int characters = 0;
        for (const char c : line) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        EXPECT_LE(characters, ReadingFormat::kLineWidth) << line;
        joined += (joined.empty() ? "" : " ") + line;
    }
    EXPECT_EQ(joined, paragraph);
    EXPECT_EQ(text.back(), '\n');
}

}  // namespace
}  // namespace orvanta
