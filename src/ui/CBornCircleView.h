#pragma once

#include "ui/NatalChartView.h"

namespace orvanta {

// The upper pane of the natal chart window: the chart wheel.
class CBornCircleView : public NatalChartView {
    Q_OBJECT
  public:
    using NatalChartView::NatalChartView;
    void drawChart(Canvas& canvas, const QRectF& target) override;
};

}  // namespace orvanta
