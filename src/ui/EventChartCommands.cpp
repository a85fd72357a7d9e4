#include "ui/EventChartCommands.h"

#include <QMenu>
#include <optional>

#include "birthdata/TimeChangeBase.h"
#include "common/DataFile.h"
#include "ui/AppContext.h"
#include "ui/CommandTable.h"
#include "ui/EventDateDialog.h"

namespace orvanta {
namespace {

// The dialog on the chart's settings; none on Cancel, else whether OK changed something (and
// so had the event chart built again).
std::optional<bool> runDateSelection(OpenChart& chart, AppContext& context, QWidget* parent) {
    CZodiacDoc& doc = chart.doc();
    auto& state = doc.eventChart().state();
    doc.setTimeChanges(&context.timeChanges);
    EventDateDialog dialog(state.settings(), state.calendarMonth, state.calendarYear,
                           context.timeChanges, DataFile::named(TimeChangeBase::kFileName),
                           QString::fromStdString(context.settings.sansFace), parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    state.calendarMonth = dialog.selection().firstMonth();
    state.calendarYear = dialog.selection().firstYear();
    return doc.applyEventChartSettings(dialog.result());
}

}  // namespace

QMenu* EventChartCommands::addViewMenu(QMenuBar& bar, const CommandTable& commands) {
    QMenu* view = bar.addMenu("&Вид");
    commands.addAlias(*view, "Изменить исходные данные...", Command::ChangeBirthData);
    view->addAction(commands.action(Command::EventSettings));
    QMenu* otherDay = view->addMenu("Другой день...");
    otherDay->addAction(commands.action(Command::EventDate));
    otherDay->addAction(commands.action(Command::EventStep));
    view->addSeparator();
    view->addAction(commands.action(Command::Analysis));
    view->addSeparator();
    commands.addAlias(*view, "Натальная карта", Command::NatalWindow);
    view->addAction(commands.action(Command::TextWindow));
    view->addAction(commands.action(Command::EventWindow));
    return view;
}

bool EventChartCommands::selectDate(OpenChart& chart, AppContext& context, QWidget* parent) {
    return runDateSelection(chart, context, parent).value_or(false);
}

bool EventChartCommands::confirmFirstDate(OpenChart& chart, AppContext& context, QWidget* parent) {
    return runDateSelection(chart, context, parent).has_value();
}

}  // namespace orvanta
