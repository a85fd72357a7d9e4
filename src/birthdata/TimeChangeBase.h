#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "birthdata/TimeChange.h"
#include "calc/BirthData.h"
#include "common/LoadStatus.h"

namespace orvanta {

// The changes of the Moscow-Greenwich difference, as kept in "Timechg.tch": a 32-bit count and
// that many 36-byte records. The application holds one base from start-up to exit.
class TimeChangeBase {
  public:
    static constexpr const char* kFileName = "Timechg.tch";
    static constexpr std::size_t kRecordSize = 36;

    // Reads the file. Anything but Loaded leaves the base empty; lastError() then tells the
    // user what is wrong, except for a missing file.
    LoadStatus load(const std::filesystem::path& path);
    // Writes the whole base through a temporary file; on failure the old file stays as it was.
    bool save(const std::filesystem::path& path, std::string* error = nullptr) const;

    // What the program does at start: a missing file becomes an empty one without a word; a
    // damaged or unreadable one is reported and kept until the user saves the base.
    LoadStatus loadAtStartup(const std::filesystem::path& path);

    // The file image of the base, and the records of a file image. fromBytes throws
    // FormatError with a message for the user when the bytes do not fit the format.
    std::vector<std::uint8_t> toBytes() const;
    static std::vector<TimeChange> fromBytes(std::span<const std::uint8_t> bytes);

    // The answer of a search, with the records it had to pass over: a record that is not
    // valid (a damaged date or a difference of -100000 h) may be the one that should have
    // answered, so the caller tells the user which.
    struct Answer {
        std::optional<TimeChange> change;
        std::vector<int> skipped;  // indices of the invalid records passed over, last first
    };
    // "" for no records; otherwise one sentence for the user naming the records by their
    // number from 1 and their list line.
    std::string skippedWarning(const std::vector<int>& skipped) const;

    // The change in force at a Moscow date and hour (the minute does not count): the latest
    // valid record at or before that moment, looked for from the end of the array backwards.
    Answer find(int day, int month, int year, int hour, int minute) const;
    // The change alone, for callers that show the skipped records some other way.
    std::optional<TimeChange> lookup(int day, int month, int year, int hour, int minute) const;
    // How many hours Moscow clocks were ahead of Greenwich at the birth's Greenwich moment;
    // Moscow's standard three hours where the base has no answer. skipped receives the invalid
    // records the searches passed over.
    int moscowAheadOfGreenwich(const BirthData& birth, std::vector<int>* skipped = nullptr) const;

    // Puts the record last and sorts; returns the index where it ended up.
    int add(const TimeChange& change);
    // Does nothing for an index outside the array.
    void remove(int index);
    // Chronological order, equal records keeping their order; returns the new index of the
    // record that stood at `tracked` (or `tracked` itself when it was outside the array).
    int sort(int tracked);

    // One line per record in array order, recomputing each instant on the way.
    std::vector<std::string> listLines();
    void recomputeInstants();

    const std::vector<TimeChange>& records() const { return records_; }
    // Nullptr outside the array.
    TimeChange* recordAt(int index);
    int size() const { return static_cast<int>(records_.size()); }
    void clear() { records_.clear(); }

    const std::string& lastError() const { return lastError_; }

  private:
    std::vector<TimeChange> records_;
    std::string lastError_;
};

}  // namespace orvanta
