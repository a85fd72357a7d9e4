#pragma once

#include <QMdiSubWindow>
#include <functional>

namespace orvanta {

// The MDI window around a child frame; asks before it closes so that the last window of a
// modified chart offers to save it.
class ChildSubWindow : public QMdiSubWindow {
    Q_OBJECT
  public:
    using CloseGuard = std::function<bool(ChildSubWindow*)>;

    ChildSubWindow(CloseGuard guard, QWidget* parent = nullptr);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    CloseGuard guard_;
};

}  // namespace orvanta
