#include "ui/CollectionFolderPanel.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "doc/IniFile.h"

namespace orvanta {
namespace {

constexpr int kPathRole = Qt::UserRole;

QString qpath(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

}  // namespace

CollectionFolderPanel::CollectionFolderPanel(const QString& defaultFolder, DataFile settingsFile,
                                             bool& showAtStartup, QWidget* parent)
    : QWidget(parent),
      folders_(defaultFolder.toStdString()),
      settingsFile_(std::move(settingsFile)) {
    IniFile ini;
    if (!settingsFile_.empty() && ini.load(settingsFile_.readPath())) folders_.readFrom(ini);
    list_ = new QListWidget(this);
    list_->setMaximumHeight(list_->fontMetrics().height() * 4 + 8);
    auto* add = new QPushButton("Добавить папку...", this);
    auto* remove = new QPushButton("Убрать папку", this);
    notice_ = new QLabel(this);
    notice_->setWordWrap(true);
    atStartup_ = new QCheckBox("Показывать картотеку при запуске", this);
    atStartup_->setChecked(showAtStartup);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel("Папки картотеки:", this), 0, 0);
    layout->addWidget(list_, 1, 0, 3, 1);
    layout->addWidget(add, 1, 1);
    layout->addWidget(remove, 2, 1);
    layout->addWidget(notice_, 4, 0, 1, 2);
    layout->addWidget(atStartup_, 5, 0, 1, 2);
    layout->setColumnStretch(0, 1);
    connect(add, &QPushButton::clicked, this, &CollectionFolderPanel::chooseFolder);
    connect(remove, &QPushButton::clicked, this, &CollectionFolderPanel::removeCurrent);
    connect(atStartup_, &QCheckBox::toggled, this, [&showAtStartup](bool on) {
        showAtStartup = on;  // kept with the other start-up settings at exit
    });
    showFolders();
}

void CollectionFolderPanel::showFolders() {
    list_->clear();
    const auto missing = folders_.missing();
    QStringList gone;
    for (const auto& folder : folders_.all()) {
        const bool isGone = std::find(missing.begin(), missing.end(), folder) != missing.end();
        QString text = qpath(folder);
        if (folder == folders_.defaultFolder()) text += " (по умолчанию)";
        if (isGone) {
            gone << qpath(folder);
            text = "⚠ " + text + " — папки нет";
        }
        auto* item = new QListWidgetItem(text, list_);
        item->setData(kPathRole, qpath(folder));
        if (isGone) item->setForeground(Qt::darkRed);
    }
    QString text = lastChange_;
    if (!gone.isEmpty()) {
        if (!text.isEmpty()) text += "\n";
        text += (gone.size() == 1 ? "Папки нет, её карты не показаны: "
                                  : "Папок нет, их карты не показаны: ") +
                gone.join(", ");
    }
    notice_->setText(text);
    notice_->setVisible(!text.isEmpty());
}

QString CollectionFolderPanel::notice() const {
    return notice_->text();
}

void CollectionFolderPanel::chooseFolder() {
    const QString folder = QFileDialog::getExistingDirectory(
        this, "Добавить папку в картотеку", qpath(folders_.defaultFolder().parent_path()));
    if (!folder.isEmpty()) addFolder(folder);
}

void CollectionFolderPanel::addFolder(const QString& folder) {
    report(folders_.add(folder.toStdString()), folder);
}

void CollectionFolderPanel::removeCurrent() {
    if (const QListWidgetItem* item = list_->currentItem())
        removeFolder(item->data(kPathRole).toString());
}

void CollectionFolderPanel::removeFolder(const QString& folder) {
    report(folders_.remove(folder.toStdString()), folder);
}

void CollectionFolderPanel::report(ChartFolders::Change change, const QString& folder) {
    lastChange_ = QString::fromStdString(ChartFolders::describe(change, folder.toStdString()));
    const bool changed =
        change == ChartFolders::Change::Added || change == ChartFolders::Change::Removed;
    if (changed) {
        const QString error = store();
        if (!error.isEmpty()) lastChange_ += "\nСписок папок не сохранён: " + error;
    }
    showFolders();
    if (changed) emit foldersChanged();
}

QString CollectionFolderPanel::store() const {
    if (settingsFile_.empty()) return {};
    IniFile ini;
    // A file that cannot be read is not overwritten, as its other keys would be lost.
    const auto path = settingsFile_.readPath();
    if (!ini.load(path)) return "не читается " + qpath(path);
    folders_.writeTo(ini);
    std::string error;
    return ini.save(settingsFile_.writePath(), &error) ? QString() : QString::fromStdString(error);
}

}  // namespace orvanta
