#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <filesystem>
#include <map>

#include "WidgetInput.h"
#include "doc/ForecastChoice.h"
#include "support/MessageRecorder.h"
#include "support/ScratchFolder.h"
#include "ui/AppContext.h"
#include "ui/CBornChildFrame.h"
#include "ui/CMainFrame.h"
#include "ui/CTextChildFrame.h"
#include "ui/CTextView.h"
#include "ui/CTrChildFrame.h"
#include "ui/CommandIds.h"
#include "ui/EventDateDialog.h"
#include "ui/ForecastCommands.h"
#include "ui/HelpWindow.h"
#include "ui/StartUp.h"
#include "ui/SynastryChildFrame.h"
#include "ui/TextEditCommands.h"

namespace orvanta {
namespace {

using testing::whenModal;

enum class Kind { NoChart, Natal, Text, Event };
constexpr Kind kKinds[] = {Kind::NoChart, Kind::Natal, Kind::Text, Kind::Event};
const char* const kKindNames[] = {"no chart", "natal", "text", "event"};

// How many receivers an action's triggered and toggled signals have.
class SignalCount : public QObject {
  public:
    static int of(const QAction& action) {
        const auto receivers = &SignalCount::receivers;
        return (action.*receivers)(SIGNAL(triggered(bool))) +
               (action.*receivers)(SIGNAL(toggled(bool)));
    }
};

// Menus and tool buttons connect to the actions they show for their own needs; what they add
// is measured on bare actions, so that only the program's own handlers are counted.
class OwnConnections {
  public:
    OwnConnections() {
        QAction inMenu, onButton, onBar;
        QMenu menu;
        menu.addAction(&inMenu);
        menu_ = SignalCount::of(inMenu);
        QToolButton button;
        button.setDefaultAction(&onButton);
        button_ = SignalCount::of(onButton);
        QToolBar bar;
        bar.addAction(&onBar);
        bar_ = SignalCount::of(onBar) - button_;
    }
    int of(const QAction& action) const {
        int count = 0;
        for (QObject* user : action.associatedObjects()) {
            if (qobject_cast<QMenuBar*>(user)) continue;
            if (qobject_cast<QMenu*>(user)) count += menu_;
            if (qobject_cast<QToolButton*>(user)) count += button_;
            if (qobject_cast<QToolBar*>(user)) count += bar_;
        }
        return count;
    }

