#include "generator/PlaceTable.h"

#include <charconv>
#include <set>

#include "common/Windows1251.h"

namespace orvanta {
namespace {

std::vector<std::string_view> splitTabs(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = line.find('\t', start);
        fields.push_back(line.substr(start, end == line.npos ? line.npos : end - start));
        if (end == line.npos) return fields;
        start = end + 1;
    }
}

bool parseDigits(std::string_view text, int& value) {
    if (text.empty() || text.size() > 3) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    std::from_chars(text.data(), text.data() + text.size(), value);
    return true;
}

std::string foldedName(const std::string& windows1251) {
    std::string folded = windows1251;
    for (char& c : folded) {
        c = static_cast<char>(Windows1251::toLower(static_cast<unsigned char>(c)));
    }
    return folded;
}

bool hasOuterSpace(std::string_view name) {
    return name.front() == ' ' || name.back() == ' ';
}

}  // namespace

std::optional<double> PlaceTable::parseCoordinate(std::string_view text, char positive,
                                                  char negative, int largest) {
    const std::size_t colon = text.find(':');
    if (colon == text.npos || text.size() != colon + 4) return std::nullopt;
    const char hemisphere = text.back();
    if (hemisphere != positive && hemisphere != negative) return std::nullopt;
    int degrees = 0;
    int minutes = 0;
    if (!parseDigits(text.substr(0, colon), degrees) ||
        !parseDigits(text.substr(colon + 1, 2), minutes)) {
        return std::nullopt;
    }
    if (minutes > 59 || degrees > largest || (degrees == largest && minutes > 0)) {
        return std::nullopt;
    }
    const double value = degrees + minutes / 60.0;
    return hemisphere == negative ? -value : value;
}

std::vector<PlaceRecord> PlaceTable::parse(std::string_view text) {
    std::vector<PlaceRecord> places;
    std::set<std::string> seen;
    int lineNumber = 0;
    std::size_t start = 0;
    bool headerSeen = false;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::string where = "line " + std::to_string(lineNumber) + ": ";
        if (!headerSeen) {
            if (line != kHeader) {
                throw Error(where + "the table must start with the header '" +
                            std::string(kHeader) + "' (tab-separated)");
            }
            headerSeen = true;
            continue;
        }
        if (line.empty()) continue;
        const auto fields = splitTabs(line);
        if (fields.size() != 4) {
            throw Error(where + "expected 4 tab-separated fields, found " +
                        std::to_string(fields.size()));
        }
        const std::string name(fields[0]);
        if (name.empty() || hasOuterSpace(name)) {
            throw Error(where + "the name is empty or starts or ends with a space");
        }
        const std::optional<std::string> encoded = Windows1251::fromUtf8(name);
        if (!encoded) {
            throw Error(where + "the name '" + name + "' holds '" +
                        Windows1251::firstUnencodable(name) + "', which Windows-1251 cannot store");
        }
        const auto latitude = parseCoordinate(fields[1], 'N', 'S', 90);
        if (!latitude) {
            throw Error(where + "latitude '" + std::string(fields[1]) +
                        "' is not DD:MMN or DD:MMS within 90 degrees");
        }
        const auto longitude = parseCoordinate(fields[2], 'E', 'W', 180);
        if (!longitude) {
            throw Error(where + "longitude '" + std::string(fields[2]) +
                        "' is not DDD:MME or DDD:MMW within 180 degrees");
        }
        if (!seen.insert(foldedName(*encoded)).second) {
            throw Error(where + "the name '" + name + "' is already in the table");
        }
        places.push_back(PlaceRecord{name, *longitude, *latitude});
    }
    if (!headerSeen) throw Error("the table is empty");
    return places;
}

}  // namespace orvanta
