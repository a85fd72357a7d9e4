#pragma once

#include <QPainter>
#include <QPoint>
#include <QSize>
#include <filesystem>
#include <string>

#include "doc/CZodiacDoc.h"
#include "draw/ChartResources.h"

namespace orvanta {

// The wheel as a stand-alone picture (PNG, PDF or SVG): drawn with the screen geometry of a
// drawing area of the requested size, as a view of that size shows it, on a white ground.
// That geometry lets the wheel's foot, and at some sizes the tips of the axes and the number
// of house 1, reach past the area; the picture is grown to show the whole wheel.
class WheelImage {
  public:
    // A larger side is refused rather than drawn: the picture is made whole in memory.
    static constexpr int kLargestSide = 16384;

    struct Placement {
        QSize size;     // the picture: at least the area, grown to hold every drawn part
        QPoint origin;  // where the area's top-left corner lies in the picture
    };

    static Placement placement(const NatalChart& natal, QSize area);

    // Paints the white ground and the wheel onto a device of placement(natal, area).size.
    static void paint(QPainter& painter, const CZodiacDoc& doc, const ChartResources& resources,
                      QSize area);

    // Writes the picture; the format follows the extension (".png", ".pdf" or ".svg", in any
    // letter case). False, with the reason in error when given, for another extension, an
    // area with a side above kLargestSide, or a file that cannot be written.
    static bool save(const CZodiacDoc& doc, const ChartResources& resources, QSize area,
                     const std::filesystem::path& path, std::string* error = nullptr);

  private:
    static bool fail(std::string* error, const char* reason);
};

}  // namespace orvanta