  private:
    int menu_ = 0;
    int button_ = 0;
    int bar_ = 0;
};

bool insideAnotherWindow(const QWidget* widget, const QMdiSubWindow* active) {
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        if (auto* window = qobject_cast<const QMdiSubWindow*>(w)) return window != active;
    }
    return false;
}

void addMenuItems(const QMenu& menu, const QString& path, std::map<QAction*, QString>& found) {
    for (QAction* item : menu.actions()) {
        if (item->isSeparator() || !item->isVisible()) continue;
        const QString place = path + " > " + QString(item->text()).remove('&');
        if (item->menu()) {
            addMenuItems(*item->menu(), place, found);
        } else {
            found.emplace(item, place);
        }
    }
}

// Every action the user can reach with the active window as it is: the items of the menu bar
// and its submenus, the buttons of the main tool bar and of the active window's tool bar, and
// the keys of the frame's visible widgets. Each with where it was found.
std::map<QAction*, QString> reachableActions(CMainFrame& frame) {
    std::map<QAction*, QString> found;
    for (QAction* top : frame.menuBar()->actions()) {
        if (top->menu()) addMenuItems(*top->menu(), QString(top->text()).remove('&'), found);
    }
    QMdiSubWindow* active = frame.mdiArea()->activeSubWindow();
    for (QToolBar* bar : frame.findChildren<QToolBar*>()) {
        if (!bar->isVisibleTo(&frame) || insideAnotherWindow(bar, active)) continue;
        for (QAction* button : bar->actions()) {
            if (!button->isSeparator()) found.emplace(button, "tool bar: " + button->toolTip());
        }
    }
    QList<QWidget*> widgets = frame.findChildren<QWidget*>();
    widgets.append(&frame);
    for (QWidget* widget : widgets) {
        if (qobject_cast<QMenu*>(widget) || !widget->isVisible() ||
            insideAnotherWindow(widget, active))
            continue;
        for (QAction* key : widget->actions()) {
            if (!key->shortcuts().isEmpty())
                found.emplace(key, "key " + key->shortcut().toString() + ": " + key->text());
        }
    }
    return found;
}

class CommandWalkTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::widgetApplication();
        StartUp::loadContext(context_);
        frame_ = std::make_unique<CMainFrame>(context_);
        frame_->resize(1000, 800);
        frame_->show();
    }
    void TearDown() override {
        // No question about unsaved texts or charts as the frame goes.
        for (QMdiSubWindow* window : frame_->mdiArea()->subWindowList()) {
            if (auto* text = qobject_cast<CTextChildFrame*>(window->widget()))
                text->view()->document()->setModified(false);
        }
        frame_->setSaveQuestion([](const QString&) { return QMessageBox::No; });
        frame_.reset();
    }

    bool openSample(const std::string& name) {
        const auto path = scratch_ / name;
        std::filesystem::copy_file(ORVANTA_SAMPLE_MAP, path);
        const bool opened = frame_->openChart(QString::fromStdString(path.string()));
        QApplication::processEvents();
        return opened;
    }

    // Brings up the active chart's window of a kind through the menu's commands, the day of a
    // first event chart confirmed as it is offered.
    void activate(Kind kind) {
        if (kind == Kind::Natal) frame_->action(Command::NatalWindow)->trigger();
        if (kind == Kind::Text) frame_->action(Command::TextWindow)->trigger();
        if (kind == Kind::Event) {
            if (!frame_->activeChart()->doc().eventChart().state().computed) {
                whenModal<EventDateDialog>([](EventDateDialog& dialog) {
                    testing::click(dialog.findChild<QPushButton*>("ok"));
                });
            }
            frame_->action(Command::EventWindow)->trigger();
        }
        QApplication::processEvents();
    }

    // The reachable actions the key triggers.
    std::vector<QAction*> boundTo(const QKeySequence& key) const {
        std::vector<QAction*> bound;
        for (const auto& [action, place] : reachableActions(*frame_)) {
            if (action->shortcuts().contains(key)) bound.push_back(action);
        }
        return bound;
    }

    QWidget* activeFrame() const {
        QMdiSubWindow* window = frame_->mdiArea()->activeSubWindow();
        return window ? window->widget() : nullptr;
    }

    testing::ScratchFolder scratch_;
    testing::MessageRecorder recorder_;
    AppContext context_;
    std::unique_ptr<CMainFrame> frame_;
};

TEST_F(CommandWalkTest, EveryReachableActionHasAHandlerInEveryWindowKind) {
    const OwnConnections own;
    QStringList unconnected;
    for (Kind kind : kKinds) {
        if (kind == Kind::Natal) {
            ASSERT_TRUE(openSample("sample.map"));
        }
        activate(kind);
        const auto reachable = reachableActions(*frame_);
        EXPECT_GT(reachable.size(), 8u) << kKindNames[static_cast<int>(kind)];
        for (const auto& [action, place] : reachable) {
            if (SignalCount::of(*action) <= own.of(*action))
                unconnected << QString("%1: %2").arg(kKindNames[static_cast<int>(kind)], place);
        }
    }
    EXPECT_TRUE(unconnected.isEmpty()) << unconnected.join('\n').toStdString();
}

// Where each command can be reached and whether it can act there, for the windows as the
// user first sees them: '-' not reachable, '+' enabled, '0' disabled. The columns: no chart,
// the natal window, the text window (with a selection and text on the clipboard, the text
// not edited yet) and the event chart window.
struct Expected {
    Command key;
    const char* edit;  // the text window's "Правка" item when the key does not say
    const char* states;
};

