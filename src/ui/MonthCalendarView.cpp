#include "ui/MonthCalendarView.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "birthdata/paint/MonthCalendarPainter.h"
#include "draw/Canvas.h"

namespace orvanta {

MonthCalendarView::MonthCalendarView(const MonthCalendarGrid& grid, QString fontFamily,
                                     QWidget* parent)
    : QWidget(parent), grid_(grid), fontFamily_(std::move(fontFamily)) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

Rect MonthCalendarView::gridRect() const {
    return {1, 1, width(), height()};
}

QPoint MonthCalendarView::centreOfDay(int day) const {
    const Rect rect = gridRect();
    const MonthCalendarGrid::Layout layout = grid_.layout(rect);
    const int rows = layout.weekRows + 1;
    for (const auto& cell : layout.days) {
        if (cell.day != day) continue;
        const int left = rect.left + rect.width() * cell.column / 7;
        const int right = rect.left + rect.width() * (cell.column + 1) / 7;
        const int top = rect.top + rect.height() * cell.row / rows;
        const int bottom = rect.top + rect.height() * (cell.row + 1) / rows;
        return {(left + right) / 2, (top + bottom) / 2};
    }
    return {-1, -1};
}

QSize MonthCalendarView::sizeHint() const {
    return {240, 160};
}

QSize MonthCalendarView::minimumSizeHint() const {
    return {200, 130};
}

void MonthCalendarView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Canvas canvas(painter, Canvas::Units::Pixels);
    // The grid's own font height was made for screens of fewer dots; on the screen of this
    // dialog the numbers are drawn at least as tall as the dialog's own text.
    MonthCalendarGrid shown = grid_;
    shown.fontHeight = std::max(grid_.fontHeight, fontMetrics().height());
    MonthCalendarPainter::draw(canvas, shown, gridRect(), fontFamily_);
}

void MonthCalendarView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint point = event->position().toPoint();
    const Rect rect = gridRect();
    if (point.x() < rect.left || point.x() >= rect.right || point.y() < rect.top ||
        point.y() >= rect.bottom) {
        return;
    }
    emit clicked(point.x(), point.y());
}

}  // namespace orvanta
