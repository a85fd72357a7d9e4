#pragma once

#include <string>

#include "calc/AspectSetting.h"
#include "calc/ChartData.h"
#include "events/DialLayout.h"
#include "events/TransitDay.h"

namespace orvanta {

// What the tooltip over the dial says about the sector, arc or ring under the pointer: the
// transiting body, the aspect, the natal object, the exact moment and the span of hours.
class DialHitText {
  public:
    struct Names {
        const ChartData& transitBodies;
        const TransitAspectTable& aspects;
        const ChartData& natal;
    };

    static std::string describe(const DialLayout::Hit& hit, const TransitDay& day,
                                const Names& names);

  private:
    static std::string situationLine(const TransitSituation& record, const Names& names);
    static std::string spanLine(const TransitSituation& record, const TransitDay& day);
};

}  // namespace orvanta
