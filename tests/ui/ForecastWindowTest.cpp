#include <gtest/gtest.h>

#include <QComboBox>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <filesystem>

#include "WidgetInput.h"
#include "doc/ForecastChoice.h"
#include "support/FakeSky.h"
#include "support/MessageRecorder.h"
#include "support/ScratchFolder.h"
#include "ui/CBornChildFrame.h"
#include "ui/CMainFrame.h"
#include "ui/ForecastCommands.h"
#include "ui/ProgressedChartSource.h"
#include "ui/StartUp.h"
#include "ui/SynastryChildFrame.h"

namespace orvanta {
namespace {

using Kind = ForecastRequest::Kind;

// The sample chart: born in Moscow on 12 April 1961 at 6:07 UT, the Sun at 22.09868°.
constexpr double kNatalSun = 22.09868;

// The sample chart open in the program under the name Анна, the dialog answered by the test.
class ForecastWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::widgetApplication();
        StartUp::loadContext(context_);
        context_.iniFile = DataFile();  // the recent files stay out of the delivered folder
        frame_ = std::make_unique<CMainFrame>(context_);
        frame_->resize(1000, 800);
        frame_->show();
        std::filesystem::copy_file(ORVANTA_SAMPLE_MAP, scratch_ / "anna.map");
        ASSERT_TRUE(frame_->openChart(QString::fromStdString((scratch_ / "anna.map").string())));
        anna_ = frame_->charts().shared(frame_->activeChart());
        anna_->doc().natal().birth.name = "Анна";
        frame_->forecasts().setAsk([this](const ForecastChoice& choice) {
            asked_ = choice.birth().name;
            return answer_;
        });
        QApplication::processEvents();
    }
    void TearDown() override {
        for (const auto& chart : frame_->charts().all()) chart->setModified(false);
        frame_.reset();
    }

    // Runs "Прогрессии и возвраты..." over Анна's natal window, answered with the request.
    void run(const ForecastRequest& request) {
        frame_->windows().show(CBornChildFrame::kKind, anna_);
        answer_ = request;
        frame_->commands().updateStates();
        ASSERT_TRUE(frame_->action(Command::Forecast)->isEnabled());
        frame_->action(Command::Forecast)->trigger();
        QApplication::processEvents();
        EXPECT_EQ(asked_, "Анна");
    }
    QString activeTitle() const { return frame_->mdiArea()->activeSubWindow()->windowTitle(); }

    testing::ScratchFolder scratch_;
    testing::MessageRecorder recorder_;
    AppContext context_;
    std::unique_ptr<CMainFrame> frame_;
    std::shared_ptr<OpenChart> anna_;
    std::optional<ForecastRequest> answer_;
    std::string asked_;
};

ForecastRequest onDate(ForecastRequest::Kind kind, Date target) {
    ForecastRequest request;
    request.kind = kind;
    request.target = target;
    return request;
}

