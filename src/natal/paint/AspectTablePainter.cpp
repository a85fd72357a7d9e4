#include "natal/paint/AspectTablePainter.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "draw/Canvas.h"
#include "draw/ChartResources.h"
#include "draw/PicturePainter.h"
#include "natal/paint/ShapedTextStore.h"

namespace orvanta {
namespace {

const QColor kLineColour(0, 0, 0);
const QColor kCellColour(255, 255, 255);
const QColor kDiagonalColour(200, 150, 150);

void drawPicture(Canvas& canvas, const Picture& picture, const Rect& square) {
    PicturePainter::draw(canvas, picture, square.left, square.top, square.right, square.bottom);
}

// The average character width that a requested character width means: the lower-case letters
// and the space weighted by their frequency in English text, the measure the configured faces
// were made to. Faces that compute it over all their glyphs would otherwise come out narrower.
double averageCharWidth(const QFontMetricsF& metrics) {
    static constexpr struct {
        char letter;
        int weight;
    } kWeights[] = {{'a', 64}, {'b', 14}, {'c', 27}, {'d', 35}, {'e', 100}, {'f', 20}, {'g', 14},
                    {'h', 42}, {'i', 63}, {'j', 3},  {'k', 6},  {'l', 35},  {'m', 20}, {'n', 56},
                    {'o', 56}, {'p', 17}, {'q', 4},  {'r', 49}, {'s', 56},  {'t', 71}, {'u', 31},
                    {'v', 10}, {'w', 18}, {'x', 3},  {'y', 18}, {'z', 2},   {' ', 166}};
    double sum = 0.0;
    for (const auto& entry : kWeights) {
        sum += entry.weight * metrics.horizontalAdvance(QChar(entry.letter));
    }
    return sum / 1000.0;
}

void drawLabels(Canvas& canvas, const ChartData& chart,
                const std::vector<AspectTableLayout::Label>& labels) {
    for (const auto& label : labels)
        drawPicture(canvas, chart.style[label.object].symbol, label.picture);
}

}  // namespace

QFont AspectTablePainter::font(Canvas& canvas, const QString& face,
                               const AspectTableLayout::FontSize& size) {
    canvas.setFont(face, size.height);
    QPainter& painter = canvas.painter();
    QFont font = painter.font();
    font.setStyleHint(QFont::SansSerif);
    // The height is that of the whole character cell, ascent and descent together.
    const QFontMetricsF cell(font, painter.device());
    if (cell.height() > 0.0 && font.pixelSize() > 0) {
        const double scaled = font.pixelSize() * size.height / cell.height();
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(scaled))));
    }
    if (size.width > 0) {
        const QFontMetricsF natural(font, painter.device());
        const double average = averageCharWidth(natural);
        if (average > 0.0) {
            const long stretch = std::lround(100.0 * size.width / average);
            font.setStretch(static_cast<int>(std::clamp(stretch, 1L, 4000L)));
        }
    }
    return font;
}

AspectTablePainter::Lettering AspectTablePainter::lettering(
    Canvas& canvas, const QString& face, const AspectTableLayout::FontSize& size) {
    Lettering lettering;
    lettering.font = font(canvas, face, size);
    lettering.texts = &ShapedTextStore::of(lettering.font, canvas.painter().device());
    lettering.glyphRuns = fillsWholePixels(canvas.painter());
    return lettering;
}

// An SVG reader knows neither the configured face names nor the narrowed character widths, so
// in an SVG the texts go as outlines; every other device writes them as text, placed as the
// canvas places it.
void AspectTablePainter::writeText(Canvas& canvas, const Lettering& lettering, const Point& at,
                                   const QString& text, int align) {
    QPainter& painter = canvas.painter();
    if (painter.font() != lettering.font) painter.setFont(lettering.font);
    const QFontMetricsF metrics(painter.font(), painter.device());
    const auto& shaped =
        ShapedTextStore::shaped(*lettering.texts, painter, text, lettering.glyphRuns);
    double left = at.x;
    if ((align & Canvas::AlignCenter) == Canvas::AlignCenter) left -= shaped.advance / 2.0;
    const double baseline = at.y + metrics.ascent();
    if (lettering.glyphRuns) {
        for (const QGlyphRun& run : shaped.runs)
            painter.drawGlyphRun(QPointF(left, baseline - shaped.ascent), run);
        return;
    }
    const QPaintEngine* engine = painter.paintEngine();
    if (engine == nullptr || engine->type() != QPaintEngine::SVG) {
        painter.drawText(QPointF(left, baseline), text);
        return;
    }
    QPainterPath outline;
    outline.addText(left, baseline, painter.font(), text);
    painter.fillPath(outline, painter.pen().color());
}

bool AspectTablePainter::fillsWholePixels(const QPainter& painter) {
    const QPaintEngine* engine = painter.paintEngine();
    if (engine == nullptr || engine->type() != QPaintEngine::Raster) return false;
    const QTransform transform = painter.deviceTransform();
    return transform.type() <= QTransform::TxTranslate &&
           transform.dx() == std::trunc(transform.dx()) &&
           transform.dy() == std::trunc(transform.dy());
}

