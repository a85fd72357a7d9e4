#pragma once

#include <QPainter>
#include <QPoint>
#include <QSize>
#include <filesystem>
#include <string>

#include "draw/ChartResources.h"
#include "natal/NatalChart.h"

namespace orvanta {

// The bi-wheel or the table of aspects between two charts as a stand-alone picture (PNG, PDF
// or SVG) on a white ground, the first chart inside or down the side, with its orientation
// and natal aspects. As ChartImage, the picture grows to hold whatever reaches past the area.
class TwoChartImage {
  public:
    enum class Kind { BiWheel, Table };

    struct Placement {
        QSize size;
        QPoint origin;  // where the area's top-left corner lies in the picture
    };

    static Placement placement(Kind kind, const NatalChart& first, const NatalChart& second,
                               QSize area);
    static void paint(Kind kind, QPainter& painter, const NatalChart& first,
                      const NatalChart& second, const ChartResources& resources, QSize area);
    // False, with the reason in error, for an unknown extension, a side above
    // ChartImage::kLargestSide, or a file that cannot be written.
    static bool save(Kind kind, const NatalChart& first, const NatalChart& second,
                     const ChartResources& resources, QSize area, const std::filesystem::path& path,
                     std::string* error = nullptr);
};

}  // namespace orvanta
