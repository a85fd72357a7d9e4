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
                throw UsageError("option " + argument + " needs a value");
            values_[argument] = arguments[++i];
        } else if (flagOptions_.count(argument)) {
            flags_.insert(argument);
        } else if (argument.size() > 1 && argument[0] == '-' &&
                   !std::isdigit(static_cast<unsigned char>(argument[1]))) {
            throw UsageError("unknown option " + argument);
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
    if (!found) throw UsageError("option " + option + " is required");
    return *found;
}

double CommandLine::toDouble(const std::string& option, const std::string& text) {
    double value = 0.0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+') ++first;
    const auto [end, error] = std::from_chars(first, last, value);
    if (text.empty() || error != std::errc() || end != last || !std::isfinite(value)) {
        throw UsageError("option " + option + ": '" + text + "' is not a number");
    }
    return value;
}

int CommandLine::toInt(const std::string& option, const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        throw UsageError("option " + option + ": '" + text + "' is not a whole number");
    }
    return value;
}

}  // namespace orvanta::cli
