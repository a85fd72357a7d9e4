#pragma once

#include <QObject>
#include <QPointer>
#include <memory>
#include <vector>

#include "doc/CombinedChart.h"
#include "doc/SecondChartChoice.h"

class QWidget;

namespace orvanta {

class ChartLifecycle;
class ChartWindows;
class CommandTable;
class OpenChart;
class OpenChartPair;
class SynastryChildFrame;
struct AppContext;

// "Синастрия...", "Композит...", "Карта Дэвисона..." and "Поменять местами": the commands
// that take a second chart, chosen from the open charts or a file. A synastry window closes
// when either of its charts has no window of its own left.
class TwoChartCommands : public QObject {
    Q_OBJECT
  public:
    TwoChartCommands(AppContext& context, ChartWindows& windows, ChartLifecycle& charts,
                     QWidget* dialogParent);

    void handle(CommandTable& commands);

    // The synastry window of the two charts: the one open already (either way round) or a
    // new one, first inside.
    SynastryChildFrame* showSynastry(const std::shared_ptr<OpenChart>& first,
                                     const std::shared_ptr<OpenChart>& second);
    // The composite or Davison chart of the two as a new chart in its natal window; nullptr
    // when the engine could not compute it (and said so).
    OpenChart* openCombined(CombinedChart::Kind kind, const OpenChart& first,
                            const OpenChart& second);

  private:
    struct Shown {
        QPointer<SynastryChildFrame> frame;
        const OpenChartPair* pair;
    };

    // Asks for the second chart of the active one; nullptr on Cancel or a refused pair.
    std::shared_ptr<OpenChart> chooseSecond(SecondChartChoice::Purpose purpose,
                                            const std::shared_ptr<OpenChart>& first);
    void runSynastry();
    void runCombined(CombinedChart::Kind kind);
    bool hasWindowOfItsOwn(const OpenChart& chart) const;
    void closeOrphans();

    AppContext& context_;
    ChartWindows& windows_;
    ChartLifecycle& charts_;
    QWidget* dialogParent_;
    std::vector<Shown> shown_;
};

}  // namespace orvanta
