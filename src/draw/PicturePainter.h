#pragma once

#include <QImage>

#include "common/Picture.h"
#include "draw/Canvas.h"

namespace orvanta {

// Draws pictures on a canvas. A picture drawn at exactly its own pixel size on the screen is
// copied opaquely; any other size is stretched and combined with what lies below by AND, so
// that white leaves the background showing and dark pixels darken it.
class PicturePainter {
  public:
    // The rectangle is in the canvas's logical units (any two opposite corners). An empty
    // picture draws nothing.
    static void draw(Canvas& canvas, const Picture& picture, double left, double top, double right,
                     double bottom);

    // The picture as an image; a null image for an empty picture.
    static QImage toImage(const Picture& picture);

  private:
    static bool isExactSize(const Canvas& canvas, const Picture& picture, double left, double top,
                            double right, double bottom);
    static void drawAnded(QPainter& painter, const QImage& image, const QRectF& target);
    static void drawWhiteTransparent(QPainter& painter, const QImage& image, const QRectF& target);
};

}  // namespace orvanta
