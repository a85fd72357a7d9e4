#include "ui/ChartWindows.h"

#include <QTimer>
#include <algorithm>

#include "ui/AppContext.h"
#include "ui/CBornChildFrame.h"
#include "ui/CTrChildFrame.h"
#include "ui/OpenChart.h"
#include "ui/ToolIcons.h"

namespace orvanta {

ChartWindows::ChartWindows(QMdiArea& mdi, AppContext& context, QObject* parent)
    : QObject(parent), mdi_(mdi), context_(context) {}

QMdiSubWindow* ChartWindows::activeOrLastWindow() const {
    QMdiSubWindow* window = mdi_.activeSubWindow();
    if (window == nullptr) {
        const auto windows = mdi_.subWindowList(QMdiArea::ActivationHistoryOrder);
        if (windows.isEmpty()) return nullptr;
        window = windows.back();
    }
    return window;
}

CBornChildFrame* ChartWindows::activeNatalFrame() const {
    QMdiSubWindow* window = activeOrLastWindow();
    return window ? qobject_cast<CBornChildFrame*>(window->widget()) : nullptr;
}

OpenChart* ChartWindows::chartOf(QWidget* frame) {
    if (auto* natal = qobject_cast<CBornChildFrame*>(frame)) return &natal->chart();
    if (auto* event = qobject_cast<CTrChildFrame*>(frame)) return &event->chart();
    return nullptr;
}

OpenChart* ChartWindows::activeChart() const {
    QMdiSubWindow* window = activeOrLastWindow();
    return window ? chartOf(window->widget()) : nullptr;
}

bool ChartWindows::isEventWindowActive() const {
    QMdiSubWindow* window = activeOrLastWindow();
    return window && qobject_cast<CTrChildFrame*>(window->widget()) != nullptr;
}

ChildSubWindow* ChartWindows::addFrame(QWidget* frame, const std::shared_ptr<OpenChart>& chart) {
    auto* window = new ChildSubWindow(closeGuard_);
    window->setWidget(frame);
    window->setWindowIcon(ToolIcons::icon(ToolIcons::Kind::New));
    mdi_.addSubWindow(window);
    connect(window, &QObject::destroyed, this,
            [this, raw = chart.get()] { emit windowClosed(raw); });
    updateTitles(*chart);
    return window;
}

std::vector<ChildSubWindow*> ChartWindows::framesOf(const OpenChart& chart) const {
    std::vector<ChildSubWindow*> frames;
    for (QMdiSubWindow* window : mdi_.subWindowList()) {
        auto* child = qobject_cast<ChildSubWindow*>(window);
        if (child && chartOf(child->widget()) == &chart) frames.push_back(child);
    }
    return frames;
}

void ChartWindows::updateTitles(const OpenChart& chart) {
    const auto frames = framesOf(chart);
    for (std::size_t i = 0; i < frames.size(); ++i) {
        QString title = chart.title();
        if (frames.size() > 1) title += QString(":%1").arg(i + 1);
        if (chart.doc().isModified()) title += " *";
        frames[i]->setWindowTitle(title);
    }
}

CBornChildFrame* ChartWindows::showNatalWindow(const std::shared_ptr<OpenChart>& chart) {
    if (!chart) return nullptr;
    for (ChildSubWindow* window : framesOf(*chart)) {
        auto* natal = qobject_cast<CBornChildFrame*>(window->widget());
        if (natal == nullptr) continue;
        bringToFront(window, window->isMaximized());
        return natal;
    }
    return openFrame(chart);
}

CTrChildFrame* ChartWindows::showEventWindow(const std::shared_ptr<OpenChart>& chart) {
    if (!chart) return nullptr;
    for (ChildSubWindow* window : framesOf(*chart)) {
        auto* event = qobject_cast<CTrChildFrame*>(window->widget());
        if (event == nullptr) continue;
        bringToFront(window, window->isMaximized());
        return event;
    }
    return openEventFrame(chart);
}

void ChartWindows::newWindow() {
    QMdiSubWindow* window = activeOrLastWindow();
    if (window == nullptr) return;
    if (auto* natal = qobject_cast<CBornChildFrame*>(window->widget())) {
        openFrame(natal->sharedChart());
    } else if (auto* event = qobject_cast<CTrChildFrame*>(window->widget())) {
        openEventFrame(event->sharedChart());
    }
}

CBornChildFrame* ChartWindows::openFrame(const std::shared_ptr<OpenChart>& chart) {
    auto* frame = new CBornChildFrame(chart, context_.resources);
    if (fitter_) fitter_(*frame);
    placeFrame(frame, chart);
    return frame;
}

CTrChildFrame* ChartWindows::openEventFrame(const std::shared_ptr<OpenChart>& chart) {
    chart->doc().setTimeChanges(&context_.timeChanges);
    auto* frame = new CTrChildFrame(chart, context_.resources);
    if (eventFitter_) eventFitter_(*frame);
    placeFrame(frame, chart);
    return frame;
}

void ChartWindows::placeFrame(QWidget* frame, const std::shared_ptr<OpenChart>& chart) {
    // The first chart fills the frame, and so does every later one while the active window
    // is maximized; otherwise a new window opens at a comfortable size inside the work area.
    QMdiSubWindow* active = mdi_.activeSubWindow();
    const bool maximized = mdi_.subWindowList().isEmpty() || (active && active->isMaximized());
    ChildSubWindow* window = addFrame(frame, chart);
    if (!maximized) window->setGeometry(normalGeometry());
    bringToFront(window, maximized);
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
