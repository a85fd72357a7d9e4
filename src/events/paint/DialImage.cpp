#include "events/paint/DialImage.h"

#include <algorithm>
#include <cmath>

#include "draw/Canvas.h"
#include "draw/PictureExport.h"
#include "draw/PrintedPdf.h"
#include "events/DialLayout.h"
#include "events/TransitDay.h"
#include "events/paint/DialPainter.h"

namespace orvanta {
namespace {

void paintDial(Canvas& canvas, const EventChart& events, const QString& fontFace, int width,
               int height, bool paper) {
    const auto& state = events.state();
    const TransitDay day(state.situations, state.orbTransits, state.date);
    const DialLayout layout = DialLayout::compute({width, height, paper, state.date, &day});
    const QColor background = DialPainter::backgroundAt(canvas, layout.centre);
    DialPainter::paint(canvas, layout, events.aspects(), fontFace, background);
}

// The printed size of what the device shows, in hundredths of a millimetre.
int hundredthsOfMm(int pixels, int dpi) {
    return static_cast<int>(std::lround(pixels * 2540.0 / std::max(1, dpi)));
}

}  // namespace

void DialImage::paint(QPainter& painter, const EventChart& events, const QString& fontFace,
                      QSize area) {
    painter.fillRect(QRect(QPoint(0, 0), area), Qt::white);
    Canvas canvas(painter, Canvas::Units::Pixels);
    paintDial(canvas, events, fontFace, area.width(), area.height(), false);
}

void DialImage::paintPage(QPainter& painter, const EventChart& events, const QString& fontFace,
                          QSize pageSize) {
    Canvas canvas(painter, Canvas::Units::HundredthsOfMm);
    paintDial(canvas, events, fontFace, pageSize.width(), -pageSize.height(), true);
}

void DialImage::paintPrinterPage(QPainter& painter, const EventChart& events,
                                 const QString& fontFace) {
    const QPaintDevice* device = painter.device();
    paintPage(painter, events, fontFace,
              QSize(hundredthsOfMm(device->width(), device->logicalDpiX()),
                    hundredthsOfMm(device->height(), device->logicalDpiY())));
}

bool DialImage::savePdf(const EventChart& events, const std::string& title, const QString& fontFace,
                        const QPageSize& pageSize, QPageLayout::Orientation orientation,
                        const std::filesystem::path& path, std::string* error) {
    const auto paint = [&](QPdfWriter&, QPainter& painter, std::string*) {
        paintPrinterPage(painter, events, fontFace);
        return true;
    };
    return PrintedPdf::write(pageSize, orientation, QString::fromStdString(title), paint, path,
                             error);
}

bool DialImage::save(const EventChart& events, const QString& fontFace, QSize area,
                     const std::filesystem::path& path, std::string* error) {
    if (area.width() > kLargestSide || area.height() > kLargestSide) {
        if (error != nullptr) *error = "the picture may be at most 16384 pixels wide and high";
        return false;
    }
    return PictureExport::save(
        area, [&](QPainter& painter) { paint(painter, events, fontFace, area); }, path, error);
}

}  // namespace orvanta
