#include "ui/TwoChartView.h"

#include <QPainter>
#include <algorithm>

namespace orvanta {

TwoChartView::TwoChartView(TwoChartImage::Kind kind, const TwoChartSource& charts,
                           const ChartResources& resources, QWidget* parent)
    : QWidget(parent), kind_(kind), charts_(charts), resources_(resources) {
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(250, 150);
    connect(&charts_, &TwoChartSource::changed, this, qOverload<>(&QWidget::update));
}

void TwoChartView::setActiveView(bool active) {
    if (active_ == active) return;
    active_ = active;
    update(QRect(0, 0, 24, 24));
}

void TwoChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.fillRect(rect(), Qt::white);
    // The outer ring's symbols reach past the area the wheel is laid out in: the whole
    // drawing is made smaller to show in the pane.
    const QSize drawn =
        TwoChartImage::placement(kind_, charts_.inner(), charts_.outer(), size()).size;
    const double scale =
        std::min({1.0, double(width()) / drawn.width(), double(height()) / drawn.height()});
    painter.save();
    painter.scale(scale, scale);
    TwoChartImage::paint(kind_, painter, charts_.inner(), charts_.outer(), resources_, size());
    painter.restore();
    // The same mark as the natal window's panes.
    painter.setPen(QPen(active_ ? QColor(0, 90, 0) : QColor(150, 150, 150), 1));
    painter.setBrush(active_ ? QColor(40, 170, 60) : QColor(Qt::white));
    painter.drawEllipse(QRectF(1.5, 1.5, 11, 11));
}

void TwoChartView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    emit activated(this);
}

void TwoChartView::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    QWidget::mousePressEvent(event);
}

}  // namespace orvanta
