#include "ScratchFolder.h"

#include <unistd.h>

#include <atomic>
#include <fstream>
#include <stdexcept>
#include <system_error>

#include "common/AppFolder.h"
#include "common/Windows1251.h"

namespace orvanta {

ScratchFolder::ScratchFolder() {
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("orvanta_texts_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
    AppFolder::setOverride(path_);
}

ScratchFolder::~ScratchFolder() {
    AppFolder::setOverride({});
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

void ScratchFolder::write(const std::filesystem::path& relative, std::string_view bytes) const {
    const auto file = path_ / relative;
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
