#include "ui/CollectionWindow.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTableWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <filesystem>

#include "birthdata/PlaceBase.h"
#include "birthdata/PlaceFinder.h"
#include "birthdata/TimeChangeBase.h"
#include "birthdata/WorldAtlas.h"
#include "common/AppFolder.h"
#include "common/AtomicFile.h"
#include "common/FormatError.h"
#include "doc/AafImport.h"
#include "doc/AafWriter.h"
#include "doc/MapFile.h"
#include "ui/AppContext.h"
#include "ui/CollectionFolderPanel.h"
#include "ui/NaturalTextOrder.h"

namespace orvanta {
namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kSortRole = Qt::UserRole + 1;
enum Column { kName, kDate, kPlace, kHouses, kFolder, kColumns };

// Sorts by the key it carries (the date as a number), else by its text in natural order.
class SortedItem : public QTableWidgetItem {
  public:
    using QTableWidgetItem::QTableWidgetItem;
    bool operator<(const QTableWidgetItem& other) const override {
        const QVariant mine = data(kSortRole);
        if (mine.isValid()) return mine.toLongLong() < other.data(kSortRole).toLongLong();
        return NaturalTextOrder::less(text(), other.text());
    }
};

QString qtext(const std::string& text) {
    return QString::fromStdString(text);
}

QString dateText(const ChartListing& c) {
    return QString("%1.%2.%3 %4:%5")
        .arg(c.day, 2, 10, QChar('0'))
        .arg(c.month, 2, 10, QChar('0'))
        .arg(c.year)
        .arg(c.hour)
        .arg(c.minute, 2, 10, QChar('0'));
}

}  // namespace

CollectionWindow::CollectionWindow(OpenChart open, AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window),
      open_(std::move(open)),
      collection_(AppFolder::userFolder() / ChartCollection::kIndexFileName) {
    setWindowTitle("Картотека");
    resize(760, 560);
    filter_ = new QLineEdit(this);
    filter_->setPlaceholderText("Имя, место или год");
    filter_->setClearButtonEnabled(true);
    buildTable();
    folders_ = new CollectionFolderPanel(defaultFolder(), context.iniFile,
                                         context.settings.showCollection, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(filter_);
    layout->addWidget(table_);
    layout->addWidget(folders_);
    connect(filter_, &QLineEdit::textChanged, this, [this] { showListings(); });
    connect(folders_, &CollectionFolderPanel::foldersChanged, this, &CollectionWindow::refresh);
    // A save writes a temporary file and renames it: one listing after the burst.
    changed_.setSingleShot(true);
    changed_.setInterval(300);
    connect(&changed_, &QTimer::timeout, this, &CollectionWindow::refresh);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, &changed_,
            qOverload<>(&QTimer::start));
    refresh();
}

QString CollectionWindow::defaultFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString folder =
        QDir(documents.isEmpty() ? QDir::homePath() : documents).filePath("Карты Orvanta");
    QDir().mkpath(folder);
    return folder;
}

void CollectionWindow::buildTable() {
    table_ = new QTableWidget(0, kColumns, this);
    table_->setHorizontalHeaderLabels({"Имя", "Дата и время", "Место", "Дома", "Папка"});
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->setWordWrap(false);
    // Folders under one home differ at their end, and names in their numbers.
    table_->setTextElideMode(Qt::ElideMiddle);
    table_->horizontalHeader()->setStretchLastSection(true);
    for (const auto& [column, width] : {std::pair{kName, 200}, {kDate, 130}, {kPlace, 170}})
        table_->setColumnWidth(column, width);
    // The header's own default is descending.
    table_->horizontalHeader()->setSortIndicator(kName, Qt::AscendingOrder);
    table_->setContextMenuPolicy(Qt::CustomContextMenu);
    // Double-click and Enter both activate the row.
    connect(table_, &QTableWidget::itemActivated, this,
            [this](QTableWidgetItem* item) { open_(pathAt(item->row())); });
    connect(table_, &QWidget::customContextMenuRequested, this, &CollectionWindow::showContextMenu);
}

