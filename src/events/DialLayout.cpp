#include "events/DialLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "calc/AspectSetting.h"

namespace orvanta {
namespace {

constexpr double kPi = 3.1415926535;
constexpr double kNumberShift = 0.17;  // hour numbers sit a little before their spoke
constexpr double kMoonDepth = 0.75;

struct Range {
    double from;
    double to;
};

// Where a situation holds, in hours of the day: its moment minus and plus half its duration.
Range rangeOf(const TransitSituation& record, double dayStart) {
    const double middle = record.moment - dayStart;
    return {middle - record.duration / 2.0, middle + record.duration / 2.0};
}

double clampHour(double hour) {
    return std::clamp(hour, 0.0, 24.0);
}

int firstOfAspect(const TransitDay& day, const TransitSituation* record) {
    const auto& list = day.orbTransits();
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i]->aspectIndex == record->aspectIndex) return static_cast<int>(i);
    }
    return 0;
}

// Even-odd crossing count: a Moon sector is a four-cornered patch, convex or not.
bool insidePolygon(const std::array<Point, 4>& corners, double x, double y) {
    bool inside = false;
    for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
        const Point& a = corners[i];
        const Point& b = corners[j];
        if ((a.y > y) != (b.y > y) &&
            x < a.x + (y - a.y) * static_cast<double>(b.x - a.x) / (b.y - a.y)) {
            inside = !inside;
        }
    }
    return inside;
}

}  // namespace

Point DialLayout::dialPoint(int cx, int cy, int r, double hour, int ySign) {
    const double a = (clampHour(hour) - 6.0) * kPi / 12.0;
    return {cx + static_cast<int>(std::cos(a) * r),
            (cy + static_cast<int>(std::sin(a) * r)) * ySign};
}

int DialLayout::screenMargin(int width, int height) {
    // The border's own pixel and one for a pen that rounds outwards.
    return std::min(std::abs(width), std::abs(height)) / 2 / 150 + 2;
}

DialLayout DialLayout::compute(const Input& input) {
    DialLayout layout;
    layout.ySign = input.paper ? -1 : 1;
    layout.cx_ = std::abs(input.width / 2);
    layout.cy_ = std::abs(input.height / 2);
    layout.centre = {layout.cx_, layout.cy_ * layout.ySign};
    layout.radius = input.paper ? paperRadius(input) : std::min(layout.cx_, layout.cy_);

    const TransitDay empty({}, {}, input.date);
    const TransitDay& day = input.day != nullptr ? *input.day : empty;
    layout.placeOrbRings(day);
    layout.placeHours();
    int ringPosition = 0;
    layout.placeSituationRings(day, ringPosition);
    // Rings that reach below half the disc leave the Moon the whole disc, over the rings.
    if (ringPosition > layout.discRadius / 2) {
        layout.separator = ringPosition;
    } else {
        ringPosition = layout.discRadius;
    }
    layout.placeMoonSectors(day, ringPosition);
    // On paper the gap stops just past the rings instead of cutting the frame.
    const int gapEnd = input.paper ? layout.cy_ - layout.radius - layout.unit : 0;
    layout.midnightGap = {layout.centre, {layout.cx_, gapEnd * layout.ySign}};
    if (input.paper) layout.placePaperFrame(input);
    return layout;
}

// Each aspect with orb transits that day gets one ring, as wide as its number of records,
// in the order of its first record; the rings stack inwards from R.
void DialLayout::placeOrbRings(const TransitDay& day) {
    unit = radius / 50;
    std::array<int, kAspectCount> counts{};
    for (const TransitSituation* record : day.orbTransits()) {
        if (record->aspectIndex >= 0 && record->aspectIndex < kAspectCount) {
            ++counts[static_cast<std::size_t>(record->aspectIndex)];
        }
    }
    int position = radius;
    int previousWidth = 0;
    for (const TransitSituation* record : day.orbTransits()) {
        if (record->aspectIndex < 0 || record->aspectIndex >= kAspectCount) continue;
        int& count = counts[static_cast<std::size_t>(record->aspectIndex)];
        if (count <= 0) continue;
        const int width = count * unit;
        position -= (previousWidth + width) / 2;
        orbRings.push_back({position, width, record->aspectIndex, firstOfAspect(day, record)});
        previousWidth = width;
        count = 0;
    }
    if (!orbRings.empty()) {
        ringBorders =
            std::array<int, 2>{radius + unit / 3, position - previousWidth / 2 - unit / 3};
    }
    discRadius = position - radius / 20;
    centreDiscRadius = discRadius / 6;
    fontHeight = position / 12;
}

