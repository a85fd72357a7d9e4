#pragma once

#include <QMessageBox>
#include <QObject>
#include <functional>
#include <memory>
#include <vector>

#include "doc/RecentFileList.h"
#include "ui/OpenChart.h"

namespace orvanta {

class ChartWindows;
class ChildSubWindow;
struct AppContext;

// The open charts from new or open to close: saving, the "save changes?" question, the list
// of open charts and the recently used files.
class ChartLifecycle : public QObject {
    Q_OBJECT
  public:
    using SaveQuestion = std::function<QMessageBox::StandardButton(const QString& title)>;

    // Dialogs and questions appear over dialogParent.
    ChartLifecycle(AppContext& context, ChartWindows& windows, QWidget* dialogParent);

    void newChart();
    // "Открыть": asks for a chart file and opens it.
    void openWithDialog();
    bool openChart(const QString& path);
    // Takes a chart built in the program (a composite) in as a new, unsaved chart and shows
    // its natal window.
    void adoptNewChart(const std::shared_ptr<OpenChart>& chart);
    bool saveChart(OpenChart& chart);
    bool saveChartAs(OpenChart& chart);
    bool closeChart(OpenChart& chart);
    // Asks about every modified chart, as the program ends; false when one answer was Cancel.
    bool releaseAll();
    // Whether a chart window may close: only the last window of a chart asks.
    bool confirmClose(ChildSubWindow* window);

    std::shared_ptr<OpenChart> shared(const OpenChart* chart) const;
    int count() const { return static_cast<int>(charts_.size()); }
    // The open charts, in the order they were opened.
    const std::vector<std::shared_ptr<OpenChart>>& all() const { return charts_; }
    const RecentFileList& recentFiles() const { return recent_; }
    // The recent files and the dialogs' folders, from and to the program's settings file.
    void loadSettings();
    void storeSettings() const;

    // Tests answer the "save changes?" question without a message box.
    void setSaveQuestion(SaveQuestion question) { saveQuestion_ = std::move(question); }

  signals:
    // A chart came or went: the frame's menus and commands follow.
    void chartsChanged();
    void recentFilesChanged();

  private:
    void addChart(const std::shared_ptr<OpenChart>& chart);
    bool askToSave(OpenChart& chart);
    void forgetChartIfUnused(const OpenChart* chart);
    void rememberFile(const QString& path);
    QString chartFolder() const;
    void rememberChartFolder(const QString& chosen);

    AppContext& context_;
    ChartWindows& windows_;
    QWidget* dialogParent_;
    std::vector<std::shared_ptr<OpenChart>> charts_;
    int untitledCount_ = 0;
    RecentFileList recent_;
    SaveQuestion saveQuestion_;
};

}  // namespace orvanta
