#include "cli/BirthFields.h"

#include <charconv>
#include <cmath>

#include "calc/HouseSystems.h"
#include "cli/NumberText.h"

namespace orvanta::cli {
std::optional<int> BirthFields::wholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::vector<int>> BirthFields::wholeNumbers(std::string_view text, char separator,
                                                          std::size_t count) {
    std::vector<int> numbers;
    for (std::size_t start = 0;;) {
        const auto end = text.find(separator, start);
        const auto part = wholeNumber(text.substr(start, end - start));
        if (!part) return std::nullopt;
        numbers.push_back(*part);
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    if (numbers.size() != count) return std::nullopt;
    return numbers;
}

std::optional<double> BirthFields::decimal(std::string_view text) {
    std::string plain(text);
    if (!plain.empty() && plain.front() == '+') {
        plain.erase(0, 1);
        // from_chars takes a minus of its own: "+-3" would otherwise pass as -3.
        if (!plain.empty() && plain.front() == '-') return std::nullopt;
    }
    for (auto& c : plain) {
        if (c == ',') c = '.';
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (plain.empty() || error != std::errc() || end != plain.data() + plain.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> BirthFields::zoneHours(std::string_view text) {
    const auto colon = text.find(':');
    if (colon == std::string_view::npos) return decimal(text);
    const bool signed_ = !text.empty() && (text.front() == '-' || text.front() == '+');
    const auto hours = wholeNumber(text.substr(signed_ ? 1 : 0, colon - (signed_ ? 1 : 0)));
    const auto minutes = wholeNumber(text.substr(colon + 1));
    if (!hours || !minutes || *hours < 0 || *minutes < 0 || *minutes > 59) return std::nullopt;
    const double value = *hours + *minutes / 60.0;
    return text.front() == '-' ? -value : value;
}

std::string BirthFields::polarRefusal(int houseSystem, double latitude) {
    return "широта " + NumberText::fixed(latitude, 2) + "° лежит за полярным кругом (дальше " +
           NumberText::fixed(HouseSystems::kPolarLatitude, 2) +
           "° от экватора), где система домов " + std::string(HouseSystems::name(houseSystem)) +
           " не строится";
}

}  // namespace orvanta::cli
