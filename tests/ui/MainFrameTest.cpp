#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
#include <QDate>
#include <QFontInfo>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>
#include <filesystem>

#include "common/AppFolder.h"
#include "common/AtomicFile.h"
#include "common/MessageSink.h"
#include "common/Picture.h"
#include "draw/FontMapping.h"
#include "ui/AppContext.h"
#include "ui/CBornChildFrame.h"
#include "ui/CBornCircleView.h"
#include "ui/CBornTableView.h"
#include "ui/CMainFrame.h"
#include "ui/CommandIds.h"
#include "ui/StartUp.h"

namespace orvanta {
namespace {

QApplication& application() {
    static int argc = 1;
    static char name[] = "test_ui";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        // Other widget tests of this program may have made the application already.
        if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance()))
            return existing;
        auto* created = new QApplication(argc, argv);
        QApplication::setOrganizationName("OrvantaTests");
        QApplication::setApplicationName("test_ui");
        return created;
    }();
    return *app;
}

std::vector<std::string> topMenus(CMainFrame& frame) {
    std::vector<std::string> titles;
    for (QAction* action : frame.menuBar()->actions())
        titles.push_back(action->text().toStdString());
    return titles;
}

class MainFrameTest : public ::testing::Test {
  protected:
    void SetUp() override {
        application();
        char pattern[] = "/tmp/orvanta-ui-XXXXXX";
        scratch_ = mkdtemp(pattern);
        previous_ =
            MessageSink::install([this](std::string_view text) { messages_.emplace_back(text); });
        QSettings().clear();
    }
    void TearDown() override {
        MessageSink::install(std::move(previous_));
        AppFolder::setOverride({});
        std::filesystem::remove_all(scratch_);
    }

    std::filesystem::path copySample(const std::string& name) {
        const auto path = scratch_ / name;
        std::filesystem::copy_file(ORVANTA_SAMPLE_MAP, path);
        return path;
    }

    std::filesystem::path scratch_;
    std::vector<std::string> messages_;
    MessageSink::Handler previous_;
};

TEST_F(MainFrameTest, StartsWithAnEmptyFolderAndWithTheDeliveredOne) {
    for (bool delivered : {false, true}) {
        AppFolder::setOverride(delivered ? std::filesystem::path(std::getenv("ORVANTA_HOME"))
                                         : scratch_);
        AppContext context;
        StartUp::loadContext(context);
        EXPECT_EQ(context.settings.serifFace, "Times New Roman Cyr");
        EXPECT_EQ(context.resources.signPicture(1).isEmpty(), !delivered);
        if (!delivered) {
            // A missing time-change base becomes an empty file, silently.
            EXPECT_TRUE(std::filesystem::exists(scratch_ / "Timechg.tch"));
            EXPECT_EQ(context.timeChanges.size(), 0);
        } else {
            EXPECT_GT(context.timeChanges.size(), 10);
            // The delivered start-up picture reads as a picture of the splash's size.
            Picture splash;
            EXPECT_TRUE(splash.loadFile(AppFolder::find("orvanta.bmp")));
            EXPECT_EQ(splash.width(), 640);
            EXPECT_EQ(splash.height(), 480);
        }
        CMainFrame frame(context);
        frame.show();
        EXPECT_EQ(frame.menuKind(), CMainFrame::MenuKind::NoDocument);
        EXPECT_EQ(topMenus(frame),
                  (std::vector<std::string>{"&Файл", "&Сервис", "&?", "&ВНИМАНИЕ !"}));
        EXPECT_TRUE(messages_.empty());
    }
    // The configured face names resolve to installed fonts that show Cyrillic.
    FontMapping::install("Times New Roman Cyr", "Courier New Cyr", "MS Sans Serif");
    EXPECT_NE(FontMapping::resolvedFamily("Times New Roman Cyr"), "Times New Roman Cyr");
    EXPECT_TRUE(QFontInfo(QFont("Courier New Cyr")).fixedPitch());
}

TEST_F(MainFrameTest, WindowCommandsNeedAChartWindow) {
    AppContext context;
    CMainFrame frame(context);
    frame.show();
    for (int id : {command::kNatalWindow, command::kTextWindow, command::kEventWindow,
                   command::kZoomIn, command::kZoomOut}) {
        ASSERT_NE(frame.commandAction(id), nullptr);
        EXPECT_FALSE(frame.commandAction(id)->isEnabled()) << id;
    }
    EXPECT_FALSE(frame.fileAction("save")->isEnabled());
    EXPECT_TRUE(frame.fileAction("new")->isEnabled());
}

TEST_F(MainFrameTest, AChartFileOnTheCommandLineOpensInTheNatalWindow) {
    const auto path = copySample("Иванов.map");
    AppContext context;
    StartUp::loadContext(context);
    const auto options =
        StartUp::parseCommandLine({"orvanta", "--nosplash", QString::fromStdString(path.string())});
    EXPECT_FALSE(options.splash);
    ASSERT_EQ(options.files.size(), 1);

    CMainFrame frame(context);
    frame.resize(1000, 800);
    frame.show();
    ASSERT_TRUE(frame.openChart(options.files.front()));
    QApplication::processEvents();
    CBornChildFrame* natal = frame.activeNatalFrame();
    ASSERT_NE(natal, nullptr);
    EXPECT_NE(natal->wheelView(), nullptr);
    EXPECT_NE(natal->tableView(), nullptr);
    EXPECT_TRUE(natal->wheelView()->isVisible());
    EXPECT_TRUE(natal->tableView()->isVisible());
    EXPECT_EQ(frame.menuKind(), CMainFrame::MenuKind::Natal);
    EXPECT_EQ(topMenus(frame),
              (std::vector<std::string>{"&Файл", "&Вид", "&Сервис", "&Окно", "&?", "&ВНИМАНИЕ !"}));
    EXPECT_TRUE(frame.commandAction(command::kNatalWindow)->isEnabled());
    EXPECT_TRUE(frame.commandAction(command::kZoomOut)->isChecked());
    EXPECT_EQ(natal->chart().doc().natal().birth.name, "Образец");
    EXPECT_EQ(frame.mdiArea()->activeSubWindow()->windowTitle(), "Иванов.map");
    EXPECT_EQ(frame.recentFiles().files().front(), path.string());

    // The same chart again comes to the front instead of opening twice.
    EXPECT_TRUE(frame.openChart(QString::fromStdString(path.string())));
    EXPECT_EQ(frame.chartCount(), 1);
    // The natal window command activates the existing window.
    frame.commandAction(command::kNatalWindow)->trigger();
    EXPECT_EQ(frame.mdiArea()->subWindowList().size(), 1);
    EXPECT_TRUE(messages_.empty());
}

