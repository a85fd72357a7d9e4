#include <gtest/gtest.h>
#include <stdlib.h>

#include <QComboBox>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <filesystem>

#include "WidgetInput.h"
#include "common/AppFolder.h"
#include "common/MessageSink.h"
#include "ui/AnalysisDialog.h"
#include "ui/AppContext.h"
#include "ui/CMainFrame.h"
#include "ui/CTrChildFrame.h"
#include "ui/CTranzitView.h"
#include "ui/CommandIds.h"
#include "ui/DialLegendView.h"
#include "ui/EventChartCommands.h"
#include "ui/EventDateDialog.h"
#include "ui/StartUp.h"

namespace orvanta {
namespace {

using testing::click;
using testing::clickAt;
using testing::retype;
using testing::whenModal;

class EventChartWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::widgetApplication();
        char pattern[] = "/tmp/orvanta-event-ui-XXXXXX";
        scratch_ = mkdtemp(pattern);
        previous_ = MessageSink::install([](std::string_view) {});
        StartUp::loadContext(context_);
    }
    void TearDown() override {
        MessageSink::install(std::move(previous_));
        std::filesystem::remove_all(scratch_);
    }

    std::filesystem::path sample() {
        const auto path = scratch_ / "sample.map";
        if (!std::filesystem::exists(path)) std::filesystem::copy_file(ORVANTA_SAMPLE_MAP, path);
        return path;
    }

    std::filesystem::path scratch_;
    AppContext context_;
    MessageSink::Handler previous_;
};

template <typename T>
T* child(QWidget& parent, const char* name) {
    return parent.findChild<T*>(name);
}

TEST_F(EventChartWindowTest, OpensFromTheNatalWindowWithItsMenuBarAndDaySteps) {
    CMainFrame frame(context_);
    frame.resize(1000, 800);
    frame.show();
    ASSERT_TRUE(frame.openChart(QString::fromStdString(sample().string())));
    // The chart has no event chart yet: its day is asked for first.
    whenModal<EventDateDialog>(
        [](EventDateDialog& dialog) { click(child<QPushButton>(dialog, "ok")); });
    frame.commandAction(command::kBuildEventChart)->trigger();
    QApplication::processEvents();
    auto* event = qobject_cast<CTrChildFrame*>(frame.mdiArea()->activeSubWindow()->widget());
    ASSERT_NE(event, nullptr);
    EXPECT_EQ(frame.menuKind(), CTrChildFrame::kKind);
    EXPECT_TRUE(frame.commandAction(command::kEventSettings)->isEnabled());
    EXPECT_TRUE(frame.commandAction(command::kAnalysis)->isEnabled());
    QStringList items;
    for (QAction* top : frame.menuBar()->actions()) {
        if (top->text() != "&Вид") continue;
        for (QAction* item : top->menu()->actions()) items << item->text();
    }
    EXPECT_EQ(items,
              (QStringList{"Изменить исходные данные...", "Изменить отображение...",
                           "Другой день...", "", "Анализ", "", "Натальная карта",
                           "Текст интерпретации", "Карта событий", "", "Легенда циферблата"}));

    CZodiacDoc& doc = event->chart().doc();
    doc.eventChart().state().date = {15, 6, 2024};
    event->view()->grab();  // a paint builds the lists for the date
    ASSERT_EQ(doc.eventChart().state().builtFor, (Date{15, 6, 2024}));
    click(event->dayForwardButton());
    EXPECT_EQ(doc.eventChart().state().date, (Date{16, 6, 2024}));
    EXPECT_FALSE(doc.eventChart().state().builtFor.has_value());
    EXPECT_EQ(event->dateField()->text(), "16.6.2024");
    click(event->dayBackButton());
    click(event->dayBackButton());
    EXPECT_EQ(event->dateField()->text(), "14.6.2024");
    event->view()->grab();
    EXPECT_EQ(doc.eventChart().state().builtFor, (Date{14, 6, 2024}));

    // "Новое окно" on the event chart opens a second event chart window of the same chart.
    const auto windows = frame.mdiArea()->subWindowList().size();
    frame.newWindow();
    QApplication::processEvents();
    ASSERT_EQ(frame.mdiArea()->subWindowList().size(), windows + 1);
    auto* second = qobject_cast<CTrChildFrame*>(frame.mdiArea()->activeSubWindow()->widget());
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(&second->chart(), &event->chart());
}

QAction* viewItem(CMainFrame& frame, const QString& text) {
    for (QAction* top : frame.menuBar()->actions()) {
        if (top->text() != "&Вид") continue;
        for (QAction* item : top->menu()->actions()) {
            if (item->text() == text) return item;
        }
    }
    return nullptr;
}

