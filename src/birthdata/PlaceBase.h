#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "birthdata/PlaceRecord.h"
#include "common/DataFile.h"
#include "common/LoadStatus.h"

namespace orvanta {

// The named places of birth, as kept in "Place.PLB": a 32-bit count, then per place a 32-bit
// name length, the Windows-1251 name, the longitude and the latitude. Places stay in the order
// they were added.
class PlaceBase {
  public:
    static constexpr const char* kFileName = "Place.PLB";
    static constexpr const char* kNotFoundMessage =
        "Place base was not found...\ncreating empty...";
    // Length prefix, longitude and latitude: the bytes of a place with an empty name.
    static constexpr std::size_t kSmallestRecord = 4 + 8 + 8;

    // Reads the file. Anything but Loaded leaves the base empty; lastError() then tells the
    // user what is wrong, except for a missing file.
    LoadStatus load(const std::filesystem::path& path);
    // Writes the whole base through a temporary file; on failure the old file stays as it was.
    bool save(const std::filesystem::path& path, std::string* error = nullptr) const;

    // What the birth-data entry does on opening: a missing file is reported and created empty
    // (where the file is written); a damaged or unreadable one is reported and kept until the
    // user stores a place.
    LoadStatus loadForEntry(const DataFile& file);

    // The file image; empty when a name cannot be written in Windows-1251 (error says which).
    std::optional<std::vector<std::uint8_t>> toBytes(std::string* error = nullptr) const;
    // Throws FormatError with a message for the user when the bytes do not fit the format.
    static std::vector<PlaceRecord> fromBytes(std::span<const std::uint8_t> bytes);

    // Index of the first place whose name equals `name` without regard to letter case
    // (Windows-1251, Cyrillic included).
    std::optional<int> find(std::string_view name) const;
    // Puts the place last; refuses a name that Windows-1251 cannot hold, since it could not
    // be saved.
    bool append(const PlaceRecord& place);

    std::vector<std::string> names() const;
    // The names as the entry lists them: letter case ignored, "ё" right after "е".
    std::vector<std::string> namesInListOrder() const;
    const std::vector<PlaceRecord>& records() const { return records_; }
    // Nullptr outside the array.
    PlaceRecord* recordAt(int index);
    int size() const { return static_cast<int>(records_.size()); }

    const std::string& lastError() const { return lastError_; }

  private:
    std::vector<PlaceRecord> records_;
    std::string lastError_;
};

}  // namespace orvanta
