#pragma once

#include <QPrinter>
#include <QWidget>

#include "texts/paint/TextPagePainter.h"
#include "ui/NatalPrintCommands.h"

namespace orvanta {

class ChartWindows;
class CTextChildFrame;
class CTrChildFrame;
struct ChartResources;

// "Печать...", "Предварительный просмотр" and "Настройка печати...": what the active window
// shows, by its kind (the natal chart's active pane, the interpretation text over as many
// pages as it takes, or the event chart's dial), on the printer the user set up. The printer
// and its settings stay from one command to the next while the program runs.
class PrintCommands {
  public:
    PrintCommands(ChartWindows& windows, const ChartResources& resources);

    // The active window is one of the three kinds that print.
    bool canPrint() const;

    void print(QWidget* parent);
    void preview(QWidget* parent);
    void setUp(QWidget* parent);

    // Paints what a child frame shows on the printer's pages; false (and says so) when nothing
    // could be printed.
    bool paint(QWidget& frame, QPrinter& printer, QWidget* parent);

    QPrinter& printer() { return printer_; }

  private:
    QWidget* activeFrame() const;
    TextPagePainter::Job textJob(CTextChildFrame& frame, QPrinter& printer) const;
    bool paintText(CTextChildFrame& frame, QPrinter& printer, QWidget* parent);
    bool paintDial(CTrChildFrame& frame, QPrinter& printer, QWidget* parent);

    ChartWindows& windows_;
    const ChartResources& resources_;
    NatalPrintCommands natal_;
    QPrinter printer_;
};

}  // namespace orvanta
