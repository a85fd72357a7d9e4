#pragma once

#include "settings/AspectPage.h"

namespace orvanta {

// The event chart sheet's "Аспекты" page: with the symbol, pictogram and colour buttons.
class CTrAspectPage : public AspectPage {
    Q_OBJECT
  public:
    explicit CTrAspectPage(AspectPageModel& model, QWidget* parent = nullptr)
        : AspectPage(model, AspectPage::Columns::Transit, parent) {}
};

}  // namespace orvanta
