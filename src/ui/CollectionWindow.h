#pragma once

#include <QFileSystemWatcher>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "doc/ChartCollection.h"

class QLineEdit;
class QTableWidget;

namespace orvanta {

struct AppContext;
class CollectionFolderPanel;

// "Картотека": every chart of the user's chart folders in a table that narrows as the filter
// text is typed. What it lists and how it filters is ChartCollection's; the window shows it,
// opens, renames, duplicates and deletes files, and lists again when a folder changes or the
// user adds or removes one.
class CollectionWindow : public QWidget {
    Q_OBJECT
  public:
    using OpenChart = std::function<void(const QString& path)>;

    // The added folders are kept in the context's settings file; the start-up check box sets
    // its start-up settings.
    CollectionWindow(OpenChart open, AppContext& context, QWidget* parent = nullptr);

    // The default chart folder under the user's documents, created when missing.
    static QString defaultFolder();

    void refresh();
    // "Файл → Импорт AAF...": charts of an AAF file into the default folder, with a report.
    void importAaf();
    // "Файл → Экспорт AAF...": the selected charts, or all listed when none is selected.
    void exportAaf();

  private:
    void buildTable();
    void showListings();
    void watchFolders();
    QStringList selectedPaths() const;
    QString pathAt(int row) const;
    void showContextMenu(const QPoint& at);
    void renameChart(const QString& path);
    void duplicateChart(const QString& path);
    void deleteChart(const QString& path);

    OpenChart open_;
    ChartCollection collection_;
    CollectionFolderPanel* folders_ = nullptr;
    QLineEdit* filter_ = nullptr;
    QTableWidget* table_ = nullptr;
    QFileSystemWatcher watcher_;
    QTimer changed_;
};

}  // namespace orvanta
