#pragma once

#include <QMdiSubWindow>
#include <QPointer>
#include <functional>

namespace orvanta {

class ChartWindow;

// The MDI window around a chart window; asks before it closes so that the last window of a
// modified chart offers to save it.
class ChildSubWindow : public QMdiSubWindow {
    Q_OBJECT
  public:
    using CloseGuard = std::function<bool(ChildSubWindow*)>;

    // Takes the chart window in as its widget; kind is its name in WindowKinds.
    ChildSubWindow(CloseGuard guard, ChartWindow& window, QString kind, QWidget* parent = nullptr);

    // The window inside, nullptr once it is gone.
    ChartWindow* chartWindow() const { return frame_ ? window_ : nullptr; }
    const QString& kind() const { return kind_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    CloseGuard guard_;
    ChartWindow* window_;
    QPointer<QWidget> frame_;
    QString kind_;
};

}  // namespace orvanta
