#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace orvanta {

class IniFile;

// The folders of the chart collection: the default folder under the user's documents, which
// always stays, and the folders the user added, kept in section "Collection" of "ORVANTA.INI"
// as Folder1, Folder2 and on. The collection lists a folder with its subfolders, so a folder
// inside a listed one adds nothing and a folder around listed ones takes their place.
class ChartFolders {
  public:
    static constexpr const char* kSection = "Collection";
    static constexpr const char* kFolderKey = "Folder";

    enum class Change {
        Added,
        Removed,
        AlreadyListed,  // the same folder is in the list
        InsideListed,   // a listed folder holds it with its subfolders
        NotAFolder,     // no folder there
        NotStorable,    // the settings file cannot hold its name
        DefaultStays,   // the default folder is never removed
        NotListed,      // nothing to remove
    };

    explicit ChartFolders(std::filesystem::path defaultFolder);

    const std::filesystem::path& defaultFolder() const { return default_; }
    const std::vector<std::filesystem::path>& added() const { return added_; }
    // The default folder first, then the added ones in the order they were added.
    std::vector<std::filesystem::path> all() const;

    // An added folder that holds added folders replaces them.
    Change add(const std::filesystem::path& folder);
    Change remove(const std::filesystem::path& folder);
    // The user's words for what add or remove did.
    static std::string describe(Change change, const std::filesystem::path& folder);

    // The folders to list: none of them inside another, so no chart is listed twice.
    std::vector<std::filesystem::path> roots() const;
    // Listed folders that are not there (a removed or unmounted drive): they stay listed.
    std::vector<std::filesystem::path> missing() const;

    void readFrom(const IniFile& ini);
    // Folders beyond the added ones, left from a longer list, are emptied.
    void writeTo(IniFile& ini) const;

  private:
    static std::filesystem::path normal(const std::filesystem::path& folder);
    static bool holds(const std::filesystem::path& outer, const std::filesystem::path& inner);
    static std::string key(std::size_t index);

    std::filesystem::path default_;
    std::vector<std::filesystem::path> added_;
};

}  // namespace orvanta