TEST_F(ForecastWindowTest, ProgressionsOpenTheBiWheelThatStepsAndAReturnItsOwnChart) {
    run(onDate(Kind::Progressions, {8, 12, 2026}));
    auto* window = frame_->windows().active<SynastryChildFrame>();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(activeTitle(), "Прогрессии на 08.12.2026 — Анна");
    EXPECT_EQ(&window->charts().inner(), &anna_->doc().natal());

    // The step is in the window's menu "Вид" too.
    QList<QAction*> viewMenu;
    for (QAction* menu : frame_->menuBar()->actions()) {
        if (menu->text() == "&Вид") viewMenu = menu->menu()->actions();
    }
    EXPECT_TRUE(viewMenu.contains(frame_->action(Command::ForecastStepForward)));

    // A month on from the tool bar, the positions worked again.
    auto* unit = window->toolBar()->findChild<QComboBox*>("stepUnit");
    ASSERT_NE(unit, nullptr);
    unit->setCurrentIndex(unit->findText("месяц"));
    const double sunBefore = window->charts().outer().chart[Bodies::Sun].longitude;
    frame_->commands().updateStates();
    ASSERT_TRUE(frame_->action(Command::ForecastStepForward)->isEnabled());
    frame_->action(Command::ForecastStepForward)->trigger();
    EXPECT_EQ(activeTitle(), "Прогрессии на 08.01.2027 — Анна");
    // A month of life is about 2.5 progressed hours: the Sun moves about a tenth of a degree.
    EXPECT_NEAR(window->charts().outer().chart[Bodies::Sun].longitude - sunBefore, 0.08, 0.03);

    run(onDate(Kind::SolarArc, {12, 4, 2001}));
    ASSERT_NE(frame_->windows().active<SynastryChildFrame>(), nullptr);
    EXPECT_EQ(activeTitle(), "Дирекции на 12.04.2001 — Анна");

    ForecastRequest solar;
    solar.kind = Kind::SolarReturn;
    solar.year = 2027;
    solar.place = {"Москва", 55.75, 37.6167, CalendarZone::fixed(3.0)};
    run(solar);
    ASSERT_NE(frame_->windows().active<CBornChildFrame>(), nullptr);
    EXPECT_EQ(activeTitle(), "Соляр 2027 — Анна *");
    OpenChart* cast = frame_->activeChart();
    ASSERT_NE(cast, anna_.get());
    EXPECT_EQ(frame_->chartCount(), 2);
    EXPECT_NEAR(cast->doc().natal().chart[Bodies::Sun].longitude, kNatalSun, 1e-5);
    EXPECT_EQ(cast->doc().natal().birth.year, 2027);
    EXPECT_EQ(cast->doc().natal().birth.month, 4);
    EXPECT_TRUE(recorder_.messages.empty());

    // A real chart: closing it unsaved asks first (Cancel keeps it), and it saves and reads
    // back.
    QStringList asked;
    frame_->setSaveQuestion([&asked](const QString& title) {
        asked << title;
        return QMessageBox::Cancel;
    });
    EXPECT_FALSE(frame_->closeChart(*cast));
    EXPECT_EQ(asked, QStringList{"Соляр 2027 — Анна"});
    ASSERT_TRUE(cast->doc().save(scratch_ / "solar.map"));
    CZodiacDoc reread;
    ASSERT_TRUE(reread.open(scratch_ / "solar.map").loaded());
    EXPECT_EQ(reread.natal().birth.name, "Соляр 2027 — Анна");
}

// Directions over a sky whose Sun moves a degree a day: the arc is the days from birth to the
// target date over the days of a year.
TEST(ProgressedChartSourceTest, AStepWorksTheMovedChartAgainOrLeavesItAsItWas) {
    testing::widgetApplication();
    auto sky = std::make_shared<testing::FakeSky>();
    sky->set(Bodies::Sun, 0.0, 1.0);
    auto chart = std::make_shared<OpenChart>("Образец");
    ASSERT_TRUE(chart->doc().open(ORVANTA_SAMPLE_MAP).loaded());
    const double natalMc = chart->doc().natal().chart[Bodies::kBodyCount + 10].longitude;
    ProgressedChartSource source(chart, sky, ProgressedChart::Method::SolarArc, {12, 4, 1971});
    ASSERT_TRUE(source.recompute());
    // 12.4.1961 to 12.4.1971: ten years and the leap days of 1964 and 1968.
    EXPECT_NEAR(source.outer().chart[Bodies::Sun].longitude, kNatalSun + 3652 / 365.2422, 1e-4);

    int changes = 0;
    QObject::connect(&source, &TwoChartSource::changed, [&changes] { ++changes; });
    ASSERT_TRUE(source.step(1));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(source.target(), (Date{12, 4, 1972}));
    // And 1972's 29 February.
    const double arc = 4018 / 365.2422;
    EXPECT_NEAR(source.outer().chart[Bodies::Sun].longitude, kNatalSun + arc, 1e-4);
    EXPECT_NEAR(source.outer().chart[Bodies::cuspOfHouse(10)].longitude, natalMc + arc, 1e-4);
    EXPECT_EQ(source.title(), "Дирекции на 12.04.1972 — Образец");
    // The moved chart is drawn with the natal chart's symbols.
    ASSERT_FALSE(chart->doc().natal().chart.style[Bodies::Sun].symbol.isEmpty());
    EXPECT_EQ(source.outer().chart.style[Bodies::Sun].symbol.bytes(),
              chart->doc().natal().chart.style[Bodies::Sun].symbol.bytes());

    // Progressions need the houses this sky has not: the step is refused and nothing moves.
    ProgressedChartSource progressed(chart, sky, ProgressedChart::Method::Progressions,
                                     {12, 4, 1971});
    progressed.setStepUnit(ForecastDate::Unit::Day);
    EXPECT_FALSE(progressed.step(1));
    EXPECT_EQ(progressed.target(), (Date{12, 4, 1971}));
}

}  // namespace
}  // namespace orvanta
