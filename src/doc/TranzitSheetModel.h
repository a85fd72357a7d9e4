#pragma once

#include <vector>

#include "doc/AspectPageModel.h"
#include "doc/CZodiacDoc.h"
#include "doc/PlanetPageModel.h"

namespace orvanta {

// The event chart settings sheet apart from its window: the transiting bodies, the transit
// aspects and the radix objects over one document, what OK gives the document and what
// cancelling takes back.
class TranzitSheetModel {
  public:
    enum Page { TransitPlanets = 0, Aspects = 1, RadixPlanets = 2, kPageCount = 3 };

    explicit TranzitSheetModel(CZodiacDoc& doc);

    PlanetPageModel transitPlanets;
    AspectPageModel aspects;
    PlanetPageModel radixPlanets;

    // OK, after every page has taken its controls: transit use, then angle, orb and include,
    // then radix use go into the document, and the event chart is built again.
    void confirm();
    // Cancel: every page that was shown reads its defaults file again; the event chart is not
    // built again.
    void cancel(const std::vector<Page>& shownPages);

  private:
    void rebuildEventChart();

    CZodiacDoc& doc_;
};

}  // namespace orvanta
