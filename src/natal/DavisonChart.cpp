#include "natal/DavisonChart.h"

#include <cmath>

namespace orvanta {
namespace {

constexpr long long kMinutesPerDay = 24 * 60;

long long minutesSinceBase(const BirthData& birth) {
    const double days =
        Calendar::hoursSinceBase({birth.gmtDay, birth.gmtMonth, birth.gmtYear}, 0.0) / 24.0;
    return std::llround(days) * kMinutesPerDay + birth.gmtHour * 60LL + birth.gmtMinute;
}

}  // namespace

DateTime DavisonChart::halfwayMoment(const BirthData& first, const BirthData& second) {
    const long long sum = minutesSinceBase(first) + minutesSinceBase(second);
    // Floor division: a half minute goes to the earlier moment.
    const long long halfway = sum >= 0 ? sum / 2 : -((-sum + 1) / 2);
    long long days = halfway / kMinutesPerDay;
    long long minutes = halfway % kMinutesPerDay;
    if (minutes < 0) {
        minutes += kMinutesPerDay;
        --days;
    }
    const DateAndHours date = Calendar::dateFromHours(static_cast<double>(days) * 24.0);
    return {static_cast<int>(minutes / 60), static_cast<int>(minutes % 60), date.date.day,
            date.date.month, date.date.year};
}

double DavisonChart::midLatitude(double first, double second) {
    return (first + second) / 2.0;
}

double DavisonChart::midLongitude(double first, double second) {
    double difference = std::remainder(second - first, 360.0);  // -180..180, the shorter way
    double middle = std::remainder(first + difference / 2.0, 360.0);
    if (middle == -180.0) middle = 180.0;
    return middle;
}

std::string DavisonChart::bothNames(const BirthData& first, const BirthData& second) {
    return first.name + " и " + second.name;
}

BirthData DavisonChart::birthData(const BirthData& first, const BirthData& second) {
    const DateTime moment = halfwayMoment(first, second);
    BirthData birth;
    birth.entered = 1;
    birth.day = birth.gmtDay = moment.day;
    birth.month = birth.gmtMonth = moment.month;
    birth.year = birth.gmtYear = moment.year;
    birth.hour = birth.gmtHour = moment.hour;
    birth.minute = birth.gmtMinute = moment.minute;
    birth.diffGreenwich = 0.0;
    birth.diffMoscow = first.diffMoscow - first.diffGreenwich;  // Moscow's lead on Greenwich
    birth.latitude = midLatitude(first.latitude, second.latitude);
    birth.longitude = midLongitude(first.longitude, second.longitude);
    birth.name = kNamePrefix + bothNames(first, second);
    birth.place = first.place.empty() || second.place.empty() ? first.place + second.place
                                                              : first.place + " / " + second.place;
    birth.houseSystemName = first.houseSystemName;
    return birth;
}

}  // namespace orvanta
