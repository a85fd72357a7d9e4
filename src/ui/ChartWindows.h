#pragma once

#include <QMdiArea>
#include <QObject>
#include <functional>
#include <memory>
#include <vector>

#include "ui/ChildSubWindow.h"

namespace orvanta {

class CBornChildFrame;
class CTrChildFrame;
class OpenChart;
struct AppContext;

// The child windows of the main frame's work area: which chart each shows, their titles,
// bringing a chart's window up, and the "Окно" menu's arrangements.
class ChartWindows : public QObject {
    Q_OBJECT
  public:
    // Gives a new natal chart window its tool-bar buttons.
    using FrameFitter = std::function<void(CBornChildFrame&)>;
    // Gives a new event chart window its tool-bar buttons and its date selection.
    using EventFrameFitter = std::function<void(CTrChildFrame&)>;

    ChartWindows(QMdiArea& mdi, AppContext& context, QObject* parent = nullptr);

    void setCloseGuard(ChildSubWindow::CloseGuard guard) { closeGuard_ = std::move(guard); }
    void setFrameFitter(FrameFitter fitter) { fitter_ = std::move(fitter); }
    void setEventFrameFitter(EventFrameFitter fitter) { eventFitter_ = std::move(fitter); }

    // The chart a child frame shows, whatever its kind; nullptr for another widget.
    static OpenChart* chartOf(QWidget* frame);
    // The chart of the active window (or the last active one), of either kind.
    OpenChart* activeChart() const;
    bool isEventWindowActive() const;

    CBornChildFrame* activeNatalFrame() const;
    // Brings up the natal chart window of a chart: the existing one, or a new one.
    CBornChildFrame* showNatalWindow(const std::shared_ptr<OpenChart>& chart);
    // Brings up the event chart window of a chart: the existing one, or a new one.
    CTrChildFrame* showEventWindow(const std::shared_ptr<OpenChart>& chart);
    // Another window of the active window's kind on the same chart, made as the first one is
    // (tool bar, information bar, both panes).
    void newWindow();

    std::vector<ChildSubWindow*> framesOf(const OpenChart& chart) const;
    bool hasWindowOf(const OpenChart& chart) const { return !framesOf(chart).empty(); }
    // "name", "name:1", "name:2" when a chart has several windows; " *" while modified.
    void updateTitles(const OpenChart& chart);

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
    CBornChildFrame* openFrame(const std::shared_ptr<OpenChart>& chart);
    CTrChildFrame* openEventFrame(const std::shared_ptr<OpenChart>& chart);
    void placeFrame(QWidget* frame, const std::shared_ptr<OpenChart>& chart);
    QMdiSubWindow* activeOrLastWindow() const;
    // Where a window that is not maximized opens: inside the work area.
    QRect normalGeometry() const;
    void bringToFront(QMdiSubWindow* window, bool maximized);
    ChildSubWindow* addFrame(QWidget* frame, const std::shared_ptr<OpenChart>& chart);

    QMdiArea& mdi_;
    AppContext& context_;
    ChildSubWindow::CloseGuard closeGuard_;
    FrameFitter fitter_;
    EventFrameFitter eventFitter_;
};

}  // namespace orvanta
