#include "ui/PictureExportCommands.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMdiSubWindow>
#include <QMessageBox>

#include "draw/ChartResources.h"
#include "events/paint/DialImage.h"
#include "natal/paint/ChartImage.h"
#include "ui/CBornChildFrame.h"
#include "ui/CTrChildFrame.h"
#include "ui/CTranzitView.h"
#include "ui/ChartWindows.h"
#include "ui/NatalPrintCommands.h"

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

PictureExportCommands::PictureExportCommands(ChartWindows& windows, const ChartResources& resources)
    : windows_(windows), resources_(resources) {}

QWidget* PictureExportCommands::activeFrame() const {
    QMdiSubWindow* window = windows_.currentWindow();
    return window != nullptr ? window->widget() : nullptr;
}

bool PictureExportCommands::canExport() const {
    QWidget* frame = activeFrame();
    return frame != nullptr && viewOf(*frame).has_value();
}

std::optional<PictureExportChoice::View> PictureExportCommands::viewOf(QWidget& frame) {
    if (auto* natal = qobject_cast<CBornChildFrame*>(&frame)) {
        return NatalPrintCommands::kindOf(*natal) == NatalPagePainter::Kind::Table
                   ? PictureExportChoice::View::Table
                   : PictureExportChoice::View::Wheel;
    }
    if (qobject_cast<CTrChildFrame*>(&frame)) return PictureExportChoice::View::Dial;
    return std::nullopt;
}

QString PictureExportCommands::proposedName(QWidget& frame) const {
    OpenChart* chart = ChartWindows::chartOf(&frame);
    const auto view = viewOf(frame);
    if (chart == nullptr || !view) return {};
    const CZodiacDoc& doc = chart->doc();
    return QString::fromStdString(
        PictureExportChoice::defaultName(doc.path().string(), doc.natal().birth.name, *view,
                                         doc.eventChart().settings().date, lastFormat_));
}

bool PictureExportCommands::exportTo(QWidget& frame, const QString& path, QString* error) {
    std::string reason;
    bool saved = false;
    const std::filesystem::path file = path.toStdString();
    if (auto* natal = qobject_cast<CBornChildFrame*>(&frame)) {
        const auto kind = NatalPrintCommands::kindOf(*natal) == NatalPagePainter::Kind::Table
                              ? ChartImage::Kind::Table
                              : ChartImage::Kind::Wheel;
        const DrawingArea& area = natal->chart().drawingArea();
        saved = ChartImage::save(kind, natal->chart().doc(), resources_,
                                 QSize(area.width(), area.height()), file, &reason);
    } else if (auto* event = qobject_cast<CTrChildFrame*>(&frame)) {
        event->chart().doc().ensureEventChart();
        saved = DialImage::save(event->chart().doc(), QString::fromStdString(resources_.serifFace),
                                event->view()->size(), file, &reason);
    } else {
        reason = "в этом окне нет рисунка";
    }
    if (!saved && error != nullptr) *error = QString::fromStdString(reason);
    return saved;
}

void PictureExportCommands::exportActive(QWidget* parent) {
    QWidget* frame = activeFrame();
    if (frame == nullptr || !viewOf(*frame)) return;
    QFileDialog dialog(parent, kTitle);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filterList());
    dialog.selectNameFilter(QString::fromStdString(PictureExportChoice::filterOf(lastFormat_)));
    if (OpenChart* chart = ChartWindows::chartOf(frame); chart != nullptr && chart->hasFile())
        dialog.setDirectory(QFileInfo(chart->filePath()).absolutePath());
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
