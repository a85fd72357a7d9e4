#pragma once

#include "settings/PlanetPage.h"

namespace orvanta {

// The natal sheet's "Планеты" page: which bodies the wheel, the table and the aspects show, their
// symbols and texts.
class CBornPlanetPage : public PlanetPage {
    Q_OBJECT
  public:
    explicit CBornPlanetPage(PlanetPageModel& model, QWidget* parent = nullptr)
        : PlanetPage(model, parent) {}
};

}  // namespace orvanta
