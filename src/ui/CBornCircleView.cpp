#include "ui/CBornCircleView.h"

#include "natal/paint/PatternPainter.h"
#include "natal/paint/WheelPainter.h"

namespace orvanta {

void CBornCircleView::drawChart(Canvas& canvas, const QRectF& target) {
    WheelPainter::paint(canvas, chart().doc(), resources(), target.toRect());
    if (chart().drawingArea().showPatterns)
        PatternPainter::paint(canvas, chart().doc().natal(), resources(), target.toRect());
}

}  // namespace orvanta
