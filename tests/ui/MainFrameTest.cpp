#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
#include <QDate>
#include <QFontInfo>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>
#include <filesystem>

#include "WidgetInput.h"
#include "calc/EngineLoader.h"
#include "common/AppFolder.h"
#include "common/AtomicFile.h"
#include "common/Picture.h"
#include "doc/IniFile.h"
#include "draw/FontMapping.h"
#include "support/MessageRecorder.h"
#include "support/ScratchFolder.h"
#include "ui/AboutText.h"
#include "ui/AppContext.h"
#include "ui/BirthDataDialog.h"
#include "ui/CBornChildFrame.h"
#include "ui/CBornCircleView.h"
#include "ui/CBornTableView.h"
#include "ui/CMainFrame.h"
#include "ui/CommandIds.h"
#include "ui/StartUp.h"
#include "ui/StepDialog.h"

namespace orvanta {
namespace {

std::vector<std::string> topMenus(CMainFrame& frame) {
    std::vector<std::string> titles;
    for (QAction* action : frame.menuBar()->actions())
        titles.push_back(action->text().toStdString());
    return titles;
}

class MainFrameTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::widgetApplication();
        QSettings().clear();
    }
    void TearDown() override { AppFolder::setOverride({}); }

    std::filesystem::path copySample(const std::string& name) {
        const auto path = scratch_ / name;
        std::filesystem::copy_file(ORVANTA_SAMPLE_MAP, path);
        return path;
    }

    // An application folder of links to the delivered files, so that what the program writes
    // (ORVANTA.INI, the bases) stays in the scratch folder.
    void useScratchApplicationFolder(AppContext& context) {
        const auto app = scratch_ / "app";
        std::filesystem::create_directories(app);
        for (const auto& entry : std::filesystem::directory_iterator(std::getenv("ORVANTA_HOME"))) {
            if (entry.is_regular_file() && entry.path().filename() != "ORVANTA.INI")
                std::filesystem::create_symlink(entry.path(), app / entry.path().filename());
        }
        AppFolder::setOverride(app);
        context.iniFile = app / "ORVANTA.INI";
    }

    testing::ScratchFolder scratch_;
    testing::MessageRecorder recorder_;
    std::vector<std::string>& messages_ = recorder_.messages;
};

