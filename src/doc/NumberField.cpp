#include "doc/NumberField.h"

#include <array>
#include <charconv>
#include <cmath>

namespace orvanta {
namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

std::optional<double> NumberField::parse(std::string_view text) {
    while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    std::string plain(text);
    for (char& c : plain) {
        if (c == ',') c = '.';
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value,
                                              std::chars_format::general);
    if (error != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::string NumberField::rangeMessage(double lowest, double highest) {
    return "Введите число от " + format(lowest) + " до " + format(highest) + ".";
}

std::string NumberField::format(double value) {
    if (value == 0.0) value = 0.0;  // no "-0"
    std::array<char, 32> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    if (error != std::errc()) return "0";
    return std::string(buffer.data(), end);
}

}  // namespace orvanta
