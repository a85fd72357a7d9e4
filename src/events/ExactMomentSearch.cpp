#include "events/ExactMomentSearch.h"

#include <cmath>

namespace orvanta {
namespace {

constexpr int kMostIterations = 100;

bool sameSign(double a, double b) {
    return (a < 0.0) == (b < 0.0);
}

}  // namespace

double ExactMomentSearch::refineWithRate(const SampledFunction& function, double low, double high,
                                         Sample atLow, double valueTolerance,
                                         double timeTolerance) {
    // Start from the end nearer the root by the rate, which for a smooth motion is close.
    double time = low;
    Sample current = atLow;
    for (int i = 0; i < kMostIterations && high - low > timeTolerance; ++i) {
        double next = current.rate != 0.0 ? time - current.value / current.rate : low - 1.0;
        if (!(next > low && next < high)) next = 0.5 * (low + high);
        const double moved = std::fabs(next - time);
        time = next;
        current = function(time);
        // A Newton step this small lands within the tolerance of the root.
        if (std::fabs(current.value) <= valueTolerance || moved < timeTolerance) return time;
        if (sameSign(current.value, atLow.value)) {
            low = time;
        } else {
            high = time;
        }
    }
    return time;
}

double ExactMomentSearch::refine(const Function& function, double low, double high, double atLow,
                                 double atHigh, double timeTolerance) {
    int lastMoved = 0;  // -1 the low end moved last, +1 the high end
    for (int i = 0; i < kMostIterations && high - low > timeTolerance; ++i) {
        double time = (low * atHigh - high * atLow) / (atHigh - atLow);
        if (!(time > low && time < high)) time = 0.5 * (low + high);
        const double value = function(time);
        if (value == 0.0) return time;
        if (sameSign(value, atLow)) {
            low = time;
            atLow = value;
            if (lastMoved == -1) atHigh *= 0.5;  // the Illinois step: the stuck end gives way
            lastMoved = -1;
        } else {
            high = time;
            atHigh = value;
            if (lastMoved == 1) atLow *= 0.5;
            lastMoved = 1;
        }
    }
    return 0.5 * (low + high);
}

}  // namespace orvanta