TEST_F(MainFrameTest, StartsWithAnEmptyFolderAndWithTheDeliveredOne) {
    for (bool delivered : {false, true}) {
        AppFolder::setOverride(delivered ? std::filesystem::path(std::getenv("ORVANTA_HOME"))
                                         : scratch_.path());
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
        EXPECT_EQ(frame.menuKind(), QString());
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
    EXPECT_FALSE(frame.action(Command::Save)->isEnabled());
    EXPECT_TRUE(frame.action(Command::New)->isEnabled());
}

TEST_F(MainFrameTest, AChartFileOnTheCommandLineOpensInTheNatalWindow) {
    const auto path = copySample("Иванов.map");
    AppContext context;
    useScratchApplicationFolder(context);
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
    CBornChildFrame* natal = frame.windows().active<CBornChildFrame>();
    ASSERT_NE(natal, nullptr);
    EXPECT_NE(natal->wheelView(), nullptr);
    EXPECT_NE(natal->tableView(), nullptr);
    EXPECT_TRUE(natal->wheelView()->isVisible());
    EXPECT_TRUE(natal->tableView()->isVisible());
    EXPECT_EQ(frame.menuKind(), CBornChildFrame::kKind);
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
    CBornChildFrame* natal = frame.windows().active<CBornChildFrame>();
    natal->updateDrawingArea(QSize(805, 610));
    const int barHeight = natal->infoBar()->sizeHint().height();
    EXPECT_EQ(natal->chart().drawingArea().baseWidth, 800);
    EXPECT_EQ(natal->chart().drawingArea().baseHeight, 600 - barHeight);
    natal->infoBar()->hide();
    natal->updateDrawingArea(QSize(805, 610));
    EXPECT_EQ(natal->chart().drawingArea().baseHeight, 600);

    // At zoom 1 each pane draws into its own visible area: the wheel's base radius is half
    // the pane's shorter side, and nothing scrolls.
    for (NatalChartView* view :
         std::initializer_list<NatalChartView*>{natal->wheelView(), natal->tableView()}) {
        view->grab();
        const QSize viewport = view->viewport()->size();
        EXPECT_EQ(view->drawingSize(), viewport);
        EXPECT_EQ(view->verticalScrollBar()->maximum(), 0);
    }
    frame.commandAction(command::kZoomIn)->trigger();
    EXPECT_EQ(natal->chart().drawingArea().zoom, 2);
    EXPECT_TRUE(frame.commandAction(command::kZoomIn)->isChecked());
    EXPECT_FALSE(frame.commandAction(command::kZoomOut)->isChecked());
    natal->wheelView()->grab();  // a paint with the new zoom resizes the scroll range
    natal->wheelView()->grab();  // and the scroll bars that came with it the visible area
    const QSize viewport = natal->wheelView()->viewport()->size();
    EXPECT_EQ(natal->wheelView()->drawingSize(), viewport * 2);
    EXPECT_EQ(natal->wheelView()->scrollSize(), viewport * 2);
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
    EXPECT_EQ(frame.menuKind(), QString());
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

TEST_F(MainFrameTest, NewAndOpenedChartsComeToTheFrontAsLargeAsTheActiveOne) {
    AppContext context;
    useScratchApplicationFolder(context);
    CMainFrame frame(context);
    frame.resize(1000, 800);
    frame.show();
    ASSERT_TRUE(frame.openChart(QString::fromStdString(copySample("a.map").string())));
    ASSERT_TRUE(frame.mdiArea()->activeSubWindow()->isMaximized());

    // A new chart over the maximized one: in front, active, maximized, with a Russian title.
    testing::whenModal<BirthDataDialog>([](BirthDataDialog& dialog) {
        dialog.accept();
        if (dialog.isVisible()) dialog.reject();  // refused: fail below rather than hang
    });
    frame.newChart();
    QMdiSubWindow* active = frame.mdiArea()->activeSubWindow();
    ASSERT_NE(active, nullptr);
    EXPECT_EQ(active->windowTitle(), "Без имени 1 *");  // a new chart is not saved yet
    EXPECT_TRUE(active->isMaximized());
    EXPECT_EQ(frame.activeChart()->title(), "Без имени 1");

    ASSERT_TRUE(frame.openChart(QString::fromStdString(copySample("b.map").string())));
    EXPECT_EQ(frame.mdiArea()->activeSubWindow()->windowTitle(), "b.map");
    EXPECT_TRUE(frame.mdiArea()->activeSubWindow()->isMaximized());

    // Beside a window of normal size the next one opens at normal size, inside the work area.
    frame.mdiArea()->activeSubWindow()->showNormal();
    ASSERT_TRUE(frame.openChart(QString::fromStdString(copySample("c.map").string())));
    active = frame.mdiArea()->activeSubWindow();
    EXPECT_EQ(active->windowTitle(), "c.map");
    EXPECT_FALSE(active->isMaximized());
    EXPECT_TRUE(frame.mdiArea()->viewport()->rect().contains(active->geometry()));
}

TEST_F(MainFrameTest, NewWindowIsAFullChartWindowAndTheWindowMenuListsEveryWindow) {
    AppContext context;
    useScratchApplicationFolder(context);
    CMainFrame frame(context);
    frame.resize(1000, 800);
    frame.show();
    ASSERT_TRUE(frame.openChart(QString::fromStdString(copySample("a.map").string())));
    CBornChildFrame* first = frame.windows().active<CBornChildFrame>();
    frame.action(Command::NewWindow)->trigger();
    CBornChildFrame* second = frame.windows().active<CBornChildFrame>();
    ASSERT_NE(second, first);
    const auto commandsOf = [](CBornChildFrame* frame) {
        QList<QAction*> commands = frame->toolBar()->actions();
        commands.removeIf([](QAction* action) { return action->isSeparator(); });
        return commands;
    };
    EXPECT_EQ(commandsOf(second), commandsOf(first));
    EXPECT_FALSE(commandsOf(second).isEmpty());
    EXPECT_TRUE(second->infoBar()->isVisible());
    EXPECT_TRUE(second->wheelView()->isVisible());
    EXPECT_TRUE(second->tableView()->isVisible());

    // Every tool-bar button shows its status text and, from after "\n", its tooltip.
    auto buttons = frame.findChild<QToolBar*>("mainToolBar")->actions();
    buttons += second->toolBar()->actions();
    for (QAction* button : buttons) {
        if (button->isSeparator()) continue;
        EXPECT_FALSE(button->toolTip().isEmpty()) << button->text().toStdString();
        EXPECT_FALSE(button->toolTip().contains('\n')) << button->text().toStdString();
    }
    EXPECT_EQ(frame.action(Command::Open)->statusTip(), "Открыть сохраненную карту рождения");
    EXPECT_EQ(frame.action(Command::Open)->toolTip(), "Открыть");

    QMenu* windowMenu = nullptr;
    for (QAction* top : frame.menuBar()->actions()) {
        if (top->text() == "&Окно") windowMenu = top->menu();
    }
    ASSERT_NE(windowMenu, nullptr);
    emit windowMenu->aboutToShow();
    std::vector<std::pair<QString, bool>> listed;
    QAction* firstItem = nullptr;
    for (QAction* item : windowMenu->actions()) {
        if (!item->text().startsWith('&')) continue;
        listed.emplace_back(item->text(), item->isChecked());
        if (firstItem == nullptr) firstItem = item;
    }
    EXPECT_EQ(listed,
              (std::vector<std::pair<QString, bool>>{{"&1 a.map:1 — Карта рождения", false},
                                                     {"&2 a.map:2 — Карта рождения", true}}));
    firstItem->trigger();
    EXPECT_EQ(frame.windows().active<CBornChildFrame>(), first);
}

TEST_F(MainFrameTest, AboutNamesBothVersionsTheDataCreditsAndTheLicence) {
    AppContext context;
    CMainFrame frame(context);
    const std::string engine =
        EngineLoader(EngineLoader::defaultLibraryPath()).swissEphemerisVersion();
    ASSERT_FALSE(engine.empty());
    QString shown;
    testing::whenModal<QMessageBox>([&shown](QMessageBox& box) {
        shown = box.text();
        box.accept();
    });
    frame.action(Command::About)->trigger();
    for (const QString& part :
         {"Orvanta " + AboutText::programVersion(),
          "Swiss Ephemeris (версия " + QString::fromStdString(engine) + ")", QString("GeoNames"),
          QString("CC BY 4.0"), QString("IANA"), QString("GNU AGPL")})
        EXPECT_TRUE(shown.contains(part)) << part.toStdString();
    EXPECT_EQ(AboutText::programVersion().count('.'), 2);  // the project's "0.1.0"
}

TEST_F(MainFrameTest, BirthMomentUndoesTheStepsAndIsOfferedOnlyAfterOne) {
    AppContext context;
    useScratchApplicationFolder(context);
    CMainFrame frame(context);
    frame.show();
    ASSERT_TRUE(frame.openChart(QString::fromStdString(copySample("b.map").string())));
    QApplication::processEvents();
    auto* natal = frame.windows().active<CBornChildFrame>();
    ASSERT_NE(natal, nullptr);
    const BirthData born = frame.activeChart()->doc().natal().birth;
    QAction* back = frame.action(Command::BirthMoment);
    EXPECT_FALSE(back->isEnabled());
    EXPECT_FALSE(natal->birthMomentButton()->isEnabled());

    testing::whenModal<StepDialog>([](StepDialog& dialog) {
        dialog.setAmounts(ChartStep{1, 0, 0, 0, 0});
        testing::click(dialog.forwardButton());
        testing::click(dialog.forwardButton());
        dialog.accept();
    });
    frame.action(Command::Step)->trigger();
    EXPECT_EQ(frame.activeChart()->doc().natal().birth.year, born.year + 2);
    EXPECT_TRUE(back->isEnabled());
    EXPECT_TRUE(natal->birthMomentButton()->isEnabled());

    testing::click(natal->birthMomentButton());
    const BirthData& now = frame.activeChart()->doc().natal().birth;
    EXPECT_EQ(std::vector<int>({now.year, now.month, now.day, now.hour, now.minute}),
              std::vector<int>({born.year, born.month, born.day, born.hour, born.minute}));
    EXPECT_FALSE(back->isEnabled());
    EXPECT_TRUE(frame.activeChart()->doc().isModified());
    frame.activeChart()->setModified(false);
}

TEST_F(MainFrameTest, RecentFilesTellChartsOfOneNameApartAndStayInTheProgramsSettings) {
    AppContext context;
    useScratchApplicationFolder(context);
    std::filesystem::create_directories(scratch_ / "one");
    std::filesystem::create_directories(scratch_ / "two");
    {
        CMainFrame frame(context);
        for (const char* folder : {"one", "two"}) {
            const auto path = scratch_ / folder / "sample.map";
            std::filesystem::copy_file(ORVANTA_SAMPLE_MAP, path);
            ASSERT_TRUE(frame.openChart(QString::fromStdString(path.string())));
        }
        frame.close();
    }
    CMainFrame reopened(context);
    QStringList shown;
    for (QAction* item : reopened.findChildren<QAction*>()) {
        if (item->isVisible() && item->statusTip() == "Открыть этот документ")
            shown << item->text();
    }
    shown.sort();
    EXPECT_EQ(shown, (QStringList{"&1 two/sample.map", "&2 one/sample.map"}));
    IniFile ini;
    ASSERT_TRUE(ini.load(context.iniFile.readPath()));
    EXPECT_EQ(ini.value("Recent File List", "File1", ""),
              (scratch_ / "two" / "sample.map").string());
    EXPECT_EQ(ini.value("Folders", "Charts", "?"), "?");  // no file dialog was used
}

TEST_F(MainFrameTest, QtsOwnButtonsSpeakRussian) {
    QTranslator* translator = StartUp::installQtTranslation(testing::widgetApplication());
    ASSERT_NE(translator, nullptr);
    QMessageBox box(QMessageBox::Question, "Orvanta", "?",
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove('&'), "Да");
    EXPECT_EQ(box.button(QMessageBox::No)->text().remove('&'), "Нет");
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text().remove('&'), "Отмена");
    QCoreApplication::removeTranslator(translator);
    delete translator;
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
