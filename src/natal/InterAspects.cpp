#include "natal/InterAspects.h"

#include <cmath>

#include "natal/AspectTableTexts.h"

namespace orvanta {

int InterAspects::firstObjectCount(const ChartData& first) {
    return first.housesUnavailable == 0 ? Bodies::kLastCusp : Bodies::kBodyCount;
}

std::vector<InterAspect> InterAspects::all(const ChartData& first, const ChartData& second,
                                           const NatalAspectTable& aspects) {
    std::vector<InterAspect> found;
    const int firstCount = firstObjectCount(first);
    for (int a = 0; a < kAspectCount; ++a) {
        const AspectSetting& setting = aspects[static_cast<std::size_t>(a)];
        if (setting.included == 0) continue;
        for (int i = 1; i <= firstCount; ++i) {
            if (first.style[i].shown != 1) continue;
            for (int j = 1; j <= Bodies::kBodyCount; ++j) {
                if (second.style[j].shown != 1) continue;
                const double s =
                    AspectTableTexts::separation(first[i].longitude, second[j].longitude);
                const double orb = s - setting.angle;
                // The orb is exclusive; NaN from a damaged chart fails the test.
                if (std::fabs(orb) < setting.orb) found.push_back({a, i, j, orb});
            }
        }
    }
    return found;
}

}  // namespace orvanta
