#include "cli/BatchRecordParser.h"

#include <algorithm>
#include <cmath>

#include "calc/Calendar.h"
#include "calc/HouseSystems.h"
#include "cli/BirthFields.h"
#include "cli/DateText.h"

namespace orvanta::cli {
namespace {

constexpr double kLargestZone = 14.0;

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::string quoted(std::string_view text) {
    return "«" + std::string(text) + "»";
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
    // Only the exact column names: a first record that merely has no digit in its date is a
    // record with a bad date, and is reported as such.
    static const std::vector<std::string_view> kEnglish = {"name", "date", "time",  "zone",
                                                           "lat",  "lon",  "houses"};
    static const std::vector<std::string_view> kRussian = {"Имя",    "Дата",    "Время", "Пояс",
                                                           "Широта", "Долгота", "Дома"};
    const auto fields = split(line);
    if (fields.size() < kFieldCount || fields.size() > kFieldCount + 1) return false;
    for (const auto* names : {&kEnglish, &kRussian}) {
        if (std::equal(fields.begin(), fields.end(), names->begin())) return true;
    }
    return false;
}

std::string BatchRecordParser::nameOf(std::string_view line) {
    const auto name = split(line).front();
    return isUtf8(name) ? std::string(name) : std::string();
}

std::optional<BatchFieldError> BatchRecordParser::readDate(std::string_view text,
                                                           ChartRequest& request) {
    const auto reading = DateText::read(text);
    if (!reading.date) return BatchFieldError{"дата", reading.problem};
    request.day = reading.date->day;
    request.month = reading.date->month;
    request.year = reading.date->year;
    return std::nullopt;
}

std::optional<BatchFieldError> BatchRecordParser::readTime(std::string_view text,
                                                           ChartRequest& request) {
    const auto parts = BirthFields::wholeNumbers(text, ':', 2);
    if (!parts) return BatchFieldError{"время", quoted(text) + " не в виде ЧЧ:ММ"};
    const int hour = (*parts)[0];
    const int minute = (*parts)[1];
    if (!Calendar::isValidTime(hour, minute) && !(hour == 24 && minute == 0)) {
        return BatchFieldError{"время", std::string(text) + " не время суток"};
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
            return BatchFieldError{"система домов", "неизвестная система домов " + quoted(name)};
        }
    }
    if (request.houseSystem != HouseSystems::kNone &&
        !HouseSystems::buildableAt(request.houseSystem, request.latitude)) {
        return BatchFieldError{"широта",
                               BirthFields::polarRefusal(request.houseSystem, request.latitude)};
    }
    return std::nullopt;
}

std::variant<BatchRecord, BatchFieldError> BatchRecordParser::parse(std::string_view line) const {
    const auto fields = split(line);
    if (fields.size() < kFieldCount || fields.size() > kFieldCount + 1) {
        return BatchFieldError{"строка",
                               "полей " + std::to_string(fields.size()) +
                                   ", а в имя;ДД.ММ.ГГГГ;ЧЧ:ММ;пояс;широта;долгота[;система "
                                   "домов] их 6 или 7"};
    }
    BatchRecord record;
    if (!isUtf8(fields[0])) return BatchFieldError{"имя", "не текст в UTF-8"};
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
        {"пояс", fields[3], kLargestZone, &request.timeZone},
        {"широта", fields[4], 90.0, &request.latitude},
        {"долгота", fields[5], 180.0, &request.longitude},
    };
    for (const auto& item : ranged) {
        const auto value = item.target == &request.timeZone ? BirthFields::zoneHours(item.text)
                                                            : BirthFields::decimal(item.text);
        if (!value) return BatchFieldError{item.field, quoted(item.text) + " не число"};
        if (std::fabs(*value) > item.limit) {
            const auto limit = std::to_string(static_cast<int>(item.limit));
            return BatchFieldError{
                item.field, std::string(item.text) + " вне пределов -" + limit + " .. " + limit};
        }
        *item.target = *value;
    }
    if (auto error = readHouseSystem(fields, request)) return *error;
    return record;
}

}  // namespace orvanta::cli
