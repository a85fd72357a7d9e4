#pragma once

#include <cstdint>
#include <vector>

#include "doc/CZodiacDoc.h"

namespace orvanta {

// The chart as its file would hold it, to tell whether a settings sheet changed what a save
// would write (use flags, pictures, labels, orientation).
class ChartSnapshot {
  public:
    // Empty when the chart cannot be put into the file form; an empty snapshot differs from
    // every other, so such a chart is taken as changed.
    static std::vector<std::uint8_t> of(const CZodiacDoc& doc);
};

}  // namespace orvanta
