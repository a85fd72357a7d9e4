#include "draw/PicturePainter.h"

#include <QByteArray>
#include <cmath>

namespace orvanta {

QImage PicturePainter::toImage(const Picture& picture) {
    if (picture.isEmpty()) return {};
    // The picture holds only checked blocks; Qt's reader decodes every depth and compression
    // of them from the stand-alone file form.
    const auto file = picture.fileForm();
    const QByteArray data(reinterpret_cast<const char*>(file.data()),
                          static_cast<qsizetype>(file.size()));
    return QImage::fromData(data, "BMP").convertToFormat(QImage::Format_RGB32);
}

bool PicturePainter::isExactSize(const Canvas& canvas, const Picture& picture, double left,
                                 double top, double right, double bottom) {
    // Only screen pixels can match the picture's pixels; on the page it is always stretched.
    return canvas.units() == Canvas::Units::Pixels && std::fabs(right - left) == picture.width() &&
           std::fabs(bottom - top) == picture.height();
}

void PicturePainter::drawAnded(QPainter& painter, const QImage& image, const QRectF& target) {
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.drawImage(target, image);
}

// Vector devices know no raster operations. Drawing the picture with its white made
// transparent looks the same as AND for the dark symbols on light grounds that pictures are.
void PicturePainter::drawWhiteTransparent(QPainter& painter, const QImage& image,
                                          const QRectF& target) {
    QImage masked = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < masked.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(masked.scanLine(y));
        for (int x = 0; x < masked.width(); ++x) {
            if ((row[x] & 0x00FFFFFF) == 0x00FFFFFF) row[x] = 0;
        }
    }
    painter.drawImage(target, masked);
}

void PicturePainter::draw(Canvas& canvas, const Picture& picture, double left, double top,
                          double right, double bottom) {
    const QImage image = toImage(picture);
    if (image.isNull()) return;
    QPainter& painter = canvas.painter();
    painter.save();
    const QRectF target = canvas.toDeviceRect(left, top, right, bottom);
    if (isExactSize(canvas, picture, left, top, right, bottom)) {
        painter.drawImage(target.topLeft(), image);
    } else {
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        if (canvas.isVectorDevice()) {
            drawWhiteTransparent(painter, image, target);
        } else {
            drawAnded(painter, image, target);
        }
    }
    painter.restore();
}

}  // namespace orvanta
