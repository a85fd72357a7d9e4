#include "events/TransitMarking.h"

#include <cmath>

#include "calc/Bodies.h"

namespace orvanta {

void TransitMarking::mark(ChartData& natal, const TransitAspectTable& aspects,
                          const ChartData& transitBodies, TransitList& situations,
                          TransitList& orbTransits) {
    if (natal.housesUnavailable != 0) {
        for (int cusp = Bodies::kFirstCusp; cusp <= Bodies::kLastCusp; ++cusp) {
            natal.style[cusp].radixUse = 0;
        }
    }
    for (TransitList* list : {&situations, &orbTransits}) {
        for (TransitSituation& record : *list) {
            const double orb = std::fabs(record.orb);
            record.orb = isSwitchedOn(record, natal, aspects, transitBodies) ? orb : -orb;
        }
    }
}

bool TransitMarking::isSwitchedOn(const TransitSituation& record, const ChartData& natal,
                                  const TransitAspectTable& aspects,
                                  const ChartData& transitBodies) {
    // Numbers that name no aspect, object or body (a damaged chart) switch the record off.
    if (record.aspectIndex < 0 || record.aspectIndex >= kAspectCount) return false;
    if (!Bodies::isBody(record.body)) return false;
    if (record.radix < 1 || record.radix > Bodies::kLastCusp) return false;
    return aspects[static_cast<std::size_t>(record.aspectIndex)].included != 0 &&
           natal.style[record.radix].radixUse != 0 &&
           transitBodies.style[record.body].transitUse != 0;
}

}  // namespace orvanta
