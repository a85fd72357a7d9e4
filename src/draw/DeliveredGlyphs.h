#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>

#include "draw/GlyphTable.h"

namespace orvanta {

// Recognises the delivered pictures so that they can be drawn as vectors wherever a bitmap
// would be blurred: on high-density screens, on the page and in vector files. A picture is
// delivered when it shows exactly the pixels that the glyph drawing makes for a row of the
// built-in table, however its file was written; any other picture is one the user chose.
class DeliveredGlyphs {
  public:
    // The row whose bitmap the decoded image is, or null.
    static const GlyphRow* find(const QImage& decoded);

    // Draws the row's figure into the rectangle of the painter's coordinates, in the colours of
    // its delivered bitmap (a symbol's ink as the grey its bitmap holds).
    static void draw(QPainter& painter, const GlyphRow& row, const QRectF& target);

    // The delivered bitmap of a row, decoded as every picture is.
    static QImage bitmapOf(const GlyphRow& row);

  private:
    struct Index;
    static const Index& index();
    static QColor storedInk(const GlyphRow& row);
};

}  // namespace orvanta
