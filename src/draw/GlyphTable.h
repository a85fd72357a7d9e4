#pragma once

#include <QColor>
#include <QString>
#include <QVector>

namespace orvanta {

// One row of the glyph table: what to draw and where it goes.
struct GlyphRow {
    QString file;
    QString kind;     // sign, symbol or pictogram
    QString drawing;  // char:U+XXXX, text:..., shape:..., star:N/K
    QString family;
    bool bold = false;
    QColor ink;
    QColor ground;  // invalid for a white ground
};

// Reads the tab-separated glyph table; lines starting with '#' and blank lines are skipped.
class GlyphTable {
  public:
    // Throws std::runtime_error naming the line that is wrong.
    static QVector<GlyphRow> read(const QString& path);
    static QVector<GlyphRow> parse(const QString& text);
    // The table the delivered pictures were drawn from, built into the program.
    static const QVector<GlyphRow>& delivered();

  private:
    static GlyphRow parseRow(const QString& line, int number);
};

}  // namespace orvanta
