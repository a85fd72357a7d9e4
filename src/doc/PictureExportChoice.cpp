#include "doc/PictureExportChoice.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>

namespace orvanta {
namespace {

struct FormatRow {
    PictureExportChoice::Format format;
    const char* extension;
    const char* filter;
};

constexpr FormatRow kFormats[] = {
    {PictureExportChoice::Format::Png, ".png", "Рисунок PNG (*.png)"},
    {PictureExportChoice::Format::Svg, ".svg", "Рисунок SVG (*.svg)"},
    {PictureExportChoice::Format::Pdf, ".pdf", "Документ PDF (*.pdf)"},
};

const FormatRow& rowOf(PictureExportChoice::Format format) {
    for (const auto& row : kFormats) {
        if (row.format == format) return row;
    }
    return kFormats[0];
}

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// A person's name may hold characters that no file name can.
std::string safeForFileName(std::string text) {
    for (char& c : text) {
        if (std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos) c = '_';
    }
    return text;
}

std::string dateText(const Date& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", date.day, date.month, date.year);
    return text;
}

}  // namespace

std::vector<std::string> PictureExportChoice::filters() {
    std::vector<std::string> list;
    for (const auto& row : kFormats) list.emplace_back(row.filter);
    return list;
}

std::string PictureExportChoice::filterOf(Format format) {
    return rowOf(format).filter;
}

std::string PictureExportChoice::extensionOf(Format format) {
    return rowOf(format).extension;
}

std::optional<PictureExportChoice::Format> PictureExportChoice::formatOfName(
    const std::string& path) {
    const std::string extension = lowered(std::filesystem::path(path).extension().string());
    for (const auto& row : kFormats) {
        if (extension == row.extension) return row.format;
    }
    return std::nullopt;
}

PictureExportChoice::Format PictureExportChoice::formatOfFilter(const std::string& filter) {
    for (const auto& row : kFormats) {
        if (filter == row.filter) return row.format;
    }
    return Format::Png;
}

std::string PictureExportChoice::fileName(const std::string& chosen,
                                          const std::string& selectedFilter) {
    if (chosen.empty() || formatOfName(chosen)) return chosen;
    return chosen + extensionOf(formatOfFilter(selectedFilter));
}

std::string PictureExportChoice::defaultName(const std::string& chartPath,
                                             const std::string& personName, View view,
                                             const Date& eventDate, Format format) {
    std::string base = std::filesystem::path(chartPath).stem().string();
    if (base.empty()) base = personName;
    base = safeForFileName(base);
    if (base.empty()) base = "Карта";
    switch (view) {
        case View::Wheel:
            base += "-круг";
            break;
        case View::Table:
            base += "-аспекты";
            break;
        case View::Dial:
            base += "-события-" + dateText(eventDate);
            break;
    }
    return base + extensionOf(format);
}

}  // namespace orvanta
