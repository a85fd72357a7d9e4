#include <gtest/gtest.h>

#include <QApplication>
#include <QMenuBar>
#include <filesystem>

#include "WidgetInput.h"
#include "support/ScratchFolder.h"
#include "ui/AppContext.h"
#include "ui/CBornChildFrame.h"
#include "ui/CMainFrame.h"
#include "ui/StartUp.h"

namespace orvanta {
namespace {

// A window kind the program does not have: one per chart, a menu of its own, no picture.
class ProbeWindow : public QWidget, public ChartWindow {
  public:
    static constexpr const char* kKind = "probe";
    static inline bool refuseFirst = false;

    explicit ProbeWindow(std::shared_ptr<OpenChart> chart) : chart_(std::move(chart)) {}
    static ProbeWindow* make(std::shared_ptr<OpenChart> chart, const WindowServices&) {
        return new ProbeWindow(std::move(chart));
    }
    static bool mayOpenFirst(OpenChart&, const WindowServices&) { return !refuseFirst; }

    QWidget& widget() override { return *this; }
    OpenChart& chart() override { return *chart_; }
    std::shared_ptr<OpenChart> sharedChart() const override { return chart_; }
    void addMenus(const Menus& menus) override { menus.bar.addMenu("&Проба"); }
    bool allowsSecondWindow() const override { return false; }
    bool print(QPrinter&, QWidget*) override { return false; }

  private:
    std::shared_ptr<OpenChart> chart_;
};

QStringList menuTitles(CMainFrame& frame) {
    QStringList titles;
    for (QAction* top : frame.menuBar()->actions()) titles << top->text();
    return titles;
}

bool fileMenuHas(CMainFrame& frame, Command key) {
    return frame.menuBar()->actions().constFirst()->menu()->actions().contains(frame.action(key));
}

TEST(WindowKinds, AKindAddedMakesItsWindowAndTheMenusFollowTheActiveKind) {
    testing::widgetApplication();
    testing::ScratchFolder scratch;
    std::filesystem::copy_file(ORVANTA_SAMPLE_MAP, scratch / "sample.map");
    AppContext context;
    StartUp::loadContext(context);
    context.iniFile = DataFile();  // the recent files stay out of the delivered folder
    CMainFrame frame(context);
    frame.resize(900, 700);
    frame.show();
    ASSERT_TRUE(frame.openChart(QString::fromStdString((scratch / "sample.map").string())));
    ChartWindows& windows = frame.windows();
    windows.kinds().add<ProbeWindow>();
    const auto chart = frame.charts().shared(frame.activeChart());

    // Asked first and cancelled: no window; an unknown kind makes none either.
    ProbeWindow::refuseFirst = true;
    EXPECT_EQ(windows.show(ProbeWindow::kKind, chart), nullptr);
    EXPECT_EQ(windows.show("unknown", chart), nullptr);
    EXPECT_EQ(frame.mdiArea()->subWindowList().size(), 1);

    ProbeWindow::refuseFirst = false;
    ChartWindow* probe = windows.show(ProbeWindow::kKind, chart);
    QApplication::processEvents();
    ASSERT_NE(probe, nullptr);
    EXPECT_EQ(windows.activeWindow(), probe);
    EXPECT_EQ(&probe->chart(), chart.get());
    EXPECT_EQ(frame.mdiArea()->activeSubWindow()->windowTitle(), "sample.map:2");
    EXPECT_EQ(frame.menuKind(), ProbeWindow::kKind);
    EXPECT_EQ(menuTitles(frame),
              QStringList({"&Файл", "&Проба", "&Сервис", "&Окно", "&?", "&ВНИМАНИЕ !"}));
    EXPECT_FALSE(fileMenuHas(frame, Command::ExportPicture));
    EXPECT_FALSE(frame.action(Command::NewWindow)->isEnabled());
    EXPECT_TRUE(frame.action(Command::Print)->isEnabled());

    // Back to the natal window and its menus, then the same probe window again.
    frame.action(Command::NatalWindow)->trigger();
    QApplication::processEvents();
    EXPECT_EQ(frame.menuKind(), CBornChildFrame::kKind);
    EXPECT_FALSE(menuTitles(frame).contains("&Проба"));
    EXPECT_TRUE(fileMenuHas(frame, Command::ExportPicture));
    EXPECT_TRUE(frame.action(Command::NewWindow)->isEnabled());
    EXPECT_EQ(windows.show(ProbeWindow::kKind, chart), probe);
    QApplication::processEvents();
    EXPECT_TRUE(menuTitles(frame).contains("&Проба"));
    EXPECT_EQ(frame.mdiArea()->subWindowList().size(), 2);
}

}  // namespace
}  // namespace orvanta
