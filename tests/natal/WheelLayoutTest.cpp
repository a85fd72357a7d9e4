#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <limits>
#include <utility>

#include "natal/WheelLayout.h"

namespace orvanta {

void PrintTo(const Point& p, std::ostream* os) {
    *os << "(" << p.x << ", " << p.y << ")";
}

void PrintTo(const Rect& r, std::ostream* os) {
    *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

namespace {

// Every body and cusp hidden at 0 Aries; the tests place and show what they need.
ChartData hiddenChart(bool houses = true) {
    ChartData chart;
    chart.style.assignBodyNames();
    chart.housesUnavailable = houses ? 0 : 1;
    for (int i = 1; i <= 28; ++i) {
        chart.style[i].identifier = i;
        chart[i].setLongitude(0.0);
        chart.style[i].shown = 0;
    }
    return chart;
}

void place(ChartData& chart, int object, double longitude, bool shown = true) {
    chart[object].setLongitude(longitude);
    chart.style[object].shown = shown ? 1 : 0;
}

ZodiacOrientation orientation(int direction, int start, double angle = 0.0) {
    ZodiacOrientation o;
    o.direction = direction;
    o.fromAscendant = start == 0 ? 1 : 0;
    o.fromAries = start == 1 ? 1 : 0;
    o.angle = angle;
    return o;
}
constexpr int kCounterClockwise = 0;
constexpr int kClockwise = 1;
constexpr int kFromAscendant = 0;
constexpr int kFromAries = 1;
constexpr int kArbitrary = 2;

// The 1000 x 1000 screen rectangle used throughout: R0 = 500, centre (500, 525).
const WheelLayout::Frame kSquare = WheelLayout::Frame::screen(0, 0, 1000, 1000);

WheelLayout layOut(const ChartData& chart, const ZodiacOrientation& o,
                   const NatalAspectTable& aspects = {}) {
    return WheelLayout::compute(chart, o, aspects, kSquare);
}

TEST(WheelLayout, RadiiFollowFromTheShorterSideOfTheRectangle) {
    // R0 = 500; W = 500 - 50 = 450; house ring 450 + 45 = 495; S = 75; N = 375; O = 20;
    // G = 30; P = 375 - 60 - 20 = 295; M = 295 + 80 / 2 = 335; centre y = 500 + 25.
    WheelLayout w = layOut(hiddenChart(), orientation(kCounterClockwise, kFromAries));
    EXPECT_EQ(w.frame.centreX, 500);
    EXPECT_EQ(w.frame.centreY, 525);
    EXPECT_EQ(w.frame.ySign, 1);
    EXPECT_EQ(w.objectCount, 28);
    EXPECT_EQ(w.outerRingRadius, 495);
    EXPECT_EQ(w.zodiacOuter, 450);
    EXPECT_EQ(w.signWidth, 75);
    EXPECT_EQ(w.zodiacInner, 375);
    EXPECT_EQ(w.unit, 20);
    EXPECT_EQ(w.bodySize, 30);
    EXPECT_EQ(w.innerDisc, 295);
    EXPECT_EQ(w.bodyMiddle, 335);
    EXPECT_EQ(w.centreDotRadius, 10);

    // Without houses the zodiac takes the house ring's room: W = 450 + 45 = 495, S = 82,
    // N = 413, O = 22, G = 33, P = 413 - 66 - 22 = 325, M = 325 + 88 / 2 = 369.
    w = layOut(hiddenChart(false), orientation(kCounterClockwise, kFromAries));
    EXPECT_EQ(w.objectCount, 16);
    EXPECT_EQ(w.outerRingRadius, 0);
    EXPECT_EQ(w.zodiacOuter, 495);
    EXPECT_EQ(w.signWidth, 82);
    EXPECT_EQ(w.zodiacInner, 413);
    EXPECT_EQ(w.unit, 22);
    EXPECT_EQ(w.bodySize, 33);
    EXPECT_EQ(w.innerDisc, 325);
    EXPECT_EQ(w.bodyMiddle, 369);

    // A wide rectangle: R0 = 600 / 2 = 300 (the height rules), centre (400, 300 + 15).
    const auto wide = WheelLayout::Frame::screen(0, 0, 800, 600);
    EXPECT_EQ(wide.baseRadius, 300);
    EXPECT_EQ(wide.centreX, 400);
    EXPECT_EQ(wide.centreY, 315);
    // Odd sizes truncate: R0 = 333 / 2 = 166, R0 / 20 = 8.
    const auto odd = WheelLayout::Frame::screen(0, 10, 333, 999);
    EXPECT_EQ(odd.baseRadius, 166);
    EXPECT_EQ(odd.centreX, 166);
    EXPECT_EQ(odd.centreY, 10 + 166 + 8);
    // The page keeps the centre and R0 its own layout found, with y upward.
    const auto page = WheelLayout::Frame::page(10500, -16000, 7000);
    EXPECT_EQ(page.ySign, -1);
    EXPECT_EQ(page.centreY, -16000);
    EXPECT_EQ(page.baseRadius, 7000);
}

TEST(WheelLayout, PointsUseThreePointOneFourForPiAndRoundHalfAwayFromZero) {
    // x = round(cx + r cos(a * 3.14 / 180)), y = round(cy + r sin(a * 3.14 / 180) * ysign).
    EXPECT_EQ(WheelLayout::pointOnCircle(500, 525, 100, 0.0, 1), (Point{600, 525}));
    // 90 degrees: r cos(1.57) = 0.0796, r sin(1.57) = 99.99997.
    EXPECT_EQ(WheelLayout::pointOnCircle(0, 0, 100, 90.0, 1), (Point{0, 100}));
    EXPECT_EQ(WheelLayout::pointOnCircle(0, 0, 100, 90.0, -1), (Point{0, -100}));
    // 360 degrees is 6.28 radians, 0.00319 short of a turn: 1000 sin(6.28) = -3.185.
    EXPECT_EQ(WheelLayout::pointOnCircle(0, 0, 1000, 360.0, 1), (Point{1000, -3}));
    // 180 degrees: sin(3.14) = sin(pi - 3.14) = 0.0015927, so 525 of radius lie 0.836 low.
    EXPECT_EQ(WheelLayout::pointOnCircle(500, 525, 525, 180.0, 1), (Point{-25, 526}));
    EXPECT_EQ(WheelLayout::pointOnCircle(500, 525, 285, 180.0, 1), (Point{215, 525}));

    // A square of side s centred on (x, y): left x - s/2, top y - ysign s/2 (halves truncate).
    EXPECT_EQ(WheelLayout::pictureRect(100, 100, 31, 1), (Rect{85, 85, 116, 116}));
    EXPECT_EQ(WheelLayout::pictureRect(100, 100, 31, -1), (Rect{85, 115, 116, 84}));
    EXPECT_EQ(WheelLayout::pictureRect(-7, 0, 30, 1), (Rect{-22, -15, 8, 15}));
}

TEST(WheelLayout, ReferenceAndDrawingAnglesForEachStartAndDirection) {
    ChartData chart = hiddenChart();
    place(chart, 17, 102.5);  // Ascendant at Cancer 12.5
    place(chart, 1, 10.0);    // Sun at Aries 10

    EXPECT_EQ(WheelLayout::referenceAngle(chart, orientation(kClockwise, kFromAries)), 0.0);
    EXPECT_EQ(WheelLayout::referenceAngle(chart, orientation(kClockwise, kFromAscendant)), 102.5);
    EXPECT_EQ(WheelLayout::referenceAngle(chart, orientation(kClockwise, kArbitrary, 30.0)), 132.5);
    chart.housesUnavailable = 1;
    EXPECT_EQ(WheelLayout::referenceAngle(chart, orientation(kClockwise, kArbitrary, 30.0)), 30.0);
    EXPECT_EQ(WheelLayout::referenceAngle(chart, orientation(kClockwise, kFromAries)), 0.0);
    chart.housesUnavailable = 0;

    // Counter-clockwise a = 180 - (longitude - reference); clockwise a = longitude - reference.
    // The angle is not brought into 0..360.
    EXPECT_EQ(WheelLayout::drawingAngle(1, 10.0, 0.0, false), 170.0);
    EXPECT_EQ(WheelLayout::drawingAngle(1, 10.0, 0.0, true), 10.0);
    EXPECT_EQ(WheelLayout::drawingAngle(1, 10.0, 102.5, true), -92.5);
    EXPECT_EQ(WheelLayout::drawingAngle(12, 20.0, 0.0, false), -170.0);

    const WheelLayout ccw = layOut(chart, orientation(kCounterClockwise, kFromAscendant));
    EXPECT_EQ(ccw.angles[17], 180.0);
    EXPECT_EQ(ccw.angles[1], 180.0 - (10.0 - 102.5));
    const WheelLayout cw = layOut(chart, orientation(kClockwise, kArbitrary, 30.0));
    EXPECT_EQ(cw.angles[17], -30.0);
    EXPECT_EQ(cw.angles[1], 10.0 - 132.5);
}

Line markOf(const WheelLayout& w, int object, WheelLayout::MarkKind kind) {
    for (const auto& m : w.marks) {
        if (m.object == object && m.kind == kind) return m.line;
    }
    ADD_FAILURE() << "no mark for object " << object;
    return {};
}

TEST(WheelLayout, AscendantAxisLiesAtNineOrThreeOClockWhenTheWheelStartsThere) {
    ChartData chart = hiddenChart();
    place(chart, 17, 102.5);
    place(chart, 26, 12.5);
    using K = WheelLayout::MarkKind;

    // Counter-clockwise from the Ascendant: the red axis runs from P - O/2 = 285 to
    // W + W/6 = 525 at 180 degrees, 9 o'clock (the 3.14 leaves the far end 0.84 low).
    WheelLayout w = layOut(chart, orientation(kCounterClockwise, kFromAscendant));
    auto axis = markOf(w, 17, K::Axis);
    EXPECT_EQ(axis.from, (Point{215, 525}));
    EXPECT_EQ(axis.to, (Point{-25, 526}));
    // The Midheaven, 90 degrees earlier in the zodiac, stands at the top (angle 270).
    EXPECT_EQ(w.angles[26], 270.0);

    // Clockwise from the Ascendant: 3 o'clock.
    w = layOut(chart, orientation(kClockwise, kFromAscendant));
    axis = markOf(w, 17, K::Axis);
    EXPECT_EQ(axis.from, (Point{785, 525}));
    EXPECT_EQ(axis.to, (Point{1025, 525}));

    // From Aries, clockwise: 0 Aries at 3 o'clock, so the Ascendant lies at 102.5 degrees,
    // below the centre; the first sign boundary runs from N = 375 to W = 450 at 3 o'clock.
    w = layOut(chart, orientation(kClockwise, kFromAries));
    EXPECT_EQ(w.angles[17], 102.5);
    EXPECT_GT(markOf(w, 17, K::Axis).to.y, 525 + 500);
    EXPECT_EQ(w.signs[0].boundary.from, (Point{875, 525}));
    EXPECT_EQ(w.signs[0].boundary.to, (Point{950, 525}));
    // Aries' picture: side 3S/4 = 56, centred at radius 375 + 37 = 412 and 15 degrees:
    // 412 cos(0.26167) = 397.98, 412 sin(0.26167) = 106.58.
    EXPECT_EQ(w.signs[0].picture, (Rect{898 - 28, 632 - 28, 898 + 28, 632 + 28}));

    // From Aries, counter-clockwise: 0 Aries at 9 o'clock (Pisces' closing boundary at
    // 180 - 360 = -180), Aries below it at 165 degrees, on the left under the centre.
    w = layOut(chart, orientation(kCounterClockwise, kFromAries));
    EXPECT_EQ(w.signs[11].boundary.from.x, 500 - 375);
    EXPECT_EQ(w.signs[11].boundary.to.x, 500 - 450);
    EXPECT_EQ(w.signs[0].picture, (Rect{102 - 28, 632 - 28, 102 + 28, 632 + 28}));
    // Signs follow each other counter-clockwise, down from 9 o'clock towards 6: Taurus at
    // 135 degrees, 412 cos(2.355) = -290.98, 412 sin(2.355) = 291.68.
    EXPECT_EQ(w.signs[1].picture, (Rect{209 - 28, 817 - 28, 209 + 28, 817 + 28}));
}

TEST(WheelLayout, MarksGoInObjectOrderWithCuspsWhetherShownOrNot) {
    ChartData chart = hiddenChart();
    for (int i = 1; i <= 16; ++i) place(chart, i, i * 20.0);
    for (int i = 17; i <= 28; ++i) place(chart, i, (i - 17) * 30.0 + 5.0, i != 18);
    chart.style[3].shown = 0;
    using K = WheelLayout::MarkKind;

    WheelLayout w = layOut(chart, orientation(kClockwise, kFromAries));
    // 15 shown bodies with a tick, 12 cusps with two lines each, four axes.
    ASSERT_EQ(w.marks.size(), 15u + 24u + 4u);
    int previous = 0;
    for (const auto& m : w.marks) {
        EXPECT_GE(m.object, previous);
        previous = m.object;
        EXPECT_NE(m.object, 3);
    }
    int axes = 0;
    for (const auto& m : w.marks) {
        if (m.kind == K::Axis) {
            ++axes;
            EXPECT_TRUE(m.object == 17 || m.object == 20 || m.object == 23 || m.object == 26);
        }
    }
    EXPECT_EQ(axes, 4);

    // The Sun at 20 degrees clockwise: a tick from 285 to 305.
    // 285 cos(0.34889) = 267.82, 285 sin = 97.46; 305 cos = 286.62, 305 sin = 104.30.
    EXPECT_EQ(markOf(w, 1, K::BodyTick).from, (Point{768, 622}));
    EXPECT_EQ(markOf(w, 1, K::BodyTick).to, (Point{787, 629}));

    // The hidden cusp of house 2 (35 degrees) still has both lines: P to N and W to W + W/10.
    int cuspLines = 0;
    for (const auto& m : w.marks) {
        if (m.object == 18 && m.kind == K::CuspLine) ++cuspLines;
    }
    EXPECT_EQ(cuspLines, 2);

    // Without houses only the ticks remain.
    chart.housesUnavailable = 1;
    w = layOut(chart, orientation(kClockwise, kFromAries));
    EXPECT_EQ(w.marks.size(), 15u);
    EXPECT_TRUE(w.houseNumbers.empty());
}

TEST(WheelLayout, ChordsJoinTheWheelsAspectPairsOnTheInnerDisc) {
    ChartData chart = hiddenChart();
    place(chart, 1, 0.0);
    place(chart, 2, 90.0);
    place(chart, 26, 270.0);  // Midheaven: square the Sun, opposite the Moon
    place(chart, 20, 90.0);   // house 4 cusp: square the Sun, never drawn
    NatalAspectTable aspects{};
    aspects[2].angle = 90.0;
    aspects[2].orb = 5.0;
    aspects[2].included = 1;
    aspects[0].angle = 180.0;
    aspects[0].orb = 5.0;
    aspects[0].included = 1;

    const WheelLayout w = layOut(chart, orientation(kClockwise, kFromAries), aspects);
    ASSERT_EQ(w.chords.size(), 3u);
    EXPECT_EQ(w.chords[0].pair.aspect, 0);  // Moon - Midheaven
    EXPECT_EQ(w.chords[0].pair.first, 2);
    EXPECT_EQ(w.chords[0].pair.second, 26);
    EXPECT_EQ(w.chords[1].pair.first, 1);  // Sun - Moon
    EXPECT_EQ(w.chords[1].pair.second, 2);
    EXPECT_EQ(w.chords[2].pair.first, 1);  // Sun - Midheaven
    EXPECT_EQ(w.chords[2].pair.second, 26);
    // Radius P - O/2 = 285: the Sun at 0 degrees, the Moon at 90 (285 cos(1.57) = 0.23,
    // 285 sin(1.57) = 284.9999).
    EXPECT_EQ(w.chords[1].line.from, (Point{785, 525}));
    EXPECT_EQ(w.chords[1].line.to, (Point{500, 810}));
}

TEST(WheelLayout, HouseNumbersStandThreeDegreesIntoTheirHouses) {
    ChartData chart = hiddenChart();
    for (int i = 17; i <= 28; ++i) place(chart, i, (i - 17) * 30.0, false);

    // Clockwise from Aries: house 1 at 0 + 3 degrees, on the house ring W + W/10 = 495, side
    // ((75 / 2) * 3) / 4 = 27 enlarged to 27 * 3 / 2 = 40:
    // 495 cos(0.05233) = 494.32, 495 sin(0.05233) = 25.89.
    WheelLayout w = layOut(chart, orientation(kClockwise, kFromAries));
    ASSERT_EQ(w.houseNumbers.size(), 12u);
    EXPECT_EQ(w.houseNumbers[0].object, 17);
    EXPECT_EQ(w.houseNumbers[0].symbol, (Rect{994 - 20, 551 - 20, 994 + 20, 551 + 20}));
    // House 2 at 33 degrees on W + W/20 = 472, side 27:
    // 472 cos(0.57567) = 395.93, 472 sin(0.57567) = 256.95.
    EXPECT_EQ(w.houseNumbers[1].symbol, (Rect{896 - 13, 782 - 13, 896 - 13 + 27, 782 - 13 + 27}));

    // Counter-clockwise the house runs the other way: 3 degrees less. House 1 then sits at
    // 177 degrees, just below 9 o'clock on the screen, below the horizon as it should:
    // 495 cos(3.0851) = -494.28, 495 sin(3.0851) = 26.68.
    w = layOut(chart, orientation(kCounterClockwise, kFromAries));
    EXPECT_EQ(w.houseNumbers[0].symbol, (Rect{6 - 20, 552 - 20, 6 + 20, 552 + 20}));
    // The Midheaven's number is large too, the others are not.
    EXPECT_EQ(w.houseNumbers[9].symbol.right - w.houseNumbers[9].symbol.left, 40);
    EXPECT_EQ(w.houseNumbers[3].symbol.right - w.houseNumbers[3].symbol.left, 27);
}

// Body radii: M = 335, G = 30, so close bodies alternate between 320 (in) and 350 (out).
constexpr int kMiddle = 335;
constexpr int kIn = 320;
constexpr int kOut = 350;

int radiusOf(const WheelLayout& w, int body) {
    return w.bodies[body - 1].radius;
}

TEST(WheelLayout, CloseBodiesAlternateInAndOutAroundTheWholeCircle) {
    ChartData chart = hiddenChart();
    // A chain of three: Sun-Moon 3 apart, Moon-Mercury 3 apart (Sun-Mercury 6).
    place(chart, 1, 10.0);
    place(chart, 2, 13.0);
    place(chart, 3, 16.0);
    // A pair further on, and lone bodies 20 or more apart.
    place(chart, 6, 200.0);
    place(chart, 7, 202.0);
    place(chart, 4, 40.0);
    place(chart, 5, 60.0);
    place(chart, 8, 100.0);

    const WheelLayout w = layOut(chart, orientation(kClockwise, kFromAries));
    EXPECT_EQ(radiusOf(w, 1), kIn);
    EXPECT_EQ(radiusOf(w, 2), kOut);
    EXPECT_EQ(radiusOf(w, 3), kIn);
    EXPECT_EQ(radiusOf(w, 6), kOut);  // the turn carries on from the chain
    EXPECT_EQ(radiusOf(w, 7), kIn);
    EXPECT_EQ(radiusOf(w, 4), kMiddle);
    EXPECT_EQ(radiusOf(w, 5), kMiddle);
    EXPECT_EQ(radiusOf(w, 8), kMiddle);
    EXPECT_TRUE(w.bodies[0].close);
    EXPECT_FALSE(w.bodies[3].close);

    // The Sun's symbol: side G = 30 around the point at radius 320 and 10 degrees:
    // 320 cos(0.17444) = 315.15, 320 sin(0.17444) = 55.53.
    EXPECT_EQ(w.bodies[0].symbol, (Rect{815 - 15, 581 - 15, 815 + 15, 581 + 15}));
}

TEST(WheelLayout, CloseBodiesAreTakenInAscendingDrawingAngle) {
    ChartData chart = hiddenChart();
    place(chart, 1, 10.0);
    place(chart, 2, 13.0);

    // Clockwise the Sun comes first (10 < 13) and goes in.
    WheelLayout w = layOut(chart, orientation(kClockwise, kFromAries));
    EXPECT_EQ(radiusOf(w, 1), kIn);
    EXPECT_EQ(radiusOf(w, 2), kOut);
    // Counter-clockwise the angles are 170 and 167: the Moon comes first.
    w = layOut(chart, orientation(kCounterClockwise, kFromAries));
    EXPECT_EQ(radiusOf(w, 2), kIn);
    EXPECT_EQ(radiusOf(w, 1), kOut);

    // Equal angles: the lower number first.
    place(chart, 2, 10.0);
    w = layOut(chart, orientation(kCounterClockwise, kFromAries));
    EXPECT_EQ(radiusOf(w, 1), kIn);
    EXPECT_EQ(radiusOf(w, 2), kOut);

    // Angles are not brought into 0..360: clockwise from an Ascendant at 200 the Sun at 358
    // has 158 and the Moon at 1 has -199, so the Moon comes first although 161 would follow 158.
    place(chart, 17, 200.0);
    place(chart, 1, 358.0);
    place(chart, 2, 1.0);
    w = layOut(chart, orientation(kClockwise, kFromAscendant));
    EXPECT_EQ(w.angles[2], -199.0);
    EXPECT_TRUE(w.bodies[0].close);
    EXPECT_EQ(radiusOf(w, 2), kIn);
    EXPECT_EQ(radiusOf(w, 1), kOut);
}

TEST(WheelLayout, HiddenNeighboursAndTheNodesDoNotMakeBodiesClose) {
    ChartData chart = hiddenChart();
    place(chart, 1, 10.0);
    place(chart, 2, 12.0, false);  // hidden: takes part in the order only
    place(chart, 4, 11.0);         // shown, close to the Sun
    place(chart, 13, 100.0);       // nodes closer than 5 degrees (a damaged chart): not compared
    place(chart, 14, 102.0);

    const WheelLayout w = layOut(chart, orientation(kClockwise, kFromAries));
    EXPECT_EQ(radiusOf(w, 1), kIn);
    EXPECT_EQ(radiusOf(w, 4), kOut);
    EXPECT_FALSE(w.bodies[1].close);
    EXPECT_FALSE(w.bodies[1].shown);
    EXPECT_EQ(radiusOf(w, 13), kMiddle);
    EXPECT_EQ(radiusOf(w, 14), kMiddle);

    // Only the hidden Moon near Venus: Venus stays on the middle radius.
    place(chart, 4, 40.0);
    place(chart, 2, 41.0, false);
    const WheelLayout lone = layOut(chart, orientation(kClockwise, kFromAries));
    EXPECT_EQ(radiusOf(lone, 4), kMiddle);
    EXPECT_EQ(radiusOf(lone, 1), kMiddle);
}

TEST(WheelLayout, BoundsHoldEverythingDrawnIncludingWhatLeavesTheRectangle) {
    ChartData chart = hiddenChart();
    for (int i = 1; i <= 16; ++i) place(chart, i, i * 21.0);
    for (int i = 17; i <= 28; ++i) place(chart, i, (i - 17) * 30.0 + 7.0);
    const WheelLayout w = layOut(chart, orientation(kCounterClockwise, kFromAscendant));
    const Rect b = w.bounds();
    // The red axes reach W + W/6 = 525 from the centre (500, 525): beyond the left edge and
    // 1050 down, below the 1000 x 1000 rectangle the screen geometry was given.
    EXPECT_EQ(b.left, -25);
    EXPECT_GE(b.bottom, 525 + 524);
    EXPECT_LE(b.top, 1);
    EXPECT_LE(b.top, 525 - 495);

    // On the page the top lies above (greater y than) the bottom.
    const WheelLayout page = WheelLayout::compute(chart, orientation(kClockwise, kFromAries), {},
                                                  WheelLayout::Frame::page(10000, -15000, 8000));
    const Rect pb = page.bounds();
    EXPECT_GT(pb.top, pb.bottom);
    EXPECT_GE(pb.top, -15000 + 7200);
    // A body at 90 degrees lies below the centre on the page too: y decreases.
    EXPECT_LT(page.pointAt(100, 90.0).y, -15000);
}

TEST(WheelLayout, FittedWheelKeepsHouseRingAndNumbersInsideTheArea) {
    ChartData chart = hiddenChart();
    for (int i = 1; i <= 10; ++i) place(chart, i, i * 33.0);
    // Cusps 30 degrees apart from 7: houses 5 and 6 at the bottom of the wheel.
    for (int i = 17; i <= 28; ++i) place(chart, i, (i - 17) * 30.0 + 7.0);
    const auto o = orientation(kCounterClockwise, kFromAscendant);
    const auto insideOf = [](const Rect& area, const Rect& b) {
        return b.left > area.left && b.top > area.top && b.right < area.right - 1 &&
               b.bottom < area.bottom - 1;
    };
    // The window pane of 1400 x 1000 (about 1280 x 360) and a tiled one.
    for (const Rect area : {Rect{0, 0, 1280, 360}, Rect{0, 0, 640, 260}, Rect{10, 20, 410, 420}}) {
        const WheelLayout screen = WheelLayout::compute(
            chart, o, {},
            WheelLayout::Frame::screen(area.left, area.top, area.width(), area.height()));
        // By hand for 1280 x 360: R0 = 180, centre y 180 + 9 = 189, W = 162, house ring
        // 162 + 16 = 178: its bottom at 367 already leaves the 360 pixels.
        EXPECT_GT(screen.bounds().bottom, area.bottom);
        const WheelLayout fitted = WheelLayout::fitted(chart, o, {}, area);
        EXPECT_TRUE(insideOf(area, fitted.bounds()));
        EXPECT_LT(fitted.frame.baseRadius, screen.frame.baseRadius);
        // Not smaller than needed: the drawing fills the shorter side but for a few pixels.
        const int shorter = std::min(area.width(), area.height());
        EXPECT_GT(std::min(fitted.bounds().width(), fitted.bounds().height()), shorter - 8);
        // Radii follow from R0 as on every wheel: W = R0 - R0/10, the house ring W + W/10.
        const int w = fitted.frame.baseRadius - fitted.frame.baseRadius / 10;
        EXPECT_EQ(fitted.outerRingRadius, w + w / 10);
    }
    // Without houses nothing passes the zodiac ring (W + W/10 = 198 for R0 = 200), and a tall
    // area has room below it: the screen frame stays as it is.
    ChartData cosmogram = hiddenChart(false);
    for (int i = 1; i <= 10; ++i) place(cosmogram, i, i * 33.0);
    const WheelLayout kept = WheelLayout::fitted(cosmogram, o, {}, Rect{0, 0, 400, 900});
    const auto frame = WheelLayout::Frame::screen(0, 0, 400, 900);
    EXPECT_EQ(kept.frame.baseRadius, frame.baseRadius);
    EXPECT_EQ(kept.frame.centreY, frame.centreY);
}

}  // namespace
}  // namespace orvanta

namespace orvanta {
namespace {

// What a damaged chart file or an absurd drawing area can hold: the layout must still come out
// whole, in range, and without undefined arithmetic (the sanitizer build runs this too).
TEST(WheelLayout, DamagedChartsAndHugeAreasStillLayOut) {
    ChartData chart = hiddenChart();
    place(chart, 1, 10.0);
    place(chart, 2, 12.0);
    place(chart, 3, 200.0);
    chart[1].sign = std::numeric_limits<int>::max();
    chart[2].sign = std::numeric_limits<int>::min();
    chart[3].degreeInSign = std::numeric_limits<double>::quiet_NaN();
    chart[17].sign = std::numeric_limits<int>::max();
    chart[18].degreeInSign = std::numeric_limits<double>::infinity();
    NatalAspectTable aspects{};
    aspects[0].included = 1;
    aspects[0].orb = 400.0;

    const WheelLayout w = layOut(chart, orientation(kCounterClockwise, kFromAscendant), aspects);
    EXPECT_EQ(w.marks.size(), 3u + 24u + 4u);
    for (const auto& body : w.bodies) {
        EXPECT_GE(body.radius, kIn);
        EXPECT_LE(body.radius, kOut);
    }

    // The largest area: R0 is held, and the wheel's parts stay inside the int range.
    const int most = std::numeric_limits<int>::max();
    const auto frame = WheelLayout::Frame::screen(most, most, most, most);
    EXPECT_EQ(frame.baseRadius, WheelLayout::kLargestBaseRadius);
    const WheelLayout huge =
        WheelLayout::compute(chart, orientation(kClockwise, kFromAries), aspects, frame);
    const Rect b = huge.bounds();
    EXPECT_LT(b.left, b.right);
    EXPECT_LT(b.top, b.bottom);
    EXPECT_EQ(WheelLayout::Frame::page(0, 0, -5).baseRadius, 0);
}

}  // namespace
}  // namespace orvanta
