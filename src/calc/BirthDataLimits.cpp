#include "calc/BirthDataLimits.h"

#include <string>

#include "calc/Calendar.h"
#include "common/ValueCheck.h"

namespace orvanta {
namespace {

std::string dateText(int day, int month, int year) {
    return std::to_string(day) + "." + std::to_string(month) + "." + std::to_string(year);
}

std::string timeText(int hour, int minute) {
    return std::to_string(hour) + ":" + std::to_string(minute);
}

}  // namespace

void BirthDataLimits::checkLocalMoment(const BirthData& birth) {
    if (!Calendar::isValidDate({birth.day, birth.month, birth.year})) {
        throw ValueCheck::Error("местная дата " + dateText(birth.day, birth.month, birth.year) +
                                " не дата между 1860 и 2130 годом");
    }
    // The entry takes 0:00 to 23:59; the command line also the following midnight, 24:00.
    const bool nextMidnight = birth.hour == 24 && birth.minute == 0;
    if (!Calendar::isValidTime(birth.hour, birth.minute) && !nextMidnight) {
        throw ValueCheck::Error("местное время " + timeText(birth.hour, birth.minute) +
                                " не время суток");
    }
}

void BirthDataLimits::checkGreenwichMoment(const BirthData& birth) {
    // The Greenwich moment is the local one shifted by less than a day, so it may fall one day
    // outside the years of the entry; the shift leaves an exact 24:00 on its day and may round
    // the minutes up to 60.
    const Date date{birth.gmtDay, birth.gmtMonth, birth.gmtYear};
    const bool dayBefore = date == Date{31, 12, Calendar::kFirstYear - 1};
    const bool dayAfter = date == Date{1, 1, Calendar::kLastYear + 1};
    if (!Calendar::isValidDate(date) && !dayBefore && !dayAfter) {
        throw ValueCheck::Error("гринвичская дата " +
                                dateText(birth.gmtDay, birth.gmtMonth, birth.gmtYear) +
                                " не дата между 1860 и 2130 годом");
    }
    const bool withinDay =
        birth.gmtHour >= 0 && birth.gmtHour <= 23 && birth.gmtMinute >= 0 && birth.gmtMinute <= 60;
    const bool midnight = birth.gmtHour == 24 && birth.gmtMinute == 0;
    if (!withinDay && !midnight) {
        throw ValueCheck::Error("гринвичское время " + timeText(birth.gmtHour, birth.gmtMinute) +
                                " не время суток");
    }
}

void BirthDataLimits::check(const BirthData& birth) {
    ValueCheck::flag("признак ввода данных", birth.entered);
    checkLocalMoment(birth);
    checkGreenwichMoment(birth);
    ValueCheck::inRange("разница с Гринвичем", birth.diffGreenwich, -kLargestDifference,
                        kLargestDifference);
    ValueCheck::inRange("разница с Москвой", birth.diffMoscow, -kLargestDifference,
                        kLargestDifference);
    ValueCheck::inRange("широта", birth.latitude, -90.0, 90.0);
    ValueCheck::inRange("долгота", birth.longitude, -180.0, 180.0);
}

}  // namespace orvanta
