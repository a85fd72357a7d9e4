#include "ui/EventChartCommands.h"

#include <QMenu>

#include "common/AppFolder.h"
#include "ui/AnalysisDialog.h"
#include "ui/AppContext.h"
#include "ui/CTrChildFrame.h"
#include "ui/CommandIds.h"
#include "ui/EventDateDialog.h"
#include "ui/ToolIcons.h"

namespace orvanta {
namespace {

QAction* commandOf(const std::map<int, QAction*>& commands, int id) {
    const auto it = commands.find(id);
    return it == commands.end() ? nullptr : it->second;
}

// A menu item of its own text that runs a command known under another text.
void addAlias(QMenu& menu, const QString& text, QAction* command) {
    if (command == nullptr) return;
    QAction* alias = menu.addAction(text, command, &QAction::trigger);
    alias->setStatusTip(command->statusTip());
    alias->setEnabled(command->isEnabled());
    QObject::connect(command, &QAction::changed, alias,
                     [alias, command] { alias->setEnabled(command->isEnabled()); });
}

}  // namespace

void EventChartCommands::addCommands(const AddCommand& add, const ActiveChart& active,
                                     AppContext& context, QWidget* parent) {
    using namespace command;
    add(kEventSettings, "Изменить отображение...",
        "Изменить установки для событийной карты: транзитные и радиксные планеты и их взаимные "
        "аспекты\nИзменить установки")
        ->setIcon(ToolIcons::icon(ToolIcons::Kind::Settings));
    QAction* analysis = add(kAnalysis, "Анализ",
                            "Показать окно анализа карты событий: списки событий, дневник "
                            "наблюдений и интерпретации\nАнализ карты событий");
    analysis->setIcon(ToolIcons::icon(ToolIcons::Kind::Text));
    QObject::connect(analysis, &QAction::triggered, parent, [active, parent] {
        OpenChart* chart = active();
        if (chart == nullptr) return;
        AnalysisDialog::run(chart->doc(), parent, [chart] { chart->setModified(true); });
        chart->setModified(chart->doc().isModified());
        chart->updateAllViews(CZodiacDoc::kHintEventChart);
    });
    QObject::connect(add(kEventDate, "По календарю...",
                         "Открыть календарь, изменить данные и пересчитать событийную карту на "
                         "другой день\nДругая дата или часовой пояс"),
                     &QAction::triggered, parent, [active, &context, parent] {
                         if (OpenChart* chart = active()) selectDate(*chart, context, parent);
                     });
    QObject::connect(
        add(kEventStep, "По шагам...", "Пошаговое изменение даты\nДень вперед - день назад"),
        &QAction::triggered, parent, [active] {
            if (OpenChart* chart = active()) chart->doc().shiftEventChartDay(1);
        });
}

void EventChartCommands::addViewMenu(QMenuBar& bar, const std::map<int, QAction*>& commands) {
    using namespace command;
    QMenu* view = bar.addMenu("&Вид");
    addAlias(*view, "Изменить исходные данные...", commandOf(commands, kChangeBirthData));
    view->addAction(commandOf(commands, kEventSettings));
    QMenu* otherDay = view->addMenu("Другой день...");
    otherDay->addAction(commandOf(commands, kEventDate));
    otherDay->addAction(commandOf(commands, kEventStep));
    view->addSeparator();
    view->addAction(commandOf(commands, kAnalysis));
    view->addSeparator();
    addAlias(*view, "Натальная карта", commandOf(commands, kNatalWindow));
    view->addAction(commandOf(commands, kTextWindow));
    view->addAction(commandOf(commands, kEventWindow));
}

void EventChartCommands::updateStates(const std::map<int, QAction*>& commands, bool haveChart) {
    using namespace command;
    // The event settings sheet arrives with its own work.
    commandOf(commands, kEventSettings)->setEnabled(false);
    commandOf(commands, kAnalysis)->setEnabled(haveChart);
    commandOf(commands, kEventDate)->setEnabled(haveChart);
    commandOf(commands, kEventStep)->setEnabled(haveChart);
}

CTrChildFrame* EventChartCommands::createFrame(const std::shared_ptr<OpenChart>& chart,
                                               AppContext& context,
                                               const std::map<int, QAction*>& commands,
                                               QWidget* parent) {
    chart->doc().setTimeChanges(&context.timeChanges);
    auto* frame = new CTrChildFrame(chart, context.resources);
    frame->addToolButton(commandOf(commands, command::kEventSettings));
    frame->addToolButton(commandOf(commands, command::kAnalysis));
    QObject::connect(frame, &CTrChildFrame::dateSelectionRequested, frame,
                     [frame, &context, parent] { selectDate(frame->chart(), context, parent); });
    return frame;
}

bool EventChartCommands::selectDate(OpenChart& chart, AppContext& context, QWidget* parent) {
    CZodiacDoc& doc = chart.doc();
    auto& state = doc.eventChart();
    doc.setTimeChanges(&context.timeChanges);
    EventDateDialog dialog(state.settings(), state.calendarMonth, state.calendarYear,
                           context.timeChanges, AppFolder::find(TimeChangeBase::kFileName),
                           QString::fromStdString(context.settings.sansFace), parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    state.calendarMonth = dialog.selection().firstMonth();
    state.calendarYear = dialog.selection().firstYear();
    return doc.applyEventChartSettings(dialog.result());
}

}  // namespace orvanta
