#pragma once

#include <QLabel>
#include <QObject>
#include <QStatusBar>
#include <QTimer>

namespace orvanta {

// The right end of the main frame's status bar: the CAP, NUM and SCRL indicators and the
// date and time panes, refreshed every ten seconds.
class StatusPanes : public QObject {
    Q_OBJECT
  public:
    explicit StatusPanes(QStatusBar& bar);
    ~StatusPanes() override;

    QString dateText() const { return datePane_->text(); }
    QString timeText() const { return timePane_->text(); }
    void refreshClock();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLabel* addIndicator(QStatusBar& bar, const QString& text);
    void updateKeyIndicators();

    QLabel* capsPane_ = nullptr;
    QLabel* numPane_ = nullptr;
    QLabel* scrollPane_ = nullptr;
    QLabel* datePane_ = nullptr;
    QLabel* timePane_ = nullptr;
    QTimer clockTimer_;
    bool capsLock_ = false;
    bool numLock_ = false;
    bool scrollLock_ = false;
};

}  // namespace orvanta
