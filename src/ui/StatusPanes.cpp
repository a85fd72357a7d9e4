#include "ui/StatusPanes.h"

#include <QApplication>
#include <QDateTime>
#include <QKeyEvent>

#include "doc/StatusClock.h"

namespace orvanta {
namespace {

constexpr int kClockRefreshMilliseconds = 10000;

}  // namespace

StatusPanes::StatusPanes(QStatusBar& bar) : QObject(&bar) {
    bar.showMessage("Готово");
    capsPane_ = addIndicator(bar, "CAP");
    numPane_ = addIndicator(bar, "NUM");
    scrollPane_ = addIndicator(bar, "SCRL");
    datePane_ = new QLabel(&bar);
    datePane_->setObjectName("Date");
    timePane_ = new QLabel(&bar);
    timePane_->setObjectName("Time");
    bar.addPermanentWidget(datePane_);
    bar.addPermanentWidget(timePane_);
    refreshClock();
    clockTimer_.setInterval(kClockRefreshMilliseconds);
    connect(&clockTimer_, &QTimer::timeout, this, &StatusPanes::refreshClock);
    clockTimer_.start();
    qApp->installEventFilter(this);
}

StatusPanes::~StatusPanes() {
    qApp->removeEventFilter(this);
}

QLabel* StatusPanes::addIndicator(QStatusBar& bar, const QString& text) {
    auto* label = new QLabel(text, &bar);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(text) + 8);
    label->setEnabled(false);
    bar.addPermanentWidget(label);
    return label;
}

void StatusPanes::refreshClock() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    const QString dateText =
        QString::fromStdString(StatusClock::dateText(date.day(), date.month(), date.year()));
    const QString timeText =
        QString::fromStdString(StatusClock::timeText(time.hour(), time.minute()));
    // Each pane is sized to its text before the text is set.
    for (auto [pane, text] : {std::pair{datePane_, dateText}, std::pair{timePane_, timeText}}) {
        pane->setFixedWidth(pane->fontMetrics().horizontalAdvance(text) + 10);
        pane->setText(text);
    }
}

void StatusPanes::updateKeyIndicators() {
    capsPane_->setEnabled(capsLock_);
    numPane_->setEnabled(numLock_);
    scrollPane_->setEnabled(scrollLock_);
}

bool StatusPanes::eventFilter(QObject* watched, QEvent* event) {
    // The lock keys cannot be read from the system here: follow the presses the program sees.
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat() && watched == QApplication::focusWidget()) {
            if (key->key() == Qt::Key_CapsLock) capsLock_ = !capsLock_;
            if (key->key() == Qt::Key_NumLock) numLock_ = !numLock_;
            if (key->key() == Qt::Key_ScrollLock) scrollLock_ = !scrollLock_;
            updateKeyIndicators();
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace orvanta
