#pragma once

#include <vector>

#include "calc/AspectSetting.h"
#include "calc/ChartData.h"

namespace orvanta {

// One aspect between two charts: an object of the first chart (body, or cusp when that chart
// has houses) and a body of the second.
struct InterAspect {
    int aspect = 0;  // index into the natal aspect table
    int first = 0;   // object of the first chart, 1 to 28
    int second = 0;  // body of the second chart, 1 to 16
    // Separation minus the exact angle: negative while the pair is still short of exact.
    double orb = 0.0;
};

// The aspects between two charts, with the angles, orbs and include flags of the natal aspect
// table. Unlike within one chart there is no pair to leave out: the two nodes of different
// charts, or a cusp and its own axis, are separate points.
class InterAspects {
  public:
    // In the natal table's order: aspect index, then the first chart's object, then the
    // second chart's body. Objects whose shown flag is 0 take part in no pair.
    static std::vector<InterAspect> all(const ChartData& first, const ChartData& second,
                                        const NatalAspectTable& aspects);

    // The first chart's objects that take part: bodies, and cusps when it has houses.
    static int firstObjectCount(const ChartData& first);
};

}  // namespace orvanta
