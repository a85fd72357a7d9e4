#include "doc/AafWriter.h"

#include <cmath>
#include <cstdio>

#include "doc/AafBirthData.h"

namespace orvanta {
namespace {

std::string printed(const char* format, auto... values) {
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, format, values...);
    return buffer;
}

// Whole units and minutes of a positive amount, rounded to the minute.
std::pair<long, long> unitsAndMinutes(double amount) {
    const long minutes = std::lround(std::fabs(amount) * 60.0);
    return {minutes / 60, minutes % 60};
}

}  // namespace

std::string AafWriter::field(const std::string& text) {
    std::string out;
    for (const char c : text) out += (c == ',' ? ';' : (c == '\r' || c == '\n') ? ' ' : c);
    const auto first = out.find_first_not_of(' ');
    return first == std::string::npos ? "*" : out;
}

std::string AafWriter::angle(double degrees, char positive, char negative) {
    const auto [whole, minutes] = unitsAndMinutes(degrees);
    return printed("%ld%c%02ld", whole, degrees < 0.0 ? negative : positive, minutes);
}

std::string AafWriter::zone(double hours) {
    const auto [whole, minutes] = unitsAndMinutes(hours);
    return printed("%ldh%c%02ld", whole, hours < 0.0 ? 'w' : 'e', minutes);
}

std::string AafWriter::zoneName(double hours) {
    const auto [whole, minutes] = unitsAndMinutes(hours);
    const char sign = hours < 0.0 ? '-' : '+';
    return minutes == 0 ? printed("UTC%c%ld", sign, whole)
                        : printed("UTC%c%ld:%02ld", sign, whole, minutes);
}

std::string AafWriter::record(const BirthData& birth) {
    // The country is what follows the last ", " of the place, as the import joins them.
    std::string place = birth.place;
    std::string country;
    if (const auto comma = place.rfind(", "); comma != std::string::npos) {
        country = place.substr(comma + 2);
        place.resize(comma);
    }
    const double julianDay = AafBirthData::julianDay({birth.gmtDay, birth.gmtMonth, birth.gmtYear},
                                                     birth.gmtHour + birth.gmtMinute / 60.0);
    std::string text =
        "#A93:" + field(birth.name) + ",*,*," +
        printed("%d.%d.%d,%d:%02d", birth.day, birth.month, birth.year, birth.hour, birth.minute) +
        "," + field(place) + "," + field(country) + "\r\n";
    text += "#B93:" + printed("%.6f", julianDay) + "," + angle(birth.latitude, 'n', 's') + "," +
            angle(birth.longitude, 'e', 'w') + "," + zone(birth.diffGreenwich) + ",0\r\n";
    text += "#ZNAM:" + zoneName(birth.diffGreenwich) + "\r\n";
    return text;
}

}  // namespace orvanta
