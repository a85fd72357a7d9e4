#include "cli/NumberText.h"

#include <charconv>

namespace orvanta::cli {

std::string NumberText::fixed(double value, int decimals) {
    // Room for the largest double written out in full: a damaged file may hold one.
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return std::string(buffer, result.ptr);
}

}  // namespace orvanta::cli
