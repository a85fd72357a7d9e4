#include "doc/ChartCollection.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <unordered_map>

#include "birthdata/WorldAtlas.h"
#include "common/AtomicFile.h"
#include "common/FormatError.h"
#include "doc/ChartIndexFile.h"
#include "doc/MapFile.h"

namespace orvanta {
namespace {

bool isChartFile(const std::filesystem::directory_entry& entry) {
    std::error_code error;
    if (!entry.is_regular_file(error)) return false;
    std::string extension = entry.path().extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".map";
}

// Size and modification time from one stat() call; the filesystem library makes one for each.
bool sizeAndTime(const std::filesystem::path& path, std::uintmax_t& size, std::int64_t& modified) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return false;
    size = static_cast<std::uintmax_t>(info.st_size);
    modified =
        static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec;
    return true;
}

}  // namespace

ChartCollection::ChartCollection(std::filesystem::path indexFile)
    : indexFile_(std::move(indexFile)) {}

ChartListing ChartCollection::readListing(const std::filesystem::path& path, std::uintmax_t size,
                                          std::int64_t modified) {
    ChartListing listing;
    listing.path = path.string();
    listing.size = size;
    listing.modified = modified;
    listing.name = path.stem().string();
    std::string reason;
    const auto bytes = AtomicFile::read(path, &reason);
    if (!bytes) {
        listing.damage = reason.empty() ? "файл не читается" : reason;
        return listing;
    }
    try {
        const BirthData birth = MapFile::parse(*bytes).birth;
        listing.name = birth.name;
        listing.place = birth.place;
        listing.houseSystem = birth.houseSystemName;
        listing.day = birth.day;
        listing.month = birth.month;
        listing.year = birth.year;
        listing.hour = birth.hour;
        listing.minute = birth.minute;
    } catch (const FormatError& error) {
        listing.damage = error.what();
    }
    return listing;
}

ChartCollection::Refresh ChartCollection::refresh(
    const std::vector<std::filesystem::path>& folders) {
    Refresh refresh;
    auto indexed = ChartIndexFile::read(indexFile_);
    refresh.indexRebuilt = !indexed;
    std::unordered_map<std::string, const ChartListing*> byPath;
    if (indexed) {
        for (const auto& listing : *indexed) byPath.emplace(listing.path, &listing);
    }
    std::vector<ChartListing> listings;
    for (const auto& folder : folders) {
        std::error_code error;
        const auto options = std::filesystem::directory_options::skip_permission_denied;
        for (std::filesystem::recursive_directory_iterator it(folder, options, error), end;
             !error && it != end; it.increment(error)) {
            if (!isChartFile(*it)) continue;
            std::uintmax_t size = 0;
            std::int64_t modified = 0;
            const bool stated = sizeAndTime(it->path(), size, modified);
            const auto cached = byPath.find(it->path().string());
            if (stated && cached != byPath.end() && cached->second->size == size &&
                cached->second->modified == modified) {
                listings.push_back(*cached->second);
                ++refresh.reused;
            } else {
                listings.push_back(readListing(it->path(), size, modified));
                ++refresh.read;
            }
        }
    }
    std::sort(listings.begin(), listings.end(),
              [](const ChartListing& a, const ChartListing& b) { return a.path < b.path; });
    const bool changed =
        refresh.indexRebuilt || refresh.read > 0 || listings.size() != indexed->size();
    listings_ = std::move(listings);
    // Without a writable data folder the list still stands; it is only read in full next time.
    if (changed) ChartIndexFile::write(indexFile_, listings_);
    keys_.clear();
    keys_.reserve(listings_.size());
    for (const auto& listing : listings_) {
        keys_.push_back(searchKey(listing.name) + '\n' + searchKey(listing.place) + '\n' +
                        std::to_string(listing.year));
    }
    return refresh;
}

std::string ChartCollection::searchKey(std::string_view text) {
    std::string key = WorldAtlas::searchKey(text);
    return key.empty() ? std::string(text) : key;
}

std::vector<std::size_t> ChartCollection::filter(std::string_view text) const {
    std::vector<std::string> words;
    for (std::size_t start = 0; start < text.size();) {
        const auto space = text.find(' ', start);
        const auto word =
            text.substr(start, space == std::string_view::npos ? space : space - start);
        if (!word.empty()) words.push_back(searchKey(word));
        if (space == std::string_view::npos) break;
        start = space + 1;
    }
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i < keys_.size(); ++i) {
        const bool all = std::all_of(words.begin(), words.end(), [&](const std::string& word) {
            return keys_[i].find(word) != std::string::npos;
        });
        if (all) found.push_back(i);
    }
    return found;
}

}  // namespace orvanta
