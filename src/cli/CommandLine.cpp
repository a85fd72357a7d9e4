#include "cli/CommandLine.h"

#include <charconv>
#include <cmath>

namespace orvanta::cli {

CommandLine::CommandLine(std::set<std::string> valueOptions, std::set<std::string> flagOptions)
    : valueOptions_(std::move(valueOptions)), flagOptions_(std::move(flagOptions)) {}

void CommandLine::parse(const std::vector<std::string>& arguments) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (valueOptions_.count(argument)) {
            if (i + 1 >= arguments.size())
                throw UsageError("у параметра " + argument + " нет значения");
            values_[argument] = arguments[++i];
        } else if (flagOptions_.count(argument)) {
            flags_.insert(argument);
        } else if (argument.size() > 1 && argument[0] == '-' &&
                   !std::isdigit(static_cast<unsigned char>(argument[1]))) {
            throw UsageError("неизвестный параметр " + argument);
        } else {
            operands_.push_back(argument);
        }
    }
}

bool CommandLine::has(const std::string& option) const {
    return flags_.count(option) > 0 || values_.count(option) > 0;
}

std::optional<std::string> CommandLine::value(const std::string& option) const {
    const auto it = values_.find(option);
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

std::string CommandLine::required(const std::string& option) const {
    const auto found = value(option);
    if (!found) throw UsageError("параметр " + option + " обязателен");
    return *found;
}

double CommandLine::toDouble(const std::string& option, const std::string& text) {
    double value = 0.0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    // from_chars reads a minus of its own, so after a plus it would take "+-3" as -3.
    const bool plus = first != last && *first == '+';
    if (plus) ++first;
    const auto [end, error] = std::from_chars(first, last, value);
    if (text.empty() || (plus && first != last && *first == '-') || error != std::errc() ||
        end != last || !std::isfinite(value)) {
        throw UsageError("параметр " + option + ": «" + text + "» не число");
    }
    return value;
}

int CommandLine::toInt(const std::string& option, const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        throw UsageError("параметр " + option + ": «" + text + "» не целое число");
    }
    return value;
}

}  // namespace orvanta::cli
