#pragma once

#include <QWidget>

#include "ui/OpenChart.h"

namespace orvanta {

struct ChartResources;

// The event chart's view: the 24-hour dial of the chart's event day, drawn from the document
// on every paint. Before drawing it has the document build the lists when they were not built
// for the event chart's date; it repaints on hint bit 1.
class CTranzitView : public QWidget {
    Q_OBJECT
  public:
    CTranzitView(OpenChart& chart, const ChartResources& resources, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    OpenChart& chart_;
    const ChartResources& resources_;
};

}  // namespace orvanta
