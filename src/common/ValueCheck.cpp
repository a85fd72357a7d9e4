#include "common/ValueCheck.h"

#include <cmath>
#include <cstdio>

namespace orvanta {

std::string ValueCheck::quote(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

void ValueCheck::inRange(std::string_view what, std::int32_t value, std::int32_t low,
                         std::int32_t high) {
    if (value >= low && value <= high) return;
    throw Error(std::string(what) + " " + std::to_string(value) + " вне допустимого (" +
                std::to_string(low) + " … " + std::to_string(high) + ")");
}

void ValueCheck::flag(std::string_view what, std::int32_t value) {
    if (value == 0 || value == 1) return;
    throw Error(std::string(what) + " " + std::to_string(value) + " не 0 и не 1");
}

void ValueCheck::finite(std::string_view what, double value) {
    if (std::isfinite(value)) return;
    throw Error(std::string(what) + " " + quote(value) + " не является числом");
}

void ValueCheck::inRange(std::string_view what, double value, double low, double high) {
    finite(what, value);
    if (value >= low && value <= high) return;
    throw Error(std::string(what) + " " + quote(value) + " вне допустимого (" + quote(low) + " … " +
                quote(high) + ")");
}

}  // namespace orvanta
