#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QList>
#include <QPaintDevice>
#include <QPainter>
#include <QString>
#include <cstddef>

namespace orvanta {

// The aspect table's texts, shaped once and kept from one paint to the next. Measuring and
// writing a text shape it, and shaping costs more than drawing the glyphs; a repaint writes
// the same texts in the same fonts again. Kept per font, device resolution and the face the
// font's name stands for.
class ShapedTextStore {
  public:
    // A text as it was shaped: its advance, and once asked for, its glyphs placed from the top
    // of its line with the ascent of that line.
    struct Text {
        double advance = -1.0;  // not yet measured
        bool laidOut = false;
        double ascent = 0.0;
        QList<QGlyphRun> runs;
    };
    using Texts = QHash<QString, Text>;

    // Empties the store once it holds many fonts or texts; called before a paint takes the
    // texts of its fonts, never while it uses them.
    static void keepBounded(std::size_t fontsToCome);
    // The texts of a font on a device; they stay in place until the store is emptied.
    static Texts& of(const QFont& font, const QPaintDevice* device);
    // The text in the painter's font: measured, and with its glyphs when asked for.
    static const Text& shaped(Texts& texts, const QPainter& painter, const QString& text,
                              bool withGlyphs);
};

}  // namespace orvanta
