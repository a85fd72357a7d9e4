#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "calc/ChartData.h"
#include "common/BinaryReader.h"
#include "common/BinaryWriter.h"
#include "common/LoadStatus.h"
#include "doc/SettingsFile.h"

namespace orvanta {

// The planet settings files "default.rxp" and "default.trp": one record per chart object,
// starting with object 1; 16 records for the bodies, 28 with the house cusps.
class PlanetRecords {
  public:
    static constexpr int kLargestCount = Bodies::kLastCusp;
    static constexpr int kBodyCount = Bodies::kBodyCount;

    // One record as stored: the position it was written with, which a reader only checks,
    // and the style.
    struct Record {
        ObjectPosition position;
        ObjectStyle style;
    };

    // "default.rxp" holds the 16 bodies, or the 28 bodies and cusps; "default.trp" the 16
    // transiting bodies.
    enum class Kind { Radix, Transit };
    // The kind a file's name stands for: ".trp" is Transit, anything else Radix.
    static Kind kindOf(const std::filesystem::path& path);

    // The records a file holds, every field as stored. A number of records the kind cannot
    // hold, a record cut short, a bad picture marker or a use flag other than 0 or 1 throw
    // FormatError with the reason.
    static std::vector<Record> parse(std::span<const std::uint8_t> bytes, Kind kind = Kind::Radix);
    // Objects 1 to count of the chart, each its position with its style.
    static std::vector<std::uint8_t> serialize(const ChartData& chart, int count);

    // Reads a file into objects 1 to count (at most as many as it holds): the use flags, name,
    // label and pictures; positions, identifier and sign are left as they are. The file's
    // kind comes from its name. A missing file answers Missing; a damaged one answers with the
    // message for the user. Neither changes the objects.
    static LoadResult read(const std::filesystem::path& path, ChartData& chart, int count);
    static bool write(const std::filesystem::path& path, const ChartData& chart, int count,
                      std::string* error = nullptr);

    // Moves the fields a reader takes from a record into an object's style.
    static void applyRecord(Record& record, ObjectStyle& target);

  private:
    static Record readRecord(BinaryReader& reader);
    static void checkCount(std::size_t count, Kind kind);
    static void writeRecord(BinaryWriter& writer, const ObjectPosition& position,
                            const ObjectStyle& style);
};

}  // namespace orvanta
