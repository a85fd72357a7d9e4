#pragma once

#include <array>
#include <string_view>

namespace orvanta {

// The month names of the date fields, "Январь" to "Декабрь"; a name turns back into its number
// only when it matches exactly.
class MonthNames {
  public:
    static constexpr std::array<std::string_view, 12> kNames = {
        "Январь", "Февраль", "Март",     "Апрель",  "Май",    "Июнь",
        "Июль",   "Август",  "Сентябрь", "Октябрь", "Ноябрь", "Декабрь"};

    // Empty outside 1 to 12.
    static std::string_view name(int month);
    // 0 for a text that is no month name.
    static int number(std::string_view name);
};

}  // namespace orvanta
