#include "doc/MapFileLimits.h"

#include <cmath>
#include <string>

#include "calc/Calendar.h"
#include "calc/HouseSystems.h"
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

void MapFileLimits::checkLocalMoment(const BirthData& birth) {
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

void MapFileLimits::checkGreenwichMoment(const BirthData& birth) {
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

void MapFileLimits::checkBirth(const BirthData& birth) {
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

void MapFileLimits::checkPosition(const ChartObject& object) {
    // The computation keeps a longitude below 360 and splits it by truncation; the mean-motion
    // points may reach the end of a sign exactly.
    ValueCheck::inRange("долгота", object.longitude, 0.0, 360.0);
    ValueCheck::inRange("градус в знаке", object.degreeInSign, 0.0, 30.0);
    ValueCheck::inRange("минуты", object.minutes, 0.0, 60.0);
    ValueCheck::flag("признак попятности", object.retrograde);
    ValueCheck::inRange("номер знака", object.sign, 0, 12);
}

void MapFileLimits::checkObject(const ChartObject& object) {
    checkPosition(object);
    ValueCheck::inRange("секунды", object.seconds, 0.0, 60.0);
}

void MapFileLimits::checkSignAgreement(const ChartObject& object) {
    // Sign k begins at 30 (k - 1) degrees and the degree in sign is the rest of the longitude;
    // a mean-motion point at the exact end of a sign keeps that sign with 30 degrees in it. The
    // tolerance only absorbs the rounding of the repeated subtraction.
    constexpr double kTolerance = 1e-6;
    const bool neverComputed =
        object.sign == 0 && object.longitude == 0.0 && object.degreeInSign == 0.0;
    const double rest = object.longitude - 30.0 * (object.sign - 1) - object.degreeInSign;
    if (neverComputed || (object.sign != 0 && std::fabs(rest) <= kTolerance)) return;
    throw ValueCheck::Error("знак " + std::to_string(object.sign) + " и градус в знаке " +
                            ValueCheck::quote(object.degreeInSign) + " не согласуются с долготой " +
                            ValueCheck::quote(object.longitude));
}

void MapFileLimits::checkTail(std::int32_t housesUnavailable, const ZodiacOrientation& orientation,
                              std::int32_t houseSystem, std::int32_t autoGreenwich) {
    ValueCheck::flag("признак карты без домов", housesUnavailable);
    ValueCheck::flag("направление Зодиака", orientation.direction);
    ValueCheck::flag("отсчёт от Овна", orientation.fromAries);
    ValueCheck::flag("отсчёт от Асцендента", orientation.fromAscendant);
    ValueCheck::finite("угол поворота", orientation.angle);
    ValueCheck::inRange("система домов", houseSystem, HouseSystems::kNone,
                        HouseSystems::kCount - 1);
    ValueCheck::flag("автоматическое гринвичское время", autoGreenwich);
}

}  // namespace orvanta
