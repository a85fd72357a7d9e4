#include "natal/paint/WheelImage.h"

#include <QImage>
#include <algorithm>

#include "draw/Canvas.h"
#include "draw/PictureExport.h"
#include "natal/WheelLayout.h"
#include "natal/paint/WheelPainter.h"

namespace orvanta {

WheelImage::Placement WheelImage::placement(const NatalChart& natal, QSize area) {
    const int width = std::max(1, area.width());
    const int height = std::max(1, area.height());
    const WheelLayout layout =
        WheelLayout::compute(natal.chart, natal.orientation, natal.aspects,
                             WheelLayout::Frame::screen(0, 0, width, height));
    const WheelLayout::Rect bounds = layout.bounds();
    // One pixel more on the far sides: a line's end point is a pixel of its own.
    const int left = std::min(0, bounds.left);
    const int top = std::min(0, bounds.top);
    const int right = std::max(width, bounds.right + 1);
    const int bottom = std::max(height, bounds.bottom + 1);
    return {QSize(right - left, bottom - top), QPoint(-left, -top)};
}

void WheelImage::paint(QPainter& painter, const CZodiacDoc& doc, const ChartResources& resources,
                       QSize area) {
    const Placement place = placement(doc.natal(), area);
    painter.save();
    painter.fillRect(QRect(QPoint(0, 0), place.size), Qt::white);
    painter.translate(place.origin);
    Canvas canvas(painter, Canvas::Units::Pixels);
    WheelPainter::paint(canvas, doc, resources,
                        QRect(0, 0, std::max(1, area.width()), std::max(1, area.height())));
    painter.restore();
}

bool WheelImage::save(const CZodiacDoc& doc, const ChartResources& resources, QSize area,
                      const std::filesystem::path& path, std::string* error) {
    if (area.width() > kLargestSide || area.height() > kLargestSide) {
        return fail(error, "the picture may be at most 16384 pixels wide and high");
    }
    return PictureExport::save(
        placement(doc.natal(), area).size,
        [&](QPainter& painter) { paint(painter, doc, resources, area); }, path, error);
}

bool WheelImage::fail(std::string* error, const char* reason) {
    if (error != nullptr) *error = reason;
    return false;
}

}  // namespace orvanta
