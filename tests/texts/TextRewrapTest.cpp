#include <gtest/gtest.h>

#include "texts/TextRewrap.h"

namespace orvanta {
namespace {

// Ten units a character (a UTF-8 character counts once), so a width of 50 is reached by the
// fifth character of a line.
int tenPerCharacter(std::string_view text) {
    int count = 0;
    for (unsigned char c : text) count += (c & 0xC0) != 0x80 ? 1 : 0;
    return count * 10;
}

TEST(TextRewrap, LinesBreakAtTheirLastSpaceOnceTheyReachTheWidth) {
    using Lines = std::vector<std::string>;
    struct Case {
        const char* text;
        int width;
        Lines expected;
    };
    const Case cases[] = {
        // "aa bb" is five characters: it reaches the width and breaks at its space.
        {"aa bb cc", 50, {"aa", "bb", "cc"}},
        {"aa bb cc", 90, {"aa bb cc"}},
        // The space that reaches the width is the one dropped.
        {"привет мир", 70, {"привет", "мир"}},
        // Each line end of the text ends a line; an empty line stays.
        {"ab\r\ncd\n\nef\r", 100, {"ab", "cd", "", "ef"}},
        // A word longer than the width breaks before the character that reached it.
        {"abcdefghijk", 50, {"abcd", "efgh", "ijk"}},
        {"one two three", 60, {"one", "two", "three"}},
        // A tab runs to the next stop of eight characters.
        {"a\tb\r\nabcdefgh\tc", 500, {"a       b", "abcdefgh        c"}},
        {"", 50, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TextRewrap::lines(c.text, c.width, tenPerCharacter), c.expected) << c.text;
    }
}

TEST(TextRewrap, WhatFollowsABreakAtALeadingSpaceIsBrokenUntilItFits) {
    // A narrow space: " abcd" is 41 wide, so it breaks at its only space, and "abcd" (40)
    // still reaches the width of 40.
    const auto narrowSpace = [](std::string_view text) {
        int width = 0;
        for (char c : text) width += c == ' ' ? 1 : 10;
        return width;
    };
    EXPECT_EQ(TextRewrap::lines(" abcd", 40, narrowSpace),
              (std::vector<std::string>{"", "abc", "d"}));
    // A character wider than the whole width gets a line of its own.
    EXPECT_EQ(TextRewrap::lines("ab", 5, narrowSpace), (std::vector<std::string>{"a", "b"}));
}

}  // namespace
}  // namespace orvanta
