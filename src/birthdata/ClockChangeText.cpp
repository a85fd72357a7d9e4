#include "birthdata/ClockChangeText.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace orvanta {
namespace {

constexpr std::array<const char*, 12> kMonthsOfDate = {
    "января", "февраля", "марта",    "апреля",  "мая",    "июня",
    "июля",   "августа", "сентября", "октября", "ноября", "декабря",
};

std::string clockText(int hour, int minute) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", hour, minute);
    return text;
}

std::string dateText(const DateTime& time) {
    const bool month = time.month >= 1 && time.month <= 12;
    return std::to_string(time.day) + " " +
           (month ? kMonthsOfDate[static_cast<std::size_t>(time.month - 1)] : "?") + " " +
           std::to_string(time.year) + " г.";
}

std::string stretchText(const ZoneHistory::Reading& reading) {
    return dateText(reading.stretchStart) + " местного времени от " +
           clockText(reading.stretchStart.hour, reading.stretchStart.minute) + " до " +
           clockText(reading.stretchEnd.hour, reading.stretchEnd.minute);
}

}  // namespace

std::string ClockChangeText::utcOffset(double hours) {
    const long minutes = std::lround(std::fabs(hours) * 60.0);
    std::string text =
        std::string("UTC") + (hours < 0 && minutes != 0 ? "−" : "+") + std::to_string(minutes / 60);
    if (minutes % 60 != 0) {
        char rest[8];
        std::snprintf(rest, sizeof rest, ":%02ld", minutes % 60);
        text += rest;
    }
    return text;
}

std::string ClockChangeText::skipped(const ZoneHistory::Reading& reading) {
    return stretchText(reading) +
           " не было: часы перевели вперед. Проверьте время рождения и введите другое.";
}

std::string ClockChangeText::doubled(const ZoneHistory::Reading& reading, const DateTime& local) {
    return stretchText(reading) + " было дважды: часы перевели назад. Какое из двух " +
           clockText(local.hour, local.minute) + " имеется в виду?";
}

std::string ClockChangeText::earlierChoice(const ZoneHistory::Reading& reading) {
    return "Первое (" + utcOffset(reading.offsetHours) + ")";
}

std::string ClockChangeText::laterChoice(const ZoneHistory::Reading& reading) {
    return "Второе (" + utcOffset(reading.laterOffsetHours) + ")";
}

}  // namespace orvanta