constexpr const char* kCommand = nullptr;
const Expected kExpected[] = {
    {Command::New, kCommand, "++++"},
    {Command::Open, kCommand, "++++"},
    {Command::Close, kCommand, "-+++"},
    {Command::Save, kCommand, "0+++"},
    {Command::SaveAs, kCommand, "-+++"},
    {Command::Print, kCommand, "0+++"},
    {Command::PrintPreview, kCommand, "-+++"},
    {Command::PrintSetup, kCommand, "-+++"},
    {Command::ExportPicture, kCommand, "-+-+"},
    {Command::Exit, kCommand, "++++"},
    {Command::Cut, kCommand, "00+0"},
    {Command::Copy, kCommand, "00+0"},
    {Command::Paste, kCommand, "00+0"},
    {Command::About, kCommand, "++++"},
    {Command::Notice, kCommand, "++++"},
    {Command::ToolBarToggle, kCommand, "++++"},
    {Command::StatusBarToggle, kCommand, "++++"},
    {Command::ChangeBirthData, kCommand, "-+++"},
    {Command::Step, kCommand, "-+--"},
    {Command::NatalSettings, kCommand, "-+--"},
    {Command::EventSettings, kCommand, "---+"},
    {Command::ZoomIn, kCommand, "-+--"},
    {Command::ZoomOut, kCommand, "-+--"},
    {Command::NatalWindow, kCommand, "-+++"},
    {Command::TextWindow, kCommand, "-+++"},
    {Command::EventWindow, kCommand, "-+++"},
    {Command::SynthesizeText, kCommand, "-+--"},
    {Command::BuildEventChart, kCommand, "-+--"},
    {Command::NewWindow, kCommand, "-+0+"},
    {Command::Cascade, kCommand, "-+++"},
    {Command::TileHorizontally, kCommand, "-+++"},
    {Command::TileVertically, kCommand, "-+++"},
    {Command::ArrangeIcons, kCommand, "-+++"},
    {Command::Analysis, kCommand, "---+"},
    {Command::EventDate, kCommand, "---+"},
    {Command::EventStep, kCommand, "---+"},
    {Command::TransitCalendar, kCommand, "-+--"},
    {Command::Collection, kCommand, "++++"},
    {Command::ImportAaf, kCommand, "++++"},
    {Command::ExportAaf, kCommand, "++++"},
    {Command::Synastry, kCommand, "-+--"},
    {Command::Composite, kCommand, "-+--"},
    {Command::Davison, kCommand, "-+--"},
    {Command::SwapCharts, kCommand, "----"},
    {Command::BirthMoment, kCommand, "-0--"},  // until the chart is stepped
    {Command::Help, kCommand, "++++"},
    {Command::DegreesMinutes, kCommand, "-+--"},
    {Command::Forecast, kCommand, "-+--"},
    {Command::ForecastStepBack, kCommand, "----"},  // in the progressions window only
    {Command::ForecastStepForward, kCommand, "----"},
    {Command::Count, "undo", "--0-"},
    {Command::Count, "cut", "--+-"},
    {Command::Count, "copy", "--+-"},
    {Command::Count, "paste", "--+-"},
    {Command::Count, "selectAll", "--+-"},
    {Command::Count, "delete", "--+-"},
    {Command::Count, "find", "--+-"},
    {Command::Count, "replace", "--+-"},
};

TEST_F(CommandWalkTest, EachCommandIsReachableAndEnabledWhereItCanAct) {
    for (Kind kind : kKinds) {
        if (kind == Kind::Natal) {
            ASSERT_TRUE(openSample("sample.map"));
        }
        activate(kind);
        if (kind == Kind::Text) {
            QApplication::clipboard()->setText("из буфера");
            frame_->textEditCommands()->action("selectAll")->trigger();
        }
        const auto reachable = reachableActions(*frame_);
        const int column = static_cast<int>(kind);
        for (const Expected& row : kExpected) {
            QAction* command =
                row.edit ? frame_->textEditCommands()->action(row.edit) : frame_->action(row.key);
            const int id = command->data().toInt();
            // The command itself, or a menu item of another text that stands for it.
            std::vector<QAction*> shown;
            for (const auto& [action, place] : reachable) {
                if (action == command || (id != 0 && action->data().toInt() == id))
                    shown.push_back(action);
            }
            const char state = row.states[column];
            const std::string what = kKindNames[column] + std::string(": ") +
                                     QString(command->text()).remove('&').toStdString();
            EXPECT_EQ(shown.empty(), state == '-') << what;
            for (QAction* action : shown) EXPECT_EQ(action->isEnabled(), state == '+') << what;
        }
    }
    // Without a selection there is nothing to cut or copy.
    activate(Kind::Text);
    frame_->windows().active<CTextChildFrame>()->view()->moveCursor(QTextCursor::End);
    for (QAction* action : {frame_->action(Command::Cut), frame_->action(Command::Copy),
                            frame_->textEditCommands()->action("cut")})
        EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
}

