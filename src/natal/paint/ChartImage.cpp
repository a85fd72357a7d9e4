#include "natal/paint/ChartImage.h"

#include <algorithm>

#include "common/Geometry.h"
#include "draw/Canvas.h"
#include "draw/PictureExport.h"
#include "natal/AspectTableLayout.h"
#include "natal/WheelLayout.h"
#include "natal/paint/AspectTablePainter.h"
#include "natal/paint/WheelPainter.h"

namespace orvanta {
namespace {

// The drawing area: never empty.
Rect areaRect(QSize area) {
    return {0, 0, std::max(1, area.width()), std::max(1, area.height())};
}

// The pixels the drawing covers, right and bottom excluded.
Rect covered(ChartImage::Kind kind, const NatalChart& natal, const Rect& whole) {
    if (kind == ChartImage::Kind::Wheel) {
        const WheelLayout layout =
            WheelLayout::compute(natal.chart, natal.orientation, natal.aspects,
                                 WheelLayout::Frame::screen(0, 0, whole.right, whole.bottom));
        const Rect bounds = layout.bounds();
        // One pixel more on the far sides: a line's end point is a pixel of its own.
        return {bounds.left, bounds.top, bounds.right + 1, bounds.bottom + 1};
    }
    const AspectTableLayout layout = AspectTableLayout::compute(
        natal.chart, natal.aspects, AspectTableLayout::screenArea(whole, 1));
    return layout.isEmpty() ? whole : layout.bounds();
}

}  // namespace

ChartImage::Placement ChartImage::placement(Kind kind, const NatalChart& natal, QSize area) {
    const Rect whole = areaRect(area);
    const Rect drawn = covered(kind, natal, whole);
    const int left = std::min(0, drawn.left);
    const int top = std::min(0, drawn.top);
    const int right = std::max(whole.right, drawn.right);
    const int bottom = std::max(whole.bottom, drawn.bottom);
    return {QSize(right - left, bottom - top), QPoint(-left, -top)};
}

void ChartImage::draw(Kind kind, Canvas& canvas, const NatalChart& natal,
                      const ChartResources& resources, QSize area) {
    const Rect whole = areaRect(area);
    if (kind == Kind::Wheel) {
        WheelPainter::paint(canvas, natal, resources, QRect(0, 0, whole.right, whole.bottom));
    } else {
        AspectTablePainter::paintScreen(canvas, natal, resources, whole, 1);
    }
}

void ChartImage::paint(Kind kind, QPainter& painter, const NatalChart& natal,
                       const ChartResources& resources, QSize area) {
    const Placement place = placement(kind, natal, area);
    painter.save();
    painter.fillRect(QRect(QPoint(0, 0), place.size), Qt::white);
    painter.translate(place.origin);
    Canvas canvas(painter, Canvas::Units::Pixels);
    draw(kind, canvas, natal, resources, area);
    painter.restore();
}

bool ChartImage::save(Kind kind, const NatalChart& natal, const ChartResources& resources,
                      QSize area, const std::filesystem::path& path, std::string* error) {
    if (area.width() > kLargestSide || area.height() > kLargestSide) {
        if (error != nullptr) *error = "the picture may be at most 16384 pixels wide and high";
        return false;
    }
    return PictureExport::save(
        placement(kind, natal, area).size,
        [&](QPainter& painter) { paint(kind, painter, natal, resources, area); }, path, error);
}

}  // namespace orvanta
