#pragma once

#include <string>
#include <vector>

namespace orvanta::cli {

// A plain table for the terminal: columns padded by characters, not bytes, so Cyrillic lines up.
class TextTable {
  public:
    explicit TextTable(std::vector<std::string> header);
    void addRow(std::vector<std::string> row);
    std::string render() const;

    static std::size_t displayWidth(const std::string& utf8);

  private:
    std::vector<std::vector<std::string>> rows_;
};

}  // namespace orvanta::cli
