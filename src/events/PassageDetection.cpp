#include "events/PassageDetection.h"

namespace orvanta {
namespace {

constexpr double kLargestStep = 20.0;   // a body moving this far in a step is not followed
constexpr double kAcrossAries = 300.0;  // a jump this large means 0 Aries was crossed

}  // namespace

std::optional<PassageDetection::Passage> PassageDetection::detect(double previous, double current,
                                                                  double point) {
    if (current > previous && current - previous < kLargestStep) {
        return direct(previous, current, point);
    }
    if (auto passage = directAcrossAries(previous, current, point)) return passage;
    if (auto passage = retrogradeAcrossAries(previous, current, point)) return passage;
    return retrograde(previous, current, point);
}

// A point at the previous longitude is passed in this step, one at the current longitude in
// the next.
std::optional<PassageDetection::Passage> PassageDetection::direct(double previous, double current,
                                                                  double point) {
    if (!(previous <= point && point < current)) return std::nullopt;
    return Passage{point, (point - previous) / (current - previous)};
}

std::optional<PassageDetection::Passage> PassageDetection::directAcrossAries(double previous,
                                                                             double current,
                                                                             double point) {
    if (!(previous - current > kAcrossAries)) return std::nullopt;
    const bool beforeAries = previous <= point && point < 360.0;
    if (!beforeAries && !(0.0 <= point && point < current)) return std::nullopt;
    const double lowered = beforeAries ? point - 360.0 : point;
    return Passage{lowered, (lowered - previous + 360.0) / (current - previous + 360.0)};
}

std::optional<PassageDetection::Passage> PassageDetection::retrogradeAcrossAries(double previous,
                                                                                 double current,
                                                                                 double point) {
    if (!(current - previous > kAcrossAries)) return std::nullopt;
    const bool beforeAries = current <= point && point < 360.0;
    if (!beforeAries && !(0.0 <= point && point < previous)) return std::nullopt;
    const double lowered = beforeAries ? point - 360.0 : point;
    return Passage{lowered, (previous - lowered) / (previous + 360.0 - current)};
}

// Backwards, a point at the current longitude is passed and one at the previous is not.
std::optional<PassageDetection::Passage> PassageDetection::retrograde(double previous,
                                                                      double current,
                                                                      double point) {
    if (!(previous > current && previous - current < kLargestStep)) return std::nullopt;
    if (!(current <= point && point < previous)) return std::nullopt;
    return Passage{point, (point - previous) / (current - previous)};
}

}  // namespace orvanta
