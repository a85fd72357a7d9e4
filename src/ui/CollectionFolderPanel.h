#pragma once

#include <QStringList>
#include <QWidget>

#include "common/DataFile.h"
#include "doc/ChartFolders.h"

class QCheckBox;
class QLabel;
class QListWidget;

namespace orvanta {

// The foot of "Картотека": the chart folders with "Добавить папку..." and "Убрать папку", a
// line that says what became of the last change or which folders are gone, and the start-up
// check box. What may be added or removed is ChartFolders'; each change is kept in the
// settings file at once.
class CollectionFolderPanel : public QWidget {
    Q_OBJECT
  public:
    // settingsFile empty: the added folders are not kept.
    CollectionFolderPanel(const QString& defaultFolder, DataFile settingsFile, bool& showAtStartup,
                          QWidget* parent = nullptr);

    const ChartFolders& folders() const { return folders_; }
    // What "Добавить папку..." does once a folder is chosen.
    void addFolder(const QString& folder);
    void removeFolder(const QString& folder);
    // The list again, with the folders that are gone marked.
    void showFolders();
    QString notice() const;

  signals:
    void foldersChanged();

  private:
    void chooseFolder();
    void removeCurrent();
    void report(ChartFolders::Change change, const QString& folder);
    // Empty, or why the list was not kept.
    QString store() const;

    ChartFolders folders_;
    DataFile settingsFile_;
    QListWidget* list_ = nullptr;
    QLabel* notice_ = nullptr;
    QCheckBox* atStartup_ = nullptr;
    QString lastChange_;
};

}  // namespace orvanta
