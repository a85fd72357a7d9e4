#include "ui/ChildSubWindow.h"

#include <QCloseEvent>

namespace orvanta {

ChildSubWindow::ChildSubWindow(CloseGuard guard, QWidget* parent)
    : QMdiSubWindow(parent), guard_(std::move(guard)) {
    setAttribute(Qt::WA_DeleteOnClose);
}

void ChildSubWindow::closeEvent(QCloseEvent* event) {
    if (guard_ && !guard_(this)) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

}  // namespace orvanta
