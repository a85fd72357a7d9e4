#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "doc/ChartListing.h"

namespace orvanta {

// The collection's index in the user's data folder: a text file, a heading line, one
// tab-separated line per chart and a closing line with the count. Anything else (a line that
// does not read, a count that differs, a file cut short) makes the whole index untrusted.
class ChartIndexFile {
  public:
    static constexpr const char* kHeading = "orvanta-chart-index 1";

    // Nothing when the file is missing or damaged.
    static std::optional<std::vector<ChartListing>> read(const std::filesystem::path& path);
    static bool write(const std::filesystem::path& path, const std::vector<ChartListing>& charts);

    static std::string line(const ChartListing& chart);
    static std::optional<ChartListing> parseLine(const std::string& line);
};

}  // namespace orvanta
