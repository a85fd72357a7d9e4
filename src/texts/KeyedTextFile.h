#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orvanta {

// One keyed file of the text library ("SHORT.txt", "Pl_Zz.txt", "ASP.txt") held as the bytes
// of the file. Keys and results are UTF-8; the search and every offset work on the file's
// Windows-1251 bytes, so a cut of one or two characters removes exactly that many bytes.
class KeyedTextFile {
  public:
    // The file is a zero-terminated text: anything after a zero byte is not part of it.
    explicit KeyedTextFile(std::string_view bytes);

    // The entry of key: from the start of the first occurrence of key up to the first "#"
    // after it, less the last cut characters before that "#". Empty when no "#" follows.
    // Not found when the key is missing, starts the file, or cannot be written in the code page.
    std::optional<std::string> findEntry(std::string_view key, std::size_t cut) const;

    // The text of an aspect title: it starts after the title and its line end and stops before
    // the line end that precedes the next "#".
    std::optional<std::string> findAspectText(std::string_view title) const;

    const std::string& bytes() const { return bytes_; }

  private:
    struct Span {
        std::size_t keyStart = 0;
        std::size_t keyEnd = 0;
        std::size_t hash = 0;  // npos when no "#" follows the key
    };

    std::optional<Span> locate(std::string_view key) const;
    std::string slice(std::size_t begin, std::size_t end) const;

    std::string bytes_;
};

}  // namespace orvanta
