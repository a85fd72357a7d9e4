#include "natal/paint/ShapedTextStore.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QTextLayout>
#include <map>

namespace orvanta {
namespace {

// A node map, so that a font's texts stay where they are as other fonts join.
std::map<QString, ShapedTextStore::Texts>& store() {
    static std::map<QString, ShapedTextStore::Texts> fonts;
    return fonts;
}

}  // namespace

void ShapedTextStore::keepBounded(std::size_t fontsToCome) {
    // Every window size has fonts of its own, and every chart texts of its own.
    constexpr std::size_t kFontsKept = 60;
    constexpr qsizetype kTextsKept = 20000;
    qsizetype texts = 0;
    for (const auto& entry : store()) texts += entry.second.size();
    if (store().size() + fontsToCome > kFontsKept || texts > kTextsKept) store().clear();
}

ShapedTextStore::Texts& ShapedTextStore::of(const QFont& font, const QPaintDevice* device) {
    // The face the name stands for as well: a face mapped anew shapes anew.
    const int resolution = device ? device->logicalDpiX() : 0;
    const QString face = QFontInfo(font).family();
    return store()[font.key() + QString("/%1/").arg(resolution) + face];
}

const ShapedTextStore::Text& ShapedTextStore::shaped(Texts& texts, const QPainter& painter,
                                                     const QString& text, bool withGlyphs) {
    Text& entry = texts[text];
    // The advance as the font's metrics give it: a laid-out line can measure a small font a
    // little differently, and the centred texts must stay where they were.
    if (entry.advance < 0.0)
        entry.advance = QFontMetricsF(painter.font(), painter.device()).horizontalAdvance(text);
    if (!withGlyphs || entry.laidOut) return entry;
    QTextLayout layout(text, painter.font(), painter.device());
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setTextDirection(painter.layoutDirection());
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid()) line.setLineWidth(1e6);
    layout.endLayout();
    entry.ascent = line.isValid() ? line.ascent() : 0.0;
    entry.runs = layout.glyphRuns();
    entry.laidOut = true;
    return entry;
}

}  // namespace orvanta
