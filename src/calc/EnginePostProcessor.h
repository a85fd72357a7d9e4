#pragma once

#include "calc/ChartData.h"
#include "calc/EngineLoader.h"

namespace orvanta {

// Turns the engine's raw longitudes into chart objects: names, the copy by result index,
// retrograde flags from negative values, the South Node, and signs, degrees, minutes, seconds.
class EnginePostProcessor {
  public:
    // With house system -1 the cusp objects 17 to 28 are left exactly as they were.
    static void apply(const EngineLoader::Result& result, int houseSystem, ChartData& chart);

  private:
    static void copyLongitudes(const EngineLoader::Result& result, bool withHouses,
                               ChartData& chart);
    static void finishObject(int number, ChartData& chart);
};

}  // namespace orvanta
