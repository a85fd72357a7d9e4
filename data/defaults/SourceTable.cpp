#include "SourceTable.h"

#include <charconv>
#include <fstream>
#include <stdexcept>

namespace orvanta::defaults {
namespace {

std::vector<std::string> split(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const auto tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string::npos ? tab : tab - start));
        if (tab == std::string::npos) return fields;
        start = tab + 1;
    }
}

template <typename Number>
bool parseWhole(const std::string& text, Number& value) {
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && result.ec == std::errc() && result.ptr == text.data() + text.size();
}

}  // namespace

void SourceTable::fail(const std::filesystem::path& path, int line, const std::string& why) {
    throw std::runtime_error(path.filename().string() + ":" + std::to_string(line) + ": " + why);
}

std::vector<SourceTable::Row> SourceTable::read(const std::filesystem::path& path,
                                                std::size_t fieldCount) {
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    std::vector<Row> rows;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.empty() || line[0] == '#') continue;
        Row row{number, split(line)};
        if (row.fields.size() != fieldCount) {
            fail(path, number,
                 "expected " + std::to_string(fieldCount) + " fields, found " +
                     std::to_string(row.fields.size()));
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

double SourceTable::number(const std::filesystem::path& path, const Row& row, std::size_t field) {
    const std::string& text = row.fields[field];
    const auto slash = text.find('/');
    double numerator = 0;
    double denominator = 1;
    const bool ok = slash == std::string::npos
                        ? parseWhole(text, numerator)
                        : parseWhole(text.substr(0, slash), numerator) &&
                              parseWhole(text.substr(slash + 1), denominator) && denominator != 0;
    if (!ok) fail(path, row.line, "'" + text + "' is not a number");
    return numerator / denominator;
}

int SourceTable::integer(const std::filesystem::path& path, const Row& row, std::size_t field) {
    int value = 0;
    if (!parseWhole(row.fields[field], value)) {
        fail(path, row.line, "'" + row.fields[field] + "' is not an integer");
    }
    return value;
}

std::uint32_t SourceTable::colour(const std::filesystem::path& path, const Row& row,
                                  std::size_t field) {
    const std::string& text = row.fields[field];
    std::uint32_t rgb = 0;
    const auto result = std::from_chars(text.data() + 1, text.data() + text.size(), rgb, 16);
    if (text.size() != 7 || text[0] != '#' || result.ptr != text.data() + text.size()) {
        fail(path, row.line, "'" + text + "' is not a colour #RRGGBB");
    }
    const std::uint32_t red = rgb >> 16;
    const std::uint32_t green = (rgb >> 8) & 0xFF;
    const std::uint32_t blue = rgb & 0xFF;
    return red | (green << 8) | (blue << 16);
}

}  // namespace orvanta::defaults
