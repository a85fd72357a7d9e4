#include "ScratchAppFolder.h"

#include <fstream>
#include <stdexcept>

#include "common/AppFolder.h"
#include "common/Windows1251.h"

namespace orvanta {

ScratchAppFolder::ScratchAppFolder() {
    AppFolder::setOverride(folder_.path());
}

ScratchAppFolder::~ScratchAppFolder() {
    AppFolder::setOverride({});
}

void ScratchAppFolder::write(const std::filesystem::path& relative, std::string_view bytes) const {
    const auto file = folder_.path() / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string cp1251(std::string_view utf8) {
    auto bytes = Windows1251::fromUtf8(utf8);
    if (!bytes) throw std::invalid_argument("test text outside Windows-1251");
    return *bytes;
}

}  // namespace orvanta
