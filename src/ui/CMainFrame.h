#pragma once

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "doc/RecentFileList.h"
#include "ui/AppContext.h"
#include "ui/OpenChart.h"

namespace orvanta {

class CBornChildFrame;
class CTextChildFrame;
class ChildSubWindow;
class TextEditCommands;

// The main frame: menus that follow the active child window, the main tool bar, the status
// bar with the keyboard indicators and the date and time panes, and the commands that open,
// save and close charts and bring up the windows of the active chart.
class CMainFrame : public QMainWindow {
    Q_OBJECT
  public:
    enum class MenuKind { NoDocument, Natal, Text };
    using SaveQuestion = std::function<QMessageBox::StandardButton(const QString& title)>;

    explicit CMainFrame(AppContext& context, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // File commands.
    void newChart();
    bool openChart(const QString& path);
    bool saveChart(OpenChart& chart);
    bool saveChartAs(OpenChart& chart);
    bool closeChart(OpenChart& chart);

    // Brings up the natal chart window of a chart: the existing one, or a new one.
    CBornChildFrame* showNatalWindow(const std::shared_ptr<OpenChart>& chart);
    // Brings up the interpretation text window of a chart: the existing one, or a new one.
    CTextChildFrame* showTextWindow(const std::shared_ptr<OpenChart>& chart);
    // Another window of the active window's kind on the same chart.
    void newWindow();

    OpenChart* activeChart() const;
    CBornChildFrame* activeNatalFrame() const;
    CTextChildFrame* activeTextFrame() const;
    TextEditCommands* textEditCommands() const { return textEdit_; }
    QMdiArea* mdiArea() const { return mdi_; }
    MenuKind menuKind() const { return menuKind_; }
    QAction* commandAction(int id) const;
    QAction* fileAction(const QString& name) const;
    const RecentFileList& recentFiles() const { return recent_; }
    int chartCount() const { return static_cast<int>(charts_.size()); }

    QString dateText() const { return datePane_->text(); }
    QString timeText() const { return timePane_->text(); }
    void refreshClock();

    // Tests answer the "save changes?" question without a message box.
    void setSaveQuestion(SaveQuestion question) { saveQuestion_ = std::move(question); }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createActions();
    QAction* addCommand(int id, const QString& text, const QString& prompt);
    void createToolBar();
    void createStatusBar();
    void rebuildMenus();
    void updateCommandStates();
    void updateRecentFileActions();
    void updateKeyIndicators();
    void onSubWindowActivated(QMdiSubWindow* window);
    void showAbout();
    void showNotice();
    void setZoom(int zoom);
    void addChart(const std::shared_ptr<OpenChart>& chart);
    ChildSubWindow* addFrame(QWidget* frame, const std::shared_ptr<OpenChart>& chart);
    std::vector<ChildSubWindow*> framesOf(const OpenChart& chart) const;
    std::shared_ptr<OpenChart> sharedChart(const OpenChart* chart) const;
    QMdiSubWindow* currentSubWindow() const;
    static OpenChart* chartOfFrame(QWidget* frame);
    bool confirmClose(ChildSubWindow* window);
    bool askToSave(OpenChart& chart);
    void forgetChartIfUnused(const OpenChart* chart);
    void updateWindowTitles(const OpenChart& chart);
    void loadRecentFiles();
    void storeRecentFiles() const;

    AppContext& context_;
    QMdiArea* mdi_ = nullptr;
    MenuKind menuKind_ = MenuKind::NoDocument;
    std::vector<std::shared_ptr<OpenChart>> charts_;
    int untitledCount_ = 0;
    RecentFileList recent_;
    SaveQuestion saveQuestion_;
    TextEditCommands* textEdit_ = nullptr;

    std::map<int, QAction*> commands_;
    std::map<QString, QAction*> fileActions_;
    std::vector<QAction*> recentActions_;
    QAction* toolBarToggle_ = nullptr;
    QAction* statusBarToggle_ = nullptr;
    QToolBar* mainToolBar_ = nullptr;
    QLabel* capsPane_ = nullptr;
    QLabel* numPane_ = nullptr;
    QLabel* scrollPane_ = nullptr;
    QLabel* datePane_ = nullptr;
    QLabel* timePane_ = nullptr;
    QTimer clockTimer_;
    bool capsLock_ = false;
    bool numLock_ = false;
    bool scrollLock_ = false;
};

}  // namespace orvanta
