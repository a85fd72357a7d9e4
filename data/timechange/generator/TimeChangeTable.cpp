#include "generator/TimeChangeTable.h"

#include <charconv>
#include <chrono>
#include <cstdlib>
#include <map>

namespace orvanta {
namespace {

constexpr int kFirstYear = 1860;
constexpr int kLastYear = 2130;
constexpr int kLargestDifference = 6;

// The Moscow clock at a moment, read with the offset that was in force just before it.
TimeChange clockAt(std::int64_t utcSeconds, std::int32_t offset) {
    using namespace std::chrono;
    const sys_seconds local{seconds{utcSeconds + offset}};
    const auto day = floor<days>(local);
    const year_month_day date{day};
    TimeChange change;
    change.day = static_cast<int>(static_cast<unsigned>(date.day()));
    change.month = static_cast<int>(static_cast<unsigned>(date.month()));
    change.year = static_cast<int>(date.year());
    change.hour = static_cast<int>(duration_cast<hours>(local - day).count());
    return change;
}

std::vector<std::string_view> splitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (start <= line.size()) {
        const std::size_t end = std::min(line.find('\t', start), line.size());
        if (end > start) fields.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    return fields;
}

int toInt(std::string_view text, const std::string& where, const char* what) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        throw TimeChangeTable::Error(where + what + " '" + std::string(text) + "' is not a number");
    }
    return value;
}

TimeChange parseLine(std::string_view line, const std::string& where) {
    const auto fields = splitFields(line);
    if (fields.size() < 3) {
        throw TimeChangeTable::Error(where + "expected date, hour and difference");
    }
    TimeChange change;
    const std::string_view date = fields[0];
    const auto firstDot = date.find('.');
    const auto secondDot = date.find('.', firstDot == date.npos ? date.npos : firstDot + 1);
    if (firstDot == date.npos || secondDot == date.npos) {
        throw TimeChangeTable::Error(where + "date '" + std::string(date) + "' is not D.M.YYYY");
    }
    change.day = toInt(date.substr(0, firstDot), where, "day");
    change.month = toInt(date.substr(firstDot + 1, secondDot - firstDot - 1), where, "month");
    change.year = toInt(date.substr(secondDot + 1), where, "year");
    change.hour = toInt(fields[1], where, "hour");
    change.difference = toInt(fields[2], where, "difference");
    if (!change.isValid()) {
        throw TimeChangeTable::Error(where + "no such date and hour: " + change.text());
    }
    if (change.difference < 0 || change.difference > kLargestDifference) {
        throw TimeChangeTable::Error(where + "difference " + std::to_string(change.difference) +
                                     " is outside 0 to 6");
    }
    change.computeInstant();
    return change;
}

}  // namespace

int TimeChangeTable::roundedHours(std::int32_t seconds) {
    const int hours = (std::abs(seconds) + 1800) / 3600;
    return seconds < 0 ? -hours : hours;
}

std::string TimeChangeTable::offsetText(std::int32_t seconds) {
    const int magnitude = std::abs(seconds);
    std::string text = (seconds < 0 ? "-" : "+") + std::to_string(magnitude / 3600);
    if (magnitude % 3600 != 0) {
        const auto twoDigits = [](int n) { return (n < 10 ? "0" : "") + std::to_string(n); };
        text += ":" + twoDigits(magnitude % 3600 / 60) + ":" + twoDigits(magnitude % 60);
    }
    return text;
}

std::vector<TimeChangeTable::Row> TimeChangeTable::fromZone(const TzFile& zone) {
    using namespace std::chrono;
    const std::int64_t start =
        sys_seconds{sys_days{year{kFirstYear} / January / 1}}.time_since_epoch().count();
    std::int32_t offset = zone.initialOffset;
    std::string abbreviation = zone.initialAbbreviation;
    std::size_t next = 0;
    for (; next < zone.transitions.size() && zone.transitions[next].at <= start - offset; ++next) {
        offset = zone.transitions[next].offset;
        abbreviation = zone.transitions[next].abbreviation;
    }
    Row first;
    first.change.day = 1;
    first.change.month = 1;
    first.change.year = kFirstYear;
    first.change.difference = roundedHours(offset);
    first.exactOffset = offset;
    first.abbreviation = abbreviation;
    std::vector<Row> rows{first};

    for (; next < zone.transitions.size(); ++next) {
        const TzFile::Transition& transition = zone.transitions[next];
        Row row;
        row.change = clockAt(transition.at, offset);
        offset = transition.offset;
        if (row.change.year > kLastYear) break;
        row.change.difference = roundedHours(offset);
        row.exactOffset = offset;
        row.abbreviation = transition.abbreviation;
        if (row.change.difference != rows.back().change.difference) rows.push_back(row);
    }
    return rows;
}

std::string TimeChangeTable::format(const std::vector<Row>& rows, const std::string& source) {
    std::map<std::int32_t, int> rounded;
    for (const Row& row : rows) {
        if (row.exactOffset % 3600 != 0) rounded[row.exactOffset] = row.change.difference;
    }
    std::string text =
        "# Difference of Moscow time from Greenwich time in whole hours, the source of "
        "Timechg.tch.\n"
        "# Written by orvanta_tz_to_table from " +
        source +
        ";\n"
        "# regenerate it with the build target update_timechange_table instead of editing it.\n"
        "#\n"
        "# Each line is one change: the Moscow date and clock hour at which it takes effect, read\n"
        "# on the clock that ran until then (\"at 2:00 the clocks went forward to 3:00\"), and "
        "the\n"
        "# new difference. A clock time that the change skips or repeats belongs to the old\n"
        "# difference. Changes of the zone that leave the whole-hour difference as it was (for\n"
        "# example summer time kept as standard time) do not appear.\n"
        "#\n"
        "# Until 1930 Moscow kept offsets that were not whole hours. Each is rounded to the\n"
        "# nearest whole hour, and the hour of a change is the hour the real clock showed, its\n"
        "# minutes dropped. The rounded offsets:\n";
    for (const auto& [exact, hours] : rounded) {
        text += "#   " + offsetText(exact) + " -> " + offsetText(hours * 3600) + "\n";
    }
    text += "#\n# date\thour\tdifference\tzone offset and abbreviation\n";
    for (const Row& row : rows) {
        const TimeChange& c = row.change;
        text += std::to_string(c.day) + "." + std::to_string(c.month) + "." +
                std::to_string(c.year) + "\t" + std::to_string(c.hour) + "\t+" +
                std::to_string(c.difference) + "\t" + offsetText(row.exactOffset) + " " +
                row.abbreviation + "\n";
    }
    return text;
}

std::vector<TimeChange> TimeChangeTable::parse(std::string_view text) {
    std::vector<TimeChange> records;
    int lineNumber = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.front() == '#') continue;
        const std::string where = "line " + std::to_string(lineNumber) + ": ";
        TimeChange change = parseLine(line, where);
        if (!records.empty() && !TimeChange::isEarlier(records.back(), change)) {
            throw Error(where + change.text() + " does not come after " + records.back().text());
        }
        records.push_back(change);
    }
    return records;
}

}  // namespace orvanta
