#pragma once

#include <QImage>

#include "common/Picture.h"
#include "draw/Canvas.h"
#include "draw/GlyphTable.h"

namespace orvanta {

// Draws pictures on a canvas. A picture drawn at exactly its own pixel size on the screen is
// copied opaquely; any other size is stretched and combined with what lies below by AND, so
// that white leaves the background showing and dark pixels darken it. Where a bitmap would be
// blurred (a screen of more than one device pixel per pixel, the page, vector files) the
// delivered pictures are drawn as vectors from their glyph drawing; the user's own pictures
// are stretched smoothly to the device's pixels.
class PicturePainter {
  public:
    // The rectangle is in the canvas's logical units (any two opposite corners). An empty
    // picture draws nothing.
    static void draw(Canvas& canvas, const Picture& picture, double left, double top, double right,
                     double bottom);

    // For widgets that paint pictures themselves: the picture over the rectangle of the
    // painter's coordinates, as a vector when it is delivered and the device is dense.
    static void drawImage(QPainter& painter, const Picture& picture, const QRectF& target);

    // The picture as an image; a null image for an empty picture.
    static QImage toImage(const Picture& picture);

    // Pictures are decoded once and kept per picture until it takes another bitmap; these
    // tell the tests how often decoding happened and empty the store.
    static int decodeCount();
    static void forgetDecoded();

    // What the store keeps of one picture.
    struct Decoded;

  private:
    // The decoded picture, from the store when the picture has not changed since.
    static Decoded& decoded(const Picture& picture);
    static double pixelRatio(const QPainter& painter);
    static const GlyphRow* deliveredGlyph(Decoded& entry);
    // Draws a delivered picture as vectors where a bitmap would blur it; false when it did not.
    static bool drawDelivered(QPainter& painter, const Picture& picture, const QRectF& target);
    static void drawStretchedAnded(QPainter& painter, Decoded& entry, const QRectF& target);
    static bool isExactSize(const Canvas& canvas, const Picture& picture, double left, double top,
                            double right, double bottom);
    static void drawAnded(QPainter& painter, const QImage& image, const QRectF& target);
    static QImage whiteTransparent(const QImage& image);
};

}  // namespace orvanta
