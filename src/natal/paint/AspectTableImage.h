#pragma once

#include <QPainter>
#include <QPoint>
#include <QSize>
#include <filesystem>
#include <string>

#include "doc/CZodiacDoc.h"
#include "draw/ChartResources.h"
#include "natal/AspectTableLayout.h"

namespace orvanta {

// The aspect table as a stand-alone picture (PNG, PDF or SVG): drawn with the screen geometry
// of a view of the requested size at zoom 1, margins included, on a white ground. At small
// sizes the top labels may reach a pixel or two above the area; the picture then grows to
// show them.
class AspectTableImage {
  public:
    // A larger side is refused rather than drawn: the picture is made whole in memory.
    static constexpr int kLargestSide = 16384;

    struct Placement {
        QSize size;     // the picture: at least the area, grown to hold every drawn part
        QPoint origin;  // where the area's top-left corner lies in the picture
    };

    static Placement placement(const NatalChart& natal, QSize area);

    // Paints the white ground and the table onto a device of placement(natal, area).size.
    static void paint(QPainter& painter, const CZodiacDoc& doc, const ChartResources& resources,
                      QSize area);

    // Writes the picture through a temporary file; the format follows the extension (".png",
    // ".pdf" or ".svg", in any letter case). False, with the reason in error when given, for
    // another extension, a side above kLargestSide, or a file that cannot be written.
    static bool save(const CZodiacDoc& doc, const ChartResources& resources, QSize area,
                     const std::filesystem::path& path, std::string* error = nullptr);

  private:
    static AspectTableLayout::Rect target(QSize area);
    static bool fail(std::string* error, const char* reason);
};

}  // namespace orvanta
