#include "settings/LineButton.h"

#include "natal/paint/WheelPainter.h"

namespace orvanta {

LineButton::LineButton(AspectSetting& aspect, QWidget* parent)
    : OwnerDrawnButton(parent), aspect_(aspect) {}

void LineButton::paintInside(QPainter& painter, const QRect& inner) {
    const QRect frame = inner.adjusted(-1, -1, 0, 0);
    // Width 0 is the thinnest line, as on the wheel.
    painter.setPen(QPen(WheelPainter::colourOf(aspect_.colour), aspect_.lineWidth,
                        WheelPainter::penStyleOf(aspect_.lineStyle)));
    painter.setClipRect(inner);
    painter.drawLine(frame.left() + 2, frame.top() + 2, frame.right() - 2, frame.bottom() - 2);
}

}  // namespace orvanta
