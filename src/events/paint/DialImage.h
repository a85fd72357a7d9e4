#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QSize>
#include <QString>
#include <filesystem>
#include <string>

#include "events/EventChart.h"

namespace orvanta {

// The dial of an event chart as the window shows it: screen geometry over a white ground, from
// the lists the event chart holds (the caller has them built first).
class DialImage {
  public:
    static constexpr int kLargestSide = 16384;

    static void paint(QPainter& painter, const EventChart& events, const QString& fontFace,
                      QSize area);

    // The same dial on paper: hundredths of a millimetre with y upwards, margins, a frame and
    // the date. pageSize is the page in hundredths of a millimetre.
    static void paintPage(QPainter& painter, const EventChart& events, const QString& fontFace,
                          QSize pageSize);

    // The page of the printer or PDF writer the painter works on, its whole area printable.
    static void paintPrinterPage(QPainter& painter, const EventChart& events,
                                 const QString& fontFace);

    // The printed page as a one-page PDF file of the given paper, through a temporary file;
    // the title is the chart's name.
    static bool savePdf(const EventChart& events, const std::string& title, const QString& fontFace,
                        const QPageSize& pageSize, QPageLayout::Orientation orientation,
                        const std::filesystem::path& path, std::string* error = nullptr);

    // PNG, PDF or SVG by the extension; false with the reason when it cannot be written.
    static bool save(const EventChart& events, const QString& fontFace, QSize area,
                     const std::filesystem::path& path, std::string* error = nullptr);
};

}  // namespace orvanta
