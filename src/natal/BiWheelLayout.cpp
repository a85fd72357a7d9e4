#include "natal/BiWheelLayout.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "calc/Bodies.h"

namespace orvanta {
namespace {

// The wheel's own pi, as WheelLayout turns arcs into angles.
constexpr double kPi = 3.14;

double withinTurn(double angle) {
    double value = std::fmod(angle, 360.0);
    if (value < 0.0) value += 360.0;
    return value;
}

// The wheel's house filter: of the cusps only the Ascendant and the Midheaven get chords.
bool drawnOnWheel(int object) {
    return !Bodies::isCusp(object) || object == Bodies::cuspOfHouse(1) ||
           object == Bodies::cuspOfHouse(10);
}

struct Run {
    std::size_t first;
    std::size_t count;
    double sum;
    double start(double least) const {
        return sum / static_cast<double>(count) - static_cast<double>(count - 1) * least / 2.0;
    }
    double end(double least) const { return start(least) + static_cast<double>(count - 1) * least; }
};

}  // namespace

std::vector<double> BiWheelLayout::spread(const std::vector<double>& angles, double least) {
    const std::size_t n = angles.size();
    if (n < 2 || !(least > 0.0)) return angles;
    // Cut the circle open at its widest gap, so that no run has to cross the cut.
    std::size_t widest = n - 1;
    double widestGap = angles.front() + 360.0 - angles.back();
    for (std::size_t k = 0; k + 1 < n; ++k) {
        if (angles[k + 1] - angles[k] > widestGap) {
            widestGap = angles[k + 1] - angles[k];
            widest = k;
        }
    }
    const std::size_t begin = (widest + 1) % n;
    std::vector<double> open(n);
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t k = (begin + i) % n;
        open[i] = angles[k] + (k < begin ? 360.0 : 0.0);
    }

    // Runs of angles closer than `least` are centred on their mean; a run that then reaches
    // its neighbour joins it.
    std::vector<Run> runs;
    for (std::size_t i = 0; i < n; ++i) {
        runs.push_back({i, 1, open[i]});
        while (runs.size() > 1 &&
               runs.back().start(least) < runs[runs.size() - 2].end(least) + least) {
            const Run last = runs.back();
            runs.pop_back();
            runs.back().count += last.count;
            runs.back().sum += last.sum;
        }
    }

    std::vector<double> result(n);
    for (const Run& run : runs) {
        for (std::size_t m = 0; m < run.count; ++m) {
            const std::size_t k = (begin + run.first + m) % n;
            const double position = run.start(least) + static_cast<double>(m) * least;
            result[k] = k < begin ? position - 360.0 : position;
        }
    }
    return result;
}

BiWheelLayout BiWheelLayout::compute(const ChartData& inner, const ChartData& outer,
                                     const ZodiacOrientation& orientation,
                                     const NatalAspectTable& aspects,
                                     const WheelLayout::Frame& frame) {
    BiWheelLayout layout;
    WheelLayout::Frame innerFrame = frame;
    innerFrame.baseRadius = (3 * frame.baseRadius) / 4;
    layout.inner = WheelLayout::compute(inner, orientation, aspects, innerFrame);
    layout.computeRing(layout.inner.houses, frame.baseRadius);
    layout.placeOuterBodies(outer);
    layout.computeChords(inner, outer, aspects);
    return layout;
}

void BiWheelLayout::computeRing(bool houses, int baseRadius) {
    const int w = inner.zodiacOuter;
    const int o = inner.unit;
    ringInner = (houses ? w + w / 6 : w) + o / 2;
    const int w0 = baseRadius - baseRadius / 10;
    ringOuter = std::max(w0 + w0 / 10, ringInner);
    outerSize = (ringOuter - ringInner) / 3;
    symbolRadius = ringOuter - outerSize / 2 - o / 2;
    const int tickEnd = ringInner + o;
    textRadius = tickEnd + (symbolRadius - outerSize / 2 - tickEnd) / 2;
    textHeight = (2 * outerSize) / 3;
    markHeight = textHeight / 2 + 1;
    leastSpread = symbolRadius > 0 ? (3.0 * outerSize / 2.0) / symbolRadius * 180.0 / kPi : 0.0;
}

