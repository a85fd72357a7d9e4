#pragma once

#include <vector>

#include "calc/AspectSetting.h"
#include "calc/ChartData.h"

namespace orvanta {

// Who asks for the aspects: each visits the pairs in its own order, and the wheel also filters
// out most pairs with a house cusp.
enum class AspectConsumer { Wheel, Table, Text };

// One aspect found: index into the aspect table and the two object numbers.
struct NatalAspectPair {
    int aspect;
    int first;
    int second;
};

// The one aspect search shared by the wheel, the aspect table and the interpretation text.
// Nothing is stored: every consumer finds the aspects afresh from the chart and the settings.
class FindNatalAspects {
  public:
    // Every aspect pair in the consumer's visiting order; objectCount is 28, or 16 without houses.
    static std::vector<NatalAspectPair> all(const ChartData& chart, int objectCount,
                                            const NatalAspectTable& aspects,
                                            AspectConsumer consumer);
    // The pair test for objects i and j and aspect index a.
    static bool test(const ChartData& chart, const NatalAspectTable& aspects,
                     AspectConsumer consumer, int aspect, int i, int j);
};

}  // namespace orvanta
