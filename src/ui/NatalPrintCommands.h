#pragma once

#include <QPrinter>
#include <QWidget>

#include "natal/paint/NatalPagePainter.h"

namespace orvanta {

class CBornChildFrame;
struct ChartResources;

// What the natal chart window prints: the active pane's picture, the wheel page or the aspect
// table, on the printer's page.
class NatalPrintCommands {
  public:
    explicit NatalPrintCommands(const ChartResources& resources) : resources_(resources) {}

    // The wheel page unless the table is the window's active pane.
    static NatalPagePainter::Kind kindOf(const CBornChildFrame& frame);
    // Paints the frame's picture on the printer's page; false (and says so) when it does not fit.
    bool paint(CBornChildFrame& frame, QPrinter& printer, QWidget* parent);

  private:
    const ChartResources& resources_;
};

}  // namespace orvanta
