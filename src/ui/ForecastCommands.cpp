#include "ui/ForecastCommands.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QToolBar>

#include "birthdata/PlaceBase.h"
#include "birthdata/PlaceFinder.h"
#include "birthdata/WorldAtlas.h"
#include "calc/EngineEphemeris.h"
#include "common/AppFolder.h"
#include "common/MessageSink.h"
#include "doc/ReturnCasting.h"
#include "ui/ChartLifecycle.h"
#include "ui/ChartWindows.h"
#include "ui/CommandTable.h"
#include "ui/ForecastDialog.h"
#include "ui/ProgressedChartSource.h"
#include "ui/SynastryChildFrame.h"
#include "ui/WindowServices.h"

namespace orvanta {
namespace {

// "± шаг": the unit chosen in the window's tool bar moves the target date.
void addStepBar(QToolBar& bar, ProgressedChartSource& source, const CommandTable& commands) {
    bar.addSeparator();
    bar.addAction(commands.action(Command::ForecastStepBack));
    auto* unit = new QComboBox(&bar);
    unit->setObjectName("stepUnit");
    unit->setToolTip("Шаг даты прогрессий");
    using Unit = ForecastDate::Unit;
    for (const auto& [text, value] :
         {std::pair{"год", Unit::Year}, {"месяц", Unit::Month}, {"день", Unit::Day}}) {
        unit->addItem(text, static_cast<int>(value));
    }
    QObject::connect(unit, &QComboBox::currentIndexChanged, &source, [unit, &source] {
        source.setStepUnit(static_cast<Unit>(unit->currentData().toInt()));
    });
    bar.addWidget(unit);
    bar.addAction(commands.action(Command::ForecastStepForward));
}

}  // namespace

ForecastCommands::ForecastCommands(ChartWindows& windows, ChartLifecycle& charts,
                                   QWidget* dialogParent)
    : QObject(dialogParent), windows_(windows), charts_(charts), dialogParent_(dialogParent) {
    ask_ = [this](const ForecastChoice& choice) { return askWithDialog(choice); };
}

void ForecastCommands::handle(CommandTable& commands) {
    commands.handle(
        Command::Forecast, [this] { run(); }, [this] { return windows_.activeChart() != nullptr; });
    const auto stepping = [this] { return activeSource() != nullptr; };
    commands.handle(
        Command::ForecastStepBack, [this] { step(-1); }, stepping);
    commands.handle(
        Command::ForecastStepForward, [this] { step(1); }, stepping);
}

void ForecastCommands::run() {
    const auto chart = charts_.shared(windows_.activeChart());
    if (!chart) return;
    const QDate today = QDate::currentDate();
    const ForecastChoice choice(chart->doc().natal().birth,
                                {today.day(), today.month(), today.year()});
    if (const auto request = ask_(choice)) open(chart, *request);
}

std::optional<ForecastRequest> ForecastCommands::askWithDialog(const ForecastChoice& choice) const {
    PlaceBase userPlaces;
    userPlaces.load(AppFolder::find(PlaceBase::kFileName));  // none or unreadable: atlas only
    const PlaceFinder places(userPlaces, &WorldAtlas::shared());
    ForecastDialog dialog(choice, places, dialogParent_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.request();
}

std::shared_ptr<const Ephemeris> ForecastCommands::ephemeris() {
    if (!ephemeris_) ephemeris_ = EngineEphemeris::openInApplicationFolder();
    if (!ephemeris_) MessageSink::report("Не удалось загрузить библиотеку расчёта.");
    return ephemeris_;
}

ChartWindow* ForecastCommands::open(const std::shared_ptr<OpenChart>& chart,
                                    const ForecastRequest& request) {
    if (!ephemeris()) return nullptr;
    if (request.isReturn()) return openReturn(chart, request);
    return openMoved(chart, request);
}

SynastryChildFrame* ForecastCommands::openMoved(const std::shared_ptr<OpenChart>& chart,
                                                const ForecastRequest& request) {
    const auto method = request.kind == ForecastRequest::Kind::SolarArc
                            ? ProgressedChart::Method::SolarArc
                            : ProgressedChart::Method::Progressions;
    auto source =
        std::make_unique<ProgressedChartSource>(chart, ephemeris_, method, request.target);
    if (!source->recompute()) {
        MessageSink::report("Положения на эту дату не вычисляются.");
        return nullptr;
    }
    SynastryChildFrame* made = nullptr;
    windows_.openMade(
        SynastryChildFrame::kKind, chart,
        [&](std::shared_ptr<OpenChart> owner, const WindowServices& services) {
            ProgressedChartSource& kept = *source;
            made = SynastryChildFrame::make(std::move(owner), std::move(source), services);
            addStepBar(*made->toolBar(), kept, services.commands);
            made->addViewActions({services.commands.action(Command::ForecastStepBack),
                                  services.commands.action(Command::ForecastStepForward)});
            return made;
        });
    return made;
}

ChartWindow* ForecastCommands::openReturn(const std::shared_ptr<OpenChart>& chart,
                                          const ForecastRequest& request) {
    const NatalChart& natal = chart->doc().natal();
    const auto moment = ReturnCasting::moment(*ephemeris_, natal, request);
    if (!moment) {
        MessageSink::report("Момент возвращения не найден.");
        return nullptr;
    }
    // Until it is saved the chart goes by the name that says what it is.
    auto cast =
        std::make_shared<OpenChart>(QString::fromStdString(ReturnCasting::name(natal, request)));
    if (!ReturnCasting::cast(*ephemeris_, natal, request, *moment, cast->doc())) return nullptr;
    charts_.adoptNewChart(cast);
    return windows_.activeWindow();
}

ProgressedChartSource* ForecastCommands::activeSource() const {
    auto* frame = windows_.active<SynastryChildFrame>();
    return frame == nullptr ? nullptr : dynamic_cast<ProgressedChartSource*>(&frame->charts());
}

void ForecastCommands::step(int direction) {
    ProgressedChartSource* source = activeSource();
    // The date stays at the first or last day it may take.
    if (source != nullptr && !source->step(direction)) QApplication::beep();
}

}  // namespace orvanta