void BiWheelLayout::placeOuterBodies(const ChartData& outer) {
    std::vector<int> shown;
    for (int body = 1; body <= Bodies::kBodyCount; ++body) {
        OuterBody& placed = outerBodies[static_cast<std::size_t>(body - 1)];
        placed = OuterBody{};
        placed.object = body;
        placed.shown = outer.style[body].shown == 1;
        placed.angle = WheelLayout::drawingAngle(outer[body].sign, outer[body].degreeInSign,
                                                 inner.reference, inner.clockwise);
        placed.retrograde = outer[body].retrograde != 0;
        const double degree = std::isfinite(outer[body].degreeInSign)
                                  ? std::clamp(std::trunc(outer[body].degreeInSign), -99.0, 99.0)
                                  : 0.0;
        placed.degreeText = std::to_string(static_cast<int>(degree)) + "°";
        if (placed.shown && std::isfinite(placed.angle)) shown.push_back(body);
    }

    // Spread in the order round the wheel; a symbol moves from its body by what spreading
    // moved it.
    auto turnOf = [&](int body) {
        return withinTurn(outerBodies[static_cast<std::size_t>(body - 1)].angle);
    };
    std::stable_sort(shown.begin(), shown.end(),
                     [&](int a, int b) { return turnOf(a) < turnOf(b); });
    std::vector<double> turns;
    for (int body : shown) turns.push_back(turnOf(body));
    const std::vector<double> spreadTurns = spread(turns, leastSpread);

    const int ySign = inner.frame.ySign;
    for (std::size_t k = 0; k < shown.size(); ++k) {
        OuterBody& placed = outerBodies[static_cast<std::size_t>(shown[k] - 1)];
        placed.shownAngle = placed.angle + (spreadTurns[k] - turns[k]);
        placed.tick = {inner.pointAt(ringInner, placed.angle),
                       inner.pointAt(ringInner + inner.unit, placed.shownAngle)};
        const Point centre = inner.pointAt(symbolRadius, placed.shownAngle);
        placed.symbol = WheelLayout::pictureRect(centre.x, centre.y, outerSize, ySign);
        const Point text = inner.pointAt(textRadius, placed.shownAngle);
        placed.degreeAt = {text.x, text.y - ySign * (textHeight / 2)};
        placed.markLeft = centre.x < inner.frame.centreX;
        placed.markAt = {placed.markLeft ? placed.symbol.left : placed.symbol.right,
                         placed.symbol.top};
    }
    for (OuterBody& placed : outerBodies) {
        if (!placed.shown || !std::isfinite(placed.angle)) placed.shownAngle = placed.angle;
    }
}

void BiWheelLayout::computeChords(const ChartData& first, const ChartData& second,
                                  const NatalAspectTable& aspects) {
    inner.chords.clear();
    interAspects.clear();
    const int radius = inner.innerDisc - inner.unit / 2;
    for (const InterAspect& aspect : InterAspects::all(first, second, aspects)) {
        if (!drawnOnWheel(aspect.first)) continue;
        const double from = inner.angles[static_cast<std::size_t>(aspect.first)];
        const double to = outerBodies[static_cast<std::size_t>(aspect.second - 1)].angle;
        inner.chords.push_back({{aspect.aspect, aspect.first, aspect.second},
                                {inner.pointAt(radius, from), inner.pointAt(radius, to)}});
        interAspects.push_back(aspect);
    }
}

Rect BiWheelLayout::bounds() const {
    Rect all = inner.bounds();
    const int ySign = inner.frame.ySign;
    auto add = [&](int x, int y) {
        all.left = std::min(all.left, x);
        all.right = std::max(all.right, x);
        if (ySign > 0) {
            all.top = std::min(all.top, y);
            all.bottom = std::max(all.bottom, y);
        } else {
            all.top = std::max(all.top, y);
            all.bottom = std::min(all.bottom, y);
        }
    };
    const Rect ring = inner.circle(ringOuter);
    add(ring.left, ring.top);
    add(ring.right, ring.bottom);
    for (const OuterBody& body : outerBodies) {
        if (!body.shown) continue;
        add(body.symbol.left, body.symbol.top);
        add(body.symbol.right, body.symbol.bottom);
        // The mark reaches less than a mark's height beyond the symbol's corner.
        add(body.markAt.x + (body.markLeft ? -markHeight : markHeight),
            body.markAt.y + ySign * markHeight);
    }
    return all;
}

}  // namespace orvanta