TEST_F(CommandWalkTest, EveryAcceleratorReachesItsCommandInTheTextWindow) {
    ASSERT_TRUE(openSample("sample.map"));
    activate(Kind::Text);
    TextEditCommands& edit = *frame_->textEditCommands();
    const std::pair<const char*, QAction*> keys[] = {
        {"Ctrl+N", frame_->action(Command::New)},
        {"Ctrl+O", frame_->action(Command::Open)},
        {"Ctrl+S", frame_->action(Command::Save)},
        {"Ctrl+P", frame_->action(Command::Print)},
        {"Ctrl+Z", edit.action("undo")},
        {"Alt+Backspace", edit.action("undo")},
        {"Ctrl+X", edit.action("cut")},
        {"Shift+Del", edit.action("cut")},
        {"Ctrl+C", edit.action("copy")},
        {"Ctrl+Ins", edit.action("copy")},
        {"Ctrl+V", edit.action("paste")},
        {"Shift+Ins", edit.action("paste")},
    };
    for (const auto& [key, command] : keys)
        EXPECT_EQ(boundTo(QKeySequence(key)), std::vector<QAction*>{command}) << key;
}

// The progressions window's step keys reach its step commands; the other windows, where the
// commands are out of reach, leave the keys free.
TEST_F(CommandWalkTest, TheStepKeysOfTheProgressionsWindowReachItsStepCommands) {
    ASSERT_TRUE(openSample("sample.map"));
    const std::pair<const char*, Command> keys[] = {{"Ctrl+Left", Command::ForecastStepBack},
                                                    {"Ctrl+Right", Command::ForecastStepForward}};
    for (Kind kind : {Kind::Natal, Kind::Text, Kind::Event}) {
        activate(kind);
        for (const auto& [key, command] : keys)
            EXPECT_TRUE(boundTo(QKeySequence(key)).empty())
                << kKindNames[static_cast<int>(kind)] << ": " << key;
    }
    activate(Kind::Natal);
    frame_->forecasts().setAsk([](const ForecastChoice&) {
        ForecastRequest request;
        request.target = {8, 12, 2026};  // progressions, the default kind
        return std::optional(request);
    });
    frame_->action(Command::Forecast)->trigger();
    QApplication::processEvents();
    ASSERT_NE(frame_->windows().active<SynastryChildFrame>(), nullptr);
    for (const auto& [key, command] : keys)
        EXPECT_EQ(boundTo(QKeySequence(key)), std::vector<QAction*>{frame_->action(command)})
            << key;
}

TEST_F(CommandWalkTest, TheWindowMenuNamesTheKindOfEachWindowItsTitleStaysShort) {
    ASSERT_TRUE(openSample("sample.map"));
    activate(Kind::Text);
    activate(Kind::Event);
    QStringList entries;
    QStringList titles;
    for (QMdiSubWindow* window : frame_->mdiArea()->subWindowList()) {
        entries << frame_->windows().menuEntry(window);
        titles << window->windowTitle();
    }
    EXPECT_EQ(entries, QStringList({"sample.map:1 — Карта рождения", "sample.map:2 — Толкование",
                                    "sample.map:3 — Карта событий"}));
    EXPECT_EQ(titles, QStringList({"sample.map:1", "sample.map:2", "sample.map:3"}));
}

