#include "settings/OwnerDrawnButton.h"

namespace orvanta {

OwnerDrawnButton::OwnerDrawnButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

void OwnerDrawnButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::white);
    painter.drawRect(frame);
    painter.save();
    paintInside(painter, frame.adjusted(1, 1, 0, 0));
    painter.restore();
    // A pressed button and the focus are shown by a second frame inside the first.
    if (isDown() || hasFocus()) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(isDown() ? Qt::black : Qt::darkGray, 0, Qt::DotLine));
        painter.drawRect(frame.adjusted(1, 1, -1, -1));
    }
}

}  // namespace orvanta
