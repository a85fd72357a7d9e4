#include "natal/FindNatalAspects.h"

#include <algorithm>
#include <cmath>

#include "calc/Bodies.h"

namespace orvanta {

namespace {

constexpr int kMaxObjects = Bodies::kLastCusp;

// The angular distance of two longitudes folded into 0..180 degrees: the difference is
// reduced by whole turns, then measured the short way round. A difference that is not a
// finite number (a damaged chart) gives NaN, which no aspect accepts.
double separation(double first, double second) {
    double s = std::fabs(first - second);
    if (!std::isfinite(s)) return std::nan("");
    if (s > 360.0) s = std::fmod(s, 360.0);
    if (s > 180.0) s = 360.0 - s;
    return s;
}

bool isNodePair(int i, int j) {
    return (i == Bodies::NorthNode && j == Bodies::SouthNode) ||
           (i == Bodies::SouthNode && j == Bodies::NorthNode);
}

// The wheel draws cusp aspects only between a body and the Ascendant or the Midheaven.
bool passesWheelHouseFilter(int i, int j) {
    const bool cuspI = Bodies::isCusp(i);
    const bool cuspJ = Bodies::isCusp(j);
    if (!cuspI && !cuspJ) return true;
    if (cuspI && cuspJ) return false;
    const int cusp = cuspI ? i : j;
    return cusp == Bodies::cuspOfHouse(1) || cusp == Bodies::cuspOfHouse(10);
}

}  // namespace

bool FindNatalAspects::test(const ChartData& chart, const NatalAspectTable& aspects,
                            AspectConsumer consumer, int aspect, int i, int j) {
    if (aspect < 0 || aspect >= kAspectCount) return false;
    if (i < 1 || i > kMaxObjects || j < 1 || j > kMaxObjects || i == j) return false;

    const ObjectPosition& first = chart[i];
    const ObjectPosition& second = chart[j];
    if (chart.style[i].shown != 1 || chart.style[j].shown != 1) return false;
    if (isNodePair(i, j)) return false;

    const double s = separation(first.longitude, second.longitude);
    const AspectSetting& setting = aspects[static_cast<std::size_t>(aspect)];
    if (setting.included == 0) return false;

    // The orb is exclusive; a NaN anywhere fails this comparison and gives no aspect.
    const double deviation = std::fabs(s - setting.angle);
    if (!(deviation < setting.orb)) return false;

    if (setting.angle == 180.0 && Bodies::isCusp(i) && Bodies::isCusp(j)) return false;
    if (consumer == AspectConsumer::Wheel && !passesWheelHouseFilter(i, j)) return false;
    return true;
}

std::vector<NatalAspectPair> FindNatalAspects::all(const ChartData& chart, int objectCount,
                                                   const NatalAspectTable& aspects,
                                                   AspectConsumer consumer) {
    const int n = std::clamp(objectCount, 0, kMaxObjects);
    std::vector<NatalAspectPair> pairs;
    auto visit = [&](int a, int i, int j) {
        if (test(chart, aspects, consumer, a, i, j)) pairs.push_back({a, i, j});
    };

    switch (consumer) {
        case AspectConsumer::Wheel:
            for (int a = 0; a < kAspectCount; ++a)
                for (int i = 1; i <= n; ++i)
                    for (int j = i + 1; j <= n; ++j) visit(a, i, j);
            break;
        case AspectConsumer::Table:
            // The table fills its grid column by column: the later object outside, the earlier
            // inside. The pair still names the earlier object first.
            for (int a = 0; a < kAspectCount; ++a)
                for (int j = 1; j <= n; ++j)
                    for (int i = 1; i < j; ++i) visit(a, i, j);
            break;
        case AspectConsumer::Text: {
            // The text speaks of bodies only.
            const int bodies = std::min(n, static_cast<int>(Bodies::kBodyCount));
            for (int i = 1; i < bodies; ++i)
                for (int a = 0; a < kAspectCount; ++a)
                    for (int j = i + 1; j <= bodies; ++j) visit(a, i, j);
            break;
        }
    }
    return pairs;
}

}  // namespace orvanta
