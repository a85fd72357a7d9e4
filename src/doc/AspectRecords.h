#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "calc/AspectSetting.h"
#include "common/BinaryReader.h"
#include "common/BinaryWriter.h"
#include "common/LoadStatus.h"
#include "doc/SettingsFile.h"

namespace orvanta {

// The aspect settings files "default.asp" and "default.ta": eighteen records one after the
// other, with no header.
class AspectRecords {
  public:
    // The eighteen records of a file. Fewer records, a record cut short, a bad picture
    // marker, a value the settings pages cannot set or bytes after the eighteenth record
    // throw FormatError with the reason.
    static std::vector<AspectSetting> parse(std::span<const std::uint8_t> bytes);
    static std::vector<std::uint8_t> serialize(const AspectTable& table);

    // Reads a file into the table. A missing file answers Missing; a damaged one answers with
    // the message for the user. Neither changes the table.
    static LoadResult read(const std::filesystem::path& path, AspectTable& table);
    // Saves through a temporary file; on failure the old file stays and error says why.
    static bool write(const std::filesystem::path& path, const AspectTable& table,
                      std::string* error = nullptr);

  private:
    static AspectSetting readRecord(BinaryReader& reader);
    static void checkValues(const AspectSetting& aspect);
    static void writeRecord(BinaryWriter& writer, const AspectSetting& aspect);
};

}  // namespace orvanta
