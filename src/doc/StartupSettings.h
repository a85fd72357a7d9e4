#pragma once

#include <filesystem>
#include <string>

namespace orvanta {

class IniFile;

// The face names the drawings use, how they write positions and what shows at start-up, kept
// in section "Last" of "ORVANTA.INI": read at start, written back at exit.
struct StartupSettings {
    static constexpr const char* kIniFileName = "ORVANTA.INI";
    static constexpr const char* kSection = "Last";
    static constexpr const char* kSerifKey = "f_TimesNewRomanCyr";
    static constexpr const char* kMonospaceKey = "f_CourierNewCyr";
    static constexpr const char* kSansKey = "f_MSSansSerif";
    static constexpr const char* kDegreesMinutesKey = "DegreesMinutes";
    static constexpr const char* kCollectionKey = "ShowCollection";

    std::string serifFace = "Times New Roman Cyr";
    std::string monospaceFace = "Courier New Cyr";
    std::string sansFace = "MS Sans Serif";
    // Positions in degrees and minutes instead of decimal degrees ("Вид → Градусы и минуты").
    bool degreesMinutes = false;
    // The collection ("Картотека") shown at start-up; off, a plain start shows the main frame
    // alone.
    bool showCollection = false;

    // "ORVANTA.INI" in the application folder.
    static std::filesystem::path iniPath();

    void readFrom(const IniFile& ini);
    void writeTo(IniFile& ini) const;

    // Read from the file (defaults when it or a key is missing); write back keeping the
    // file's other sections and keys.
    static StartupSettings load();
    bool store(std::string* error = nullptr) const;
};

}  // namespace orvanta