TEST_F(CommandWalkTest, F1OpensTheGuideFromEveryWindowKind) {
    for (Kind kind : kKinds) {
        if (kind == Kind::Natal) {
            ASSERT_TRUE(openSample("sample.map"));
        }
        activate(kind);
        const std::string what = kKindNames[static_cast<int>(kind)];
        const std::vector<QAction*> bound = boundTo(QKeySequence(Qt::Key_F1));
        ASSERT_EQ(bound, std::vector<QAction*>{frame_->action(Command::Help)}) << what;
        bound.front()->trigger();
        auto* help = frame_->findChild<HelpWindow*>();
        ASSERT_NE(help, nullptr) << what;
        EXPECT_TRUE(help->isVisible()) << what;
        EXPECT_GT(help->contents()->count(), 0) << what;
        help->close();
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(CommandWalkTest, TheToolBarItemFollowsTheBarHiddenFromTheFramesOwnMenu) {
    QAction* item = frame_->action(Command::ToolBarToggle);
    auto* bar = frame_->findChild<QToolBar*>("mainToolBar");
    ASSERT_NE(bar, nullptr);
    bar->toggleViewAction()->trigger();
    EXPECT_TRUE(bar->isHidden());
    EXPECT_FALSE(item->isChecked());
    item->trigger();
    EXPECT_FALSE(bar->isHidden());
    EXPECT_TRUE(item->isChecked());
}

TEST_F(CommandWalkTest, ViewCommandsBringUpTheWindowsOfTheActiveChart) {
    ASSERT_TRUE(openSample("first.map"));
    ASSERT_TRUE(openSample("second.map"));
    OpenChart* second = frame_->activeChart();
    ASSERT_EQ(second->title(), "second.map");

    // Cancel on the first day of an event chart opens no window.
    whenModal<EventDateDialog>(
        [](EventDateDialog& dialog) { testing::click(dialog.findChild<QPushButton*>("cancel")); });
    frame_->action(Command::BuildEventChart)->trigger();
    EXPECT_EQ(frame_->mdiArea()->subWindowList().size(), 2);
    EXPECT_EQ(frame_->menuKind(), CBornChildFrame::kKind);

    // From each window kind to each other, always on the second chart; once a window of a
    // kind is up, asking again brings the same window back.
    const std::pair<Kind, const char*> route[] = {
        {Kind::Event, CTrChildFrame::kKind},   {Kind::Text, CTextChildFrame::kKind},
        {Kind::Natal, CBornChildFrame::kKind}, {Kind::Event, CTrChildFrame::kKind},
        {Kind::Natal, CBornChildFrame::kKind}, {Kind::Text, CTextChildFrame::kKind},
        {Kind::Event, CTrChildFrame::kKind},
    };
    std::map<Kind, QWidget*> windows;
    for (const auto& [kind, menu] : route) {
        activate(kind);
        EXPECT_EQ(frame_->menuKind(), menu);
        ASSERT_EQ(frame_->activeChart(), second);
        const auto known = windows.emplace(kind, activeFrame()).first;
        EXPECT_EQ(known->second, activeFrame()) << "a second window of one kind";
    }
    EXPECT_EQ(frame_->mdiArea()->subWindowList().size(), 4);
    // Each change of kind built the menus anew; the old ones are gone.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const auto menus = frame_->menuBar()->findChildren<QMenu*>(Qt::FindDirectChildrenOnly);
    const auto titled = std::count_if(menus.begin(), menus.end(),
                                      [](QMenu* menu) { return !menu->title().isEmpty(); });
    EXPECT_EQ(titled, frame_->menuBar()->actions().size());

    // The event window's "Натальная карта" stands for the natal window command.
    QAction* natalItem = nullptr;
    for (const auto& [action, place] : reachableActions(*frame_)) {
        if (place.endsWith("Натальная карта")) natalItem = action;
    }
    ASSERT_NE(natalItem, nullptr);
    natalItem->trigger();
    QApplication::processEvents();
    EXPECT_EQ(activeFrame(), windows[Kind::Natal]);

    // From the first chart's window the commands reach the first chart.
    QMdiSubWindow* first = frame_->mdiArea()->subWindowList().front();
    frame_->mdiArea()->setActiveSubWindow(first);
    OpenChart* firstChart = frame_->activeChart();
    ASSERT_NE(firstChart, second);
    activate(Kind::Text);
    EXPECT_EQ(frame_->activeChart(), firstChart);
    EXPECT_NE(activeFrame(), windows[Kind::Text]);
    EXPECT_EQ(frame_->mdiArea()->subWindowList().size(), 5);
    EXPECT_TRUE(recorder_.messages.empty());
}

}  // namespace
}  // namespace orvanta
