#include "draw/PicturePainter.h"

#include <QByteArray>
#include <cmath>
#include <unordered_map>

#include "draw/DeliveredGlyphs.h"

namespace orvanta {

// One picture as drawn: opaque for the raster devices, with its white made transparent for
// the vector ones (made when first asked for).
struct PicturePainter::Decoded {
    std::uint64_t revision = 0;
    QImage opaque;
    QImage transparent;
    QImage scaled;  // the opaque image at the size it was last stretched to
    bool glyphLooked = false;
    const GlyphRow* glyph = nullptr;  // the row of a delivered picture
};

namespace {

// The decoded pictures by the picture they came from. An entry is replaced as soon as its
// picture holds another bitmap; a picture's address may be reused by another picture later,
// which the revision tells apart. The store never grows past a few documents' pictures.
struct DecodedStore {
    static constexpr std::size_t kLargest = 4096;
    std::unordered_map<const Picture*, PicturePainter::Decoded> entries;
    int decodes = 0;
};

DecodedStore& store() {
    static DecodedStore instance;
    return instance;
}

}  // namespace

QImage PicturePainter::toImage(const Picture& picture) {
    if (picture.isEmpty()) return {};
    // The picture holds only checked blocks; Qt's reader decodes every depth and compression
    // of them from the stand-alone file form.
    const auto file = picture.fileForm();
    const QByteArray data(reinterpret_cast<const char*>(file.data()),
                          static_cast<qsizetype>(file.size()));
    return QImage::fromData(data, "BMP").convertToFormat(QImage::Format_RGB32);
}

int PicturePainter::decodeCount() {
    return store().decodes;
}

void PicturePainter::forgetDecoded() {
    store().entries.clear();
    store().decodes = 0;
}

PicturePainter::Decoded& PicturePainter::decoded(const Picture& picture) {
    DecodedStore& cache = store();
    auto found = cache.entries.find(&picture);
    if (found != cache.entries.end() && found->second.revision == picture.revision()) {
        return found->second;
    }
    if (found == cache.entries.end() && cache.entries.size() >= DecodedStore::kLargest) {
        cache.entries.clear();
    }
    Decoded& entry = cache.entries[&picture];
    entry = Decoded{picture.revision(), toImage(picture), {}, {}, false, nullptr};
    ++cache.decodes;
    return entry;
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
QImage PicturePainter::whiteTransparent(const QImage& image) {
    QImage masked = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < masked.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(masked.scanLine(y));
        for (int x = 0; x < masked.width(); ++x) {
            if ((row[x] & 0x00FFFFFF) == 0x00FFFFFF) row[x] = 0;
        }
    }
    return masked;
}

double PicturePainter::pixelRatio(const QPainter& painter) {
    const QPaintDevice* device = painter.device();
    return device == nullptr ? 1.0 : device->devicePixelRatioF();
}

const GlyphRow* PicturePainter::deliveredGlyph(Decoded& entry) {
    if (!entry.glyphLooked) {
        entry.glyph = DeliveredGlyphs::find(entry.opaque);
        entry.glyphLooked = true;
    }
    return entry.glyph;
}

bool PicturePainter::drawDelivered(QPainter& painter, const Picture& picture,
                                   const QRectF& target) {
    // On a screen of ordinary density the delivered bitmaps are the drawing itself.
    if (picture.isEmpty() || (pixelRatio(painter) <= 1.0 && !Canvas::isVectorPainter(painter))) {
        return false;
    }
    Decoded& entry = decoded(picture);
    const GlyphRow* glyph = deliveredGlyph(entry);
    if (glyph == nullptr) return false;
    DeliveredGlyphs::draw(painter, *glyph, target);
    return true;
}

void PicturePainter::drawImage(QPainter& painter, const Picture& picture, const QRectF& target) {
    if (picture.isEmpty() || drawDelivered(painter, picture, target)) return;
    const QImage& image = decoded(picture).opaque;
    if (image.isNull()) return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, pixelRatio(painter) > 1.0);
    painter.drawImage(target, image);
    painter.restore();
}

// Stretched once to the device pixels it covers, then copied paint after paint.
void PicturePainter::drawStretchedAnded(QPainter& painter, Decoded& entry, const QRectF& target) {
    const double ratio = pixelRatio(painter);
    const QSize size(static_cast<int>(std::lround(target.width() * ratio)),
                     static_cast<int>(std::lround(target.height() * ratio)));
    if (size.isEmpty()) {
        drawAnded(painter, entry.opaque, target);
        return;
    }
    if (entry.scaled.size() != size) {
        entry.scaled = entry.opaque.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        entry.scaled.setDevicePixelRatio(ratio);
    }
    drawAnded(painter, entry.scaled, QRectF(target.topLeft(), QSizeF(size) / ratio));
}

void PicturePainter::draw(Canvas& canvas, const Picture& picture, double left, double top,
                          double right, double bottom) {
    if (picture.isEmpty()) return;
    Decoded& entry = decoded(picture);
    if (entry.opaque.isNull()) return;
    QPainter& painter = canvas.painter();
    const QRectF target = canvas.toDeviceRect(left, top, right, bottom);
    if (drawDelivered(painter, picture, target)) return;
    painter.save();
    if (isExactSize(canvas, picture, left, top, right, bottom) && pixelRatio(painter) <= 1.0) {
        painter.drawImage(target.topLeft(), entry.opaque);
    } else {
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        if (canvas.isVectorDevice()) {
            if (entry.transparent.isNull()) entry.transparent = whiteTransparent(entry.opaque);
            painter.drawImage(target, entry.transparent);
        } else {
            drawStretchedAnded(painter, entry, target);
        }
    }
    painter.restore();
}

}  // namespace orvanta
