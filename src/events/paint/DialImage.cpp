#include "events/paint/DialImage.h"

#include "draw/Canvas.h"
#include "draw/PictureExport.h"
#include "events/DialLayout.h"
#include "events/TransitDay.h"
#include "events/paint/DialPainter.h"

namespace orvanta {
namespace {

void paintDial(Canvas& canvas, const CZodiacDoc& doc, const QString& fontFace, int width,
               int height, bool paper) {
    const auto& state = doc.eventChart();
    const TransitDay day(state.situations, state.orbTransits, state.date);
    const DialLayout layout = DialLayout::compute({width, height, paper, state.date, &day});
    const QColor background = DialPainter::backgroundAt(canvas, layout.centre);
    DialPainter::paint(canvas, layout, doc.transitAspects(), fontFace, background);
}

}  // namespace

void DialImage::paint(QPainter& painter, const CZodiacDoc& doc, const QString& fontFace,
                      QSize area) {
    painter.fillRect(QRect(QPoint(0, 0), area), Qt::white);
    Canvas canvas(painter, Canvas::Units::Pixels);
    paintDial(canvas, doc, fontFace, area.width(), area.height(), false);
}

void DialImage::paintPage(QPainter& painter, const CZodiacDoc& doc, const QString& fontFace,
                          QSize pageSize) {
    Canvas canvas(painter, Canvas::Units::HundredthsOfMm);
    paintDial(canvas, doc, fontFace, pageSize.width(), -pageSize.height(), true);
}

bool DialImage::save(const CZodiacDoc& doc, const QString& fontFace, QSize area,
                     const std::filesystem::path& path, std::string* error) {
    if (area.width() > kLargestSide || area.height() > kLargestSide) {
        if (error != nullptr) *error = "the picture may be at most 16384 pixels wide and high";
        return false;
    }
    return PictureExport::save(
        area, [&](QPainter& painter) { paint(painter, doc, fontFace, area); }, path, error);
}

}  // namespace orvanta
