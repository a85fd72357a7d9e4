#include "ui/ChartWindows.h"

#include <QTimer>
#include <algorithm>

#include "ui/ChartWindow.h"
#include "ui/OpenChart.h"
#include "ui/ToolIcons.h"

namespace orvanta {

ChartWindows::ChartWindows(QMdiArea& mdi, WindowServices services, WindowKinds kinds,
                           QObject* parent)
    : QObject(parent), mdi_(mdi), services_(services), kinds_(std::move(kinds)) {}

QMdiSubWindow* ChartWindows::activeOrLastWindow() const {
    QMdiSubWindow* window = mdi_.activeSubWindow();
    if (window == nullptr) {
        const auto windows = mdi_.subWindowList(QMdiArea::ActivationHistoryOrder);
        if (windows.isEmpty()) return nullptr;
        window = windows.back();
    }
    return window;
}

QMdiSubWindow* ChartWindows::currentWindow() const {
    return activeOrLastWindow();
}

ChartWindow* ChartWindows::windowOf(QMdiSubWindow* window) {
    auto* child = qobject_cast<ChildSubWindow*>(window);
    return child ? child->chartWindow() : nullptr;
}

QString ChartWindows::kindOf(QMdiSubWindow* window) {
    auto* child = qobject_cast<ChildSubWindow*>(window);
    return child && child->chartWindow() ? child->kind() : QString();
}

ChartWindow* ChartWindows::activeWindow() const {
    return windowOf(activeOrLastWindow());
}

OpenChart* ChartWindows::activeChart() const {
    ChartWindow* window = activeWindow();
    return window ? &window->chart() : nullptr;
}

std::vector<ChildSubWindow*> ChartWindows::framesOf(const OpenChart& chart) const {
    std::vector<ChildSubWindow*> frames;
    for (QMdiSubWindow* window : mdi_.subWindowList()) {
        ChartWindow* shown = windowOf(window);
        if (shown && &shown->chart() == &chart)
            frames.push_back(static_cast<ChildSubWindow*>(window));
    }
    return frames;
}

void ChartWindows::updateTitles(const OpenChart& chart) {
    std::vector<ChildSubWindow*> frames;
    for (ChildSubWindow* frame : framesOf(chart)) {
        const QString own = frame->chartWindow()->ownTitle();
        if (own.isEmpty()) {
            frames.push_back(frame);
        } else {
            frame->setWindowTitle(own);
        }
    }
    for (std::size_t i = 0; i < frames.size(); ++i) {
        QString title = chart.title();
        if (frames.size() > 1) title += QString(":%1").arg(i + 1);
        if (chart.doc().isModified()) title += " *";
        frames[i]->setWindowTitle(title);
    }
}

QString ChartWindows::menuEntry(QMdiSubWindow* window) const {
    const WindowKinds::Kind* kind = kinds_.find(kindOf(window));
    if (kind == nullptr || kind->caption.isEmpty()) return window->windowTitle();
    return window->windowTitle() + QString::fromUtf8(" — ") + kind->caption;
}

ChartWindow* ChartWindows::show(const QString& kindName, const std::shared_ptr<OpenChart>& chart) {
    const WindowKinds::Kind* kind = kinds_.find(kindName);
    if (!chart || kind == nullptr) return nullptr;
    for (ChildSubWindow* window : framesOf(*chart)) {
        if (window->kind() != kindName) continue;
        bringToFront(window, window->isMaximized());
        return window->chartWindow();
    }
    if (kind->mayOpenFirst && !kind->mayOpenFirst(*chart, services_)) return nullptr;
    return openMade(kind->name, chart, kind->make);
}

bool ChartWindows::releaseWindows() {
    for (QMdiSubWindow* window : mdi_.subWindowList()) {
        ChartWindow* shown = windowOf(window);
        if (shown && !shown->mayClose()) return false;
    }
    return true;
}

void ChartWindows::newWindow() {
    QMdiSubWindow* window = activeOrLastWindow();
    ChartWindow* shown = windowOf(window);
    if (shown == nullptr || !shown->allowsSecondWindow()) return;
    if (const WindowKinds::Kind* kind = kinds_.find(kindOf(window)))
        openMade(kind->name, shown->sharedChart(), kind->make);
}

ChartWindow* ChartWindows::openMade(const QString& kind, const std::shared_ptr<OpenChart>& chart,
                                    const WindowKinds::Maker& make) {
    // The first chart fills the frame, and so does every later one while the active window
    // is maximized; otherwise a new window opens at a comfortable size inside the work area.
    QMdiSubWindow* active = mdi_.activeSubWindow();
    const bool maximized = mdi_.subWindowList().isEmpty() || (active && active->isMaximized());
    ChartWindow* shown = make(chart, services_);
    auto* window = new ChildSubWindow(closeGuard_, *shown, kind);
    window->setWindowIcon(ToolIcons::icon(ToolIcons::Kind::New));
    mdi_.addSubWindow(window);
    connect(window, &QObject::destroyed, this,
            [this, raw = chart.get()] { emit windowClosed(raw); });
    updateTitles(*chart);
    if (!maximized) window->setGeometry(normalGeometry());
    bringToFront(window, maximized);
    return shown;
}

QRect ChartWindows::normalGeometry() const {
    const QSize area = mdi_.viewport()->size();
    const QSize size = (area * 0.8).expandedTo(QSize(320, 240)).boundedTo(area);
    // Each new window a step further down and right, starting over where it would leave
    // the work area.
    constexpr int kStep = 24;
    const int steps = static_cast<int>(mdi_.subWindowList().size()) - 1;
    const int roomX = std::max(0, area.width() - size.width());
    const int roomY = std::max(0, area.height() - size.height());
    const int offset = kStep * std::max(0, steps);
    return QRect(QPoint(roomX ? offset % (roomX + 1) : 0, roomY ? offset % (roomY + 1) : 0), size);
}

void ChartWindows::bringToFront(QMdiSubWindow* window, bool maximized) {
    if (maximized) {
        window->showMaximized();
    } else if (window->isMinimized()) {
        window->showNormal();
    } else {
        window->show();
    }
    window->raise();
    mdi_.setActiveSubWindow(window);
    window->widget()->setFocus();
}

void ChartWindows::cascade() {
    mdi_.cascadeSubWindows();
}

void ChartWindows::tileHorizontally() {
    const auto windows = mdi_.subWindowList();
    const int height = windows.isEmpty() ? 0 : mdi_.viewport()->height() / windows.size();
    for (int i = 0; i < windows.size(); ++i) {
        windows[i]->showNormal();
        windows[i]->setGeometry(0, i * height, mdi_.viewport()->width(), height);
    }
}

void ChartWindows::tileVertically() {
    const auto windows = mdi_.subWindowList();
    const int width = windows.isEmpty() ? 0 : mdi_.viewport()->width() / windows.size();
    for (int i = 0; i < windows.size(); ++i) {
        windows[i]->showNormal();
        windows[i]->setGeometry(i * width, 0, width, mdi_.viewport()->height());
    }
}

void ChartWindows::arrangeIcons() {
    int x = 0;
    for (QMdiSubWindow* window : mdi_.subWindowList()) {
        if (!window->isMinimized()) continue;
        window->move(x, mdi_.viewport()->height() - window->height());
        x += window->width();
    }
}

}  // namespace orvanta
