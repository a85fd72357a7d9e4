#include "birthdata/TimeChangeBase.h"

#include <algorithm>
#include <limits>
#include <numeric>

#include "birthdata/BaseFile.h"
#include "calc/Calendar.h"
#include "common/AtomicFile.h"
#include "common/BinaryReader.h"
#include "common/BinaryWriter.h"
#include "common/FormatError.h"
#include "common/MessageSink.h"

namespace orvanta {
namespace {

constexpr std::size_t kCountSize = 4;

// The count must match the bytes exactly: a file that claims more records than it holds, or
// holds more than it claims, has lost its shape and is not guessed at.
std::size_t checkedCount(BinaryReader& reader) {
    if (reader.remaining() < kCountSize) throw FormatError("он короче 4 байт");
    const std::int32_t count = reader.readInt32();
    if (count < 0) {
        throw FormatError("число записей отрицательно (" + std::to_string(count) + ")");
    }
    const std::size_t room = reader.remaining() / TimeChangeBase::kRecordSize;
    if (static_cast<std::size_t>(count) > room) {
        throw FormatError("заявлено записей: " + std::to_string(count) + ", а данных хватает на " +
                          std::to_string(room));
    }
    const std::size_t extra = reader.remaining() - count * TimeChangeBase::kRecordSize;
    if (extra != 0) {
        throw FormatError("после " + std::to_string(count) +
                          " записей остается лишних байтов: " + std::to_string(extra));
    }
    return static_cast<std::size_t>(count);
}

TimeChange readRecord(BinaryReader& reader) {
    TimeChange change;
    change.day = reader.readInt32();
    change.month = reader.readInt32();
    change.year = reader.readInt32();
    change.hour = reader.readInt32();
    change.minute = reader.readInt32();
    change.second = reader.readInt32();
    change.reserved = reader.readDouble();
    change.difference = reader.readInt32();
    change.computeInstant();
    return change;
}

void writeRecord(BinaryWriter& writer, const TimeChange& change) {
    writer.writeInt32(change.day);
    writer.writeInt32(change.month);
    writer.writeInt32(change.year);
    writer.writeInt32(change.hour);
    writer.writeInt32(change.minute);
    writer.writeInt32(change.second);
    writer.writeDouble(change.reserved);
    writer.writeInt32(change.difference);
}

// The instant of a query, kept finite only for years the records can hold: every valid record
// lies between 1860 and 2130, and a far year would send the year count out of range.
double queryInstant(int day, int month, int year, int hour) {
    if (year < Calendar::kFirstYear) return -std::numeric_limits<double>::infinity();
    if (year > Calendar::kLastYear) return std::numeric_limits<double>::infinity();
    return Calendar::hoursSinceBase(Date{day, month, year}, hour);
}

}  // namespace

std::vector<TimeChange> TimeChangeBase::fromBytes(std::span<const std::uint8_t> bytes) {
    BinaryReader reader(bytes);
    const std::size_t count = checkedCount(reader);
    std::vector<TimeChange> records;
    records.reserve(count);
    for (std::size_t i = 0; i < count; ++i) records.push_back(readRecord(reader));
    return records;
}

std::vector<std::uint8_t> TimeChangeBase::toBytes() const {
    BinaryWriter writer;
    writer.writeInt32(static_cast<std::int32_t>(records_.size()));
    for (const auto& change : records_) writeRecord(writer, change);
    return writer.take();
}

LoadStatus TimeChangeBase::load(const std::filesystem::path& path) {
    return BaseFile::load(path, records_, lastError_, &fromBytes);
}

bool TimeChangeBase::save(const std::filesystem::path& path, std::string* error) const {
    return AtomicFile::write(path, toBytes(), error);
}

LoadStatus TimeChangeBase::loadAtStartup(const std::filesystem::path& path) {
    const LoadStatus status = load(path);
    if (status == LoadStatus::Missing) {
        save(path);
    } else if (status != LoadStatus::Loaded) {
        MessageSink::report(lastError_);
    }
    return status;
}

int TimeChangeBase::moscowAheadOfGreenwich(const BirthData& birth,
                                           std::vector<int>* skipped) const {
    constexpr int kMoscowStandardHours = 3;
    const DateTime ut{birth.gmtHour, birth.gmtMinute, birth.gmtDay, birth.gmtMonth, birth.gmtYear};
    // The base is searched by Moscow time, which depends on the difference sought: start
    // from the standard difference and look again with the one found.
    int ahead = kMoscowStandardHours;
    for (int pass = 0; pass < 2; ++pass) {
        const DateTime moscow = Calendar::hourShift(ahead, ut);
        const Answer answer =
            find(moscow.day, moscow.month, moscow.year, moscow.hour, moscow.minute);
        if (skipped != nullptr) {
            for (int index : answer.skipped) {
                if (std::find(skipped->begin(), skipped->end(), index) == skipped->end()) {
                    skipped->push_back(index);
                }
            }
        }
        if (!answer.change) break;
        ahead = answer.change->difference;
    }
    return ahead;
}

TimeChangeBase::Answer TimeChangeBase::find(int day, int month, int year, int hour,
                                            int minute) const {
    // Only the whole hour counts; a query that is no date at all has no answer.
    static_cast<void>(minute);
    Answer answer;
    if (month < 1 || month > 12 || day < 1 || day > 31 || hour < 0 || hour > 24) return answer;
    const double query = queryInstant(day, month, year, hour);
    for (int index = size() - 1; index >= 0; --index) {
        TimeChange change = records_[static_cast<std::size_t>(index)];
        if (!change.isValid()) {
            answer.skipped.push_back(index);
            continue;
        }
        change.computeInstant();
        if (change.instant <= query) {
            answer.change = change;
            break;
        }
    }
    return answer;
}

std::optional<TimeChange> TimeChangeBase::lookup(int day, int month, int year, int hour,
                                                 int minute) const {
    return find(day, month, year, hour, minute).change;
}

std::string TimeChangeBase::skippedWarning(const std::vector<int>& skipped) const {
    std::string text;
    for (const int index : skipped) {
        if (index < 0 || index >= size()) continue;
        text += (text.empty() ? "" : "; ") + std::to_string(index + 1) + " (" +
                records_[static_cast<std::size_t>(index)].listLine() + ")";
    }
    if (text.empty()) return text;
    return std::string(skipped.size() == 1
                           ? "В базе разниц времени пропущена повреждённая запись "
                           : "В базе разниц времени пропущены повреждённые записи ") +
           text;
}

int TimeChangeBase::add(const TimeChange& change) {
    records_.push_back(change);
    records_.back().computeInstant();
    return sort(size() - 1);
}

void TimeChangeBase::remove(int index) {
    if (index < 0 || index >= size()) return;
    records_.erase(records_.begin() + index);
}

int TimeChangeBase::sort(int tracked) {
    std::vector<int> order(records_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
        return TimeChange::isEarlier(records_[static_cast<std::size_t>(a)],
                                     records_[static_cast<std::size_t>(b)]);
    });
    std::vector<TimeChange> sorted;
    sorted.reserve(records_.size());
    int trackedNow = tracked;
    for (std::size_t i = 0; i < order.size(); ++i) {
        sorted.push_back(records_[static_cast<std::size_t>(order[i])]);
        if (order[i] == tracked) trackedNow = static_cast<int>(i);
    }
    records_ = std::move(sorted);
    return trackedNow;
}

std::vector<std::string> TimeChangeBase::listLines() {
    std::vector<std::string> lines;
    lines.reserve(records_.size());
    for (auto& change : records_) {
        change.computeInstant();
        lines.push_back(change.listLine());
    }
    return lines;
}

void TimeChangeBase::recomputeInstants() {
    for (auto& change : records_) change.computeInstant();
}

TimeChange* TimeChangeBase::recordAt(int index) {
    if (index < 0 || index >= size()) return nullptr;
    return &records_[static_cast<std::size_t>(index)];
}

}  // namespace orvanta
