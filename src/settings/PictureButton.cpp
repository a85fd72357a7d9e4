#include "settings/PictureButton.h"

#include "draw/Canvas.h"
#include "draw/PicturePainter.h"

namespace orvanta {

PictureButton::PictureButton(Picture& picture, QWidget* parent)
    : OwnerDrawnButton(parent), picture_(picture) {}

void PictureButton::paintInside(QPainter& painter, const QRect& inner) {
    Canvas canvas(painter, Canvas::Units::Pixels);
    PicturePainter::draw(canvas, picture_, inner.left(), inner.top(), inner.right() + 1,
                         inner.bottom() + 1);
}

}  // namespace orvanta
