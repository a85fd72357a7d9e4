#include "ui/EventWindowCommands.h"

#include "ui/AnalysisDialog.h"
#include "ui/CTrChildFrame.h"
#include "ui/CalendarCommands.h"
#include "ui/ChartLifecycle.h"
#include "ui/ChartWindows.h"
#include "ui/CommandTable.h"
#include "ui/EventChartCommands.h"

namespace orvanta {

EventWindowCommands::EventWindowCommands(AppContext& context, ChartWindows& windows,
                                         ChartLifecycle& charts, QWidget* dialogParent)
    : context_(context), windows_(windows), charts_(charts), dialogParent_(dialogParent) {}

void EventWindowCommands::handle(CommandTable& commands, std::function<void()> statesChanged) {
    const auto haveChart = [this] { return windows_.activeChart() != nullptr; };
    const auto showEventWindow = [this] {
        if (OpenChart* chart = windows_.activeChart()) {
            windows_.show(CTrChildFrame::kKind, charts_.shared(chart));
        }
    };
    commands.handle(Command::EventWindow, showEventWindow, haveChart);
    commands.handle(Command::BuildEventChart, showEventWindow, haveChart);
    commands.handle(
        Command::EventDate,
        [this] {
            if (OpenChart* chart = windows_.activeChart())
                EventChartCommands::selectDate(*chart, context_, dialogParent_);
        },
        haveChart);
    commands.handle(
        Command::Analysis,
        [this] {
            if (OpenChart* chart = windows_.activeChart()) {
                AnalysisDialog::run(chart->doc(), dialogParent_,
                                    [chart] { chart->setModified(true); });
                chart->setModified(chart->doc().isModified());
            }
        },
        haveChart);
    commands.handle(
        Command::EventStep,
        [this] {
            if (OpenChart* chart = windows_.activeChart()) chart->doc().shiftEventChartDay(1);
        },
        haveChart);
    // A new period each time: the dialog first, then the chart's list window.
    commands.handle(
        Command::TransitCalendar,
        [this, statesChanged] {
            if (OpenChart* chart = windows_.activeChart())
                CalendarCommands::open(windows_, charts_.shared(chart), dialogParent_);
            statesChanged();
        },
        haveChart);
}

}  // namespace orvanta
