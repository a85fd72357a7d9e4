#include "ui/SplashWindow.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>

namespace orvanta {

SplashWindow::SplashWindow(QImage picture, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      picture_(std::move(picture)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kWidth, kHeight);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &QWidget::close);
    qApp->installEventFilter(this);
}

SplashWindow::~SplashWindow() {
    qApp->removeEventFilter(this);
}

void SplashWindow::showCentred() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
    show();
    timer_.start(kShownMilliseconds);
}

void SplashWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (picture_.isNull()) {
        painter.fillRect(rect(), QColor(20, 24, 60));
        painter.setPen(Qt::white);
        painter.setFont(QFont("DejaVu Serif", 36));
        painter.drawText(rect(), Qt::AlignCenter, "Orvanta");
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(rect(), picture_);
}

bool SplashWindow::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::NonClientAreaMouseButtonPress:
            close();
            break;
        default:
            break;
    }
    return false;
}

}  // namespace orvanta
