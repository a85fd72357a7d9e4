#include "draw/GlyphTable.h"

#include <QFile>
#include <QStringList>
#include <QTextStream>
#include <stdexcept>

namespace orvanta {

// The text of data/pictures/glyphs.tsv, written into a source file when the build is configured.
extern const char kDeliveredGlyphTable[];

const QVector<GlyphRow>& GlyphTable::delivered() {
    // The picture generator has read the same text at build time, so it parses.
    static const QVector<GlyphRow> rows = parse(QString::fromUtf8(kDeliveredGlyphTable));
    return rows;
}

GlyphRow GlyphTable::parseRow(const QString& line, int number) {
    const QStringList fields = line.split('\t');
    auto fail = [&](const QString& why) {
        throw std::runtime_error(QString("line %1: %2").arg(number).arg(why).toStdString());
    };
    if (fields.size() != 6) fail("expected 6 tab-separated fields");
    GlyphRow row;
    row.file = fields[0];
    row.kind = fields[1];
    row.drawing = fields[2];
    const QStringList font = fields[3].split(':');
    row.family = font[0] == "-" ? QString() : font[0];
    row.bold = font.size() > 1 && font[1] == "bold";
    row.ink = QColor(fields[4]);
    if (fields[5] != "-") row.ground = QColor(fields[5]);
    if (row.kind != "sign" && row.kind != "symbol" && row.kind != "pictogram") fail("unknown kind");
    if (!row.ink.isValid() || (fields[5] != "-" && !row.ground.isValid())) fail("bad colour");
    return row;
}

QVector<GlyphRow> GlyphTable::read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        throw std::runtime_error("cannot read " + path.toStdString());
    }
    return parse(QString::fromUtf8(file.readAll()));
}

QVector<GlyphRow> GlyphTable::parse(const QString& text) {
    QString copy = text;
    QTextStream in(&copy, QIODevice::ReadOnly);
    QVector<GlyphRow> rows;
    for (int number = 1; !in.atEnd(); ++number) {
        const QString line = in.readLine();
        if (line.trimmed().isEmpty() || line.startsWith('#')) continue;
        rows.push_back(parseRow(line, number));
    }
    return rows;
}

}  // namespace orvanta
