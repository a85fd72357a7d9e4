#include "ui/TwoChartCommands.h"

#include <QMdiSubWindow>
#include <QMessageBox>
#include <QTimer>
#include <algorithm>

#include "natal/CompositeChart.h"
#include "natal/DavisonChart.h"
#include "ui/AppContext.h"
#include "ui/ChartLifecycle.h"
#include "ui/ChartWindows.h"
#include "ui/CommandTable.h"
#include "ui/OpenChartPair.h"
#include "ui/SecondChartDialog.h"
#include "ui/SynastryChildFrame.h"

namespace orvanta {

TwoChartCommands::TwoChartCommands(AppContext& context, ChartWindows& windows,
                                   ChartLifecycle& charts, QWidget* dialogParent)
    : QObject(dialogParent),
      context_(context),
      windows_(windows),
      charts_(charts),
      dialogParent_(dialogParent) {
    connect(&windows_, &ChartWindows::windowClosed, this, [this] {
        // After the lifecycle has let the closed window's chart go.
        QTimer::singleShot(0, this, [this] { closeOrphans(); });
    });
}

void TwoChartCommands::handle(CommandTable& commands) {
    const auto haveChart = [this] { return windows_.activeChart() != nullptr; };
    commands.handle(
        Command::Synastry, [this] { runSynastry(); }, haveChart);
    commands.handle(
        Command::Composite, [this] { runCombined(CombinedChart::Kind::Composite); }, haveChart);
    commands.handle(
        Command::Davison, [this] { runCombined(CombinedChart::Kind::Davison); }, haveChart);
    commands.handle(
        Command::SwapCharts,
        [this] {
            if (auto* frame = windows_.active<SynastryChildFrame>()) frame->charts().swap();
        },
        [this] { return windows_.active<SynastryChildFrame>() != nullptr; });
}

std::shared_ptr<OpenChart> TwoChartCommands::chooseSecond(SecondChartChoice::Purpose purpose,
                                                          const std::shared_ptr<OpenChart>& first) {
    std::vector<std::shared_ptr<OpenChart>> others;
    std::vector<SecondChartChoice::Offer> offers;
    for (const auto& chart : charts_.all()) {
        if (chart == first) continue;
        others.push_back(chart);
        offers.push_back({chart->title().toStdString(), chart->doc().natal().birth});
    }
    const SecondChartChoice choice(purpose, first->doc().natal().birth, std::move(offers));
    const auto entry = SecondChartDialog::choose(choice, dialogParent_);
    if (!entry) return nullptr;
    std::shared_ptr<OpenChart> second;
    if (const auto index = choice.chartOf(*entry)) {
        second = others[*index];
    } else {
        // The chart read opens as every chart does and comes to the front; Cancel, or the
        // first chart's own file, leaves the first chart active.
        charts_.openWithDialog();
        OpenChart* opened = windows_.activeChart();
        if (opened == nullptr || opened == first.get()) return nullptr;
        second = charts_.shared(opened);
    }
    if (!second) return nullptr;
    if (const auto refusal = choice.refusal(second->doc().natal().birth)) {
        QMessageBox::information(dialogParent_, QString::fromStdString(choice.dialogTitle()),
                                 QString::fromStdString(*refusal));
        return nullptr;
    }
    return second;
}

void TwoChartCommands::runSynastry() {
    const auto first = charts_.shared(windows_.activeChart());
    if (!first) return;
    if (const auto second = chooseSecond(SecondChartChoice::Purpose::Synastry, first))
        showSynastry(first, second);
}

void TwoChartCommands::runCombined(CombinedChart::Kind kind) {
    const auto first = charts_.shared(windows_.activeChart());
    if (!first) return;
    const auto purpose = kind == CombinedChart::Kind::Davison
                             ? SecondChartChoice::Purpose::Davison
                             : SecondChartChoice::Purpose::Composite;
    if (const auto second = chooseSecond(purpose, first)) openCombined(kind, *first, *second);
}

SynastryChildFrame* TwoChartCommands::showSynastry(const std::shared_ptr<OpenChart>& first,
                                                   const std::shared_ptr<OpenChart>& second) {
    for (const Shown& shown : shown_) {
        if (!shown.frame || !shown.pair->pairs(*first, *second)) continue;
        windows_.showWindow(qobject_cast<QMdiSubWindow*>(shown.frame->parentWidget()));
        return shown.frame;
    }
    auto pair = std::make_unique<OpenChartPair>(first, second);
    const OpenChartPair* raw = pair.get();
    SynastryChildFrame* made = nullptr;
    windows_.openMade(SynastryChildFrame::kKind, first,
                      [&](std::shared_ptr<OpenChart> owner, const WindowServices& services) {
                          made =
                              SynastryChildFrame::make(std::move(owner), std::move(pair), services);
                          return made;
                      });
    std::erase_if(shown_, [](const Shown& shown) { return shown.frame.isNull(); });
    shown_.push_back({made, raw});
    return made;
}

OpenChart* TwoChartCommands::openCombined(CombinedChart::Kind kind, const OpenChart& first,
                                          const OpenChart& second) {
    const NatalChart& a = first.doc().natal();
    const NatalChart& b = second.doc().natal();
    // Until it is saved the chart goes by the name that says what it is.
    const BirthData birth = kind == CombinedChart::Kind::Davison
                                ? DavisonChart::birthData(a.birth, b.birth)
                                : CompositeChart::birthData(a.birth, b.birth);
    auto chart = std::make_shared<OpenChart>(QString::fromStdString(birth.name));
    if (!CombinedChart::build(kind, a, b, chart->doc())) return nullptr;
    charts_.adoptNewChart(chart);
    return chart.get();
}

bool TwoChartCommands::hasWindowOfItsOwn(const OpenChart& chart) const {
    const auto frames = windows_.framesOf(chart);
    return std::any_of(frames.begin(), frames.end(), [](const ChildSubWindow* frame) {
        return frame->kind() != SynastryChildFrame::kKind;
    });
}

void TwoChartCommands::closeOrphans() {
    for (const Shown& shown : shown_) {
        if (!shown.frame) continue;
        const auto& pair = *shown.pair;
        if (hasWindowOfItsOwn(*pair.firstChart()) && hasWindowOfItsOwn(*pair.secondChart()))
            continue;
        if (auto* window = qobject_cast<QMdiSubWindow*>(shown.frame->parentWidget()))
            window->close();
    }
}

}  // namespace orvanta
