#include "natal/paint/PatternPainter.h"

#include <QPainter>

#include "natal/WheelLayout.h"

namespace orvanta {

QColor PatternPainter::colourOf(PatternKind kind) {
    switch (kind) {
        case PatternKind::Stellium:
            return QColor(255, 140, 0);
        case PatternKind::GrandTrine:
            return QColor(0, 176, 80);
        case PatternKind::TSquare:
            return QColor(220, 20, 60);
        case PatternKind::GrandCross:
            return QColor(128, 0, 128);
        case PatternKind::Yod:
            return QColor(200, 160, 0);
        case PatternKind::Kite:
            return QColor(0, 120, 255);
        case PatternKind::MysticRectangle:
            return QColor(0, 160, 160);
    }
    return QColor(0, 0, 0);
}

void PatternPainter::paint(Canvas& canvas, const NatalChart& natal, const ChartResources& resources,
                           const QRect& target) {
    const auto frame =
        WheelLayout::Frame::screen(target.left(), target.top(), target.width(), target.height());
    paint(canvas, natal, WheelLayout::compute(natal.chart, natal.orientation, natal.aspects, frame),
          resources, target);
}

void PatternPainter::paint(Canvas& canvas, const NatalChart& natal, const WheelLayout& layout,
                           const ChartResources& resources, const QRect& target) {
    const auto patterns = AspectPatterns::find(natal.chart, natal.aspects);
    // Right of the mark that the window puts in the corner of its active pane.
    const Point origin{target.left() + 24, target.top() + 4};
    paint(canvas, PatternHighlight::compute(layout, patterns, origin), resources);
}

void PatternPainter::paint(Canvas& canvas, const PatternHighlight& highlight,
                           const ChartResources& resources) {
    QPainter& painter = canvas.painter();
    painter.save();
    for (const PatternHighlight::Stroke& stroke : highlight.strokes) {
        canvas.setPen(colourOf(stroke.kind), highlight.lineWidth);
        canvas.drawLine(stroke.line.from.x, stroke.line.from.y, stroke.line.to.x, stroke.line.to.y);
    }
    canvas.setPen(QColor(0, 0, 0), 1.0);
    canvas.setFont(QString::fromStdString(resources.sansFace), highlight.rowHeight * 0.7);
    for (const PatternHighlight::LegendRow& row : highlight.legend) {
        canvas.fillRect(row.swatch.left, row.swatch.top, row.swatch.right, row.swatch.bottom,
                        colourOf(row.kind));
        const std::string_view label = PatternHighlight::label(row.kind);
        canvas.drawText(row.text.x, row.text.y,
                        QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size())));
    }
    if (highlight.noneNote) {
        canvas.drawText(
            highlight.noneNote->x, highlight.noneNote->y,
            QString::fromUtf8(PatternHighlight::kNoneFound.data(),
                              static_cast<qsizetype>(PatternHighlight::kNoneFound.size())));
    }
    painter.restore();
}

}  // namespace orvanta
