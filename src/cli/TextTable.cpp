#include "cli/TextTable.h"

#include <algorithm>

namespace orvanta::cli {

TextTable::TextTable(std::vector<std::string> header) {
    rows_.push_back(std::move(header));
}

void TextTable::addRow(std::vector<std::string> row) {
    rows_.push_back(std::move(row));
}

std::size_t TextTable::displayWidth(const std::string& utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string TextTable::render() const {
    std::vector<std::size_t> widths;
    for (const auto& row : rows_) {
        if (widths.size() < row.size()) widths.resize(row.size(), 0);
        for (std::size_t i = 0; i < row.size(); ++i) {
            widths[i] = std::max(widths[i], displayWidth(row[i]));
        }
    }
    std::string out;
    for (const auto& row : rows_) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0) line += "  ";
            line += row[i];
            if (i + 1 < row.size()) line.append(widths[i] - displayWidth(row[i]), ' ');
        }
        out += line + "\n";
    }
    return out;
}

}  // namespace orvanta::cli
