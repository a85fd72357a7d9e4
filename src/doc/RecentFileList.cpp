#include "doc/RecentFileList.h"

#include <algorithm>

namespace orvanta {

RecentFileList::RecentFileList(std::vector<std::string> files) {
    for (auto it = files.rbegin(); it != files.rend(); ++it) {
        if (!it->empty()) add(*it);
    }
}

void RecentFileList::add(const std::string& path) {
    remove(path);
    files_.insert(files_.begin(), path);
    if (files_.size() > kCapacity) files_.resize(kCapacity);
}

void RecentFileList::remove(const std::string& path) {
    files_.erase(std::remove(files_.begin(), files_.end(), path), files_.end());
}

}  // namespace orvanta
