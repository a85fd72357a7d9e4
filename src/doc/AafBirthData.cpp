#include "doc/AafBirthData.h"

#include <cmath>

#include "birthdata/ClockChangeText.h"
#include "birthdata/PlaceFinder.h"
#include "birthdata/TimeChangeBase.h"
#include "birthdata/ZoneHistory.h"
#include "common/Windows1251.h"

namespace orvanta {
namespace {

// No clock on Earth is further from Universal Time; the chart command allows as much.
constexpr double kLargestDifference = 14.0;

// Plain letters for U+00C0 to U+00FF, the accented letters of Latin-1.
constexpr std::string_view kPlainLatin =
    "AAAAAAACEEEEIIIIDNOOOOOxOUUUUYPsaaaaaaaceeeeiiiidnooooo/ouuuuypy";

std::size_t characterLength(unsigned char lead) {
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

// U+00C0 to U+00FF: C3 and a continuation byte. Damaged text may put anything after C3.
bool isLatinLetter(std::string_view character) {
    if (character.size() != 2 || static_cast<unsigned char>(character[0]) != 0xC3) return false;
    const auto second = static_cast<unsigned char>(character[1]);
    return second >= 0x80 && second <= 0xBF;
}

std::string describeHours(double hours) {
    return std::to_string(static_cast<int>(std::lround(hours))) + " ч";
}

}  // namespace

struct AafBirthData::Work {
    Outcome outcome;
    BirthData birth;
    std::optional<PlaceSuggestion> city;
    const PlaceFinder* places = nullptr;
    double zone = 0.0;

