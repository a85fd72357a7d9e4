#pragma once

#include <QAction>
#include <QMenuBar>
#include <functional>
#include <map>
#include <memory>

#include "ui/OpenChart.h"

namespace orvanta {

class CTrChildFrame;
struct AppContext;

// The event chart's commands, menu and window, for the main frame: the date selection (1173),
// a day on (1129), the event settings (32809) and the analysis (32807), the menu "Вид" of the
// event chart window, and the window itself.
class EventChartCommands {
  public:
    using AddCommand = std::function<QAction*(int id, const QString& text, const QString& prompt)>;
    using ActiveChart = std::function<OpenChart*()>;

    static void addCommands(const AddCommand& add, const ActiveChart& active, AppContext& context,
                            QWidget* parent);
    static void addViewMenu(QMenuBar& bar, const std::map<int, QAction*>& commands);
    static void updateStates(const std::map<int, QAction*>& commands, bool haveChart);

    static CTrChildFrame* createFrame(const std::shared_ptr<OpenChart>& chart, AppContext& context,
                                      const std::map<int, QAction*>& commands, QWidget* parent);

    // The date selection on the chart; on OK with a change the event chart is built again.
    // True when something changed.
    static bool selectDate(OpenChart& chart, AppContext& context, QWidget* parent);
};

}  // namespace orvanta
