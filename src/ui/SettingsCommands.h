#pragma once

#include <QWidget>

#include "ui/OpenChart.h"

namespace orvanta {

// The commands that open the settings sheets of a chart (32808 natal, 32809 event chart).
class SettingsCommands {
  public:
    static void natalSettings(OpenChart& chart, QWidget* parent);
    static void eventSettings(OpenChart& chart, QWidget* parent);
};

}  // namespace orvanta
