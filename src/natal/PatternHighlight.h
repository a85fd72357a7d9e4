#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "common/Geometry.h"
#include "natal/AspectPatterns.h"
#include "natal/WheelLayout.h"

namespace orvanta {

// "Показать конфигурации": which chords of a laid-out wheel belong to the chart's aspect
// patterns, and the legend that names the kinds found, worked out before anything is painted.
// A chord belongs to a pattern when both of its bodies do; every pair of a pattern's bodies is
// one of its links, and a stellium's chords are its conjunctions.
class PatternHighlight {
  public:
    struct Stroke {
        PatternKind kind;
        Line line;
    };
    struct LegendRow {
        PatternKind kind;
        Rect swatch;  // a square in the kind's colour
        Point text;   // the left of the label, at the swatch's top
    };

    // The legend goes down from origin (the drawing area's top-left corner on the screen).
    static PatternHighlight compute(const WheelLayout& layout,
                                    const std::vector<AspectPattern>& patterns, Point origin);

    // The note in place of the legend when the chart has no pattern, so that the item that is
    // switched on visibly did its work.
    static constexpr std::string_view kNoneFound = "Конфигураций аспектов нет";

    // The name a user reads: "Большой тригон", "Тау-квадрат"; the same names as the full reading …
    static std::string_view label(PatternKind kind);

    std::vector<Stroke> strokes;    // in pattern order, then in the wheel's chord order
    std::vector<LegendRow> legend;  // one row per kind found, in kind order
    std::optional<Point> noneNote;  // where kNoneFound goes, when nothing was found
    int lineWidth = 0;              // wider than any chord of the settings' usual widths
    int rowHeight = 0;
};

}  // namespace orvanta
