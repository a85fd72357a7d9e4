#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <optional>

#include "calc/Ephemeris.h"
#include "doc/ForecastChoice.h"

class QWidget;

namespace orvanta {

class ChartLifecycle;
class ChartWindow;
class ChartWindows;
class CommandTable;
class OpenChart;
class ProgressedChartSource;
class SynastryChildFrame;

// "Прогрессии и возвраты..." and the "± шаг" of its window. Progressions and directions open
// in the synastry window over positions worked from the chart, stepped from its tool bar; a
// return opens as a new, unsaved chart in its natal window.
class ForecastCommands : public QObject {
    Q_OBJECT
  public:
    // Asks for the request: the dialog, or a test's answer. nullopt is Cancel.
    using Ask = std::function<std::optional<ForecastRequest>(const ForecastChoice&)>;

    ForecastCommands(ChartWindows& windows, ChartLifecycle& charts, QWidget* dialogParent);

    void handle(CommandTable& commands);
    void setAsk(Ask ask) { ask_ = std::move(ask); }

    // The window the request asks for over the chart; nullptr, with a message, when it cannot
    // be computed.
    ChartWindow* open(const std::shared_ptr<OpenChart>& chart, const ForecastRequest& request);

  private:
    void run();
    std::optional<ForecastRequest> askWithDialog(const ForecastChoice& choice) const;
    // Opened on first use; nullptr, with a message, when the engine cannot be loaded.
    std::shared_ptr<const Ephemeris> ephemeris();
    SynastryChildFrame* openMoved(const std::shared_ptr<OpenChart>& chart,
                                  const ForecastRequest& request);
    ChartWindow* openReturn(const std::shared_ptr<OpenChart>& chart,
                            const ForecastRequest& request);
    ProgressedChartSource* activeSource() const;
    void step(int direction);

    ChartWindows& windows_;
    ChartLifecycle& charts_;
    QWidget* dialogParent_;
    Ask ask_;
    std::shared_ptr<const Ephemeris> ephemeris_;
};

}  // namespace orvanta
