#include "doc/StatusClock.h"

#include <array>
#include <string_view>

#include "calc/Calendar.h"

namespace orvanta {
namespace {

constexpr std::array<std::string_view, 12> kMonthsGenitive = {
    " января ", " февраля ", " марта ",    " апреля ",  " мая ",    " июня ",
    " июля ",   " августа ", " сентября ", " октября ", " ноября ", " декабря ",
};

constexpr std::array<std::string_view, 7> kWeekdays = {
    ", Пн.", ", Вт.", ", Ср.", ", Чт.", ", Пт.", ", Сб.", ", Вс.",
};

std::string twoDigits(int value) {
    return (value < 10 && value >= 0 ? "0" : "") + std::to_string(value);
}

}  // namespace

std::string StatusClock::dateText(int day, int month, int year) {
    if (month < 1 || month > 12) return {};
    const int weekday = Calendar::dayOfWeek({day, month, year});
    return std::to_string(day) + std::string(kMonthsGenitive[static_cast<std::size_t>(month - 1)]) +
           std::to_string(year) + std::string(kWeekdays[static_cast<std::size_t>(weekday - 1)]);
}

std::string StatusClock::timeText(int hour, int minute) {
    return twoDigits(hour) + ":" + twoDigits(minute) + "   ";
}

}  // namespace orvanta
