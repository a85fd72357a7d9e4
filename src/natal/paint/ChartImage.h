#pragma once

#include <QPainter>
#include <QPoint>
#include <QSize>
#include <filesystem>
#include <string>

#include "draw/ChartResources.h"
#include "natal/NatalChart.h"

namespace orvanta {

class Canvas;

// The wheel or the aspect table as a stand-alone picture (PNG, PDF or SVG), drawn with the
// screen geometry of a view of the requested size (the table at zoom 1, margins included) on
// a white ground. That geometry lets parts reach past the area (the wheel's foot, the tips of
// its axes, at small sizes the table's top labels); the picture grows to show them whole.
class ChartImage {
  public:
    enum class Kind { Wheel, Table };

    // A larger side is refused rather than drawn: the picture is made whole in memory.
    static constexpr int kLargestSide = 16384;

    struct Placement {
        QSize size;     // the picture: at least the area, grown to hold every drawn part
        QPoint origin;  // where the area's top-left corner lies in the picture
    };

    static Placement placement(Kind kind, const NatalChart& natal, QSize area);

    // Paints the white ground and the drawing onto a device of placement(...).size.
    static void paint(Kind kind, QPainter& painter, const NatalChart& natal,
                      const ChartResources& resources, QSize area);

    // Writes the picture through a temporary file; the format follows the extension (".png",
    // ".pdf" or ".svg", in any letter case). False, with the reason in error when given, for
    // another extension, a side above kLargestSide, or a file that cannot be written.
    static bool save(Kind kind, const NatalChart& natal, const ChartResources& resources,
                     QSize area, const std::filesystem::path& path, std::string* error = nullptr);

  private:
    static void draw(Kind kind, Canvas& canvas, const NatalChart& natal,
                     const ChartResources& resources, QSize area);
};

}  // namespace orvanta