    bool refuse(std::string reason) {
        outcome.refusal = std::move(reason);
        return false;
    }
};

double AafBirthData::julianDay(const Date& date, double hours) {
    return kJulianDayOfBase + Calendar::hoursSinceBase(date, hours) / 24.0;
}

std::optional<DateTime> AafBirthData::universalTime(double julianDay) {
    // A local date of the program's first or last day may be a Universal date outside them.
    constexpr int kFirst = Calendar::kFirstYear - 1;
    const double firstDay = kJulianDayOfBase + Calendar::hoursSinceBase({1, 1, kFirst}, 0.0) / 24.0;
    const double minutes = std::round((julianDay - firstDay) * 1440.0);
    const double lastMinute =
        Calendar::hoursSinceBase({1, 1, Calendar::kLastYear + 2}, 0.0, kFirst) * 60.0;
    if (!(minutes >= 0.0 && minutes < lastMinute)) return std::nullopt;
    const double days = std::floor(minutes / 1440.0);
    const Date date = Calendar::dateFromHours(days * 24.0, kFirst).date;
    const int ofDay = static_cast<int>(minutes - days * 1440.0);
    return DateTime{ofDay / 60, ofDay % 60, date.day, date.month, date.year};
}

std::string AafBirthData::storableText(const std::string& utf8) {
    std::string out;
    for (std::size_t at = 0; at < utf8.size();) {
        const std::size_t length =
            std::min(characterLength(static_cast<unsigned char>(utf8[at])), utf8.size() - at);
        const std::string character = utf8.substr(at, length);
        at += length;
        if (Windows1251::canEncode(character)) {
            out += character;
        } else if (isLatinLetter(character)) {
            out += kPlainLatin[static_cast<unsigned char>(character[1]) - 0x80];
        } else {
            out += '?';
        }
    }
    return out;
}

bool AafBirthData::takePlace(const AafRecord& record, const PlaceFinder* places, Work& work) {
    if (places != nullptr && !record.place.empty()) work.city = places->exact(record.place);
    if (record.latitude && record.longitude) {
        work.birth.latitude = *record.latitude;
        work.birth.longitude = *record.longitude;
        return true;
    }
    if (!work.city) {
        return work.refuse("место «" + record.place +
                           "» не найдено в атласе, а координат в #B93 нет");
    }
    work.birth.latitude = record.latitude.value_or(work.city->latitude);
    work.birth.longitude = record.longitude.value_or(work.city->longitude);
    return true;
}

bool AafBirthData::takeZoneFromAtlas(const AafRecord& record, Work& work) {
    std::string zone = work.city ? work.city->zone : std::string();
    if (zone.empty() && work.places != nullptr) {
        zone = work.places->zoneOf(record.place, work.birth.latitude, work.birth.longitude);
    }
    if (zone.empty()) {
        return work.refuse("пояс неизвестен: в #B93 его нет, а место «" + record.place +
                           "» не найдено в атласе");
    }
    const DateTime local{work.birth.hour, work.birth.minute, work.birth.day, work.birth.month,
                         work.birth.year};
    const auto reading = ZoneHistory::atLocal(zone, local);
    if (!reading) return work.refuse("пояса " + zone + " нет в базе поясов системы");
    if (reading->kind == ZoneHistory::Kind::Skipped) {
        return work.refuse(ClockChangeText::skipped(*reading));
    }
    if (reading->kind == ZoneHistory::Kind::Repeated) {
        work.outcome.notes.push_back(ClockChangeText::doubled(*reading, local) + " Взято " +
                                     ClockChangeText::earlierChoice(*reading) + ".");
    }
    work.zone = reading->offsetHours;
    return true;
}

bool AafBirthData::takeMoment(const AafRecord& record, Work& work) {
    BirthData& birth = work.birth;
    const bool localKnown = record.date && record.hour;
    std::optional<double> recordZone;
    if (record.zoneHours)
        recordZone = record.zoneHours.value() + record.daylightHours.value_or(0.0);
    if (localKnown) {
        birth.day = record.date->day;
        birth.month = record.date->month;
        birth.year = record.date->year;
        birth.hour = *record.hour;
        birth.minute = record.minute.value_or(0);
    }
    if (!record.julianDay) {
        if (!localKnown) return work.refuse("нет ни даты и времени рождения, ни юлианского дня");
        if (!Calendar::isValidDate({birth.day, birth.month, birth.year})) {
            return work.refuse("год " + std::to_string(birth.year) + " вне 1860–2130");
        }
        if (!recordZone) return takeZoneFromAtlas(record, work);
        work.zone = *recordZone;
        return std::fabs(work.zone) <= kLargestDifference ||
               work.refuse("пояс с летним временем дальше 14 часов от Гринвича");
    }
    const auto universal = universalTime(*record.julianDay);
    if (!universal) return work.refuse("юлианский день не в 1860–2130 годах");
    const double universalHours =
        Calendar::hoursSinceBase({universal->day, universal->month, universal->year},
                                 universal->hour + universal->minute / 60.0);
    if (localKnown) {
        // Hours are counted day by day from the base year: a year far out would take ages.
        if (!Calendar::isValidDate({birth.day, birth.month, birth.year})) {
            return work.refuse("год " + std::to_string(birth.year) + " вне 1860–2130");
        }
        const double localHours = Calendar::hoursSinceBase({birth.day, birth.month, birth.year},
                                                           birth.hour + birth.minute / 60.0);
        work.zone = std::round((localHours - universalHours) * 60.0) / 60.0;
        if (std::fabs(work.zone) > kLargestDifference) {
            return work.refuse("время #A93 расходится с юлианским днём #B93 на " +
                               describeHours(work.zone));
        }
    } else if (recordZone && std::fabs(*recordZone) <= kLargestDifference) {
        work.zone = *recordZone;
        const DateTime local = Calendar::hourShift(work.zone, *universal);
        birth.day = local.day;
        birth.month = local.month;
        birth.year = local.year;
        birth.hour = local.hour;
        birth.minute = local.minute;
    } else {
        return work.refuse("местное время неизвестно: в #A93 нет даты или времени, в #B93 — пояса");
    }
    if (!Calendar::isValidDate({birth.day, birth.month, birth.year})) {
        return work.refuse("год " + std::to_string(birth.year) + " вне 1860–2130");
    }
    return true;
}

AafBirthData::Outcome AafBirthData::fromRecord(const AafRecord& record, const PlaceFinder* places,
                                               const TimeChangeBase& changes) {
    Work work;
    work.places = places;
    work.birth.entered = 1;
    work.birth.name = storableText(record.fullName());
    work.birth.place = storableText(record.fullPlace());
    if (work.birth.name != record.fullName() || work.birth.place != record.fullPlace()) {
        work.outcome.notes.push_back("знаки, которых нет в кодировке файла карты, заменены");
    }
    if (!takePlace(record, places, work) || !takeMoment(record, work)) return work.outcome;
    work.birth.deriveGreenwich(work.zone);
    work.birth.diffMoscow = work.zone - changes.moscowAheadOfGreenwich(work.birth);
    work.outcome.birth = work.birth;
    return work.outcome;
}

}  // namespace orvanta
