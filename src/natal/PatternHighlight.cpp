#include "natal/PatternHighlight.h"

#include <algorithm>

namespace orvanta {
namespace {

bool contains(const std::vector<int>& bodies, int object) {
    return std::find(bodies.begin(), bodies.end(), object) != bodies.end();
}

}  // namespace

PatternHighlight PatternHighlight::compute(const WheelLayout& layout,
                                           const std::vector<AspectPattern>& patterns,
                                           Point origin) {
    PatternHighlight result;
    // Scaled with the wheel, so that zoom and print keep the proportions.
    result.lineWidth = std::max(3, layout.frame.baseRadius / 80);
    result.rowHeight = std::max(14, layout.frame.baseRadius / 18);
    for (const AspectPattern& pattern : patterns) {
        for (const WheelLayout::Chord& chord : layout.chords) {
            if (contains(pattern.bodies, chord.pair.first) &&
                contains(pattern.bodies, chord.pair.second)) {
                result.strokes.push_back({pattern.kind, chord.line});
            }
        }
    }
    if (patterns.empty()) result.noneNote = origin;
    std::vector<PatternKind> kinds;
    for (const AspectPattern& pattern : patterns) {
        if (std::find(kinds.begin(), kinds.end(), pattern.kind) == kinds.end())
            kinds.push_back(pattern.kind);
    }
    std::sort(kinds.begin(), kinds.end());
    const int side = result.rowHeight * 2 / 3;
    for (std::size_t row = 0; row < kinds.size(); ++row) {
        const int top = origin.y + static_cast<int>(row) * result.rowHeight;
        result.legend.push_back({kinds[row], Rect{origin.x, top, origin.x + side, top + side},
                                 Point{origin.x + side + side / 2, top}});
    }
    return result;
}

std::string_view PatternHighlight::label(PatternKind kind) {
    switch (kind) {
        case PatternKind::Stellium:
            return "Скопление планет";
        case PatternKind::GrandTrine:
            return "Большой тригон";
        case PatternKind::TSquare:
            return "Тау-квадрат";
        case PatternKind::GrandCross:
            return "Большой крест";
        case PatternKind::Yod:
            return "Йод";
        case PatternKind::Kite:
            return "Воздушный змей";
        case PatternKind::MysticRectangle:
            return "Мистический прямоугольник";
    }
    return "";
}

}  // namespace orvanta
