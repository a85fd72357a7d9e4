#include "ui/CTranzitView.h"

#include <QPainter>

#include "draw/ChartResources.h"
#include "events/DialLayout.h"
#include "events/paint/DialImage.h"

namespace orvanta {

CTranzitView::CTranzitView(OpenChart& chart, const ChartResources& resources, QWidget* parent)
    : QWidget(parent), chart_(chart), resources_(resources) {
    setMinimumSize(200, 200);
    connect(&chart_, &OpenChart::viewsUpdated, this, [this](int hint) {
        if (hint & CZodiacDoc::kHintEventChart) update();
    });
}

void CTranzitView::paintEvent(QPaintEvent*) {
    chart_.doc().ensureEventChart();
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const int margin = DialLayout::screenMargin(width(), height());
    painter.translate(margin, margin);
    DialImage::paint(painter, chart_.doc(), QString::fromStdString(resources_.serifFace),
                     size() - QSize(2 * margin, 2 * margin));
}

}  // namespace orvanta
