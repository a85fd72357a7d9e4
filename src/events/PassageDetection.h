#pragma once

#include <optional>

namespace orvanta {

// Whether a body that moved from `previous` to `current` longitude within one step passed an
// aspect point, and where in the step. Steps of 20 degrees or more that do not cross 0 Aries
// pass nothing, nor does a body that stands still.
class PassageDetection {
  public:
    struct Passage {
        double point = 0.0;     // the point, lowered by 360 when passed across 0 Aries
        double fraction = 0.0;  // share of the step before the passage, 0 <= fraction < 1
    };

    static std::optional<Passage> detect(double previous, double current, double point);

  private:
    static std::optional<Passage> direct(double previous, double current, double point);
    static std::optional<Passage> directAcrossAries(double previous, double current, double point);
    static std::optional<Passage> retrogradeAcrossAries(double previous, double current,
                                                        double point);
    static std::optional<Passage> retrograde(double previous, double current, double point);
};

}  // namespace orvanta
