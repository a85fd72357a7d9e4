#include "draw/Canvas.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPen>
#include <QPolygonF>
#include <cmath>

namespace orvanta {

Canvas::Canvas(QPainter& painter, Units units) : painter_(painter), units_(units) {
    if (units_ == Units::HundredthsOfMm) {
        const QPaintDevice* device = painter_.device();
        const double dpiX = device ? device->logicalDpiX() : 96.0;
        const double dpiY = device ? device->logicalDpiY() : 96.0;
        scaleX_ = dpiX / 2540.0;
        scaleY_ = -dpiY / 2540.0;
    }
}

bool Canvas::isVectorDevice() const {
    return isVectorPainter(painter_);
}

bool Canvas::isVectorPainter(const QPainter& painter) {
    const QPaintEngine* engine = painter.paintEngine();
    if (engine == nullptr) return false;
    switch (engine->type()) {
        case QPaintEngine::Raster:
        case QPaintEngine::X11:
        case QPaintEngine::OpenGL:
        case QPaintEngine::OpenGL2:
            return false;
        default:
            return true;
    }
}

QPointF Canvas::toDevice(double x, double y) const {
    return {x * scaleX_, y * scaleY_};
}

QPointF Canvas::toLogical(const QPointF& device) const {
    return {device.x() / scaleX_, device.y() / scaleY_};
}

QRectF Canvas::toDeviceRect(double x1, double y1, double x2, double y2) const {
    return QRectF(toDevice(x1, y1), toDevice(x2, y2)).normalized();
}

void Canvas::setPen(const QColor& color, double width, Qt::PenStyle style) {
    QPen pen(color);
    pen.setStyle(style);
    pen.setWidthF(width <= 0.0 ? 0.0 : std::max(1.0, toDeviceX(width)));
    pen.setCosmetic(width <= 0.0);
    painter_.setPen(pen);
}

void Canvas::setNoPen() {
    painter_.setPen(Qt::NoPen);
}
void Canvas::setBrush(const QColor& color) {
    painter_.setBrush(color);
}
void Canvas::setNoBrush() {
    painter_.setBrush(Qt::NoBrush);
}

void Canvas::setFont(const QString& family, double height, int weight, bool italic) {
    QFont font(family);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(std::fabs(toDeviceY(height))))));
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(italic);
    painter_.setFont(font);
}

QFont Canvas::cellFont(const QString& family, int height, const QPaintDevice* device) {
    QFont font(family);
    const int wanted = std::max(1, height);
    font.setPixelSize(wanted);
    // Scale the em once by what the face's cell measures at that size.
    const double cell = QFontMetricsF(font, device).height();
    if (cell > 0.0) {
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(wanted * wanted / cell))));
    }
    return font;
}

void Canvas::setCellFont(const QString& family, double height) {
    const int pixels = static_cast<int>(std::lround(std::fabs(toDeviceY(height))));
    painter_.setFont(cellFont(family, pixels, painter_.device()));
}

void Canvas::drawLine(double x1, double y1, double x2, double y2) {
    painter_.drawLine(toDevice(x1, y1), toDevice(x2, y2));
}

void Canvas::drawRect(double x1, double y1, double x2, double y2) {
    painter_.drawRect(toDeviceRect(x1, y1, x2, y2));
}

void Canvas::fillRect(double x1, double y1, double x2, double y2, const QColor& color) {
    painter_.fillRect(toDeviceRect(x1, y1, x2, y2), color);
}

void Canvas::drawEllipse(double x1, double y1, double x2, double y2) {
    painter_.drawEllipse(toDeviceRect(x1, y1, x2, y2));
}

void Canvas::drawArc(double x1, double y1, double x2, double y2, double startDegrees,
                     double spanDegrees) {
    painter_.drawArc(toDeviceRect(x1, y1, x2, y2), static_cast<int>(std::lround(startDegrees * 16)),
                     static_cast<int>(std::lround(spanDegrees * 16)));
}

void Canvas::drawPolygon(const std::vector<QPointF>& logicalPoints) {
    QPolygonF polygon;
    for (const auto& p : logicalPoints) polygon << toDevice(p.x(), p.y());
    painter_.drawPolygon(polygon);
}

void Canvas::drawText(double x, double y, const QString& text, int align) {
    const QFontMetricsF metrics(painter_.font(), painter_.device());
    const QPointF anchor = toDevice(x, y);
    const double width = metrics.horizontalAdvance(text);
    double left = anchor.x();
    if ((align & AlignCenter) == AlignCenter) {
        left -= width / 2.0;
    } else if (align & AlignRight) {
        left -= width;
    }
    double baseline = anchor.y() + metrics.ascent();  // top alignment
    if ((align & AlignBaseline) == AlignBaseline) {
        baseline = anchor.y();
    } else if (align & AlignBottom) {
        baseline = anchor.y() - metrics.descent();
    }
    painter_.drawText(QPointF(left, baseline), text);
}

QSizeF Canvas::textExtent(const QString& text) const {
    const QFontMetricsF metrics(painter_.font(), painter_.device());
    return {std::fabs(metrics.horizontalAdvance(text) / scaleX_),
            std::fabs(metrics.height() / scaleY_)};
}

}  // namespace orvanta
