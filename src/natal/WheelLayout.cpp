#include "natal/WheelLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "calc/Bodies.h"
#include "calc/Calendar.h"

namespace orvanta {

namespace {

// The wheel's own pi: with it a full turn of 360 degrees falls slightly short.
constexpr double kPi = 3.14;
constexpr double kCloseBodies = 5.0;

int half(int value) {
    return value / 2;
}

// Centres are held within a quarter of the int range; with R0 held too, every point of the
// wheel stays inside it.
constexpr long long kLargestCentre = 1LL << 30;
int centreCoordinate(long long value) {
    return static_cast<int>(std::clamp(value, -kLargestCentre, kLargestCentre));
}

}  // namespace

WheelLayout::Frame WheelLayout::Frame::screen(int left, int top, int width, int height) {
    Frame frame;
    frame.ySign = 1;
    const long long shorter = std::min(std::llabs(static_cast<long long>(width)),
                                       std::llabs(static_cast<long long>(height)));
    frame.baseRadius = static_cast<int>(std::min<long long>(shorter / 2, kLargestBaseRadius));
    frame.centreX = centreCoordinate(static_cast<long long>(left) + width / 2);
    frame.centreY = centreCoordinate(static_cast<long long>(top) + frame.baseRadius +
                                     (frame.baseRadius / 20) * frame.ySign);
    return frame;
}

WheelLayout::Frame WheelLayout::Frame::page(int centreX, int centreY, int baseRadius) {
    return Frame{centreCoordinate(centreX), centreCoordinate(centreY),
                 std::clamp(baseRadius, 0, kLargestBaseRadius), -1};
}

Point WheelLayout::pointOnCircle(int cx, int cy, int r, double angle, int ySign) {
    const double radians = angle * kPi / 180.0;
    return {Calendar::round(cx + r * std::cos(radians)),
            Calendar::round(cy + r * std::sin(radians) * ySign)};
}

Rect WheelLayout::pictureRect(int x, int y, int size, int ySign) {
    Rect rect;
    rect.left = x - size / 2;
    rect.top = y - ySign * (size / 2);
    rect.right = rect.left + size;
    rect.bottom = rect.top + ySign * size;
    return rect;
}

double WheelLayout::referenceAngle(const ChartData& chart, const ZodiacOrientation& orientation) {
    const bool fromAries = orientation.fromAries == 1 && orientation.fromAscendant != 1;
    if (fromAries) return 0.0;
    double reference = orientation.angle;
    if (chart.housesUnavailable == 0) {
        const ObjectPosition& ascendant = chart[Bodies::Ascendant];
        reference += (static_cast<double>(ascendant.sign) - 1.0) * 30.0 + ascendant.degreeInSign;
    }
    return reference;
}

double WheelLayout::drawingAngle(int sign, double degreeInSign, double reference, bool clockwise) {
    // In doubles: a damaged chart file may hold any sign number.
    const double angle = (static_cast<double>(sign) - 1.0) * 30.0 + degreeInSign - reference;
    return clockwise ? angle : 180.0 - angle;
}

double WheelLayout::separation(double first, double second) {
    double s = std::fabs(first - second);
    if (!std::isfinite(s)) return s;
    if (s > 360.0) s = std::fmod(s, 360.0);  // what subtracting whole turns one by one leaves
    if (s > 180.0) s = 360.0 - s;
    return s;
}

Rect WheelLayout::circle(int radius) const {
    return {frame.centreX - radius, frame.centreY - radius, frame.centreX + radius,
            frame.centreY + radius};
}

Point WheelLayout::pointAt(int radius, double angle) const {
    return pointOnCircle(frame.centreX, frame.centreY, radius, angle, frame.ySign);
}

WheelLayout WheelLayout::compute(const ChartData& chart, const ZodiacOrientation& orientation,
                                 const NatalAspectTable& aspects, const Frame& frame) {
    WheelLayout layout;
    layout.frame = frame;
    layout.houses = chart.housesUnavailable == 0;
    layout.objectCount = layout.houses ? Bodies::kLastCusp : Bodies::kBodyCount;
    layout.clockwise = orientation.direction == 1;
    layout.reference = referenceAngle(chart, orientation);
    for (int i = 1; i <= layout.objectCount; ++i) {
        layout.angles[static_cast<std::size_t>(i)] =
            drawingAngle(chart[i].sign, chart[i].degreeInSign, layout.reference, layout.clockwise);
    }

    layout.computeGeometry();
    layout.computeSigns();
    layout.computeMarks(chart);
    layout.computeChords(chart, aspects);
    layout.placeBodies(chart);
    layout.computeHouseNumbers();
    return layout;
}

WheelLayout WheelLayout::fitted(const ChartData& chart, const ZodiacOrientation& orientation,
                                const NatalAspectTable& aspects, const Rect& area) {
    Frame frame = Frame::screen(area.left, area.top, area.width(), area.height());
    WheelLayout layout = compute(chart, orientation, aspects, frame);
    // Bounds include their far pixels and a thick axis line reaches one pixel past its ends.
    const Rect room{area.left + 1, area.top + 1, area.right - 2, area.bottom - 2};
    const auto inside = [&room](const Rect& r) {
        return r.left >= room.left && r.top >= room.top && r.right <= room.right &&
               r.bottom <= room.bottom;
    };
    // Rounding may leave a pixel over after the first try, hence a few.
    for (int attempt = 0; attempt < 8 && frame.baseRadius > 0 && !inside(layout.bounds());
         ++attempt) {
        const Rect drawn = layout.bounds();
        const double scale = std::min(static_cast<double>(room.width()) / (drawn.width() + 1),
                                      static_cast<double>(room.height()) / (drawn.height() + 1));
        frame.baseRadius =
            std::max(0, std::min(frame.baseRadius - 1, static_cast<int>(frame.baseRadius * scale)));
        layout = compute(chart, orientation, aspects, frame);
        // Every part moves with the centre by whole units, so one shift centres the drawing.
        const Rect smaller = layout.bounds();
        frame.centreX += (room.left + room.right) / 2 - (smaller.left + smaller.right) / 2;
        frame.centreY += (room.top + room.bottom) / 2 - (smaller.top + smaller.bottom) / 2;
        layout = compute(chart, orientation, aspects, frame);
    }
    return layout;
}

void WheelLayout::computeGeometry() {
    int w = frame.baseRadius - frame.baseRadius / 10;
    if (houses) {
        outerRingRadius = w + w / 10;
    } else {
        w = w + w / 10;  // the zodiac takes the room of the missing house ring
        outerRingRadius = 0;
    }
    zodiacOuter = w;
    signWidth = w / 6;
    zodiacInner = w - signWidth;
    unit = w / 22;
    bodySize = (3 * unit) / 2;
    innerDisc = zodiacInner - 2 * bodySize - unit;
    bodyMiddle = innerDisc + (zodiacInner - innerDisc) / 2;
    centreDotRadius = half(unit);
}

void WheelLayout::computeSigns() {
    const int pictureSize = (3 * signWidth) / 4;
    const int pictureRadius = zodiacInner + (zodiacOuter - zodiacInner) / 2;
    for (int k = 1; k <= 12; ++k) {
        const double boundary = clockwise ? (k - 1) * 30 - reference : 180.0 - (k * 30 - reference);
        SignSector& sector = signs[static_cast<std::size_t>(k - 1)];
        sector.boundary = {pointAt(zodiacInner, boundary), pointAt(zodiacOuter, boundary)};
        const Point centre = pointAt(pictureRadius, boundary + 15.0);
        sector.picture = pictureRect(centre.x, centre.y, pictureSize, frame.ySign);
    }
}

void WheelLayout::computeMarks(const ChartData& chart) {
    marks.clear();
    for (int i = 1; i <= objectCount; ++i) {
        const double a = angles[static_cast<std::size_t>(i)];
        if (Bodies::isCusp(i)) {
            // Cusps are drawn whether shown or not.
            marks.push_back(
                {i, MarkKind::CuspLine, {pointAt(innerDisc, a), pointAt(zodiacInner, a)}});
            marks.push_back(
                {i, MarkKind::CuspLine, {pointAt(zodiacOuter, a), pointAt(outerRingRadius, a)}});
            const int house = Bodies::houseOfCusp(i);
            if (house == 1 || house == 4 || house == 7 || house == 10) {
                marks.push_back({i,
                                 MarkKind::Axis,
                                 {pointAt(innerDisc - half(unit), a),
                                  pointAt(zodiacOuter + zodiacOuter / 6, a)}});
            }
        } else if (chart.style[i].shown == 1) {
            marks.push_back(
                {i,
                 MarkKind::BodyTick,
                 {pointAt(innerDisc - half(unit), a), pointAt(innerDisc + half(unit), a)}});
        }
    }
}

void WheelLayout::computeChords(const ChartData& chart, const NatalAspectTable& aspects) {
    chords.clear();
    const int radius = innerDisc - half(unit);
    for (const NatalAspectPair& pair :
         FindNatalAspects::all(chart, objectCount, aspects, AspectConsumer::Wheel)) {
        chords.push_back({pair,
                          {pointAt(radius, angles[static_cast<std::size_t>(pair.first)]),
                           pointAt(radius, angles[static_cast<std::size_t>(pair.second)])}});
    }
}

void WheelLayout::placeBodies(const ChartData& chart) {
    constexpr int kBodies = Bodies::kBodyCount;
    auto angleOf = [&](int body) { return angles[static_cast<std::size_t>(body)]; };

    for (int body = 1; body <= kBodies; ++body) {
        BodyPlacement& placement = bodies[static_cast<std::size_t>(body - 1)];
        placement = BodyPlacement{};
        placement.object = body;
        placement.shown = chart.style[body].shown == 1;
    }

    // Close bodies: both shown and less than 5 degrees apart on the wheel; the two nodes are
    // always opposite and are not compared.
    for (int i = 1; i <= kBodies; ++i) {
        for (int j = i + 1; j <= kBodies; ++j) {
            if (i == Bodies::NorthNode && j == Bodies::SouthNode) continue;
            BodyPlacement& first = bodies[static_cast<std::size_t>(i - 1)];
            BodyPlacement& second = bodies[static_cast<std::size_t>(j - 1)];
            if (!first.shown || !second.shown) continue;
            if (separation(angleOf(i), angleOf(j)) < kCloseBodies) {
                first.close = true;
                second.close = true;
            }
        }
    }

    // Walk the bodies by ascending drawing angle, hidden ones included (selection of the
    // smallest remaining angle; the lower number first on equal angles). Each close body turns
    // the alternation over, so neighbours go in, out, in... and the turn carries round the
    // whole circle.
    std::array<bool, kBodies + 1> taken{};
    int alternation = 1;
    for (int step = 0; step < kBodies; ++step) {
        int next = 0;
        for (int body = 1; body <= kBodies; ++body) {
            if (taken[static_cast<std::size_t>(body)]) continue;
            if (next == 0 || angleOf(body) < angleOf(next)) next = body;
        }
        taken[static_cast<std::size_t>(next)] = true;
        BodyPlacement& placement = bodies[static_cast<std::size_t>(next - 1)];
        if (placement.close) {
            alternation = -alternation;
            placement.radius = bodyMiddle + (alternation * bodySize) / 2;
        } else {
            placement.radius = bodyMiddle;
        }
        const Point centre = pointAt(placement.radius, angleOf(next));
        placement.symbol = pictureRect(centre.x, centre.y, bodySize, frame.ySign);
    }
}

void WheelLayout::computeHouseNumbers() {
    houseNumbers.clear();
    if (!houses) return;
    const int size = ((signWidth / 2) * 3) / 4;
    for (int i = Bodies::kFirstCusp; i <= Bodies::kLastCusp; ++i) {
        // Three degrees into the house, in zodiac order.
        const double a = angles[static_cast<std::size_t>(i)] + (clockwise ? 3.0 : -3.0);
        const int house = Bodies::houseOfCusp(i);
        const bool large = house == 1 || house == 10;
        const int radius = large ? zodiacOuter + zodiacOuter / 10 : zodiacOuter + zodiacOuter / 20;
        const int side = large ? (size * 3) / 2 : size;
        const Point centre = pointAt(radius, a);
        houseNumbers.push_back({i, pictureRect(centre.x, centre.y, side, frame.ySign)});
    }
}

Rect WheelLayout::bounds() const {
    int left = frame.centreX, right = frame.centreX;
    int low = frame.centreY, high = frame.centreY;
    auto add = [&](int x, int y) {
        left = std::min(left, x);
        right = std::max(right, x);
        low = std::min(low, y);
        high = std::max(high, y);
    };
    auto addRect = [&](const Rect& r) {
        add(r.left, r.top);
        add(r.right, r.bottom);
    };
    addRect(circle(houses ? outerRingRadius : zodiacOuter));
    for (const SignSector& s : signs) addRect(s.picture);
    for (const RadialMark& m : marks) {
        add(m.line.from.x, m.line.from.y);
        add(m.line.to.x, m.line.to.y);
    }
    for (const BodyPlacement& b : bodies) {
        if (b.shown) addRect(b.symbol);
    }
    for (const HouseNumber& h : houseNumbers) addRect(h.symbol);
    // Top is the smaller y on the screen and the larger one on the page.
    return frame.ySign > 0 ? Rect{left, low, right, high} : Rect{left, high, right, low};
}

}  // namespace orvanta
