#pragma once

#include <functional>

namespace orvanta {

// Refines a moment bracketed by a change of sign of a continuous function of time (Julian
// days). Callers bracket on a step short enough that the bracket holds exactly one root.
class ExactMomentSearch {
  public:
    // A value and its rate of change per day at one moment.
    struct Sample {
        double value = 0.0;
        double rate = 0.0;
    };
    using SampledFunction = std::function<Sample(double time)>;
    using Function = std::function<double(double time)>;

    // From the root of the cubic through both ends, Newton steps kept inside the bracket,
    // bisecting whenever a step would leave it: few evaluations where the rate is known (a
    // longitude and its speed). Stops when the value is within valueTolerance of zero, or the
    // next step or the bracket is shorter than timeTolerance.
    static double refineWithRate(const SampledFunction& function, double low, double high,
                                 Sample atLow, Sample atHigh, double valueTolerance,
                                 double timeTolerance);

    // Regula falsi with the Illinois correction, for a function without a known rate (the
    // speed near a station). Stops when the bracket is narrower than timeTolerance.
    static double refine(const Function& function, double low, double high, double atLow,
                         double atHigh, double timeTolerance);

  private:
    static double cubicGuess(double low, double high, Sample atLow, Sample atHigh);
};

}  // namespace orvanta
