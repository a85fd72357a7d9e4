#include "ui/CalendarSearch.h"

#include "events/CalendarMoment.h"
#include "events/CalendarWording.h"
#include "events/TransitCalendar.h"

namespace orvanta {
namespace {

constexpr int kSteps = 1000;
constexpr int kTickMs = 50;

}  // namespace

CalendarSearch::CalendarSearch(std::shared_ptr<const Ephemeris> ephemeris, QWidget* dialogParent,
                               QObject* parent)
    : QObject(parent), ephemeris_(std::move(ephemeris)), dialogParent_(dialogParent) {
    ticker_.setInterval(kTickMs);
    connect(&ticker_, &QTimer::timeout, this, &CalendarSearch::showProgress);
}

CalendarSearch::~CalendarSearch() {
    if (thread_ != nullptr) {
        job_->stop = true;
        thread_->wait();
        delete thread_;
    }
}

void CalendarSearch::start(CalendarRequest request) {
    cancel();
    if (thread_ != nullptr) thread_->wait();
    finish();  // the cancelled one's thread is gone; its results go nowhere
    if (!ephemeris_) {
        emit failed("Не удалось загрузить модуль эфемерид.");
        return;
    }
    job_ = std::make_shared<Job>();
    thread_ = QThread::create([job = job_, ephemeris = ephemeris_, request = std::move(request)] {
        TransitCalendar calendar(*ephemeris, request);
        calendar.setProgress([&job](double done) {
            job->permille = static_cast<int>(done * kSteps);
            return !job->stop.load();
        });
        try {
            job->events = calendar.run();
        } catch (const TransitCalendar::Cancelled&) {
            job->cancelled = true;
        } catch (const BodyTrack::Unavailable& error) {
            job->error = QString::fromStdString(
                "Эфемериды не дают положения тела «" + CalendarWording::bodyName(error.body) +
                "» на " + CalendarMoment::isoText(CalendarMoment::toSecond(error.time)) + ".");
        }
    });
    connect(thread_, &QThread::finished, this, &CalendarSearch::finish);
    progress_ = new QProgressDialog("Поиск транзитов...", "Отмена", 0, kSteps, dialogParent_);
    progress_->setWindowTitle("Транзиты за период");
    progress_->setWindowModality(Qt::WindowModal);
    progress_->setMinimumDuration(kQuietMs);
    progress_->setAutoClose(false);
    progress_->setAutoReset(false);
    connect(progress_, &QProgressDialog::canceled, this, &CalendarSearch::cancel);
    progress_->setValue(0);
    ticker_.start();
    thread_->start();
}

void CalendarSearch::cancel() {
    if (job_) job_->stop = true;
}

void CalendarSearch::showProgress() {
    if (progress_ && job_) progress_->setValue(job_->permille.load());
}

void CalendarSearch::finish() {
    if (thread_ == nullptr || !thread_->isFinished()) return;
    ticker_.stop();
    delete thread_;
    thread_ = nullptr;
    if (progress_) {
        progress_->disconnect(this);
        progress_->deleteLater();
        progress_ = nullptr;
    }
    const auto job = std::move(job_);
    if (job->cancelled) return;
    if (!job->error.isEmpty()) {
        emit failed(job->error);
    } else {
        emit found(job->events);
    }
}

}  // namespace orvanta
