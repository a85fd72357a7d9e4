#include "birthdata/IntegerField.h"

#include <charconv>

namespace orvanta {
namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

std::optional<int> IntegerField::parse(std::string_view text) {
    while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
    if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::string IntegerField::rangeMessage(int lowest, int highest) {
    return "Введите целое число от " + std::to_string(lowest) + " до " + std::to_string(highest) +
           ".";
}

}  // namespace orvanta
