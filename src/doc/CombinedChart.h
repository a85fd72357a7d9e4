#pragma once

#include "doc/CZodiacDoc.h"
#include "natal/NatalChart.h"

namespace orvanta {

// A chart made of two charts, built into a document as a new chart is (the settings defaults
// read, the chart unsaved): the composite chart of midpoints, or the Davison chart of the
// halfway moment and place. Houses only when both charts have them, in the first chart's
// house system.
class CombinedChart {
  public:
    enum class Kind { Composite, Davison };

    // False, with the failure reported, when the engine could not compute the chart.
    static bool build(Kind kind, const NatalChart& first, const NatalChart& second,
                      CZodiacDoc& out);
};

}  // namespace orvanta
