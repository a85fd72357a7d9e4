#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "support/TestApplication.h"

namespace orvanta::testing {

// For widgets; the tests keep their settings apart from the user's.
inline QApplication& widgetApplication() {
    static int argc = 1;
    static char name[] = "test_ui";
    static char* argv[] = {name, nullptr};
    if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        return *existing;
    }
    offscreenUnlessSet();
    auto* created = new QApplication(argc, argv);
    QApplication::setOrganizationName("OrvantaTests");
    QApplication::setApplicationName("test_ui");
    return *created;
}

// Presses and releases one key, with the text it types.
inline void pressKey(QWidget* widget, int key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &release);
}

// Types a text key by key, as the user would; each key is one edit of the field.
inline void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) pressKey(widget, c.unicode(), QString(c));
}

// Selects what the edit holds and types over it.
inline void retype(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    typeText(edit, text);
}

inline void clickAt(QWidget* widget, QPoint point) {
    const QPointF local(point);
    const QPointF global(widget->mapToGlobal(point));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

// A button pressed and released: it emits what a mouse click on it would.
inline void click(QAbstractButton* button) {
    button->click();
}

// Lets the event loop run until the condition holds or the time is up.
inline bool waitFor(const std::function<bool()>& condition, int milliseconds = 5000) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > milliseconds) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

// Runs `drive` on the next modal dialog of type T once it is up, from inside its own loop.
// A dialog that is still up a few seconds after it was driven fails the test and is closed,
// so a drive that does not end the dialog costs seconds instead of hanging the test program.
template <typename T>
void whenModal(std::function<void(T&)> drive, int closeWithinMilliseconds = 5000) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, drive, closeWithinMilliseconds] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        poll->stop();
        poll->deleteLater();
        const QPointer<QWidget> driven(dialog);
        drive(*dialog);
        if (driven.isNull() || !driven->isVisible()) return;
        QTimer::singleShot(closeWithinMilliseconds, [driven] {
            if (driven.isNull() || !driven->isVisible()) return;
            ADD_FAILURE() << "the modal " << driven->metaObject()->className()
                          << " was still open after it was driven; closed by the test";
            if (auto* asDialog = qobject_cast<QDialog*>(driven.data())) {
                asDialog->done(QDialog::Rejected);
            } else {
                driven->close();
            }
        });
    });
    poll->start();
}

}  // namespace orvanta::testing
