#pragma once

#include "calc/AspectSetting.h"
#include "calc/ChartData.h"
#include "events/TransitSituation.h"

namespace orvanta {

// Switches the records of both lists on and off by the sign of their orb: on when the aspect
// is included, the natal object is used as a radix object and the transiting body is used as
// a transiting body. A chart without houses first stops using its cusps as radix objects.
class TransitMarking {
  public:
    static void mark(ChartData& natal, const TransitAspectTable& aspects,
                     const ChartData& transitBodies, TransitList& situations,
                     TransitList& orbTransits);

  private:
    static bool isSwitchedOn(const TransitSituation& record, const ChartData& natal,
                             const TransitAspectTable& aspects, const ChartData& transitBodies);
};

}  // namespace orvanta
