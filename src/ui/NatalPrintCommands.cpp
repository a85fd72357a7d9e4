#include "ui/NatalPrintCommands.h"

#include <QMessageBox>
#include <QPainter>

#include "ui/CBornChildFrame.h"
#include "ui/CBornTableView.h"

namespace orvanta {

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
        NatalPagePainter::paint(kindOf(frame), painter, frame.chart().doc().natal(), resources_);
    painter.end();
    if (!drawn) {
        QMessageBox::warning(parent, "Печать",
                             "Страница слишком мала для карты: выберите бумагу большего размера.");
    }
    return drawn;
}

}  // namespace orvanta
