#pragma once

#include "ui/NatalChartView.h"

namespace orvanta {

// The lower pane of the natal chart window: the aspect table.
class CBornTableView : public NatalChartView {
    Q_OBJECT
  public:
    using NatalChartView::NatalChartView;
    void drawChart(Canvas& canvas, const QRectF& target) override;
};

}  // namespace orvanta
