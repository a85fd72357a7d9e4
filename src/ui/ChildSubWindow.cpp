#include "ui/ChildSubWindow.h"

#include <QCloseEvent>

#include "ui/ChartWindow.h"

namespace orvanta {

ChildSubWindow::ChildSubWindow(CloseGuard guard, ChartWindow& window, QString kind, QWidget* parent)
    : QMdiSubWindow(parent),
      guard_(std::move(guard)),
      window_(&window),
      frame_(&window.widget()),
      kind_(std::move(kind)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(&window.widget());
}

void ChildSubWindow::closeEvent(QCloseEvent* event) {
    if (guard_ && !guard_(this)) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

}  // namespace orvanta
