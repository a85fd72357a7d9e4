#pragma once

#include <QMenuBar>
#include <QWidget>

#include "ui/OpenChart.h"

namespace orvanta {

class CommandTable;
struct AppContext;

// The event chart window's menu "Вид" and its date selection, for the main frame.
class EventChartCommands {
  public:
    // Returns the menu, for the window to add its own items.
    static QMenu* addViewMenu(QMenuBar& bar, const CommandTable& commands);

    // The date selection on the chart; on OK with a change the event chart is built again.
    // True when something changed.
    static bool selectDate(OpenChart& chart, AppContext& context, QWidget* parent);
    // The date selection before a chart's first event chart; true when it was confirmed.
    static bool confirmFirstDate(OpenChart& chart, AppContext& context, QWidget* parent);
};

}  // namespace orvanta