void DialLayout::placeHours() {
    for (int n = 1; n <= 24; ++n) {
        HourMark mark;
        mark.spoke = {at(discRadius / 6 + 3, n), at(discRadius - 3, n)};
        const Point anchor = at(discRadius - fontHeight / 2, n - kNumberShift);
        // The number's top lies H/2 above the point, so that it is centred on it.
        mark.textTop = {anchor.x, anchor.y - ySign * (fontHeight / 2)};
        mark.text = std::to_string(n);
        hours.push_back(mark);
    }
}

// Greedy rings: each ring takes, in list order, every record not yet placed that starts
// strictly after the end of the last arc on that ring.
void DialLayout::placeSituationRings(const TransitDay& day, int& ringPosition) {
    areaRadius = discRadius - discRadius / 12;
    ringWidth = areaRadius / 30;
    ringPosition = areaRadius - ringWidth;
    const auto& records = day.situations();
    std::vector<bool> placed(records.size(), false);
    std::size_t unplaced = records.size();
    do {
        double lastEnd = -std::numeric_limits<double>::infinity();
        for (std::size_t i = 0; i < records.size(); ++i) {
            if (placed[i]) continue;
            const Range range = rangeOf(*records[i], day.start());
            if (!(range.from > lastEnd)) continue;
            arcs.push_back({ringPosition, ringWidth, records[i]->aspectIndex, clampHour(range.from),
                            clampHour(range.to), at(ringPosition, range.from),
                            at(ringPosition, range.to), static_cast<int>(i)});
            lastEnd = range.to;
            placed[i] = true;
            --unplaced;
        }
        ringPosition -= ringWidth;
    } while (unplaced > 0);
}

// The Moon's sectors step outwards through four staggered positions and start again inside.
void DialLayout::placeMoonSectors(const TransitDay& day, int outerLimit) {
    const int inner = discRadius / 4;
    const int depth = static_cast<int>((outerLimit - inner) * kMoonDepth);
    const int stagger = (outerLimit - inner - depth) / 4;
    int q = inner;
    for (std::size_t i = 0; i < day.moon().size(); ++i) {
        const TransitSituation* record = day.moon()[i];
        const Range range = rangeOf(*record, day.start());
        sectors.push_back({record->aspectIndex,
                           {at(q, range.from), at(q, range.to), at(q + depth, range.to),
                            at(q + depth, range.from)},
                           static_cast<int>(i)});
        q += stagger;
        if (q + depth >= outerLimit) q = inner;
    }
}

bool DialLayout::inSector(const MoonSector& sector, Point point) const {
    return insidePolygon(sector.corners, point.x, point.y);
}

std::optional<DialLayout::Hit> DialLayout::hitAt(Point point) const {
    for (auto it = sectors.rbegin(); it != sectors.rend(); ++it) {
        if (inSector(*it, point)) return Hit{Hit::Kind::Moon, it->record};
    }
    const double dx = point.x - cx_;
    const double dy = point.y * ySign - cy_;
    const double r = std::hypot(dx, dy);
    // The inverse of dialPoint: hour 0 at the top, clockwise.
    const double hour = std::fmod(std::atan2(dy, dx) * 12.0 / kPi + 30.0, 24.0);
    for (const auto& arc : arcs) {
        if (std::abs(r - arc.radius) <= arc.width / 2.0 && hour >= arc.from && hour <= arc.to) {
            return Hit{Hit::Kind::Situation, arc.record};
        }
    }
    for (const auto& ring : orbRings) {
        if (std::abs(r - ring.radius) <= ring.width / 2.0) return Hit{Hit::Kind::Orb, ring.first};
    }
    return std::nullopt;
}

int DialLayout::paperSide(const Input& input) {
    return std::min(std::abs(input.width), std::abs(input.height)) - 2 * kPaperMargin;
}

// The rings with their borders keep two date heights from the frame, so that the date, which
// stands on the frame's top edge, stays clear of them and no ring touches the frame's sides.
int DialLayout::paperRadius(const Input& input) {
    const int side = paperSide(input);
    return side / 2 - 2 * (side / 30);
}

void DialLayout::placePaperFrame(const Input& input) {
    PaperFrame page;
    const int side = paperSide(input);
    page.frame = {cx_ - side / 2, (cy_ - side / 2) * ySign, cx_ + side / 2,
                  (cy_ + side / 2) * ySign};
    page.dateHeight = side / 30;
    page.dateStart = {cx_, page.frame.top};
    page.date = std::to_string(input.date.day) + "." + std::to_string(input.date.month) + "." +
                std::to_string(input.date.year) + "г. " +
                std::string(Calendar::dayOfWeekName(input.date));
    paper = page;
}

}  // namespace orvanta
