#pragma once

#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include "draw/GlyphTable.h"

namespace orvanta {

// Draws one picture of the glyph table: a character or letters of a font fitted into the
// picture, a figure drawn from lines, or a star polygon.
class GlyphPainter {
  public:
    static constexpr int kSymbolSize = 96;
    static constexpr int kPictogramSize = 32;

    // Throws std::runtime_error for a drawing it does not know or a character the font lacks.
    static QImage paint(const GlyphRow& row);
    // Draws the same figure on any painter, in a square of side sizeOf(row) at the origin of
    // the painter's coordinates; the painter's transformation scales it to where it goes.
    // Only a pictogram's tile is filled: a symbol leaves its ground as it was.
    static void draw(QPainter& painter, const GlyphRow& row);
    // The side of the delivered picture in pixels.
    static int sizeOf(const GlyphRow& row);

  private:
    static QPainterPath textPath(const GlyphRow& row, const QString& text);
    static void drawText(QPainter& painter, const GlyphRow& row, const QString& text, double box,
                         double stroke);
    static void drawShape(QPainter& painter, const QString& name, const QColor& ink, double box);
    static void drawStar(QPainter& painter, const QString& figure, const QColor& ink, double box);
    static void drawTile(QPainter& painter, const QColor& ground, int size);
};

}  // namespace orvanta
