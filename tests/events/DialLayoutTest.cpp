#include <gtest/gtest.h>

#include <utility>

#include "events/DialLayout.h"

namespace orvanta {
namespace {

// Geometry worked by hand for a 1000 x 1000 screen area: R = 500, g = 10, without orb
// transits R' = 500 - 25 = 475, R'' = 475 - 39 = 436, w = 14, the first ring at 422.
const Date kDay{15, 6, 2024};
const double kStart = Calendar::hoursSinceBase(kDay, 0.0);

TransitSituation situation(int body, int aspect, double hoursIntoDay, double duration) {
    TransitSituation r;
    r.moment = kStart + hoursIntoDay;
    r.body = body;
    r.aspectIndex = aspect;
    r.duration = duration;
    r.orb = 1.0;
    return r;
}

DialLayout layoutOf(const TransitList& situations, const TransitList& orbs = {}, int width = 1000,
                    int height = 1000, bool paper = false) {
    const TransitDay day(situations, orbs, kDay);
    return DialLayout::compute({width, height, paper, kDay, &day});
}

TEST(DialLayout, DialPointsRunClockwiseFromMidnightAtTheTopAndHoldTheHour) {
    EXPECT_EQ(DialLayout::dialPoint(500, 500, 100, 0.0, 1), (Point{500, 400}));
    EXPECT_EQ(DialLayout::dialPoint(500, 500, 100, 6.0, 1), (Point{600, 500}));
    EXPECT_EQ(DialLayout::dialPoint(500, 500, 100, 12.0, 1), (Point{500, 600}));
    EXPECT_EQ(DialLayout::dialPoint(500, 500, 100, 18.0, 1), (Point{400, 500}));
    EXPECT_EQ(DialLayout::dialPoint(500, 500, 100, -3.0, 1),
              DialLayout::dialPoint(500, 500, 100, 0.0, 1));
    EXPECT_EQ(DialLayout::dialPoint(500, 500, 100, 30.0, 1),
              DialLayout::dialPoint(500, 500, 100, 24.0, 1));
    // On paper the whole y is negated: midnight lies above the centre there too.
    EXPECT_EQ(DialLayout::dialPoint(500, 500, 100, 0.0, -1), (Point{500, -400}));
}

TEST(DialLayout, ScreenRadiiWithoutOrbTransits) {
    const auto layout = layoutOf({});
    EXPECT_EQ(layout.centre, (Point{500, 500}));
    EXPECT_EQ(layout.radius, 500);
    EXPECT_TRUE(layout.orbRings.empty());
    EXPECT_FALSE(layout.ringBorders.has_value());
    EXPECT_EQ(layout.discRadius, 475);
    EXPECT_EQ(layout.centreDiscRadius, 79);
    EXPECT_EQ(layout.fontHeight, 41);
    EXPECT_EQ(layout.areaRadius, 436);
    EXPECT_EQ(layout.ringWidth, 14);
    ASSERT_EQ(layout.hours.size(), 24u);
    // Hour 6: the spoke from 79 + 3 to 475 - 3 right of the centre.
    EXPECT_EQ(layout.hours[5].spoke, (Line{{582, 500}, {972, 500}}));
    EXPECT_EQ(layout.hours[5].text, "6");
    EXPECT_EQ(layout.midnightGap, (Line{{500, 500}, {500, 0}}));
    EXPECT_FALSE(layout.paper.has_value());
}

TEST(DialLayout, OrbRingsOnePerAspectAsWideAsItsCountInOrderOfFirstRecord) {
    auto orb = [](int aspect, int body) { return situation(body, aspect, 0.0, 300.0); };
    TransitList orbs = {orb(0, 5), orb(4, 6), orb(0, 7), orb(0, 8)};
    orbs.push_back(orb(9, 9));
    orbs.back().orb = -1.0;  // switched off: no ring
    const auto layout = layoutOf({}, orbs);
    ASSERT_EQ(layout.orbRings.size(), 2u);
    EXPECT_EQ(layout.orbRings[0].aspect, 0);
    EXPECT_EQ(layout.orbRings[0].width, 30);
    EXPECT_EQ(layout.orbRings[0].radius, 500 - 15);
    EXPECT_EQ(layout.orbRings[1].aspect, 4);
    EXPECT_EQ(layout.orbRings[1].width, 10);
    EXPECT_EQ(layout.orbRings[1].radius, 485 - 20);
    ASSERT_TRUE(layout.ringBorders.has_value());
    EXPECT_EQ((*layout.ringBorders)[0], 503);
    EXPECT_EQ((*layout.ringBorders)[1], 465 - 5 - 3);
    EXPECT_EQ(layout.discRadius, 465 - 25);
}

TEST(DialLayout, TheScreenMarginKeepsTheOuterRingBorderInsideTheWindow) {
    auto orb = [](int aspect, int body) { return situation(body, aspect, 0.0, 300.0); };
    // The 503 border of a 1000-pixel dial (above) needs 3 pixels and its own: 500 / 150 + 2.
    EXPECT_EQ(DialLayout::screenMargin(1000, 1200), 5);
    for (const auto& [width, height] :
         {std::pair{1000, 1000}, std::pair{640, 260}, std::pair{301, 999}}) {
        const int margin = DialLayout::screenMargin(width, height);
        const auto layout =
            layoutOf({}, {orb(0, 5), orb(4, 6)}, width - 2 * margin, height - 2 * margin);
        ASSERT_TRUE(layout.ringBorders.has_value());
        const int outer = (*layout.ringBorders)[0];
        // Moved by the margin, the border's pixels run from centre - outer to centre + outer.
        EXPECT_GE(margin + layout.centre.x - outer, 0) << width;
        EXPECT_LT(margin + layout.centre.x + outer, width) << width;
        EXPECT_GE(margin + layout.centre.y - outer, 0) << height;
        EXPECT_LT(margin + layout.centre.y + outer, height) << height;
    }
}

TEST(DialLayout, SituationRingsGreedyClippedAndTouchingRangesApart) {
    const TransitList records = {
        situation(1, 2, 1.0, 4.0),   // -1 .. 3: drawn from 0 h
        situation(3, 2, 5.0, 4.0),   // 3 .. 7: touches the first, so on the next ring
        situation(4, 3, 22.0, 6.0),  // 19 .. 25: drawn to 24 h, fits on the first ring
        situation(2, 1, 8.0, 2.0),   // the Moon: a sector, never an arc
    };
    const auto layout = layoutOf(records);
    ASSERT_EQ(layout.arcs.size(), 3u);
    EXPECT_EQ(layout.arcs[0].radius, 422);
    EXPECT_EQ(layout.arcs[0].from, 0.0);
    EXPECT_EQ(layout.arcs[0].to, 3.0);
    EXPECT_EQ(layout.arcs[1].radius, 422);
    EXPECT_EQ(layout.arcs[1].to, 24.0);
    EXPECT_EQ(layout.arcs[2].radius, 408);
    EXPECT_EQ(layout.arcs[2].from, 3.0);
    EXPECT_EQ(layout.arcs[2].start, DialLayout::dialPoint(500, 500, 408, 3.0, 1));
    ASSERT_EQ(layout.sectors.size(), 1u);
    EXPECT_EQ(layout.sectors[0].aspect, 1);
    EXPECT_EQ(layout.separator, 394);
}

TEST(DialLayout, MoonSectorsStepOutwardsAndStartAgainInside) {
    // No other situation: one empty ring walk leaves Q = 408; q0 = 118, d = 217, t = 18, and
    // q goes 118, 136, 154, 172, 190 and back to 118 once q + d reaches 408.
    TransitList moon;
    for (int i = 0; i < 6; ++i) moon.push_back(situation(2, 0, 2.0 + 3.0 * i, 1.0));
    const auto layout = layoutOf(moon);
    EXPECT_EQ(layout.separator, 408);
    ASSERT_EQ(layout.sectors.size(), 6u);
    const int expected[] = {118, 136, 154, 172, 190, 118};
    for (int i = 0; i < 6; ++i) {
        const auto& corners = layout.sectors[static_cast<std::size_t>(i)].corners;
        const double s = 1.5 + 3.0 * i;
        const double e = 2.5 + 3.0 * i;
        EXPECT_EQ(corners[0], DialLayout::dialPoint(500, 500, expected[i], s, 1));
        EXPECT_EQ(corners[1], DialLayout::dialPoint(500, 500, expected[i], e, 1));
        EXPECT_EQ(corners[2], DialLayout::dialPoint(500, 500, expected[i] + 217, e, 1));
        EXPECT_EQ(corners[3], DialLayout::dialPoint(500, 500, expected[i] + 217, s, 1));
    }
}

TEST(DialLayout, RingsBelowHalfTheDiscLeaveTheMoonTheWholeDisc) {
    // 17 overlapping situations need 17 rings: 422 - 17 * 14 = 184, below 475 / 2.
    TransitList records;
    for (int i = 0; i < 17; ++i) records.push_back(situation(3, 0, 12.0, 10.0));
    records.push_back(situation(2, 0, 12.0, 1.0));
    const auto layout = layoutOf(records);
    EXPECT_EQ(layout.arcs.back().radius, 422 - 16 * 14);
    EXPECT_FALSE(layout.separator.has_value());
    // q0 = 118, d = trunc((475 - 118) * 0.75) = 267.
    EXPECT_EQ(layout.sectors[0].corners[2], DialLayout::dialPoint(500, 500, 118 + 267, 12.5, 1));
}

TEST(DialLayout, PaperHasMarginsAFrameAndTheDateWithItsDayOfWeek) {
    const auto layout = layoutOf({}, {}, 21000, -29700, true);
    EXPECT_EQ(layout.ySign, -1);
    EXPECT_EQ(layout.centre, (Point{10500, -14850}));
    // Frame side 21000 - 1000 = 20000, date height 20000 / 30 = 666; R = 10000 - 2 * 666.
    EXPECT_EQ(layout.radius, 8668);
    ASSERT_TRUE(layout.paper.has_value());
    EXPECT_EQ(layout.paper->frame, (Rect{500, -4850, 20500, -24850}));
    EXPECT_EQ(layout.paper->dateHeight, 666);
    EXPECT_EQ(layout.paper->dateStart, (Point{10500, -4850}));
    EXPECT_EQ(layout.paper->date, "15.6.2024г. СУББОТА");
    // g = 8668 / 50 = 173: the gap ends at 14850 - 8668 - 173, inside the frame.
    EXPECT_EQ(layout.midnightGap, (Line{{10500, -14850}, {10500, -6009}}));
}

// The outer ring border and the date's band (the date stands on the frame's top edge, about
// a date height tall) must stay inside the frame on every page shape.
TEST(DialLayout, PaperDialAndItsDateFitInsideTheFrame) {
    const TransitSituation orb = situation(0, 0, 12.0, 24.0);
    for (const auto& [width, height] :
         {std::pair{21000, -29700}, std::pair{27940, -21590}, std::pair{14800, -21000}}) {
        const auto layout = layoutOf({}, {orb, orb, orb}, width, height, true);
        ASSERT_TRUE(layout.ringBorders.has_value());
        const Rect& frame = layout.paper->frame;
        const int outer = (*layout.ringBorders)[0];
        EXPECT_GT(layout.centre.x - outer, frame.left) << width;
        EXPECT_LT(layout.centre.x + outer, frame.right) << width;
        EXPECT_GT(layout.centre.y - outer, frame.bottom) << width;
        EXPECT_LT(layout.centre.y + outer + layout.paper->dateHeight, frame.top) << width;
        EXPECT_LT(layout.midnightGap.to.y, frame.top) << width;
    }
}

TEST(DialLayout, HitsTheSectorArcOrRingUnderAPoint) {
    using Kind = DialLayout::Hit::Kind;
    // A situation from 2 to 4 o'clock on the first ring (422, w = 14); the Moon from 11 to 13
    // o'clock between 118 and 118 + 217 (see above); the sector is found before the ring.
    const auto screen = layoutOf({situation(1, 0, 3.0, 2.0), situation(2, 1, 12.0, 2.0)});
    const auto paper = layoutOf({situation(1, 0, 3.0, 2.0)}, {}, 21000, -29700, true);
    // Orb rings from R = 500 inwards: two of aspect 3 (20 wide, at 490), one of 4 (at 475).
    const auto orbs = layoutOf(
        {}, {situation(5, 3, 0.0, 24.0), situation(6, 4, 0.0, 24.0), situation(7, 3, 0.0, 24.0)});
    const struct {
        const DialLayout* layout;
        Point point;
        std::optional<DialLayout::Hit> hit;
    } cases[] = {
        {&screen, DialLayout::dialPoint(500, 500, 422, 3.0, 1),
         DialLayout::Hit{Kind::Situation, 0}},
        {&screen, DialLayout::dialPoint(500, 500, 432, 3.0, 1), std::nullopt},  // beside the ring
        {&screen, DialLayout::dialPoint(500, 500, 422, 5.0, 1), std::nullopt},  // after its end
        {&screen, DialLayout::dialPoint(500, 500, 200, 12.0, 1), DialLayout::Hit{Kind::Moon, 0}},
        {&screen, DialLayout::dialPoint(500, 500, 200, 14.0, 1), std::nullopt},
        {&paper, DialLayout::dialPoint(10500, 14850, paper.arcs[0].radius, 3.0, -1),
         DialLayout::Hit{Kind::Situation, 0}},
        {&orbs, DialLayout::dialPoint(500, 500, 495, 20.0, 1), DialLayout::Hit{Kind::Orb, 0}},
        {&orbs, DialLayout::dialPoint(500, 500, 475, 7.0, 1), DialLayout::Hit{Kind::Orb, 1}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.layout->hitAt(c.point), c.hit) << c.point.x << "," << c.point.y;
    }
}

}  // namespace
}  // namespace orvanta