// A cell is outlined with the black pen and filled with the fill colour, the painter's brush,
// over the pixels from its left and top up to, not including, its right and bottom.
void AspectTablePainter::drawCell(Canvas& canvas, const Rect& cell, const QColor& fill,
                                  bool wholePixels) {
    if (cell.width() <= 0 || cell.height() <= 0) return;
    if (!wholePixels) {
        canvas.drawRect(cell.left, cell.top, cell.right - 1, cell.bottom - 1);
        return;
    }
    QPainter& painter = canvas.painter();
    const QRect covered(cell.left, cell.top, cell.width(), cell.height());
    if (covered.width() > 2 && covered.height() > 2)
        painter.fillRect(covered.adjusted(1, 1, -1, -1), fill);
    painter.fillRect(QRect(covered.left(), covered.top(), covered.width(), 1), kLineColour);
    painter.fillRect(QRect(covered.left(), covered.bottom(), covered.width(), 1), kLineColour);
    painter.fillRect(QRect(covered.left(), covered.top(), 1, covered.height()), kLineColour);
    painter.fillRect(QRect(covered.right(), covered.top(), 1, covered.height()), kLineColour);
}

// A line covers both of its end points, as the cosmetic pen draws it.
void AspectTablePainter::drawGridLine(Canvas& canvas, const Line& line, bool wholePixels) {
    if (wholePixels && (line.from.x == line.to.x || line.from.y == line.to.y)) {
        const QRect covered(QPoint(line.from.x, line.from.y), QPoint(line.to.x, line.to.y));
        canvas.painter().fillRect(covered.normalized(), kLineColour);
        return;
    }
    canvas.drawLine(line.from.x, line.from.y, line.to.x, line.to.y);
}

void AspectTablePainter::paintScreen(Canvas& canvas, const NatalChart& natal,
                                     const ChartResources& resources, const Rect& target,
                                     int zoom) {
    paint(canvas, natal.chart, natal.aspects, resources,
          AspectTableLayout::screenArea(target, zoom));
}

void AspectTablePainter::paintPrinter(Canvas& canvas, const NatalChart& natal,
                                      const ChartResources& resources, int pageWidth,
                                      int pageHeight) {
    paint(canvas, natal.chart, natal.aspects, resources,
          AspectTableLayout::printerArea(pageWidth, pageHeight));
}

void AspectTablePainter::paint(Canvas& canvas, const ChartData& chart,
                               const NatalAspectTable& aspects, const ChartResources& resources,
                               const Rect& area) {
    const AspectTableLayout layout =
        AspectTableLayout::compute(chart, aspects, area, resources.degreeNotation);
    if (layout.isEmpty()) return;
    QPainter& painter = canvas.painter();
    painter.save();
    // Lines and cells sit on whole pixels and must stay one pixel wide, whatever smoothing the
    // caller asked for.
    painter.setRenderHint(QPainter::Antialiasing, false);
    Canvas pixels(painter, Canvas::Units::Pixels);
    draw(pixels, layout, chart, aspects, resources);
    painter.restore();
}

void AspectTablePainter::draw(Canvas& canvas, const AspectTableLayout& layout,
                              const ChartData& chart, const NatalAspectTable& aspects,
                              const ChartResources& resources) {
    const QString face = QString::fromStdString(resources.serifFace);
    ShapedTextStore::keepBounded(3);  // before the three letterings take their texts
    const Lettering mark = lettering(canvas, face, layout.markFont);
    const Lettering degree = lettering(canvas, face, layout.degreeFont);
    const Lettering separation = lettering(canvas, face, layout.separationFont);
    QPainter& painter = canvas.painter();
    canvas.setPen(kLineColour, 0.0);
    const bool wholePixels = fillsWholePixels(painter);

    drawLabels(canvas, chart, layout.topLabels);
    drawLabels(canvas, chart, layout.leftLabels);
    drawLabels(canvas, chart, layout.bottomLabels);

    for (const auto& row : layout.rightColumn) {
        canvas.setBrush(kCellColour);
        drawCell(canvas, row.cell, kCellColour, wholePixels);
        drawPicture(canvas, chart.style[row.object].symbol, row.symbol);
        if (row.retrograde) {
            writeText(canvas, mark, row.mark, AspectTableLayout::kRetrogradeMark,
                      Canvas::AlignLeft | Canvas::AlignTop);
        }
        writeText(canvas, degree, row.degreePosition, QString::fromStdString(row.degreeText),
                  Canvas::AlignLeft | Canvas::AlignTop);
        drawPicture(canvas, resources.signPicture(row.sign), row.signPicture);
    }

    for (const auto& symbol : layout.aspectSymbols) {
        drawPicture(canvas, aspects[static_cast<std::size_t>(symbol.aspect)].symbol,
                    symbol.picture);
    }

    canvas.setBrush(kCellColour);
    for (const auto& cell : layout.separations) {
        drawCell(canvas, cell.cell, kCellColour, wholePixels);
        writeText(canvas, separation, cell.textPosition, QString::fromStdString(cell.text),
                  Canvas::AlignCenter | Canvas::AlignTop);
    }

    for (const auto& line : layout.gridLines) drawGridLine(canvas, line, wholePixels);
    canvas.setBrush(kDiagonalColour);
    for (const auto& cell : layout.diagonal) drawCell(canvas, cell, kDiagonalColour, wholePixels);
}

}  // namespace orvanta
