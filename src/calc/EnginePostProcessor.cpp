#include "calc/EnginePostProcessor.h"

#include <cmath>
#include <utility>

namespace orvanta {
namespace {

// Result index to object number for the bodies the engine computes.
constexpr std::pair<int, int> kBodyIndices[] = {
    {1, Bodies::Sun},     {2, Bodies::Moon},    {3, Bodies::Mercury}, {4, Bodies::Venus},
    {5, Bodies::Mars},    {6, Bodies::Jupiter}, {7, Bodies::Saturn},  {8, Bodies::Uranus},
    {9, Bodies::Neptune}, {10, Bodies::Pluto},  {11, Bodies::Chiron}, {16, Bodies::NorthNode},
    {17, Bodies::Lilith},
};

}  // namespace

void EnginePostProcessor::apply(const EngineLoader::Result& result, int houseSystem,
                                ChartData& chart) {
    const bool withHouses = houseSystem != -1;
    chart.style.assignBodyNames();
    copyLongitudes(result, withHouses, chart);
    const int last = withHouses ? Bodies::kLastCusp : Bodies::kBodyCount;
    for (int number = 1; number <= last; ++number) finishObject(number, chart);
}

void EnginePostProcessor::copyLongitudes(const EngineLoader::Result& result, bool withHouses,
                                         ChartData& chart) {
    chart[0].longitude = 0.0;
    for (const auto& [index, body] : kBodyIndices) {
        chart[body].longitude = result[static_cast<std::size_t>(index)];
    }
    chart[Bodies::Proserpina].longitude = 0.0;
    chart[Bodies::SouthNode].longitude = 0.0;
    chart[Bodies::Selena].longitude = 0.0;
    if (!withHouses) return;
    for (int house = 1; house <= Bodies::kHouseCount; ++house) {
        chart[Bodies::cuspOfHouse(house)].longitude = result[static_cast<std::size_t>(20 + house)];
    }
}

void EnginePostProcessor::finishObject(int number, ChartData& chart) {
    ObjectPosition& object = chart[number];
    object.retrograde = 0;
    if (Bodies::isCusp(number)) chart.style[number].identifier = number;
    if (object.longitude < 0.0) {
        object.retrograde = 1;
        object.longitude = std::fabs(object.longitude);
    }
    if (number == Bodies::SouthNode) {
        const ObjectPosition& north = chart[Bodies::NorthNode];
        double opposite = north.longitude + 180.0;
        if (opposite >= 360.0) opposite -= 360.0;
        object.longitude = opposite;
        object.retrograde = north.retrograde;
    }
    object.setLongitude(object.longitude);
}

}  // namespace orvanta
