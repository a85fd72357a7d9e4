#pragma once

#include <QFont>
#include <QPageLayout>
#include <QPageRanges>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <filesystem>
#include <string>
#include <vector>

#include "texts/TextPageLayout.h"

namespace orvanta {

// The interpretation text on paper: each page framed, numbered, and filled with the text
// re-wrapped to the page's text area in the print font. The painter's device is the printer
// (or a PDF writer) whose whole page is the printable area, in device pixels.
class TextPagePainter {
  public:
    // Everything a print job needs, worked out once before the first page.
    struct Job {
        TextPageLayout page;
        QFont font;
        int lineHeight = 1;
        int ascent = 0;
        std::vector<std::string> lines;

        int pageCount() const { return page.pageCount(static_cast<int>(lines.size()), lineHeight); }
    };

    // Lays the text (UTF-8, any line ends) out on the device's pages in the given face.
    static Job prepare(QPaintDevice& device, const std::string& text, const QString& face);

    // Paints one page (counted from 1) of a prepared job.
    static void paintPage(QPainter& painter, const Job& job, int page);

    // Paints every page, or those in ranges when it names any, with a new page between
    // them. False when the page has no room for text or no page was asked for.
    static bool print(QPainter& painter, QPagedPaintDevice& device, const Job& job,
                      const QPageRanges& ranges = {});

    // Writes the printed text as a PDF file of the given paper through a temporary file.
    static bool savePdf(const std::string& text, const QString& face, const QString& title,
                        const QPageSize& pageSize, QPageLayout::Orientation orientation,
                        const std::filesystem::path& path, std::string* error = nullptr);
};

}  // namespace orvanta
