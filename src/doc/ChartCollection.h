#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "doc/ChartListing.h"

namespace orvanta {

// Every chart file in the user's chart folders and its subfolders, listed from an index kept in
// the user's data folder: a file whose size and modification time match its index line is not
// read again. An index that does not read whole is rebuilt from the files, never trusted in
// part. A file that cannot be read as a chart is listed with the reason.
class ChartCollection {
  public:
    static constexpr const char* kIndexFileName = "charts.index";

    struct Refresh {
        int read = 0;    // chart files read (new, changed, or no index to trust)
        int reused = 0;  // taken from the index
        bool indexRebuilt = false;
    };

    explicit ChartCollection(std::filesystem::path indexFile);

    // Lists the folders anew (a missing folder lists nothing) and rewrites the index when the
    // list changed. The listings are in order of path.
    Refresh refresh(const std::vector<std::filesystem::path>& folders);
    const std::vector<ChartListing>& listings() const { return listings_; }

    // The listings whose name, place or year hold every word of the text (letter case and
    // "ё"/"е" ignored), in list order; all of them for an empty text.
    std::vector<std::size_t> filter(std::string_view text) const;

    static ChartListing readListing(const std::filesystem::path& path, std::uintmax_t size,
                                    std::int64_t modified);

  private:
    static std::string searchKey(std::string_view text);

    std::filesystem::path indexFile_;
    std::vector<ChartListing> listings_;
    std::vector<std::string> keys_;
};

}  // namespace orvanta
