#include "calc/EngineArguments.h"

#include <charconv>
#include <cmath>

#include "calc/Calendar.h"

namespace orvanta {

std::string EngineArguments::cut(std::string text) {
    if (text.size() > kMaxLength) text.resize(kMaxLength);
    return text;
}

std::string EngineArguments::houseSystemText(int houseSystem) {
    if (houseSystem == -1 || houseSystem == 13) houseSystem = 0;
    return std::to_string(houseSystem);
}

std::string EngineArguments::localTimeText(int hour, int minute) {
    std::string text = std::to_string(hour) + ":";
    if (minute < 10) text += "0";
    return text + std::to_string(minute);
}

std::string EngineArguments::zoneText(double timeZone) {
    // 0 - zone rather than -zone: a zone of 0 is sent as "0.", not "-0.".
    const double negated = 0.0 - timeZone;
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), negated,
                                      std::chars_format::general, 9);
    std::string text(buffer.data(), result.ptr);
    // The general format drops the point of a whole value; this format keeps it.
    const auto exponent = text.find('e');
    std::string mantissa = text.substr(0, exponent);
    const std::string tail = exponent == std::string::npos ? "" : text.substr(exponent);
    if (mantissa.find('.') == std::string::npos) mantissa += '.';
    return mantissa + tail;
}

std::string EngineArguments::coordinateText(double value, char positiveLetter,
                                            char negativeLetter) {
    // Values no chart can have are kept out of range for the engine but safe to format.
    const double magnitude = std::isfinite(value) ? std::fmin(std::fabs(value), 99999.0) : 99999.0;
    const double degrees = std::trunc(magnitude);
    const int minutes = Calendar::round((magnitude - degrees) * 60.0);
    std::string text = std::to_string(static_cast<long long>(degrees));
    text += value >= 0.0 ? positiveLetter : negativeLetter;
    if (minutes < 10) text += "0";
    return text + std::to_string(minutes);
}

std::array<std::string, EngineArguments::kCount> EngineArguments::build(
    const ChartRequest& request) {
    return {
        cut("-1"),
        cut("-b0"),
        cut("-c"),
        cut(houseSystemText(request.houseSystem)),
        cut("qa"),
        cut(std::to_string(request.month)),
        cut(std::to_string(request.day)),
        cut(std::to_string(request.year)),
        cut(localTimeText(request.hour, request.minute)),
        cut(zoneText(request.timeZone)),
        cut(coordinateText(request.longitude, 'e', 'w')),
        cut(coordinateText(request.latitude, 'n', 's')),
    };
}

}  // namespace orvanta
