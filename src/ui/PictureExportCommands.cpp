#include "ui/PictureExportCommands.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "ui/ChartWindow.h"
#include "ui/ChartWindows.h"

namespace orvanta {
namespace {

constexpr const char* kTitle = "Экспорт рисунка";

QStringList filterList() {
    QStringList list;
    for (const auto& filter : PictureExportChoice::filters())
        list << QString::fromStdString(filter);
    return list;
}

}  // namespace

PictureExportCommands::PictureExportCommands(ChartWindows& windows) : windows_(windows) {}

bool PictureExportCommands::canExport() const {
    ChartWindow* window = windows_.activeWindow();
    return window != nullptr && window->pictureView().has_value();
}

QString PictureExportCommands::proposedName(ChartWindow& window) const {
    const auto view = window.pictureView();
    if (!view) return {};
    const CZodiacDoc& doc = window.chart().doc();
    return QString::fromStdString(
        PictureExportChoice::defaultName(doc.path().string(), doc.natal().birth.name, *view,
                                         doc.eventChart().state().settings().date, lastFormat_));
}

bool PictureExportCommands::exportTo(ChartWindow& window, const QString& path, QString* error) {
    std::string reason;
    const bool saved = window.savePicture(path.toStdString(), reason);
    if (!saved && error != nullptr) *error = QString::fromStdString(reason);
    return saved;
}

void PictureExportCommands::exportActive(QWidget* parent) {
    ChartWindow* frame = windows_.activeWindow();
    if (frame == nullptr || !frame->pictureView()) return;
    QFileDialog dialog(parent, kTitle);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filterList());
    dialog.selectNameFilter(QString::fromStdString(PictureExportChoice::filterOf(lastFormat_)));
    if (frame->chart().hasFile())
        dialog.setDirectory(QFileInfo(frame->chart().filePath()).absolutePath());
    dialog.selectFile(proposedName(*frame));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const std::string path =
        PictureExportChoice::fileName(dialog.selectedFiles().constFirst().toStdString(),
                                      dialog.selectedNameFilter().toStdString());
    lastFormat_ = PictureExportChoice::formatOfName(path).value_or(lastFormat_);
    QString error;
    if (!exportTo(*frame, QString::fromStdString(path), &error)) {
        QMessageBox::warning(parent, kTitle,
                             QString("Рисунок не удалось сохранить в файл «%1» (%2).")
                                 .arg(QString::fromStdString(path), error));
    }
}

}  // namespace orvanta
