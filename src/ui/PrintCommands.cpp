#include "ui/PrintCommands.h"

#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>

#include "ui/ChartWindow.h"
#include "ui/ChartWindows.h"

namespace orvanta {

PrintCommands::PrintCommands(ChartWindows& windows)
    : windows_(windows), printer_(QPrinter::HighResolution) {
    printer_.setPageSize(QPageSize(QPageSize::A4));
}

bool PrintCommands::begin(QPainter& painter, QPrinter& printer, QWidget* parent) {
    if (painter.begin(&printer)) return true;
    QMessageBox::warning(parent, kTitle, "Не удалось начать печать на этом принтере.");
    return false;
}

bool PrintCommands::canPrint() const {
    return windows_.activeWindow() != nullptr;
}

bool PrintCommands::paint(ChartWindow& window, QPrinter& printer, QWidget* parent) {
    return window.print(printer, parent);
}

void PrintCommands::print(QWidget* parent) {
    ChartWindow* window = windows_.activeWindow();
    if (window == nullptr) return;
    QPointer<QWidget> alive = &window->widget();
    QPrintDialog dialog(&printer_, parent);
    dialog.setWindowTitle(kTitle);
    // Only a window that runs over several pages offers a choice of them.
    if (const auto pages = window->pageCount(printer_)) {
        dialog.setMinMax(1, *pages);
    } else {
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    }
    if (dialog.exec() == QDialog::Accepted && alive) paint(*window, printer_, parent);
}

void PrintCommands::preview(QWidget* parent) {
    ChartWindow* window = windows_.activeWindow();
    if (window == nullptr) return;
    QPointer<QWidget> alive = &window->widget();
    QPrintPreviewDialog dialog(&printer_, parent);
    dialog.setWindowTitle("Предварительный просмотр");
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [window, alive, &dialog](QPrinter* printer) {
                         // The preview shows every page, whatever the last print chose.
                         printer->setPageRanges(QPageRanges());
                         if (alive) paint(*window, *printer, &dialog);
                     });
    dialog.exec();
}

void PrintCommands::setUp(QWidget* parent) {
    QPageSetupDialog dialog(&printer_, parent);
    dialog.setWindowTitle("Настройка печати");
    dialog.exec();
}

}  // namespace orvanta
