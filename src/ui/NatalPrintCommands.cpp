#include "ui/NatalPrintCommands.h"

#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>

#include "ui/CBornChildFrame.h"
#include "ui/CBornTableView.h"

namespace orvanta {

NatalPrintCommands::NatalPrintCommands(const ChartResources& resources)
    : resources_(resources), printer_(QPrinter::HighResolution) {
    printer_.setPageSize(QPageSize(QPageSize::A4));
}

NatalPagePainter::Kind NatalPrintCommands::kindOf(const CBornChildFrame& frame) {
    return frame.tableView()->isActiveView() ? NatalPagePainter::Kind::Table
                                             : NatalPagePainter::Kind::Wheel;
}

bool NatalPrintCommands::paint(CBornChildFrame& frame, QPrinter& printer, QWidget* parent) {
    printer.setDocName(frame.chart().title());
    QPainter painter;
    if (!painter.begin(&printer)) {
        QMessageBox::warning(parent, "Печать", "Не удалось начать печать на этом принтере.");
        return false;
    }
    const bool drawn =
        NatalPagePainter::paint(kindOf(frame), painter, frame.chart().doc(), resources_);
    painter.end();
    if (!drawn) {
        QMessageBox::warning(parent, "Печать",
                             "Страница слишком мала для карты: выберите бумагу большего размера.");
    }
    return drawn;
}

void NatalPrintCommands::print(CBornChildFrame& frame, QWidget* parent) {
    QPrintDialog dialog(&printer_, parent);
    dialog.setWindowTitle("Печать");
    if (dialog.exec() == QDialog::Accepted) paint(frame, printer_, parent);
}

void NatalPrintCommands::preview(CBornChildFrame& frame, QWidget* parent) {
    QPrintPreviewDialog dialog(&printer_, parent);
    dialog.setWindowTitle("Предварительный просмотр");
    QObject::connect(
        &dialog, &QPrintPreviewDialog::paintRequested, &dialog,
        [this, &frame, &dialog](QPrinter* printer) { paint(frame, *printer, &dialog); });
    dialog.exec();
}

void NatalPrintCommands::setUp(QWidget* parent) {
    QPageSetupDialog dialog(&printer_, parent);
    dialog.setWindowTitle("Настройка печати");
    dialog.exec();
}

}  // namespace orvanta
