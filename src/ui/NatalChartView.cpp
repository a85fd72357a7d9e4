#include "ui/NatalChartView.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

namespace orvanta {

NatalChartView::NatalChartView(OpenChart& chart, const ChartResources& resources, QWidget* parent)
    : QAbstractScrollArea(parent), chart_(chart), resources_(resources) {
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    QPalette palette = viewport()->palette();
    palette.setColor(QPalette::Base, Qt::white);
    viewport()->setPalette(palette);
    setMinimumSize(250, 150);
    lastZoom_ = chart_.drawingArea().zoom;
    setScrollSize({kInitialScrollSize, kInitialScrollSize});
    connect(&chart_, &OpenChart::viewsUpdated, this, &NatalChartView::onHint);
}

void NatalChartView::onHint(int hint) {
    if (hint & 1) viewport()->update();
}

QSize NatalChartView::drawingSize() const {
    // At zoom 1 the drawing fits the pane's visible area, so the whole wheel and table show;
    // zoom 2 doubles it and the pane scrolls.
    return viewport()->size().expandedTo(QSize(1, 1)) * chart_.drawingArea().zoom;
}

void NatalChartView::setScrollSize(QSize size) {
    scrollSize_ = size;
    const QSize page = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, size.width() - page.width()));
    horizontalScrollBar()->setPageStep(page.width());
    verticalScrollBar()->setRange(0, std::max(0, size.height() - page.height()));
    verticalScrollBar()->setPageStep(page.height());
}

void NatalChartView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    setScrollSize(drawingSize());
}

void NatalChartView::scrollContentsBy(int, int) {
    viewport()->update();
}

void NatalChartView::setActiveView(bool active) {
    if (active_ == active) return;
    active_ = active;
    viewport()->update(QRect(0, 0, 24, 24));
}

void NatalChartView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    emit activated(this);
}

void NatalChartView::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    QAbstractScrollArea::mousePressEvent(event);
}

void NatalChartView::paintEvent(QPaintEvent*) {
    const int zoom = chart_.drawingArea().zoom;
    if (zoom != lastZoom_) {
        // A new zoom first gives the pane its new scroll range; the drawing follows.
        lastZoom_ = zoom;
        setScrollSize(drawingSize());
        viewport()->update();
        return;
    }
    // The scroll bars coming or going change the visible area, and with it the drawing.
    const QSize drawing = drawingSize();
    if (drawing != scrollSize_) setScrollSize(drawing);
    QPainter painter(viewport());
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    Canvas canvas(painter, Canvas::Units::Pixels);
    drawChart(canvas, QRectF(QPointF(0, 0), drawing));
    painter.resetTransform();
    drawStateIcon(painter);
}

void NatalChartView::drawStateIcon(QPainter& painter) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF box(1, 1, 12, 12);
    if (active_) {
        painter.setPen(QPen(QColor(0, 90, 0), 1));
        painter.setBrush(QColor(40, 170, 60));
    } else {
        painter.setPen(QPen(QColor(150, 150, 150), 1));
        painter.setBrush(Qt::white);
    }
    painter.drawEllipse(box.adjusted(0.5, 0.5, -0.5, -0.5));
    painter.restore();
}

}  // namespace orvanta
