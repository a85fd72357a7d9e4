#pragma once

#include <QAbstractScrollArea>
#include <QPointer>

#include "draw/Canvas.h"
#include "ui/OpenChart.h"

namespace orvanta {

struct ChartResources;

// A scrolling pane of the natal chart window that draws from the chart on every paint: the
// wheel or the aspect table. It repaints on hint bit 0 only and shows a small icon that tells
// whether it is the active pane of its window.
class NatalChartView : public QAbstractScrollArea {
    Q_OBJECT
  public:
    static constexpr int kInitialScrollSize = 1000;

    NatalChartView(OpenChart& chart, const ChartResources& resources, QWidget* parent = nullptr);

    OpenChart& chart() { return chart_; }
    bool isActiveView() const { return active_; }
    void setActiveView(bool active);
    QSize scrollSize() const { return scrollSize_; }
    int lastZoom() const { return lastZoom_; }
    // The size the chart is drawn at: the pane's visible area times the zoom.
    QSize drawingSize() const;

    // Draws the chart into the target rectangle (device pixels) as the pane does.
    virtual void drawChart(Canvas& canvas, const QRectF& target) = 0;

  signals:
    void activated(NatalChartView* view);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

    const ChartResources& resources() const { return resources_; }

  private:
    void setScrollSize(QSize size);
    void onHint(int hint);
    void drawStateIcon(QPainter& painter) const;

    OpenChart& chart_;
    const ChartResources& resources_;
    QSize scrollSize_{kInitialScrollSize, kInitialScrollSize};
    int lastZoom_ = 1;
    bool active_ = false;
};

}  // namespace orvanta
