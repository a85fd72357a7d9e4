#pragma once

#include "settings/PlanetPage.h"

namespace orvanta {

// The event chart sheet's "Транзитные планеты" page: which bodies move through the event chart,
// their symbols, pictograms and texts.
class CTrPlanetPage : public PlanetPage {
    Q_OBJECT
  public:
    explicit CTrPlanetPage(PlanetPageModel& model, QWidget* parent = nullptr)
        : PlanetPage(model, parent) {}
};

}  // namespace orvanta
