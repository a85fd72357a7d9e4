#pragma once

#include "settings/AspectPage.h"

namespace orvanta {

// The natal sheet's "Аспекты" page: with the line and symbol buttons.
class CBornAspectPage : public AspectPage {
    Q_OBJECT
  public:
    explicit CBornAspectPage(AspectPageModel& model, QWidget* parent = nullptr)
        : AspectPage(model, AspectPage::Columns::Natal, parent) {}
};

}  // namespace orvanta
