#include "doc/LastFolders.h"

#include <filesystem>

#include "doc/IniFile.h"

namespace orvanta {

std::string LastFolders::folder(const std::string& kind) const {
    const auto it = folders_.find(kind);
    return it == folders_.end() ? std::string() : it->second;
}

void LastFolders::remember(const std::string& kind, const std::string& filePath) {
    const std::string parent = std::filesystem::path(filePath).parent_path().string();
    if (!parent.empty()) folders_[kind] = parent;
}

void LastFolders::readFrom(const IniFile& ini) {
    for (const char* kind : {kCharts}) {
        const std::string folder = ini.value(kSection, kind, "");
        if (!folder.empty()) folders_[kind] = folder;
    }
}

void LastFolders::writeTo(IniFile& ini) const {
    // A folder the file's code page cannot hold is simply not kept.
    for (const auto& [kind, folder] : folders_) ini.setValue(kSection, kind, folder);
}

}  // namespace orvanta
