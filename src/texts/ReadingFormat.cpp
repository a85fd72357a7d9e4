#include "texts/ReadingFormat.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

#include "texts/TextRewrap.h"

namespace orvanta {
namespace {

int characters(std::string_view text) {
    int count = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    }
    return count;
}

// Whole degrees and minutes of a non-negative angle, truncated; a value that is not a finite
// number reads as 0.
std::pair<int, int> wholeDegreesAndMinutes(double value) {
    if (!std::isfinite(value) || value < 0.0 || value > 1e6) return {0, 0};
    const int whole = static_cast<int>(value);
    // A millionth of a minute absorbs the binary error of values such as 33.9 degrees.
    int minutes = static_cast<int>((value - whole) * 60.0 + 1e-6);
    return {whole, std::min(minutes, 59)};
}

std::string degreesText(int degrees, int minutes) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%d°%02d′", degrees, minutes);
    return buffer;
}

}  // namespace

std::string ReadingFormat::degrees(double degreeInSign, double minutes) {
    const auto whole = wholeDegreesAndMinutes(degreeInSign).first;
    const int wholeMinutes = std::isfinite(minutes) ? static_cast<int>(minutes) : 0;
    return degreesText(whole, std::clamp(wholeMinutes, 0, 59));
}

std::string ReadingFormat::arc(double value) {
    const auto [whole, minutes] = wholeDegreesAndMinutes(value);
    return degreesText(whole, minutes);
}

std::string ReadingFormat::clock(int hour, int minute) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%d:%02d", hour, minute);
    return buffer;
}

std::string ReadingFormat::date(int day, int month, int year) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02d.%02d.%d", day, month, year);
    return buffer;
}

std::string ReadingFormat::zone(double hoursEast) {
    if (!std::isfinite(hoursEast)) hoursEast = 0.0;
    const int totalMinutes = static_cast<int>(std::lround(std::fabs(hoursEast) * 60.0));
    std::string text =
        std::string("UTC") + (hoursEast < 0 ? "-" : "+") + std::to_string(totalMinutes / 60);
    if (totalMinutes % 60 != 0) {
        char buffer[8];
        std::snprintf(buffer, sizeof buffer, ":%02d", totalMinutes % 60);
        text += buffer;
    }
    return text;
}

std::string ReadingFormat::coordinates(double latitude, double longitude) {
    const auto [latDegrees, latMinutes] = wholeDegreesAndMinutes(std::fabs(latitude));
    const auto [lonDegrees, lonMinutes] = wholeDegreesAndMinutes(std::fabs(longitude));
    return degreesText(latDegrees, latMinutes) + (latitude < 0 ? " ю. ш., " : " с. ш., ") +
           degreesText(lonDegrees, lonMinutes) + (longitude < 0 ? " з. д." : " в. д.");
}

std::string ReadingFormat::list(const std::vector<std::string>& items) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) text += (i + 1 == items.size()) ? " и " : ", ";
        text += items[i];
    }
    return text;
}

std::string ReadingFormat::capitalized(std::string text) {
    if (text.empty()) return text;
    const auto first = static_cast<unsigned char>(text[0]);
    if (first >= 'a' && first <= 'z') {
        text[0] = static_cast<char>(first - 'a' + 'A');
    } else if (text.size() >= 2 && (first == 0xD0 || first == 0xD1)) {
        // Cyrillic а-п (D0 B0-BF), р-я (D1 80-8F) and ё (D1 91).
        const auto second = static_cast<unsigned char>(text[1]);
        if (first == 0xD0 && second >= 0xB0 && second <= 0xBF) {
            text[1] = static_cast<char>(second - 0x20);
        } else if (first == 0xD1 && second >= 0x80 && second <= 0x8F) {
            text[0] = static_cast<char>(0xD0);
            text[1] = static_cast<char>(second + 0x20);
        } else if (first == 0xD1 && second == 0x91) {
            text[0] = static_cast<char>(0xD0);
            text[1] = static_cast<char>(0x81);
        }
    }
    return text;
}

std::string ReadingFormat::wrapped(std::string_view paragraph) {
    std::string text;
    // The rewrap breaks once a line reaches the width, so one more than the widest line.
    for (const auto& line : TextRewrap::lines(paragraph, kLineWidth + 1, characters)) {
        text += line + "\n";
    }
    return text;
}

}  // namespace orvanta
