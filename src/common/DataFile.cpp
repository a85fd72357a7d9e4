#include "common/DataFile.h"

#include <utility>

#include "common/AppFolder.h"

namespace orvanta {

DataFile::DataFile(std::filesystem::path path) : path_(std::move(path)) {}

DataFile DataFile::named(std::string_view name) {
    DataFile file;
    file.name_ = std::string(name);
    return file;
}

std::filesystem::path DataFile::readPath() const {
    return name_.empty() ? path_ : AppFolder::find(name_);
}

std::filesystem::path DataFile::writePath() const {
    return name_.empty() ? path_ : AppFolder::writable(name_);
}

}  // namespace orvanta
