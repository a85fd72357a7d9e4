#pragma once

#include <QWidget>
#include <optional>

#include "events/DialLayout.h"
#include "ui/OpenChart.h"

namespace orvanta {

struct ChartResources;

// The event chart's view: the 24-hour dial of the chart's event day, drawn from the document
// on every paint. Before drawing it has the document build the lists when they were not built
// for the event chart's date; it repaints on hint bit 1. Hovering over a sector, arc or ring
// tells its situation; clicking one opens the analysis window on it.
class CTranzitView : public QWidget {
    Q_OBJECT
  public:
    CTranzitView(OpenChart& chart, const ChartResources& resources, QWidget* parent = nullptr);

    // What the tooltip at a point of the view says; empty where nothing lies.
    QString situationTextAt(QPoint point);

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    std::optional<DialLayout::Hit> hitAt(QPoint point);

    OpenChart& chart_;
    const ChartResources& resources_;
};

}  // namespace orvanta
