#pragma once

#include <string_view>
#include <vector>

#include "calc/AspectSetting.h"
#include "calc/ChartData.h"

namespace orvanta {

enum class PatternKind { Stellium, GrandTrine, TSquare, GrandCross, Yod, Kite, MysticRectangle };

// One configuration of the chart and the bodies that make it. The order of the bodies carries
// the shape: a T-square and a yod name their base pair first and the apex last, a kite its
// grand trine first and the body opposite one of its corners last; every other kind, and each
// base or trine within those, lists the object numbers in ascending order.
struct AspectPattern {
    PatternKind kind;
    std::vector<int> bodies;

    bool operator==(const AspectPattern&) const = default;
};

// The configurations of a natal chart among the ten planets, found with the natal aspect
// settings: a link between two planets is an included aspect of exactly 0, 60, 90, 120, 150
// or 180 degrees within its orb, by the same pair test the wheel and the table use. Without
// an included quincunx (150 degrees) there is no yod.
class AspectPatterns {
  public:
    // A stellium is three or more planets in one sign or in one house that all lie within
    // this many degrees of each other.
    static constexpr double kStelliumSpan = 15.0;

    // Patterns ordered by kind, then by their bodies. A grand trine that a kite completes and
    // a T-square inside a grand cross are not given again on their own; a stellium that
    // another one contains is not given either.
    static std::vector<AspectPattern> find(const ChartData& chart, const NatalAspectTable& aspects);

    // "stellium", "grand_trine", "t_square", "grand_cross", "yod", "kite", "mystic_rectangle".
    static std::string_view name(PatternKind kind);
};

}  // namespace orvanta
