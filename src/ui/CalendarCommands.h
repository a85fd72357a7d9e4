#pragma once

#include <QWidget>
#include <memory>

namespace orvanta {

class ChartWindows;
class OpenChart;

// "Транзиты за период...": the dialog on the chart's event settings, then the chart's list
// window searching the chosen period.
class CalendarCommands {
  public:
    static void open(ChartWindows& windows, const std::shared_ptr<OpenChart>& chart,
                     QWidget* parent);
};

}  // namespace orvanta
