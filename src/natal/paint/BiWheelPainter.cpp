#include "natal/paint/BiWheelPainter.h"

#include "draw/PicturePainter.h"
#include "natal/paint/WheelPainter.h"

namespace orvanta {
namespace {

// The outer ring is tinted so that the second chart reads apart from the first.
const QColor kOuterRing(255, 250, 215);
const QColor kBlack(0, 0, 0);
const QColor kTickGreen(0, 150, 0);

}  // namespace

void BiWheelPainter::paint(Canvas& canvas, const BiWheelLayout& layout, const ChartData& inner,
                           const ChartData& outer, const NatalAspectTable& aspects,
                           const ChartResources& resources) {
    QPainter& painter = canvas.painter();
    painter.save();
    canvas.setPen(kBlack, 1.0);
    canvas.setBrush(kOuterRing);
    const Rect ring = layout.inner.circle(layout.ringOuter);
    canvas.drawEllipse(ring.left, ring.top, ring.right, ring.bottom);
    WheelPainter::paint(canvas, layout.inner, inner, aspects, resources);
    for (const BiWheelLayout::OuterBody& body : layout.outerBodies) {
        if (body.shown) paintOuterBody(canvas, layout, body, outer, resources);
    }
    painter.restore();
}

void BiWheelPainter::paintOuterBody(Canvas& canvas, const BiWheelLayout& layout,
                                    const BiWheelLayout::OuterBody& body, const ChartData& outer,
                                    const ChartResources& resources) {
    canvas.setPen(kTickGreen, 1.0);
    canvas.drawLine(body.tick.from.x, body.tick.from.y, body.tick.to.x, body.tick.to.y);
    PicturePainter::draw(canvas, outer.style[body.object].symbol, body.symbol.left, body.symbol.top,
                         body.symbol.right, body.symbol.bottom);
    const QString face = QString::fromStdString(resources.serifFace);
    canvas.setPen(kBlack, 1.0);
    canvas.setCellFont(face, layout.textHeight);
    canvas.drawText(body.degreeAt.x, body.degreeAt.y, QString::fromStdString(body.degreeText),
                    Canvas::AlignCenter | Canvas::AlignTop);
    if (body.retrograde) {
        canvas.setCellFont(face, layout.markHeight);
        canvas.drawText(
            body.markAt.x, body.markAt.y, BiWheelLayout::kRetrogradeMark,
            (body.markLeft ? Canvas::AlignRight : Canvas::AlignLeft) | Canvas::AlignTop);
    }
}

}  // namespace orvanta
