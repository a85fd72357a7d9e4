#pragma once

#include <QGuiApplication>
#include <memory>

#include "draw/ChartResources.h"

namespace orvanta::cli {

// What the drawing commands need before they draw without a display.
class DrawingSetup {
  public:
    // Painting text needs a GUI application object; none when one exists already.
    static std::unique_ptr<QGuiApplication> guiApplication();
    // The sign pictures and the configured faces, with the faces mapped to installed fonts.
    static ChartResources loadResources();
};

}  // namespace orvanta::cli
