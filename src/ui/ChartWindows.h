#pragma once

#include <QMdiArea>
#include <QObject>
#include <memory>
#include <vector>

#include "ui/ChildSubWindow.h"
#include "ui/WindowKinds.h"
#include "ui/WindowServices.h"

namespace orvanta {

class ChartWindow;
class OpenChart;

// The child windows of the main frame's work area: which chart each shows, their titles,
// bringing a chart's window of a kind up, and the "Окно" menu's arrangements.
class ChartWindows : public QObject {
    Q_OBJECT
  public:
    ChartWindows(QMdiArea& mdi, WindowServices services, WindowKinds kinds,
                 QObject* parent = nullptr);

    void setCloseGuard(ChildSubWindow::CloseGuard guard) { closeGuard_ = std::move(guard); }
    WindowKinds& kinds() { return kinds_; }

    // The chart window inside an MDI window; nullptr for another one or one going away.
    static ChartWindow* windowOf(QMdiSubWindow* window);
    // The active chart window, or the last active one while none is.
    ChartWindow* activeWindow() const;
    // The kind of a window (empty for none), by its name in WindowKinds.
    static QString kindOf(QMdiSubWindow* window);
    // The active window of one class, as tests and callers that know it look for it.
    template <class Frame>
    Frame* active() const {
        return dynamic_cast<Frame*>(activeWindow());
    }
    // The chart of the active window (or the last active one), of any kind.
    OpenChart* activeChart() const;

    // The active window, or the last active one while none is.
    QMdiSubWindow* currentWindow() const;
    // Brings up the chart's window of a kind: the existing one, or a new one unless the kind
    // asks first and is answered Cancel (then nullptr).
    ChartWindow* show(const QString& kind, const std::shared_ptr<OpenChart>& chart);
    // Opens a new window of a kind that needs more than its chart to be made (the synastry
    // window and its second chart); the window belongs to the chart.
    ChartWindow* openMade(const QString& kind, const std::shared_ptr<OpenChart>& chart,
                          const WindowKinds::Maker& make);
    // Asks each window whether it may close, as the program ends; false on Cancel.
    bool releaseWindows();
    // Another window of the active window's kind on the same chart, made as the first one is
    // (tool bar, information bar, both panes).
    void newWindow();

    std::vector<ChildSubWindow*> framesOf(const OpenChart& chart) const;
    bool hasWindowOf(const OpenChart& chart) const { return !framesOf(chart).empty(); }
    // "name", "name:1", "name:2" when a chart has several windows; " *" while modified. A
    // window with a title of its own keeps it and is not counted.
    void updateTitles(const OpenChart& chart);
    // The window's line in the "Окно" menu: its title and, after a dash, its kind.
    QString menuEntry(QMdiSubWindow* window) const;

    // Brings a window up as the active one, restored when it was minimized.
    void showWindow(QMdiSubWindow* window) { bringToFront(window, window->isMaximized()); }

    void cascade();
    // Stacked one above the other, each as wide as the work area.
    void tileHorizontally();
    // Side by side, each as high as the work area.
    void tileVertically();
    // Minimized windows in a row along the bottom.
    void arrangeIcons();

  signals:
    // A chart's window is gone (the chart may have other windows still).
    void windowClosed(const OpenChart* chart);

  private:
    QMdiSubWindow* activeOrLastWindow() const;
    // Where a window that is not maximized opens: inside the work area.
    QRect normalGeometry() const;
    void bringToFront(QMdiSubWindow* window, bool maximized);

    QMdiArea& mdi_;
    WindowServices services_;
    WindowKinds kinds_;
    ChildSubWindow::CloseGuard closeGuard_;
};

}  // namespace orvanta
