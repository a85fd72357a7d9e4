#include "ui/CBornTableView.h"

#include "natal/paint/AspectTablePainter.h"

namespace orvanta {

void CBornTableView::drawChart(Canvas& canvas, const QRectF& target) {
    const QRect area = target.toRect();
    AspectTablePainter::paintScreen(canvas, chart().doc().natal(), resources(),
                                    {area.left(), area.top(), area.right() + 1, area.bottom() + 1},
                                    chart().drawingArea().zoom);
}

}  // namespace orvanta
