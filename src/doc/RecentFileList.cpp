#include "doc/RecentFileList.h"

#include <algorithm>
#include <map>

#include "doc/IniFile.h"

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

namespace {

std::vector<std::string> components(const std::string& path) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : path) {
        if (c == '/') {
            if (!part.empty()) parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) parts.push_back(part);
    return parts;
}

std::string lastComponents(const std::vector<std::string>& parts, std::size_t count) {
    std::string name;
    for (std::size_t i = parts.size() - std::min(count, parts.size()); i < parts.size(); ++i) {
        if (!name.empty()) name += '/';
        name += parts[i];
    }
    return name;
}

std::string key(std::size_t index) {
    return "File" + std::to_string(index + 1);
}

}  // namespace

std::vector<std::string> RecentFileList::displayNames() const {
    std::vector<std::vector<std::string>> parts;
    for (const auto& file : files_) parts.push_back(components(file));
    std::vector<std::size_t> depth(files_.size(), 1);
    std::vector<std::string> names(files_.size());
    for (bool grown = true; grown;) {
        std::map<std::string, int> uses;
        for (std::size_t i = 0; i < files_.size(); ++i) {
            names[i] = lastComponents(parts[i], depth[i]);
            ++uses[names[i]];
        }
        grown = false;
        for (std::size_t i = 0; i < files_.size(); ++i) {
            if (uses[names[i]] > 1 && depth[i] < parts[i].size()) {
                ++depth[i];
                grown = true;
            }
        }
    }
    return names;
}

void RecentFileList::readFrom(const IniFile& ini) {
    std::vector<std::string> files;
    for (std::size_t i = 0; i < kCapacity; ++i) files.push_back(ini.value(kSection, key(i), ""));
    *this = RecentFileList(files);
}

void RecentFileList::writeTo(IniFile& ini) const {
    std::size_t slot = 0;
    for (const auto& file : files_) {
        if (ini.setValue(kSection, key(slot), file)) ++slot;
    }
    for (; slot < kCapacity; ++slot) ini.setValue(kSection, key(slot), "");
}

}  // namespace orvanta
