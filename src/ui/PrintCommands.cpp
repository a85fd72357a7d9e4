#include "ui/PrintCommands.h"

#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>

#include "draw/ChartResources.h"
#include "events/paint/DialImage.h"
#include "texts/paint/TextPagePainter.h"
#include "ui/CBornChildFrame.h"
#include "ui/CTextChildFrame.h"
#include "ui/CTextView.h"
#include "ui/CTrChildFrame.h"
#include "ui/ChartWindows.h"

namespace orvanta {
namespace {

constexpr const char* kTitle = "Печать";

bool begin(QPainter& painter, QPrinter& printer, QWidget* parent) {
    if (painter.begin(&printer)) return true;
    QMessageBox::warning(parent, kTitle, "Не удалось начать печать на этом принтере.");
    return false;
}

}  // namespace

PrintCommands::PrintCommands(ChartWindows& windows, const ChartResources& resources)
    : windows_(windows),
      resources_(resources),
      natal_(resources),
      printer_(QPrinter::HighResolution) {
    printer_.setPageSize(QPageSize(QPageSize::A4));
}

QWidget* PrintCommands::activeFrame() const {
    QMdiSubWindow* window = windows_.currentWindow();
    return window != nullptr ? window->widget() : nullptr;
}

bool PrintCommands::canPrint() const {
    QWidget* frame = activeFrame();
    return qobject_cast<CBornChildFrame*>(frame) || qobject_cast<CTextChildFrame*>(frame) ||
           qobject_cast<CTrChildFrame*>(frame);
}

bool PrintCommands::paint(QWidget& frame, QPrinter& printer, QWidget* parent) {
    if (auto* natal = qobject_cast<CBornChildFrame*>(&frame))
        return natal_.paint(*natal, printer, parent);
    if (auto* text = qobject_cast<CTextChildFrame*>(&frame))
        return paintText(*text, printer, parent);
    if (auto* dial = qobject_cast<CTrChildFrame*>(&frame)) return paintDial(*dial, printer, parent);
    return false;
}

TextPagePainter::Job PrintCommands::textJob(CTextChildFrame& frame, QPrinter& printer) const {
    // The pages are laid out from a copy: the window keeps its text, its cursor and its undo.
    return TextPagePainter::prepare(printer, frame.view()->toPlainText().toStdString(),
                                    QString::fromStdString(resources_.serifFace));
}

bool PrintCommands::paintText(CTextChildFrame& frame, QPrinter& printer, QWidget* parent) {
    printer.setDocName(frame.chart().title());
    QPainter painter;
    if (!begin(painter, printer, parent)) return false;
    const auto job = textJob(frame, printer);
    const bool printed = TextPagePainter::print(painter, printer, job, printer.pageRanges());
    painter.end();
    if (!printed) {
        QMessageBox::warning(parent, kTitle,
                             job.page.fits ? "В выбранных страницах нет текста."
                                           : "Страница слишком мала для текста: выберите "
                                             "бумагу большего размера.");
    }
    return printed;
}

bool PrintCommands::paintDial(CTrChildFrame& frame, QPrinter& printer, QWidget* parent) {
    printer.setDocName(frame.chart().title());
    frame.chart().doc().ensureEventChart();
    QPainter painter;
    if (!begin(painter, printer, parent)) return false;
    DialImage::paintPrinterPage(painter, frame.chart().doc(),
                                QString::fromStdString(resources_.serifFace));
    painter.end();
    return true;
}

void PrintCommands::print(QWidget* parent) {
    QWidget* frame = activeFrame();
    if (frame == nullptr || !canPrint()) return;
    QPrintDialog dialog(&printer_, parent);
    dialog.setWindowTitle(kTitle);
    // Only the text runs over several pages; the pictures are one page each.
    if (auto* text = qobject_cast<CTextChildFrame*>(frame)) {
        dialog.setMinMax(1, textJob(*text, printer_).pageCount());
    } else {
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    }
    if (dialog.exec() == QDialog::Accepted) paint(*frame, printer_, parent);
}

void PrintCommands::preview(QWidget* parent) {
    QPointer<QWidget> frame = activeFrame();
    if (frame == nullptr || !canPrint()) return;
    QPrintPreviewDialog dialog(&printer_, parent);
    dialog.setWindowTitle("Предварительный просмотр");
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [this, frame, &dialog](QPrinter* printer) {
                         // The preview shows every page, whatever the last print chose.
                         printer->setPageRanges(QPageRanges());
                         if (frame) paint(*frame, *printer, &dialog);
                     });
    dialog.exec();
}

void PrintCommands::setUp(QWidget* parent) {
    QPageSetupDialog dialog(&printer_, parent);
    dialog.setWindowTitle("Настройка печати");
    dialog.exec();
}

}  // namespace orvanta
