#include "cli/BatchRecordParser.h"

#include <charconv>
#include <cmath>

#include "calc/Calendar.h"
#include "calc/HouseSystems.h"

namespace orvanta::cli {
namespace {

constexpr double kLargestZone = 14.0;

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::optional<int> wholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// "DD.MM.YYYY" or "HH:MM" as whole numbers.
std::optional<std::vector<int>> wholeNumbers(std::string_view text, char separator,
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

std::string quoted(std::string_view text) {
    return "'" + std::string(text) + "'";
}

// A name must stay readable UTF-8 in the JSON and CSV output.
bool isUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80           ? 1
                                   : (lead >> 5) == 0x06 ? 2
                                   : (lead >> 4) == 0x0E ? 3
                                   : (lead >> 3) == 0x1E ? 4
                                                         : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        }
        i += length;
    }
    return true;
}

}  // namespace

std::vector<std::string_view> BatchRecordParser::split(std::string_view line) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const auto end = line.find(';', start);
        fields.push_back(trimmed(line.substr(start, end - start)));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return fields;
}

bool BatchRecordParser::isSkipped(std::string_view line) {
    const auto text = trimmed(line);
    return text.empty() || text.front() == '#';
}

bool BatchRecordParser::isHeader(std::string_view line) {
    const auto fields = split(line);
    return fields.size() >= 2 && fields[1].find_first_of("0123456789") == std::string_view::npos;
}

std::string BatchRecordParser::nameOf(std::string_view line) {
    const auto name = split(line).front();
    return isUtf8(name) ? std::string(name) : std::string();
}

std::optional<double> BatchRecordParser::number(std::string_view text) {
    std::string plain(text);
    if (!plain.empty() && plain.front() == '+') plain.erase(0, 1);
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

std::optional<double> BatchRecordParser::zoneHours(std::string_view text) {
    const auto colon = text.find(':');
    if (colon == std::string_view::npos) return number(text);
    const bool negative = !text.empty() && text.front() == '-';
    const auto sign = (!text.empty() && (text.front() == '-' || text.front() == '+')) ? 1 : 0;
    const auto hours = wholeNumber(text.substr(sign, colon - sign));
    const auto minutes = wholeNumber(text.substr(colon + 1));
    if (!hours || !minutes || *hours < 0 || *minutes < 0 || *minutes > 59) return std::nullopt;
    const double value = *hours + *minutes / 60.0;
    return negative ? -value : value;
}

std::optional<BatchFieldError> BatchRecordParser::readDate(std::string_view text,
                                                           ChartRequest& request) {
    const auto parts = wholeNumbers(text, '.', 3);
    if (!parts) return BatchFieldError{"date", quoted(text) + " is not DD.MM.YYYY"};
    const Date date{(*parts)[0], (*parts)[1], (*parts)[2]};
    if (!Calendar::isValidDate(date)) {
        return BatchFieldError{"date", std::string(text) + " is not a date between 1860 and 2130"};
    }
    request.day = date.day;
    request.month = date.month;
    request.year = date.year;
    return std::nullopt;
}

std::optional<BatchFieldError> BatchRecordParser::readTime(std::string_view text,
                                                           ChartRequest& request) {
    const auto parts = wholeNumbers(text, ':', 2);
    if (!parts) return BatchFieldError{"time", quoted(text) + " is not HH:MM"};
    const int hour = (*parts)[0];
    const int minute = (*parts)[1];
    if (!Calendar::isValidTime(hour, minute) && !(hour == 24 && minute == 0)) {
        return BatchFieldError{"time", std::string(text) + " is not a time of day"};
    }
    request.hour = hour;
    request.minute = minute;
    return std::nullopt;
}

std::optional<BatchFieldError> BatchRecordParser::readHouseSystem(
    const std::vector<std::string_view>& fields, ChartRequest& request) const {
    request.houseSystem = defaultHouseSystem_;
    if (fields.size() > kFieldCount && !fields[kFieldCount].empty()) {
        const auto name = fields[kFieldCount];
        if (name == "none") {
            request.houseSystem = HouseSystems::kNone;
        } else if (const auto index = HouseSystems::indexOf(name)) {
            request.houseSystem = *index;
        } else {
            return BatchFieldError{"house system", "unknown house system " + quoted(name)};
        }
    }
    if (request.houseSystem != HouseSystems::kNone &&
        !HouseSystems::buildableAt(request.houseSystem, request.latitude)) {
        return BatchFieldError{"lat", "beyond the polar circle the house system " +
                                          std::string(HouseSystems::name(request.houseSystem)) +
                                          " cannot be built"};
    }
    return std::nullopt;
}

std::variant<BatchRecord, BatchFieldError> BatchRecordParser::parse(std::string_view line) const {
    const auto fields = split(line);
    if (fields.size() < kFieldCount || fields.size() > kFieldCount + 1) {
        return BatchFieldError{"line", "has " + std::to_string(fields.size()) +
                                           " fields; name;DD.MM.YYYY;HH:MM;zone;lat;lon[;house "
                                           "system] has 6 or 7"};
    }
    BatchRecord record;
    if (!isUtf8(fields[0])) return BatchFieldError{"name", "is not UTF-8 text"};
    record.name = fields[0];
    ChartRequest& request = record.request;
    if (auto error = readDate(fields[1], request)) return *error;
    if (auto error = readTime(fields[2], request)) return *error;

    struct Ranged {
        const char* field;
        std::string_view text;
        double limit;
        double* target;
    };
    const Ranged ranged[] = {
        {"zone", fields[3], kLargestZone, &request.timeZone},
        {"lat", fields[4], 90.0, &request.latitude},
        {"lon", fields[5], 180.0, &request.longitude},
    };
    for (const auto& item : ranged) {
        const auto value =
            item.target == &request.timeZone ? zoneHours(item.text) : number(item.text);
        if (!value) return BatchFieldError{item.field, quoted(item.text) + " is not a number"};
        if (std::fabs(*value) > item.limit) {
            const auto limit = std::to_string(static_cast<int>(item.limit));
            return BatchFieldError{
                item.field, std::string(item.text) + " is outside -" + limit + " .. " + limit};
        }
        *item.target = *value;
    }
    if (auto error = readHouseSystem(fields, request)) return *error;
    return record;
}

}  // namespace orvanta::cli
