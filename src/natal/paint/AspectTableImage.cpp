#include "natal/paint/AspectTableImage.h"

#include <QImage>
#include <algorithm>

#include "draw/Canvas.h"
#include "draw/PictureExport.h"
#include "natal/AspectTableLayout.h"
#include "natal/paint/AspectTablePainter.h"

namespace orvanta {

AspectTableLayout::Rect AspectTableImage::target(QSize area) {
    return {0, 0, std::max(1, area.width()), std::max(1, area.height())};
}

AspectTableImage::Placement AspectTableImage::placement(const NatalChart& natal, QSize area) {
    const AspectTableLayout::Rect whole = target(area);
    const AspectTableLayout layout = AspectTableLayout::compute(
        natal.chart, natal.aspects, AspectTableLayout::screenArea(whole, 1));
    AspectTableLayout::Rect bounds = layout.isEmpty() ? whole : layout.bounds();
    const int left = std::min(0, bounds.left);
    const int top = std::min(0, bounds.top);
    const int right = std::max(whole.right, bounds.right);
    const int bottom = std::max(whole.bottom, bounds.bottom);
    return {QSize(right - left, bottom - top), QPoint(-left, -top)};
}

void AspectTableImage::paint(QPainter& painter, const CZodiacDoc& doc,
                             const ChartResources& resources, QSize area) {
    const Placement place = placement(doc.natal(), area);
    painter.save();
    painter.fillRect(QRect(QPoint(0, 0), place.size), Qt::white);
    painter.translate(place.origin);
    Canvas canvas(painter, Canvas::Units::Pixels);
    AspectTablePainter::paintScreen(canvas, doc, resources, target(area), 1);
    painter.restore();
}

bool AspectTableImage::save(const CZodiacDoc& doc, const ChartResources& resources, QSize area,
                            const std::filesystem::path& path, std::string* error) {
    if (area.width() > kLargestSide || area.height() > kLargestSide) {
        return fail(error, "the picture may be at most 16384 pixels wide and high");
    }
    return PictureExport::save(
        placement(doc.natal(), area).size,
        [&](QPainter& painter) { paint(painter, doc, resources, area); }, path, error);
}

bool AspectTableImage::fail(std::string* error, const char* reason) {
    if (error != nullptr) *error = reason;
    return false;
}

}  // namespace orvanta
