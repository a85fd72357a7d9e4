#include "doc/ChartIndexFile.h"

#include <charconv>
#include <sstream>

#include "common/AtomicFile.h"

namespace orvanta {
namespace {

constexpr std::size_t kFields = 12;
constexpr const char* kClosing = "end ";

// Texts come from chart files and file names; a tab or a line break in one would split it.
std::string flat(const std::string& text) {
    std::string out = text;
    for (char& c : out) {
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
    }
    return out;
}

template <typename Number>
bool number(const std::string& text, Number& value) {
    const auto* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return !text.empty() && result.ec == std::errc() && result.ptr == end;
}

std::vector<std::string> split(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const auto tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string::npos) return fields;
        start = tab + 1;
    }
}

}  // namespace

std::string ChartIndexFile::line(const ChartListing& c) {
    std::ostringstream out;
    out << flat(c.path) << '\t' << c.size << '\t' << c.modified << '\t' << c.day << '\t' << c.month
        << '\t' << c.year << '\t' << c.hour << '\t' << c.minute << '\t' << flat(c.name) << '\t'
        << flat(c.place) << '\t' << flat(c.houseSystem) << '\t' << flat(c.damage);
    return out.str();
}

std::optional<ChartListing> ChartIndexFile::parseLine(const std::string& line) {
    const auto f = split(line);
    if (f.size() != kFields || f[0].empty()) return std::nullopt;
    ChartListing c;
    c.path = f[0];
    if (!number(f[1], c.size) || !number(f[2], c.modified) || !number(f[3], c.day) ||
        !number(f[4], c.month) || !number(f[5], c.year) || !number(f[6], c.hour) ||
        !number(f[7], c.minute)) {
        return std::nullopt;
    }
    c.name = f[8];
    c.place = f[9];
    c.houseSystem = f[10];
    c.damage = f[11];
    return c;
}

std::optional<std::vector<ChartListing>> ChartIndexFile::read(const std::filesystem::path& path) {
    const auto bytes = AtomicFile::read(path);
    if (!bytes) return std::nullopt;
    std::istringstream in(std::string(bytes->begin(), bytes->end()));
    std::string text;
    if (!std::getline(in, text) || text != kHeading) return std::nullopt;
    std::vector<ChartListing> charts;
    while (std::getline(in, text)) {
        if (text.starts_with(kClosing)) {
            std::size_t count = 0;
            const bool closed = number(text.substr(4), count) && count == charts.size() &&
                                in.peek() == std::char_traits<char>::eof();
            return closed ? std::optional(std::move(charts)) : std::nullopt;
        }
        auto chart = parseLine(text);
        if (!chart) return std::nullopt;
        charts.push_back(std::move(*chart));
    }
    return std::nullopt;  // no closing line: cut short
}

bool ChartIndexFile::write(const std::filesystem::path& path,
                           const std::vector<ChartListing>& charts) {
    std::string text = std::string(kHeading) + "\n";
    for (const auto& chart : charts) text += line(chart) + "\n";
    text += kClosing + std::to_string(charts.size()) + "\n";
    return AtomicFile::write(path, text);
}

}  // namespace orvanta
