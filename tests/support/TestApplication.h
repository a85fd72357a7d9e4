#pragma once

#include <QGuiApplication>

namespace orvanta::testing {

// The one Qt application of a test program, made on first use. Drawing needs no display: a
// hand run without QT_QPA_PLATFORM gets the offscreen platform, as ctest gives it.
inline void offscreenUnlessSet() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
}

// For painting into images.
inline void ensureGuiApplication() {
    static int argc = 1;
    static char name[] = "orvanta_test";
    static char* argv[] = {name, nullptr};
    offscreenUnlessSet();
    if (QGuiApplication::instance() == nullptr) new QGuiApplication(argc, argv);
}

}  // namespace orvanta::testing
