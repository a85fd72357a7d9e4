#pragma once

#include <QObject>
#include <QPointer>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <memory>
#include <vector>

#include "calc/Ephemeris.h"
#include "events/CalendarEvent.h"
#include "events/CalendarRequest.h"

namespace orvanta {

// Runs the transit calendar search off the window's thread. A search that takes longer than
// kQuietMs shows a progress bar with a Cancel button; a short one shows none.
class CalendarSearch : public QObject {
    Q_OBJECT
  public:
    static constexpr int kQuietMs = 300;

    // The ephemeris is shared with the search thread, which may outlive a cancelled search.
    CalendarSearch(std::shared_ptr<const Ephemeris> ephemeris, QWidget* dialogParent,
                   QObject* parent = nullptr);
    ~CalendarSearch() override;

    void start(CalendarRequest request);
    void cancel();
    bool running() const { return thread_ != nullptr; }
    QProgressDialog* progressDialog() const { return progress_; }

  signals:
    void found(const std::vector<CalendarEvent>& events);
    // Said in the user's words; not emitted for a cancelled search.
    void failed(const QString& message);

  private:
    struct Job {
        std::atomic<bool> stop{false};
        std::atomic<int> permille{0};
        std::vector<CalendarEvent> events;
        QString error;
        bool cancelled = false;
    };

    void finish();
    void showProgress();

    std::shared_ptr<const Ephemeris> ephemeris_;
    QPointer<QWidget> dialogParent_;
    std::shared_ptr<Job> job_;
    QThread* thread_ = nullptr;
    QProgressDialog* progress_ = nullptr;
    QTimer ticker_;
};

}  // namespace orvanta
