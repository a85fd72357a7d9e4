#include "doc/SettingsFile.h"

#include "common/AtomicFile.h"

namespace orvanta {

std::optional<std::vector<std::uint8_t>> SettingsFile::load(const std::filesystem::path& path) {
    return AtomicFile::read(path);
}

std::string SettingsFile::damageMessage(const std::filesystem::path& path,
                                        const std::string& reason) {
    return "Файл настроек «" + path.filename().string() + "» повреждён (" + reason +
           "). Установки из него не прочитаны, прежние сохранены.";
}

}  // namespace orvanta
