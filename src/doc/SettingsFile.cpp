#include "doc/SettingsFile.h"

#include "common/AtomicFile.h"
#include "common/MessageSink.h"

namespace orvanta {

std::optional<std::vector<std::uint8_t>> SettingsFile::load(const std::filesystem::path& path) {
    return AtomicFile::read(path);
}

std::string SettingsFile::damageMessage(const std::filesystem::path& path,
                                        const std::string& reason) {
    return "Файл настроек «" + path.filename().string() + "» повреждён (" + reason +
           "). Установки из него не прочитаны, прежние сохранены.";
}

void SettingsFile::reportDamage(const std::filesystem::path& path, const std::string& reason) {
    MessageSink::report(damageMessage(path, reason));
}

}  // namespace orvanta
