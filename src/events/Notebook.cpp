#include "events/Notebook.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <utility>

#include "calc/AspectSetting.h"
#include "calc/Bodies.h"
#include "calc/Calendar.h"
#include "common/BinaryReader.h"
#include "common/BinaryWriter.h"
#include "common/ValueCheck.h"
#include "common/Windows1251.h"

namespace orvanta {
namespace {

// Longest duration a file may give: far beyond any mean passage time, small enough for the
// duration in words to stay exact.
constexpr double kLongestDuration = 1.0e9;

[[noreturn]] void damaged(std::size_t entry, const std::string& what) {
    throw FormatError("запись " + std::to_string(entry + 1) + ": " + what);
}

void checkRange(std::size_t entry, const char* field, int value, int low, int high) {
    if (value < low || value > high) {
        damaged(entry, std::string(field) + " " + std::to_string(value) + " вне допустимых " +
                           std::to_string(low) + "..." + std::to_string(high));
    }
}

NotebookEntry readEntry(BinaryReader& reader, std::size_t index) {
    if (reader.remaining() < Notebook::kEntryHeaderSize) damaged(index, "файл обрывается");
    NotebookEntry entry;
    TransitSituation& s = entry.situation;
    s.moment = reader.readDouble();
    s.aspectAngle = reader.readDouble();
    s.orb = reader.readDouble();
    s.point = reader.readDouble();
    s.duration = reader.readDouble();
    s.body = reader.readInt32();
    s.radix = reader.readInt32();
    s.aspectIndex = reader.readInt32();
    reader.readInt32();  // the place of a list link in memory: no meaning in the file
    const std::int32_t length = reader.readInt32();

    // The moment becomes a date and the duration words: both must stay within the calendar.
    const double lastMoment = Calendar::hoursSinceBase({1, 1, Calendar::kLastYear + 1}, 0.0);
    if (!(s.moment >= 0.0 && s.moment < lastMoment)) damaged(index, "момент вне 1860-2130 гг.");
    if (!(s.duration >= 0.0 && s.duration <= kLongestDuration)) {
        damaged(index, "недопустимая длительность");
    }
    // A switched-off situation keeps its orb negated; either way no orb exceeds 180 degrees.
    if (!(std::fabs(s.orb) <= AspectSetting::kLargestOrb)) {
        damaged(index, "орбис " + ValueCheck::quote(s.orb) + " вне -180...180");
    }
    checkRange(index, "транзитная планета", s.body, 1, Bodies::kBodyCount);
    checkRange(index, "радиксный объект", s.radix, 1, Bodies::kLastCusp);
    checkRange(index, "аспект", s.aspectIndex, 0, kAspectCount - 1);
    if (length < 0 || static_cast<std::size_t>(length) > reader.remaining()) {
        damaged(index, "длина текста " + std::to_string(length) +
                           " не помещается в оставшиеся байты (" +
                           std::to_string(reader.remaining()) + ")");
    }
    const auto text = reader.readBytes(static_cast<std::size_t>(length));
    entry.text = Windows1251::toUtf8({reinterpret_cast<const char*>(text.data()), text.size()});
    return entry;
}

}  // namespace

Notebook Notebook::parse(std::span<const std::uint8_t> bytes) {
    Notebook notebook;
    if (bytes.empty()) return notebook;
    BinaryReader reader(bytes);
    try {
        const std::int32_t count = reader.readInt32();
        if (count < 0 || static_cast<std::size_t>(count) > reader.remaining() / kEntryHeaderSize) {
            throw FormatError("число записей " + std::to_string(count) +
                              " не помещается в оставшиеся байты (" +
                              std::to_string(reader.remaining()) + ")");
        }
        notebook.entries_.reserve(static_cast<std::size_t>(count));
        for (std::size_t index = 0; index < static_cast<std::size_t>(count); ++index) {
            notebook.entries_.push_back(readEntry(reader, index));
        }
    } catch (const FormatError& error) {
        throw FormatError("файл записной книжки повреждён (байт " +
                          std::to_string(reader.position()) + "): " + error.what());
    }
    if (!reader.atEnd()) {
        throw FormatError("файл записной книжки повреждён: после последней записи остались " +
                          std::to_string(reader.remaining()) + " лишних байт");
    }
    return notebook;
}

std::vector<std::uint8_t> Notebook::serialize() const {
    BinaryWriter writer;
    writer.writeInt32(static_cast<std::int32_t>(entries_.size()));
    for (const NotebookEntry& entry : entries_) {
        const auto text = Windows1251::fromUtf8(entry.text);
        if (!text) {
            throw FormatError(
                "текст наблюдения содержит знак, которого нет в кодировке "
                "Windows-1251: " +
                Windows1251::firstUnencodable(entry.text));
        }
        const TransitSituation& s = entry.situation;
        writer.writeDouble(s.moment);
        writer.writeDouble(s.aspectAngle);
        writer.writeDouble(s.orb);
        writer.writeDouble(s.point);
        writer.writeDouble(s.duration);
        writer.writeInt32(s.body);
        writer.writeInt32(s.radix);
        writer.writeInt32(s.aspectIndex);
        writer.writeInt32(0);
        writer.writeInt32(static_cast<std::int32_t>(text->size()));
        writer.writeBytes({reinterpret_cast<const std::uint8_t*>(text->data()), text->size()});
    }
    return writer.take();
}

const NotebookEntry* Notebook::find(const TransitSituation& situation) const {
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [&](const NotebookEntry& e) { return e.isFor(situation); });
    return found == entries_.end() ? nullptr : &*found;
}

