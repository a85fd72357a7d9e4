#include "birthdata/paint/MonthCalendarPainter.h"

#include <QColor>

#include "draw/Canvas.h"

namespace orvanta {
namespace {

QColor toQColor(const MonthCalendarGrid::Colour& colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

void drawLines(Canvas& canvas, const std::vector<Line>& lines) {
    for (const auto& line : lines) canvas.drawLine(line.from.x, line.from.y, line.to.x, line.to.y);
}

void drawLabel(Canvas& canvas, const MonthCalendarGrid::Label& label) {
    canvas.drawText(label.x, label.y, QString::fromStdString(label.text),
                    Canvas::AlignLeft | Canvas::AlignTop);
}

}  // namespace

void MonthCalendarPainter::draw(Canvas& canvas, const MonthCalendarGrid& grid, const Rect& rect,
                                const QString& fontFamily) {
    if (rect.width() <= 0 || rect.height() <= 0) return;
    const MonthCalendarGrid::Layout layout = grid.layout(rect);

    canvas.setFont(fontFamily, grid.fontHeight);
    canvas.fillRect(rect.left, rect.top, rect.right, rect.bottom, toQColor(grid.background));

    canvas.setPen(toQColor(grid.gridColour), 0.0);
    drawLines(canvas, layout.gridLines);
    canvas.setPen(toQColor(MonthCalendarGrid::kHeadColour), 0.0);
    for (const auto& head : layout.heads) drawLabel(canvas, head);

    canvas.setPen(toQColor(MonthCalendarGrid::kShadowColour), 0.0);
    drawLines(canvas, layout.shadowLines);

    for (const auto& cell : layout.days) {
        const auto& colour = cell.highlighted ? grid.highlightColour : grid.dayColour;
        canvas.setPen(toQColor(colour), 0.0);
        drawLabel(canvas, cell.label);
    }
}

}  // namespace orvanta
