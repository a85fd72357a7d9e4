#pragma once

#include <map>
#include <string>

namespace orvanta {

class IniFile;

// The folder each kind of file was last chosen in, so that a file dialog opens where the user
// worked last with that kind ("Charts" for chart files). Kept in section "Folders" of
// "ORVANTA.INI".
class LastFolders {
  public:
    static constexpr const char* kSection = "Folders";
    static constexpr const char* kCharts = "Charts";

    // Empty when no file of the kind was chosen yet.
    std::string folder(const std::string& kind) const;
    // Remembers the folder of a chosen file.
    void remember(const std::string& kind, const std::string& filePath);

    void readFrom(const IniFile& ini);
    void writeTo(IniFile& ini) const;

  private:
    std::map<std::string, std::string> folders_;
};

}  // namespace orvanta
