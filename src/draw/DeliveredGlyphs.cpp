#include "draw/DeliveredGlyphs.h"

#include <QHash>
#include <QVector>
#include <stdexcept>
#include <unordered_map>

#include "common/Picture.h"
#include "draw/BitmapEncoder.h"
#include "draw/GlyphPainter.h"
#include "draw/PicturePainter.h"

namespace orvanta {
namespace {

// Over the colours only: the unused byte of a 32-bit pixel differs between decodings, and
// QImage's comparison ignores it too.
std::size_t pixelHash(const QImage& image) {
    std::size_t hash = qHash(image.size());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            hash = qHashMulti(hash, image.pixel(x, y) & 0xFFFFFFu);
    }
    return hash;
}

}  // namespace

struct DeliveredGlyphs::Index {
    struct Entry {
        const GlyphRow* row;
        QImage bitmap;
    };
    std::unordered_multimap<std::size_t, Entry> byPixels;
};

QImage DeliveredGlyphs::bitmapOf(const GlyphRow& row) {
    const QImage drawn = GlyphPainter::paint(row);
    Picture picture;
    picture.assign(row.kind == "pictogram" ? BitmapEncoder::trueColour(drawn)
                                           : BitmapEncoder::greys(drawn));
    return PicturePainter::toImage(picture);
}

// Drawn once, on the first picture that could be drawn as vectors: a few dozen small images.
const DeliveredGlyphs::Index& DeliveredGlyphs::index() {
    static const Index built = [] {
        Index index;
        for (const GlyphRow& row : GlyphTable::delivered()) {
            try {
                QImage bitmap = bitmapOf(row);
                const std::size_t hash = pixelHash(bitmap);
                index.byPixels.emplace(hash, Index::Entry{&row, std::move(bitmap)});
            } catch (const std::runtime_error&) {
                // A font this computer lacks: that picture stays a bitmap.
            }
        }
        return index;
    }();
    return built;
}

const GlyphRow* DeliveredGlyphs::find(const QImage& decoded) {
    if (decoded.isNull()) return nullptr;
    const Index& all = index();
    const auto [first, last] = all.byPixels.equal_range(pixelHash(decoded));
    for (auto it = first; it != last; ++it) {
        if (it->second.bitmap == decoded) return it->second.row;
    }
    return nullptr;
}

// Symbols are stored as greys; the figure is drawn in the grey its ink became.
QColor DeliveredGlyphs::storedInk(const GlyphRow& row) {
    if (row.kind == "pictogram") return row.ink;
    QImage dot(1, 1, QImage::Format_RGB32);
    dot.fill(row.ink);
    return QColor(dot.convertToFormat(QImage::Format_Grayscale8).pixel(0, 0));
}

void DeliveredGlyphs::draw(QPainter& painter, const GlyphRow& row, const QRectF& target) {
    GlyphRow inked = row;
    inked.ink = storedInk(row);
    const double size = GlyphPainter::sizeOf(row);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.translate(target.topLeft());
    painter.scale(target.width() / size, target.height() / size);
    try {
        GlyphPainter::draw(painter, inked);
    } catch (const std::runtime_error&) {
        // Not reached: find() only answers rows that were drawn.
    }
    painter.restore();
}

}  // namespace orvanta
