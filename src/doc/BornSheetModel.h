#pragma once

#include <cstdint>
#include <vector>

#include "doc/AspectPageModel.h"
#include "doc/CZodiacDoc.h"
#include "doc/OrientationPageModel.h"
#include "doc/PlanetPageModel.h"

namespace orvanta {

// The natal settings sheet apart from its window: the planets, aspects and orientation pages
// over one document, what OK gives the document and what cancelling takes back.
class BornSheetModel {
  public:
    enum Page { Planets = 0, Aspects = 1, Orientation = 2, kPageCount = 3 };

    explicit BornSheetModel(CZodiacDoc& doc);

    PlanetPageModel planets;
    AspectPageModel aspects;
    OrientationPageModel orientation;

    // OK, after every page has taken its controls: shown flags, then angle, orb and include,
    // then the orientation go into the chart; the interpretation is to be written again and the
    // natal views are redrawn.
    void confirm();
    // Cancel: every page that was shown runs its reset, so the aspects and bodies return to
    // the defaults files (not to what they were when the sheet opened).
    void cancel(const std::vector<Page>& shownPages);

  private:
    void markModifiedIfChanged();

    CZodiacDoc& doc_;
    std::vector<std::uint8_t> chartBefore_;
};

}  // namespace orvanta
