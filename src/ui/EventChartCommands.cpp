#include "ui/EventChartCommands.h"

#include <QMenu>

#include "birthdata/TimeChangeBase.h"
#include "common/DataFile.h"
#include "ui/AppContext.h"
#include "ui/CommandTable.h"
#include "ui/EventDateDialog.h"

namespace orvanta {
namespace {

// A menu item of its own text that runs a command known under another text.
void addAlias(QMenu& menu, const QString& text, QAction* command) {
    QAction* alias = menu.addAction(text, command, &QAction::trigger);
    alias->setStatusTip(command->statusTip());
    alias->setEnabled(command->isEnabled());
    QObject::connect(command, &QAction::changed, alias,
                     [alias, command] { alias->setEnabled(command->isEnabled()); });
}

}  // namespace

void EventChartCommands::addViewMenu(QMenuBar& bar, const CommandTable& commands) {
    QMenu* view = bar.addMenu("&Вид");
    addAlias(*view, "Изменить исходные данные...", commands.action(Command::ChangeBirthData));
    view->addAction(commands.action(Command::EventSettings));
    QMenu* otherDay = view->addMenu("Другой день...");
    otherDay->addAction(commands.action(Command::EventDate));
    otherDay->addAction(commands.action(Command::EventStep));
    view->addSeparator();
    view->addAction(commands.action(Command::Analysis));
    view->addSeparator();
    addAlias(*view, "Натальная карта", commands.action(Command::NatalWindow));
    view->addAction(commands.action(Command::TextWindow));
    view->addAction(commands.action(Command::EventWindow));
}

bool EventChartCommands::selectDate(OpenChart& chart, AppContext& context, QWidget* parent) {
    CZodiacDoc& doc = chart.doc();
    auto& state = doc.eventChart();
    doc.setTimeChanges(&context.timeChanges);
    EventDateDialog dialog(state.settings(), state.calendarMonth, state.calendarYear,
                           context.timeChanges, DataFile::named(TimeChangeBase::kFileName),
                           QString::fromStdString(context.settings.sansFace), parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    state.calendarMonth = dialog.selection().firstMonth();
    state.calendarYear = dialog.selection().firstYear();
    return doc.applyEventChartSettings(dialog.result());
}

}  // namespace orvanta
