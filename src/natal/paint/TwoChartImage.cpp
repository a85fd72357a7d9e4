#include "natal/paint/TwoChartImage.h"

#include <algorithm>

#include "draw/Canvas.h"
#include "draw/PictureExport.h"
#include "natal/BiWheelLayout.h"
#include "natal/SynastryTableLayout.h"
#include "natal/paint/BiWheelPainter.h"
#include "natal/paint/ChartImage.h"
#include "natal/paint/SynastryTablePainter.h"

namespace orvanta {
namespace {

Rect areaRect(QSize area) {
    return {0, 0, std::max(1, area.width()), std::max(1, area.height())};
}

BiWheelLayout biWheel(const NatalChart& first, const NatalChart& second, const Rect& whole) {
    return BiWheelLayout::compute(first.chart, second.chart, first.orientation, first.aspects,
                                  WheelLayout::Frame::screen(0, 0, whole.right, whole.bottom));
}

SynastryTableLayout table(const NatalChart& first, const NatalChart& second, const Rect& whole) {
    return SynastryTableLayout::compute(first.chart, second.chart, first.aspects, whole);
}

}  // namespace

TwoChartImage::Placement TwoChartImage::placement(Kind kind, const NatalChart& first,
                                                  const NatalChart& second, QSize area) {
    const Rect whole = areaRect(area);
    Rect drawn = whole;
    if (kind == Kind::BiWheel) {
        const Rect bounds = biWheel(first, second, whole).bounds();
        // One pixel more on the far sides: a line's end point is a pixel of its own.
        drawn = {bounds.left, bounds.top, bounds.right + 1, bounds.bottom + 1};
    }
    const int left = std::min(0, drawn.left);
    const int top = std::min(0, drawn.top);
    const int right = std::max(whole.right, drawn.right);
    const int bottom = std::max(whole.bottom, drawn.bottom);
    return {QSize(right - left, bottom - top), QPoint(-left, -top)};
}

void TwoChartImage::paint(Kind kind, QPainter& painter, const NatalChart& first,
                          const NatalChart& second, const ChartResources& resources, QSize area) {
    const Placement place = placement(kind, first, second, area);
    const Rect whole = areaRect(area);
    painter.save();
    painter.fillRect(QRect(QPoint(0, 0), place.size), Qt::white);
    painter.translate(place.origin);
    Canvas canvas(painter, Canvas::Units::Pixels);
    if (kind == Kind::BiWheel) {
        BiWheelPainter::paint(canvas, biWheel(first, second, whole), first.chart, second.chart,
                              first.aspects, resources);
    } else {
        SynastryTablePainter::paint(canvas, table(first, second, whole), first.chart, second.chart,
                                    first.aspects, resources);
    }
    painter.restore();
}

bool TwoChartImage::save(Kind kind, const NatalChart& first, const NatalChart& second,
                         const ChartResources& resources, QSize area,
                         const std::filesystem::path& path, std::string* error) {
    if (area.width() > ChartImage::kLargestSide || area.height() > ChartImage::kLargestSide) {
        if (error != nullptr) *error = "the picture may be at most 16384 pixels wide and high";
        return false;
    }
    return PictureExport::save(
        placement(kind, first, second, area).size,
        [&](QPainter& painter) { paint(kind, painter, first, second, resources, area); }, path,
        error);
}

}  // namespace orvanta