void CollectionWindow::refresh() {
    collection_.refresh(folders_->folders().roots());
    folders_->showFolders();
    watchFolders();
    showListings();
}

void CollectionWindow::watchFolders() {
    QStringList folders;
    for (auto folder : folders_->folders().roots()) {
        // A folder renamed or unmounted is seen in the folder that holds it (inotify tells the
        // folder itself only of its deletion); a folder that is gone is watched for there too.
        std::error_code error;
        if (std::filesystem::is_directory(folder, error))
            folders << QString::fromStdString(folder.string());
        do {
            folder = folder.parent_path();
        } while (!std::filesystem::is_directory(folder, error) && folder.has_relative_path());
        folders << QString::fromStdString(folder.string());
    }
    for (const auto& listing : collection_.listings()) {
        const QString folder = QFileInfo(qtext(listing.path)).absolutePath();
        if (!folders.contains(folder)) folders << folder;
    }
    if (!watcher_.directories().isEmpty()) watcher_.removePaths(watcher_.directories());
    folders.removeDuplicates();
    watcher_.addPaths(folders);
}

void CollectionWindow::showListings() {
    const auto rows = collection_.filter(filter_->text().toStdString());
    table_->setSortingEnabled(false);
    table_->setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const ChartListing& c = collection_.listings()[rows[static_cast<std::size_t>(row)]];
        const bool damaged = !c.damage.empty();
        auto* name = new SortedItem(damaged ? "⚠ " + qtext(c.name) : qtext(c.name));
        name->setData(kPathRole, qtext(c.path));
        auto* date = new SortedItem(damaged ? QString() : dateText(c));
        date->setData(kSortRole,
                      ((c.year * 100LL + c.month) * 100 + c.day) * 10000 + c.hour * 100 + c.minute);
        auto* place = new SortedItem(damaged ? qtext(c.damage) : qtext(c.place));
        name->setToolTip(qtext(c.path));  // the file's own name, which the list does not show
        if (damaged) {
            name->setToolTip(qtext(c.damage));
            place->setToolTip(qtext(c.damage));
            name->setForeground(Qt::darkRed);
            place->setForeground(Qt::darkRed);
        }
        table_->setItem(row, kName, name);
        table_->setItem(row, kDate, date);
        table_->setItem(row, kPlace, place);
        table_->setItem(row, kHouses, new SortedItem(qtext(c.houseSystem)));
        table_->setItem(row, kFolder, new SortedItem(QFileInfo(qtext(c.path)).absolutePath()));
    }
    table_->setSortingEnabled(true);
}

QString CollectionWindow::pathAt(int row) const {
    const QTableWidgetItem* item = table_->item(row, kName);
    return item ? item->data(kPathRole).toString() : QString();
}

QStringList CollectionWindow::selectedPaths() const {
    QStringList paths;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows())
        paths << pathAt(index.row());
    if (paths.isEmpty()) {
        for (int row = 0; row < table_->rowCount(); ++row) paths << pathAt(row);
    }
    return paths;
}

void CollectionWindow::showContextMenu(const QPoint& at) {
    const QTableWidgetItem* item = table_->itemAt(at);
    if (!item) return;
    const QString path = pathAt(item->row());
    QMenu menu(this);
    menu.addAction("Открыть", this, [this, path] { open_(path); });
    menu.addAction("Открыть папку", this, [path] {
        QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absolutePath()));
    });
    menu.addSeparator();
    menu.addAction("Переименовать...", this, [this, path] { renameChart(path); });
    menu.addAction("Дублировать", this, [this, path] { duplicateChart(path); });
    menu.addAction("Удалить", this, [this, path] { deleteChart(path); });
    menu.exec(table_->viewport()->mapToGlobal(at));
}

