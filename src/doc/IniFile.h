#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orvanta {

// An initialisation file of sections and keys, stored in Windows-1251 and held as UTF-8.
// Section and key names match without regard to letter case; lines it does not understand,
// comments included, are kept as they were when the file is written back.
class IniFile {
  public:
    // Values longer than this are cut when read, as the program always read them.
    static constexpr std::size_t kLongestValue = 259;

    // A missing file gives an empty one; false only when the file exists but cannot be read.
    bool load(const std::filesystem::path& path);
    // Written through a temporary file; false with the reason when that fails.
    bool save(const std::filesystem::path& path, std::string* error = nullptr) const;

    std::optional<std::string> value(const std::string& section, const std::string& key) const;
    std::string value(const std::string& section, const std::string& key,
                      const std::string& fallback) const;
    // False when the value holds a character the file's code page cannot store.
    bool setValue(const std::string& section, const std::string& key, const std::string& value);

    // The text as it would be written (UTF-8, CR LF line ends).
    std::string text() const;

  private:
    struct Line {
        std::string text;     // the line as read, for anything not a key we changed
        std::string section;  // the section the line belongs to
        std::string key;      // empty for section headers, comments and blank lines
        std::string value;
    };

    static std::string trim(const std::string& text);
    static bool sameName(const std::string& a, const std::string& b);
    void parse(const std::string& utf8);
    std::vector<Line>::iterator findKey(const std::string& section, const std::string& key);
    std::vector<Line>::const_iterator findKey(const std::string& section,
                                              const std::string& key) const;

    std::vector<Line> lines_;
};

}  // namespace orvanta