TEST_F(MainFrameTest, TheFrameSetsTheDrawingAreaAndZoomDoublesIt) {
    AppContext context;
    CMainFrame frame(context);
    frame.resize(1000, 800);
    frame.show();
    ASSERT_TRUE(frame.openChart(QString::fromStdString(copySample("a.map").string())));
    CBornChildFrame* natal = frame.activeNatalFrame();
    natal->updateDrawingArea(QSize(805, 610));
    const int barHeight = natal->infoBar()->sizeHint().height();
    EXPECT_EQ(natal->chart().drawingArea().baseWidth, 800);
    EXPECT_EQ(natal->chart().drawingArea().baseHeight, 600 - barHeight);
    natal->infoBar()->hide();
    natal->updateDrawingArea(QSize(805, 610));
    EXPECT_EQ(natal->chart().drawingArea().baseHeight, 600);

    frame.commandAction(command::kZoomIn)->trigger();
    EXPECT_EQ(natal->chart().drawingArea().zoom, 2);
    EXPECT_TRUE(frame.commandAction(command::kZoomIn)->isChecked());
    EXPECT_FALSE(frame.commandAction(command::kZoomOut)->isChecked());
    natal->wheelView()->grab();  // a paint with the new zoom resizes the scroll range
    const QSize viewport = natal->wheelView()->viewport()->size();
    const DrawingArea& area = natal->chart().drawingArea();
    EXPECT_EQ(natal->wheelView()->scrollSize(),
              (viewport * 2).expandedTo(QSize(area.width(), area.height())));
    EXPECT_GE(natal->wheelView()->scrollSize().height(), area.height());
    frame.commandAction(command::kZoomOut)->trigger();
    EXPECT_EQ(natal->chart().drawingArea().zoom, 1);
}

TEST_F(MainFrameTest, ClosingAModifiedChartAsksAndCancelKeepsIt) {
    AppContext context;
    CMainFrame frame(context);
    frame.show();
    const auto path = copySample("b.map");
    const auto original = *AtomicFile::read(path);
    ASSERT_TRUE(frame.openChart(QString::fromStdString(path.string())));
    OpenChart* chart = frame.activeChart();
    ASSERT_NE(chart, nullptr);

    std::vector<QString> asked;
    auto answer = QMessageBox::Cancel;
    frame.setSaveQuestion([&](const QString& title) {
        asked.push_back(title);
        return answer;
    });
    // Unmodified: closes without a question.
    chart->setModified(false);
    frame.newWindow();
    EXPECT_EQ(frame.mdiArea()->subWindowList().size(), 2);
    // Closing one of two windows of a modified chart does not ask either.
    chart->setModified(true);
    frame.mdiArea()->activeSubWindow()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(frame.mdiArea()->subWindowList().size(), 1);

    // The last window asks; Cancel keeps the chart open.
    EXPECT_FALSE(frame.closeChart(*frame.activeChart()));
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], "b.map");
    EXPECT_EQ(frame.chartCount(), 1);

    // Yes saves the chart, then closes it.
    answer = QMessageBox::Yes;
    frame.activeChart()->doc().natal().birth.name = "Пётр";
    EXPECT_TRUE(frame.closeChart(*frame.activeChart()));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
    EXPECT_EQ(frame.chartCount(), 0);
    EXPECT_NE(*AtomicFile::read(path), original);
    EXPECT_EQ(frame.menuKind(), CMainFrame::MenuKind::NoDocument);
}

TEST_F(MainFrameTest, ADamagedChartFileIsRefusedWithAMessage) {
    AppContext context;
    CMainFrame frame(context);
    const auto path = scratch_ / "broken.map";
    AtomicFile::write(path, std::string("\x01\x00\x00", 3));
    EXPECT_FALSE(frame.openChart(QString::fromStdString(path.string())));
    EXPECT_EQ(frame.chartCount(), 0);
    ASSERT_FALSE(messages_.empty());
    EXPECT_EQ(frame.mdiArea()->subWindowList().size(), 0);
}

TEST_F(MainFrameTest, ClockPanesShowTheRussianDateAndTime) {
    AppContext context;
    CMainFrame frame(context);
    frame.refreshClock();
    const QDate today = QDate::currentDate();
    EXPECT_TRUE(frame.dateText().startsWith(QString::number(today.day()) + " "));
    EXPECT_TRUE(frame.dateText().contains(QString::number(today.year())));
    EXPECT_TRUE(frame.timeText().endsWith("   "));
    EXPECT_EQ(frame.timeText().size(), 8);
}

}  // namespace
}  // namespace orvanta
