#include "natal/AspectTableTexts.h"

#include <cmath>

#include "calc/Calendar.h"

namespace orvanta {
namespace {

// Longer than any degree or separation a chart can hold; beyond it the rounding to an int
// would no longer be exact.
constexpr double kLargestScaled = 1.0e9;

}  // namespace

std::string AspectTableTexts::paddedDigits(double value, std::size_t minDigits) {
    std::string digits = std::to_string(Calendar::round(std::fabs(value)));
    if (digits.size() < minDigits) digits.insert(0, minDigits - digits.size(), '0');
    return digits;
}

std::string AspectTableTexts::degree(double degreeInSign) {
    const double scaled = degreeInSign * 100.0;
    if (!std::isfinite(scaled) || std::fabs(scaled) >= kLargestScaled) return {};
    std::string text = paddedDigits(scaled, 4);
    text.insert(text.size() - 2, 1, '.');
    // A chart always holds 0 <= degree < 30; a damaged one is shown as it is.
    if (Calendar::round(scaled) < 0) text.insert(0, 1, '-');
    return text;
}

std::string AspectTableTexts::degreesAndMinutes(double degreeInSign) {
    const double minutes = degreeInSign * 60.0;
    if (!std::isfinite(minutes) || std::fabs(minutes) >= kLargestScaled) return {};
    const int total = Calendar::round(std::fabs(minutes));
    std::string text = paddedDigits(static_cast<double>(total / 60), 2) + "°" +
                       paddedDigits(static_cast<double>(total % 60), 2) + "′";
    if (Calendar::round(minutes) < 0) text.insert(0, 1, '-');
    return text;
}

std::string AspectTableTexts::position(double degreeInSign, DegreeNotation notation) {
    return notation == DegreeNotation::DegreesMinutes ? degreesAndMinutes(degreeInSign)
                                                      : degree(degreeInSign);
}

double AspectTableTexts::separation(double first, double second) {
    double s = std::fabs(first - second);
    if (!std::isfinite(s)) return std::nan("");
    // Longitudes of a computed chart lie within 0..360, so one fold is enough; a stored
    // chart may hold anything, so whole turns go first.
    if (s > 360.0) s = std::fmod(s, 360.0);
    while (s > 180.0) s = 360.0 - s;
    return s;
}

std::string AspectTableTexts::separationText(double separation) {
    const double scaled = separation * 10.0;
    if (!std::isfinite(scaled) || std::fabs(scaled) >= kLargestScaled) return {};
    std::string text = paddedDigits(scaled, 4);
    text.insert(text.size() - 1, 1, '.');
    while (text.back() == '0') text.pop_back();
    while (text.size() > 1 && text[0] == '0' && text[1] != '.') text.erase(0, 1);
    if (Calendar::round(scaled) < 0) text.insert(0, 1, '-');
    return text;
}

}  // namespace orvanta
