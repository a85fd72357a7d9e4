#include "doc/CombinedChart.h"

#include "calc/ChartComputation.h"
#include "calc/HouseSystems.h"
#include "natal/CompositeChart.h"
#include "natal/DavisonChart.h"

namespace orvanta {

bool CombinedChart::build(Kind kind, const NatalChart& first, const NatalChart& second,
                          CZodiacDoc& out) {
    const bool houses = first.hasHouses() && second.hasHouses();
    const int houseSystem = houses ? first.houseSystem : HouseSystems::kNone;
    const BirthData birth = kind == Kind::Davison
                                ? DavisonChart::birthData(first.birth, second.birth)
                                : CompositeChart::birthData(first.birth, second.birth);
    if (!out.newChart(birth, houseSystem, !houses, false)) return false;
    if (kind == Kind::Davison) return true;
    // The document computed the Davison chart from these birth data; the composite replaces
    // its positions and keeps its display settings.
    NatalChart& natal = out.natal();
    if (!CompositeChart::compute(first.chart, second.chart, natal.birth, houseSystem,
                                 ChartComputation::shared(), natal.chart)) {
        return false;
    }
    out.interpretation().markOutOfDate();
    out.updateAllViews(CZodiacDoc::kHintNatal | CZodiacDoc::kHintEventChart);
    return true;
}

}  // namespace orvanta