void Notebook::store(const TransitSituation& situation, const std::string& text) {
    for (NotebookEntry& entry : entries_) {
        if (entry.isFor(situation)) {
            entry.text = text;
            return;
        }
    }
    entries_.push_back({situation, text});
    sortNewestFirst();
}

bool Notebook::remove(const TransitSituation& situation) {
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [&](const NotebookEntry& e) { return e.isFor(situation); });
    if (found == entries_.end()) return false;
    entries_.erase(found);
    sortNewestFirst();
    return true;
}

void Notebook::sortNewestFirst() {
    sortNewestFirst(entries_);
}

// The exchange sort the notebook has always used; it decides where entries of equal moments
// end up, so it is kept as it is rather than replaced by a library sort.
void Notebook::sortNewestFirst(std::vector<NotebookEntry>& entries) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        for (std::size_t j = i + 1; j < entries.size(); ++j) {
            if (entries[i].situation.moment < entries[j].situation.moment) {
                std::swap(entries[i], entries[j]);
            }
        }
    }
}

std::vector<NotebookEntry> Notebook::filtered(const TransitSituation& situation,
                                              const Filter& filter) const {
    std::vector<NotebookEntry> result;
    for (const NotebookEntry& entry : entries_) {
        const TransitSituation& s = entry.situation;
        if (filter.byRadix && s.radix != situation.radix) continue;
        if (filter.byBody && s.body != situation.body) continue;
        if (filter.byAspect && s.aspectIndex != situation.aspectIndex) continue;
        result.push_back(entry);
    }
    sortNewestFirst(result);
    return result;
}

std::string Notebook::momentText(double moment) {
    const long long totalMinutes = std::llround(moment * 60.0);
    Date date = Calendar::dateFromHours(static_cast<double>(totalMinutes) / 60.0).date;
    long long minuteOfDay = totalMinutes - std::llround(Calendar::hoursSinceBase(date, 0.0) * 60.0);
    // The division by 60 may land a hair on the wrong side of midnight.
    if (minuteOfDay >= 24 * 60) {
        date = Calendar::nextDay(date);
        minuteOfDay -= 24 * 60;
    } else if (minuteOfDay < 0) {
        date = Calendar::previousDay(date);
        minuteOfDay += 24 * 60;
    }
    char text[64];
    std::snprintf(text, sizeof text, "%02lldч%02lldм %02d.%02d.%d", minuteOfDay / 60,
                  minuteOfDay % 60, date.day, date.month, date.year);
    return text;
}

}  // namespace orvanta
