#pragma once

#include <QPrinter>
#include <QWidget>

#include "natal/paint/NatalPagePainter.h"

namespace orvanta {

class CBornChildFrame;
struct ChartResources;

// "Печать...", "Предварительный просмотр" and "Настройка печати..." of the natal chart window:
// the active pane's picture (the wheel page or the aspect table) on the printer the user set up.
// The printer and its settings stay from one command to the next.
class NatalPrintCommands {
  public:
    explicit NatalPrintCommands(const ChartResources& resources);

    void print(CBornChildFrame& frame, QWidget* parent);
    void preview(CBornChildFrame& frame, QWidget* parent);
    void setUp(QWidget* parent);

    // The wheel page unless the table is the window's active pane.
    static NatalPagePainter::Kind kindOf(const CBornChildFrame& frame);
    // Paints the frame's picture on the printer's page; false (and says so) when it does not fit.
    bool paint(CBornChildFrame& frame, QPrinter& printer, QWidget* parent);

    QPrinter& printer() { return printer_; }

  private:
    const ChartResources& resources_;
    QPrinter printer_;
};

}  // namespace orvanta
