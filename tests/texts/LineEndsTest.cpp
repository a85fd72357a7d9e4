#include <gtest/gtest.h>

#include "texts/LineEnds.h"

namespace orvanta {
namespace {

TEST(LineEnds, EachLineEndOfTheLibraryBecomesOneLfAndBack) {
    const std::pair<const char*, const char*> toLf[] = {
        {"а\r\nб", "а\nб"},       {"а\r\r\nб", "а\nб"},   {"а\rб", "а\nб"},
        {"а\r\r\r\nб", "а\n\nб"}, {"а\n\r\nб", "а\n\nб"}, {"конец\r", "конец\n"},
        {"\r\r\n\r\n", "\n\n"},
    };
    for (const auto& [text, expected] : toLf) EXPECT_EQ(LineEnds::toLf(text), expected) << text;
    EXPECT_EQ(LineEnds::toCrLf("а\n\nб\n"), "а\r\n\r\nб\r\n");
}

}  // namespace
}  // namespace orvanta
