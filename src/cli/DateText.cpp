#include "cli/DateText.h"

#include <charconv>
#include <vector>

#include "cli/CommandLine.h"

namespace orvanta::cli {
namespace {

std::optional<int> wholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<Date> threeNumbers(std::string_view text) {
    std::vector<int> numbers;
    for (std::size_t start = 0;;) {
        const auto end = text.find('.', start);
        const auto number = wholeNumber(text.substr(start, end - start));
        if (!number) return std::nullopt;
        numbers.push_back(*number);
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    if (numbers.size() != 3) return std::nullopt;
    return Date{numbers[0], numbers[1], numbers[2]};
}

}  // namespace

DateText::Reading DateText::read(std::string_view text) {
    const auto date = threeNumbers(text);
    if (!date) return {std::nullopt, "«" + std::string(text) + "» не в виде ДД.ММ.ГГГГ"};
    if (!Calendar::isValidDate(*date)) {
        return {std::nullopt, std::string(text) + " не дата от 1860 до 2130 года"};
    }
    return {date, {}};
}

Date DateText::readOption(std::string_view option, std::string_view text) {
    auto reading = read(text);
    if (!reading.date) throw UsageError(std::string(option) + ": " + reading.problem);
    return *reading.date;
}

}  // namespace orvanta::cli
