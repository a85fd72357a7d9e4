#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/Calendar.h"

namespace orvanta::cli {

// "DD.MM.YYYY" as the command line and batch files give a date: three whole numbers and a
// date of the calendar the program computes (1860 to 2130).
class DateText {
  public:
    struct Reading {
        std::optional<Date> date;
        std::string problem;  // why there is no date, worded for the user
    };

    static Reading read(std::string_view text);

    // The date of an option's value; throws UsageError "option: problem" when there is none.
    static Date readOption(std::string_view option, std::string_view text);
};

}  // namespace orvanta::cli
