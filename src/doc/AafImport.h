#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "doc/AafEncoding.h"
#include "doc/AafRecord.h"

namespace orvanta {

class CZodiacDoc;
class PlaceFinder;
class TimeChangeBase;

// Makes a chart file of every readable record of an AAF file, in one folder, named after the
// person and never over an existing file. Each chart is built as a new chart is (the settings
// defaults applied) with Placidus houses, or whole-sign houses beyond the polar circles.
class AafImport {
  public:
    struct Report {
        AafEncoding::Kind encoding = AafEncoding::Kind::Utf8;
        int records = 0;  // records seen, read or not
        std::vector<std::filesystem::path> created;
        // Records left out and what was changed or left out of the others, by line.
        std::vector<AafProblem> problems;
        bool writeFailed = false;  // a chart could not be computed or saved
    };

    AafImport(const PlaceFinder* places, const TimeChangeBase& changes);

    Report run(std::span<const std::uint8_t> bytes, const std::filesystem::path& folder) const;

    // "Name.map", else "Name (2).map", "Name (3).map"...: the first that does not exist.
    static std::filesystem::path freePath(const std::filesystem::path& folder,
                                          const std::string& name);

  private:
    void importRecord(const AafRecord& record, const std::filesystem::path& folder, CZodiacDoc& doc,
                      Report& report) const;

    const PlaceFinder* places_;
    const TimeChangeBase& changes_;
};

}  // namespace orvanta
