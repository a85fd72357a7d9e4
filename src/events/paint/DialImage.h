#pragma once

#include <QPainter>
#include <QSize>
#include <QString>
#include <filesystem>
#include <string>

#include "doc/CZodiacDoc.h"

namespace orvanta {

// The dial of the document's event chart as the window shows it: screen geometry over a
// white ground, from the lists the document holds (the caller has them built first).
class DialImage {
  public:
    static constexpr int kLargestSide = 16384;

    static void paint(QPainter& painter, const CZodiacDoc& doc, const QString& fontFace,
                      QSize area);

    // The same dial on paper: hundredths of a millimetre with y upwards, margins, a frame and
    // the date. pageSize is the page in hundredths of a millimetre.
    static void paintPage(QPainter& painter, const CZodiacDoc& doc, const QString& fontFace,
                          QSize pageSize);

    // PNG, PDF or SVG by the extension; false with the reason when it cannot be written.
    static bool save(const CZodiacDoc& doc, const QString& fontFace, QSize area,
                     const std::filesystem::path& path, std::string* error = nullptr);
};

}  // namespace orvanta
