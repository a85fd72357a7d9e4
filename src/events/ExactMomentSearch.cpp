#include "events/ExactMomentSearch.h"

#include <cmath>

namespace orvanta {
namespace {

constexpr int kMostIterations = 100;
constexpr int kCubicHalvings = 40;

bool sameSign(double a, double b) {
    return (a < 0.0) == (b < 0.0);
}

}  // namespace

// Where the cubic through both ends, with their values and rates, changes sign: for a smooth
// motion over a short step already close to the root, at no cost of evaluations.
double ExactMomentSearch::cubicGuess(double low, double high, Sample atLow, Sample atHigh) {
    const double width = high - low;
    const auto cubic = [&](double s) {
        const double s2 = s * s;
        const double s3 = s2 * s;
        return (2 * s3 - 3 * s2 + 1) * atLow.value + (s3 - 2 * s2 + s) * width * atLow.rate +
               (-2 * s3 + 3 * s2) * atHigh.value + (s3 - s2) * width * atHigh.rate;
    };
    double from = 0.0;
    double to = 1.0;
    for (int i = 0; i < kCubicHalvings; ++i) {
        const double middle = 0.5 * (from + to);
        (sameSign(cubic(middle), atLow.value) ? from : to) = middle;
    }
    return low + 0.5 * (from + to) * width;
}

double ExactMomentSearch::refineWithRate(const SampledFunction& function, double low, double high,
                                         Sample atLow, Sample atHigh, double valueTolerance,
                                         double timeTolerance) {
    const double lowValue = atLow.value;
    double time = cubicGuess(low, high, atLow, atHigh);
    for (int i = 0; i < kMostIterations; ++i) {
        const Sample current = function(time);
        if (std::fabs(current.value) <= valueTolerance) return time;
        (sameSign(current.value, lowValue) ? low : high) = time;
        double next = current.rate != 0.0 ? time - current.value / current.rate : low - 1.0;
        if (!(next > low && next < high)) next = 0.5 * (low + high);
        // A Newton step this small lands within the tolerance of the root.
        const bool settled = std::fabs(next - time) < timeTolerance || high - low < timeTolerance;
        time = next;
        if (settled) return time;
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
