#pragma once

#include <QWidget>

#include "natal/paint/TwoChartImage.h"
#include "ui/TwoChartSource.h"

namespace orvanta {

struct ChartResources;

// A pane of the synastry window: the bi-wheel or the table of aspects between the two charts,
// drawn to the pane's size on every paint. A small circle tells whether it is the window's
// active pane, the one "Экспорт рисунка..." writes.
class TwoChartView : public QWidget {
    Q_OBJECT
  public:
    TwoChartView(TwoChartImage::Kind kind, const TwoChartSource& charts,
                 const ChartResources& resources, QWidget* parent = nullptr);

    TwoChartImage::Kind kind() const { return kind_; }
    bool isActiveView() const { return active_; }
    void setActiveView(bool active);

  signals:
    void activated(TwoChartView* view);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    TwoChartImage::Kind kind_;
    const TwoChartSource& charts_;
    const ChartResources& resources_;
    bool active_ = false;
};

}  // namespace orvanta
