#pragma once

#include <functional>

class QWidget;

namespace orvanta {

class ChartLifecycle;
class ChartWindows;
class CommandTable;
struct AppContext;

// The commands of the active chart's event chart and transit calendar: the window, its day,
// the analysis window, the next day and the calendar of a period. The handlers refer to this
// object: it lives as long as the command table.
class EventWindowCommands {
  public:
    EventWindowCommands(AppContext& context, ChartWindows& windows, ChartLifecycle& charts,
                        QWidget* dialogParent);

    // statesChanged runs after a command that may change what other commands allow.
    void handle(CommandTable& commands, std::function<void()> statesChanged);

  private:
    AppContext& context_;
    ChartWindows& windows_;
    ChartLifecycle& charts_;
    QWidget* dialogParent_;
};

}  // namespace orvanta
