#include <gtest/gtest.h>

#include "cli/CommandLine.h"
#include "cli/DateText.h"

namespace orvanta::cli {

TEST(DateText, ReadsThreeWholeNumbersOfTheComputedCalendar) {
    struct Case {
        const char* text;
        std::optional<Date> date;
        std::string problem;
    };
    // The Gregorian rule by hand: 2000 is a leap year, 2100 is not; the calendar runs from
    // 1860 to 2130.
    const Case cases[] = {
        {"29.2.2000", Date{29, 2, 2000}, ""},
        {"01.01.1860", Date{1, 1, 1860}, ""},
        {"31.12.2130", Date{31, 12, 2130}, ""},
        {"29.2.2100", std::nullopt, "29.2.2100 не дата от 1860 до 2130 года"},
        {"31.12.1859", std::nullopt, "31.12.1859 не дата от 1860 до 2130 года"},
        {"1.3.2000.", std::nullopt, "«1.3.2000.» не в виде ДД.ММ.ГГГГ"},
        {"1.x.2000", std::nullopt, "«1.x.2000» не в виде ДД.ММ.ГГГГ"},
        {"1.3", std::nullopt, "«1.3» не в виде ДД.ММ.ГГГГ"},
        {"2000-03-01", std::nullopt, "«2000-03-01» не в виде ДД.ММ.ГГГГ"},
        {"", std::nullopt, "«» не в виде ДД.ММ.ГГГГ"},
    };
    for (const auto& c : cases) {
        const auto reading = DateText::read(c.text);
        EXPECT_EQ(reading.date, c.date) << c.text;
        EXPECT_EQ(reading.problem, c.problem) << c.text;
    }
}

TEST(DateText, AnOptionsProblemNamesTheOption) {
    EXPECT_EQ(DateText::readOption("--from", "1.3.2000"), (Date{1, 3, 2000}));
    try {
        DateText::readOption("--from", "31.4.2000");
        FAIL() << "31 April taken";
    } catch (const UsageError& error) {
        EXPECT_STREQ(error.what(), "--from: 31.4.2000 не дата от 1860 до 2130 года");
    }
}

}  // namespace orvanta::cli
