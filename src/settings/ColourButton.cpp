#include "settings/ColourButton.h"

#include "natal/paint/WheelPainter.h"

namespace orvanta {

ColourButton::ColourButton(std::uint32_t& colour, QWidget* parent)
    : OwnerDrawnButton(parent), colour_(colour) {}

void ColourButton::paintInside(QPainter& painter, const QRect& inner) {
    painter.fillRect(inner.adjusted(2, 2, -2, -2), WheelPainter::colourOf(colour_));
}

}  // namespace orvanta
