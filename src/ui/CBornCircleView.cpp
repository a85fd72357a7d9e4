#include "ui/CBornCircleView.h"

#include "common/Geometry.h"
#include "natal/WheelLayout.h"
#include "natal/paint/PatternPainter.h"
#include "natal/paint/WheelPainter.h"

namespace orvanta {

void CBornCircleView::drawChart(Canvas& canvas, const QRectF& target) {
    // On the screen the whole wheel shows, house numbers included; a printed page and an
    // exported picture have layouts of their own.
    const NatalChart& natal = chart().doc().natal();
    const QRect area = target.toRect();
    const WheelLayout layout = WheelLayout::fitted(
        natal.chart, natal.orientation, natal.aspects,
        Rect{area.left(), area.top(), area.left() + area.width(), area.top() + area.height()});
    WheelPainter::paint(canvas, layout, natal.chart, natal.aspects, resources());
    if (chart().drawingArea().showPatterns) {
        PatternPainter::paint(canvas, natal, layout, resources(), area);
    }
}

}  // namespace orvanta