TEST_F(EventChartWindowTest, TheDialExplainsItselfByLegendTooltipAndClick) {
    CMainFrame frame(context_);
    frame.resize(1000, 800);
    frame.show();
    ASSERT_TRUE(frame.openChart(QString::fromStdString(sample().string())));
    whenModal<EventDateDialog>(
        [](EventDateDialog& dialog) { click(child<QPushButton>(dialog, "ok")); });
    frame.commandAction(command::kBuildEventChart)->trigger();
    QApplication::processEvents();
    auto* event = qobject_cast<CTrChildFrame*>(frame.mdiArea()->activeSubWindow()->widget());
    ASSERT_NE(event, nullptr);
    CZodiacDoc& doc = event->chart().doc();
    doc.eventChart().state().date = {15, 6, 2024};
    event->view()->grab();

    QAction* legend = viewItem(frame, "Легенда циферблата");
    ASSERT_NE(legend, nullptr);
    EXPECT_TRUE(legend->isChecked());
    EXPECT_TRUE(event->legend()->isVisible());
    legend->trigger();
    EXPECT_FALSE(event->legend()->isVisible());
    legend->trigger();
    EXPECT_TRUE(event->legend()->isVisible());
    QApplication::processEvents();

    // The middle of the first arc, as the dial lays itself out in the view.
    const auto& state = doc.eventChart().state();
    const TransitDay day(state.situations, state.orbTransits, state.date);
    const QSize area = event->view()->size();
    const DialLayout layout =
        DialLayout::compute({area.width(), area.height(), false, state.date, &day});
    ASSERT_FALSE(layout.arcs.empty());
    const auto& arc = layout.arcs.front();
    const Point middle = DialLayout::dialPoint(layout.centre.x, layout.centre.y, arc.radius,
                                               (arc.from + arc.to) / 2.0, 1);
    const TransitSituation& record = *day.situations()[static_cast<std::size_t>(arc.record)];
    const QString tip = event->view()->situationTextAt({middle.x, middle.y});
    EXPECT_TRUE(tip.startsWith(
        "Транзит: " + QString::fromStdString(doc.eventChart().bodies().style[record.body].name)))
        << tip.toStdString();
    EXPECT_TRUE(event->view()->situationTextAt({2, 2}).isEmpty());  // the corner: no situation

    int selected = -1;
    whenModal<AnalysisDialog>([&selected](AnalysisDialog& dialog) {
        selected = dialog.situationList(AnalysisSession::Selection::Day)->currentRow();
        dialog.reject();
    });
    clickAt(event->view(), {middle.x, middle.y});
    EXPECT_EQ(selected, arc.record);
}

TEST_F(EventChartWindowTest, WindowMovesKeepTheDateInsideAndAnInvalidDateIsNotAccepted) {
    EventChartSettings settings;
    settings.date = {15, 6, 2024};
    EventDateDialog dialog(settings, 6, 2024, context_.timeChanges, scratch_ / "Timechg.tch",
                           "DejaVu Sans");
    dialog.show();
    click(child<QPushButton>(dialog, "halfYearBack"));  // December 2023 to May 2024
    EXPECT_EQ(child<QLineEdit>(dialog, "day")->text(), "31");
    EXPECT_EQ(child<QComboBox>(dialog, "month")->currentText(), "Май");
    click(child<QPushButton>(dialog, "monthForward"));  // January to June 2024: inside
    EXPECT_EQ(child<QLineEdit>(dialog, "day")->text(), "31");
    EXPECT_EQ(dialog.selection().firstMonth(), 1);

    retype(child<QLineEdit>(dialog, "day"), "32");
    click(child<QPushButton>(dialog, "ok"));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), settings);
    EXPECT_EQ(dialog.selection().dateErrorLine(), EventDateSelection::kDateErrorText);
    click(child<QPushButton>(dialog, "cancel"));
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(EventChartWindowTest, MoscowMinusOneAndAHalfHoursRoundTripsAndAnUnchangedOkDoesNotRebuild) {
    OpenChart chart("New 1");
    ASSERT_TRUE(chart.doc().open(sample()).loaded());
    chart.doc().eventChart().state().date = {15, 6, 2024};
    whenModal<EventDateDialog>([](EventDateDialog& dialog) {
        retype(child<QLineEdit>(dialog, "moscowHours"), "-1");
        retype(child<QLineEdit>(dialog, "moscowMinutes"), "30");
        click(child<QPushButton>(dialog, "ok"));
    });
    ASSERT_TRUE(EventChartCommands::selectDate(chart, context_, nullptr));
    EXPECT_EQ(chart.doc().eventChart().state().moscowDifference, -1.5);
    // Moscow is 3 hours ahead of Greenwich in June 2024.
    EXPECT_EQ(chart.doc().eventChart().state().greenwichDifference, 1.5);

    chart.doc().ensureEventChart();
    int hints = 0;
    QObject::connect(&chart, &OpenChart::viewsUpdated, [&](int) { ++hints; });
    QString shown;
    whenModal<EventDateDialog>([&shown](EventDateDialog& dialog) {
        shown = child<QLineEdit>(dialog, "moscowHours")->text() + " " +
                child<QLineEdit>(dialog, "moscowMinutes")->text();
        click(child<QPushButton>(dialog, "ok"));
    });
    EXPECT_FALSE(EventChartCommands::selectDate(chart, context_, nullptr));
    EXPECT_EQ(shown, "-1 30");
    EXPECT_EQ(hints, 0);
    EXPECT_TRUE(chart.doc().eventChart().state().builtFor.has_value());
}

}  // namespace
}  // namespace orvanta
