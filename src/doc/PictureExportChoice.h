#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/Calendar.h"

namespace orvanta {

// What "Экспорт рисунка..." decides apart from its file dialog: the file types it offers, the
// name it proposes for the active view, and the file it writes for what the user chose. The
// format always follows the written name's extension.
class PictureExportChoice {
  public:
    enum class Format { Png, Svg, Pdf };
    enum class View { Wheel, Table, Dial };

    // The dialog's filters in the order offered: PNG, SVG, PDF.
    static std::vector<std::string> filters();
    static std::string filterOf(Format format);

    // The format an extension names (any letter case), or none.
    static std::optional<Format> formatOfName(const std::string& path);
    // The format of a filter of filters(); PNG for any other text.
    static Format formatOfFilter(const std::string& filter);

    // The name as chosen when its extension names a format; otherwise the chosen name with the
    // extension of the selected filter added.
    static std::string fileName(const std::string& chosen, const std::string& selectedFilter);

    // "sample-круг.png": the chart file's name without its extension (or the person's name for
    // a chart never saved, or "Карта"), what the view shows, and for the dial its day.
    static std::string defaultName(const std::string& chartPath, const std::string& personName,
                                   View view, const Date& eventDate, Format format);

    static std::string extensionOf(Format format);
};

}  // namespace orvanta
