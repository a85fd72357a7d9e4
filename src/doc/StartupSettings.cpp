#include "doc/StartupSettings.h"

#include "common/AppFolder.h"
#include "doc/IniFile.h"

namespace orvanta {

std::filesystem::path StartupSettings::iniPath() {
    return AppFolder::find(kIniFileName);
}

void StartupSettings::readFrom(const IniFile& ini) {
    serifFace = ini.value(kSection, kSerifKey, serifFace);
    monospaceFace = ini.value(kSection, kMonospaceKey, monospaceFace);
    sansFace = ini.value(kSection, kSansKey, sansFace);
    degreesMinutes = ini.value(kSection, kDegreesMinutesKey, "0") == "1";
    showCollection = ini.value(kSection, kCollectionKey, "0") == "1";
}

void StartupSettings::writeTo(IniFile& ini) const {
    ini.setValue(kSection, kSerifKey, serifFace);
    ini.setValue(kSection, kMonospaceKey, monospaceFace);
    ini.setValue(kSection, kSansKey, sansFace);
    // The key appears once the user chose the minutes, so a file never changed stays as it was.
    for (const auto& [key, on] : {std::pair{kDegreesMinutesKey, degreesMinutes},
                                  std::pair{kCollectionKey, showCollection}}) {
        if (on || ini.value(kSection, key)) ini.setValue(kSection, key, on ? "1" : "0");
    }
}

StartupSettings StartupSettings::load() {
    StartupSettings settings;
    IniFile ini;
    if (ini.load(iniPath())) settings.readFrom(ini);
    return settings;
}

bool StartupSettings::store(std::string* error) const {
    IniFile ini;
    // A file that cannot be read is not overwritten: its other keys would be lost.
    if (!ini.load(iniPath())) {
        if (error) *error = "cannot read " + iniPath().string();
        return false;
    }
    writeTo(ini);
    return ini.save(AppFolder::writable(kIniFileName), error);
}

}  // namespace orvanta
