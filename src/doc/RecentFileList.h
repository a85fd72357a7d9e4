#pragma once

#include <string>
#include <vector>

namespace orvanta {

class IniFile;

// The most recently used chart files, newest first, as the File menu lists them.
class RecentFileList {
  public:
    static constexpr std::size_t kCapacity = 6;
    // Kept in the program's own "ORVANTA.INI" as File1 to File6 of this section.
    static constexpr const char* kSection = "Recent File List";

    explicit RecentFileList(std::vector<std::string> files = {});

    // Moves a file to the front, dropping the oldest beyond the capacity.
    void add(const std::string& path);
    void remove(const std::string& path);
    const std::vector<std::string>& files() const { return files_; }

    // What the File menu shows: each file's name, with as many of its folders in front as it
    // takes to tell apart files of the same name ("a/sample.map", "b/sample.map").
    std::vector<std::string> displayNames() const;

    void readFrom(const IniFile& ini);
    // Paths the file's code page cannot hold are left out.
    void writeTo(IniFile& ini) const;

  private:
    std::vector<std::string> files_;
};

}  // namespace orvanta
