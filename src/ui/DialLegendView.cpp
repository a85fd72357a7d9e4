#include "ui/DialLegendView.h"

#include <QPainter>

#include "events/DialLegend.h"
#include "events/TransitDay.h"

namespace orvanta {

DialLegendView::DialLegendView(OpenChart& chart, QWidget* parent) : QWidget(parent), chart_(chart) {
    setAutoFillBackground(true);
    setPalette(QPalette(Qt::white));
    setMinimumWidth(160);
    connect(&chart_, &OpenChart::viewsUpdated, this, [this](int hint) {
        if (hint & CZodiacDoc::kHintEventChart) update();
    });
}

void DialLegendView::paintEvent(QPaintEvent*) {
    CZodiacDoc& doc = chart_.doc();
    doc.ensureEventChart();
    const auto& state = doc.eventChart().state();
    const TransitDay day(state.situations, state.orbTransits, state.date);
    QPainter painter(this);
    painter.setPen(Qt::black);
    const int line = fontMetrics().height() + 2;
    const int swatch = line - 6;
    int y = 6;
    for (const DialLegend::Row& row : DialLegend::rows(doc.eventChart().aspects(), day)) {
        int x = 6;
        if (row.swatch) {
            const QColor colour(static_cast<int>(row.colour & 0xFF),
                                static_cast<int>((row.colour >> 8) & 0xFF),
                                static_cast<int>((row.colour >> 16) & 0xFF));
            painter.fillRect(QRect(x + 8, y + 3, swatch * 2, swatch), colour);
            x += 16 + swatch * 2;
        }
        const QRect box(x, y, width() - x - 4, height() - y);
        const QRect used =
            painter.boundingRect(box, Qt::TextWordWrap, QString::fromStdString(row.text));
        painter.drawText(box, Qt::TextWordWrap, QString::fromStdString(row.text));
        y += std::max(line, used.height() + 2);
    }
}

}  // namespace orvanta
