#pragma once

#include "settings/PlanetPage.h"

namespace orvanta {

// The event chart sheet's "Радиксные планеты" page: which natal bodies and houses the transits are
// found to.
class CTrRxPlanetPage : public PlanetPage {
    Q_OBJECT
  public:
    explicit CTrRxPlanetPage(PlanetPageModel& model, QWidget* parent = nullptr)
        : PlanetPage(model, parent) {}
};

}  // namespace orvanta