void CollectionWindow::renameChart(const QString& path) {
    const QFileInfo file(path);
    bool accepted = false;
    const QString name =
        QInputDialog::getText(this, "Переименовать", "Новое имя файла:", QLineEdit::Normal,
                              file.completeBaseName(), &accepted)
            .trimmed();
    if (!accepted || name.isEmpty() || name == file.completeBaseName()) return;
    const QString target = file.dir().filePath(name + "." + file.suffix());
    if (name.contains('/') || QFileInfo::exists(target) || !QFile::rename(path, target)) {
        QMessageBox::warning(this, "Картотека",
                             "Файл не удалось переименовать в " + target +
                                 ": такой файл уже есть или имя недопустимо.");
    }
    refresh();
}

void CollectionWindow::duplicateChart(const QString& path) {
    const QFileInfo file(path);
    const auto target = AafImport::freePath(file.absolutePath().toStdString(),
                                            file.completeBaseName().toStdString());
    if (!QFile::copy(path, QString::fromStdString(target.string()))) {
        QMessageBox::warning(this, "Картотека", "Копию файла " + path + " создать не удалось.");
    }
    refresh();
}

void CollectionWindow::deleteChart(const QString& path) {
    if (!QFile::moveToTrash(path)) {
        // No desktop trash here: deleting for good needs a yes.
        const auto answer = QMessageBox::question(
            this, "Картотека", "Корзины нет. Удалить файл " + path + " безвозвратно?");
        if (answer == QMessageBox::Yes && !QFile::remove(path)) {
            QMessageBox::warning(this, "Картотека", "Файл " + path + " удалить не удалось.");
        }
    }
    refresh();
}

void CollectionWindow::importAaf() {
    const QString file = QFileDialog::getOpenFileName(this, "Импорт AAF", QString(),
                                                      "Файлы AAF (*.aaf *.AAF);;Все файлы (*)");
    if (file.isEmpty()) return;
    const auto bytes = AtomicFile::read(file.toStdString());
    if (!bytes) {
        QMessageBox::warning(this, "Импорт AAF", "Файл " + file + " прочитать не удалось.");
        return;
    }
    PlaceBase userPlaces;
    userPlaces.load(AppFolder::find(PlaceBase::kFileName));
    TimeChangeBase changes;
    changes.load(AppFolder::find(TimeChangeBase::kFileName));
    const PlaceFinder finder(userPlaces, &WorldAtlas::shared());
    const auto report = AafImport(&finder, changes).run(*bytes, defaultFolder().toStdString());
    QString details;
    for (const auto& problem : report.problems)
        details += QString("Строка %1: %2\n").arg(problem.line).arg(qtext(problem.message));
    QMessageBox box(QMessageBox::Information, "Импорт AAF",
                    QString("Кодировка: %1\nКарт создано: %2 из %3\nПапка: %4")
                        .arg(QString::fromUtf8(AafEncoding::name(report.encoding)))
                        .arg(report.created.size())
                        .arg(report.records)
                        .arg(defaultFolder()),
                    QMessageBox::Ok, this);
    box.setDetailedText(details);
    box.exec();
    refresh();
}

void CollectionWindow::exportAaf() {
    const QStringList paths = selectedPaths();
    if (paths.isEmpty()) return;
    const QString target =
        QFileDialog::getSaveFileName(this, "Экспорт AAF", "charts.aaf", "Файлы AAF (*.aaf)");
    if (target.isEmpty()) return;
    std::string text;
    QStringList skipped;
    for (const QString& path : paths) {
        const auto bytes = AtomicFile::read(path.toStdString());
        try {
            if (!bytes) throw FormatError("не читается");
            text += AafWriter::record(MapFile::parse(*bytes).birth);
        } catch (const FormatError&) {
            skipped << path;
        }
    }
    if (!AtomicFile::write(target.toStdString(), text)) {
        QMessageBox::warning(this, "Экспорт AAF", "Файл " + target + " записать не удалось.");
    } else if (!skipped.isEmpty()) {
        QMessageBox::warning(this, "Экспорт AAF",
                             "Эти карты повреждены и не записаны:\n" + skipped.join("\n"));
    }
}

}  // namespace orvanta
