#pragma once

#include <QAction>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <memory>
#include <vector>

#include "ui/AppContext.h"
#include "ui/ChartLifecycle.h"
#include "ui/ChartWindows.h"
#include "ui/CommandTable.h"
#include "ui/PictureExportCommands.h"
#include "ui/PrintCommands.h"
#include "ui/StatusPanes.h"

namespace orvanta {

class ChartWindow;
class CollectionWindow;
class EventWindowCommands;
class ForecastCommands;
class TextEditCommands;
class TwoChartCommands;

// The main frame: menus that follow the active child window, the main tool bar and the
// status bar. The charts' life lives in ChartLifecycle, the child windows in ChartWindows,
// and every command in the CommandTable; the frame wires them together.
class CMainFrame : public QMainWindow {
    Q_OBJECT
  public:
    using SaveQuestion = ChartLifecycle::SaveQuestion;

    explicit CMainFrame(AppContext& context, QWidget* parent = nullptr);
    ~CMainFrame() override;

    ChartLifecycle& charts() { return *charts_; }
    ChartWindows& windows() { return *windows_; }
    CommandTable& commands() { return *commands_; }
    TwoChartCommands& twoCharts() { return *twoCharts_; }
    ForecastCommands& forecasts() { return *forecasts_; }

    // File commands.
    void newChart() { charts_->newChart(); }
    bool openChart(const QString& path) { return charts_->openChart(path); }
    bool saveChart(OpenChart& chart) { return charts_->saveChart(chart); }
    bool closeChart(OpenChart& chart) { return charts_->closeChart(chart); }
    void newWindow() { windows_->newWindow(); }
    // "Картотека", over the frame.
    void showCollection();

    OpenChart* activeChart() const;
    TextEditCommands* textEditCommands() const { return textEdit_; }
    QMdiArea* mdiArea() const { return mdi_; }
    // The kind of window the menus are built for (its name in WindowKinds), empty for none.
    const QString& menuKind() const { return menuKind_; }
    QAction* action(Command key) const { return commands_->action(key); }
    // The action of a numeric command identifier, or nullptr.
    QAction* commandAction(int id) const { return commands_->findId(id); }
    const RecentFileList& recentFiles() const { return charts_->recentFiles(); }
    int chartCount() const { return charts_->count(); }

    QString dateText() const { return statusPanes_->dateText(); }
    QString timeText() const { return statusPanes_->timeText(); }
    void refreshClock() { statusPanes_->refreshClock(); }

    void setSaveQuestion(SaveQuestion question) { charts_->setSaveQuestion(std::move(question)); }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void handleFileCommands();
    void handleChartCommands();
    void handleWindowCommands();
    // A command that brings up the active chart's window of a kind.
    std::function<void()> showKind(const char* kind);
    void handleTextCommands();
    // A window that owns the file commands answers them itself while it is active.
    std::function<void()> ownOr(void (ChartWindow::*own)(), std::function<void()> otherwise);
    void handlePrintCommands();
    void createRecentFileActions();
    void createToolBar();

    // The menus for the window (nullptr: no chart window).
    void rebuildMenus(ChartWindow* window);
    void addFileMenu(ChartWindow* window);
    void addServiceMenu();
    void addWindowMenu();
    void addHelpMenus();
    void listWindows(QMenu& menu);
    void updateCommandStates();
    void updateRecentFileActions();
    void onSubWindowActivated(QMdiSubWindow* window);

    // "Картотека", made when first asked for.
    CollectionWindow& collection();
    void showAbout();
    // "Вид → Градусы и минуты": the notation of positions, redrawn in every open window.
    void setDegreesMinutes(bool degreesMinutes);
    void showNotice();
    void setZoom(int zoom);
    // "Показать конфигурации" of the active chart's wheel.
    void togglePatterns();

    AppContext& context_;
    QMdiArea* mdi_ = nullptr;
    CommandTable* commands_ = nullptr;
    ChartWindows* windows_ = nullptr;
    ChartLifecycle* charts_ = nullptr;
    StatusPanes* statusPanes_ = nullptr;
    TextEditCommands* textEdit_ = nullptr;
    TwoChartCommands* twoCharts_ = nullptr;
    ForecastCommands* forecasts_ = nullptr;
    QString menuKind_;
    std::vector<QAction*> recentActions_;
    std::vector<QAction*> windowListActions_;
    QToolBar* mainToolBar_ = nullptr;
    std::unique_ptr<PrintCommands> printing_;
    std::unique_ptr<PictureExportCommands> exporting_;
    // The handlers keep it: it must live as long as the frame.
    std::unique_ptr<EventWindowCommands> eventCommands_;
    CollectionWindow* collection_ = nullptr;
};

}  // namespace orvanta
