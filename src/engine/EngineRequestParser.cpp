#include "engine/EngineRequestParser.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <utility>

namespace orvanta::engine {
namespace {

// Requests reach the engine only through the program, but any caller may send anything:
// texts are read with a bound and every field is checked before it is used.
constexpr std::size_t kMaxTextLength = 32;
constexpr int kFirstYear = 1;
constexpr int kLastYear = 3000;

std::optional<std::string_view> boundedText(const char* text) {
    if (text == nullptr) return std::nullopt;
    const std::size_t length = strnlen(text, kMaxTextLength + 1);
    if (length > kMaxTextLength) return std::nullopt;
    return std::string_view(text, length);
}

bool allDigits(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

}  // namespace

std::optional<int> EngineRequestParser::parseInteger(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<double> EngineRequestParser::parseDecimal(std::string_view text) {
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<double> EngineRequestParser::parseCoordinate(std::string_view text, char positive,
                                                           char negative, double limit) {
    const char letters[] = {positive, negative};
    const auto letter = text.find_first_of(std::string_view(letters, 2));
    if (letter == std::string_view::npos) return std::nullopt;
    const auto degreesText = text.substr(0, letter);
    const auto minutesText = text.substr(letter + 1);
    if (!allDigits(degreesText) || !allDigits(minutesText) || minutesText.size() > 2) {
        return std::nullopt;
    }
    const auto degrees = parseInteger(degreesText);
    const auto minutes = parseInteger(minutesText);
    if (!degrees || !minutes || *minutes > 60) return std::nullopt;
    const double magnitude = *degrees + *minutes / 60.0;
    if (magnitude > limit) return std::nullopt;
    return text[letter] == positive ? magnitude : -magnitude;
}

std::optional<std::pair<int, int>> EngineRequestParser::parseTime(std::string_view text) {
    const auto colon = text.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    const auto hourText = text.substr(0, colon);
    const auto minuteText = text.substr(colon + 1);
    if (!allDigits(hourText) || !allDigits(minuteText) || minuteText.size() != 2) {
        return std::nullopt;
    }
    const auto hour = parseInteger(hourText);
    const auto minute = parseInteger(minuteText);
    if (!hour || !minute || *hour > 24 || *minute > 59) return std::nullopt;
    return std::make_pair(*hour, *minute);
}

bool EngineRequestParser::isValidDay(int day, int month, int year) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12 || day < 1) return false;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const int last = month == 2 && leap ? 29 : kDays[month - 1];
    return day <= last;
}

std::optional<EngineRequest> EngineRequestParser::parse(int argc, const char* const* argv) {
    if (argc != kArgumentCount || argv == nullptr) return std::nullopt;
    std::string_view texts[kArgumentCount];
    for (int i = 0; i < kArgumentCount; ++i) {
        const auto text = boundedText(argv[i]);
        if (!text) return std::nullopt;
        texts[i] = *text;
    }
    if (texts[0] != "-1" || texts[1] != "-b0" || texts[2] != "-c" || texts[4] != "qa") {
        return std::nullopt;
    }
    EngineRequest request;
    const auto houseSystem = parseInteger(texts[3]);
    const auto month = parseInteger(texts[5]);
    const auto day = parseInteger(texts[6]);
    const auto year = parseInteger(texts[7]);
    const auto time = parseTime(texts[8]);
    const auto zone = parseDecimal(texts[9]);
    const auto longitude = parseCoordinate(texts[10], 'e', 'w', 180.0);
    const auto latitude = parseCoordinate(texts[11], 'n', 's', 90.0);
    if (!houseSystem || !month || !day || !year || !time || !zone || !longitude || !latitude) {
        return std::nullopt;
    }
    if (*houseSystem < 0 || *houseSystem > 11) return std::nullopt;
    if (*year < kFirstYear || *year > kLastYear || !isValidDay(*day, *month, *year)) {
        return std::nullopt;
    }
    if (std::fabs(*zone) > 24.0) return std::nullopt;
    request.houseSystem = *houseSystem;
    request.year = *year;
    request.month = *month;
    request.day = *day;
    request.hour = time->first;
    request.minute = time->second;
    request.hoursToUniversal = *zone;
    request.longitude = *longitude;
    request.latitude = *latitude;
    return request;
}

}  // namespace orvanta::engine
