#include <gtest/gtest.h>

#include "natal/BiWheelLayout.h"
#include "support/HandMadeChart.h"

namespace orvanta {

void PrintTo(const Point& p, std::ostream* os);
void PrintTo(const Rect& r, std::ostream* os);

namespace {

using testing::chartWith;

// From Aries, counter-clockwise: a longitude L lies at drawing angle 180 - L.
ZodiacOrientation fromAries() {
    ZodiacOrientation o;
    o.direction = 0;
    o.fromAscendant = 0;
    o.fromAries = 1;
    return o;
}

// 1000 x 1000 on the screen: R0 = 500, centre (500, 525).
const WheelLayout::Frame kSquare = WheelLayout::Frame::screen(0, 0, 1000, 1000);

TEST(BiWheelLayout, InnerWheelShrinksAndTheOuterRingTakesTheNatalHouseRingsPlace) {
    // Inner R0i = 375: W = 375 - 37 = 338, S = 56, O = 15, P = 282 - 44 - 15 = 223.
    // Ri = 338 + 338/6 + 15/2 = 401; Ro = 450 + 45 = 495; G2 = 94/3 = 31;
    // Rs = 495 - 15 - 7 = 473; Rt = 416 + (473 - 15 - 416)/2 = 437; T = 20, the mark 11.
    const BiWheelLayout w =
        BiWheelLayout::compute(chartWith({}), chartWith({}), fromAries(), {}, kSquare);
    EXPECT_EQ(w.inner.frame.centreY, 525);
    EXPECT_EQ(w.inner.zodiacOuter, 338);
    EXPECT_EQ(w.inner.innerDisc, 223);
    EXPECT_EQ(w.ringInner, 401);
    EXPECT_EQ(w.ringOuter, 495);
    EXPECT_EQ(w.outerSize, 31);
    EXPECT_EQ(w.symbolRadius, 473);
    EXPECT_EQ(w.textRadius, 437);
    EXPECT_EQ(w.textHeight, 20);
    EXPECT_EQ(w.markHeight, 11);
    // Nothing reaches past the outer ring: 525 + 495 = 1020 below, 30 above.
    EXPECT_EQ(w.bounds(), (Rect{5, 30, 995, 1020}));
}

TEST(BiWheelLayout, SecondChartsBodySitsOnItsRingWithDegreeAndMark) {
    ChartData outer = chartWith({{Bodies::Sun, 90.0}});
    outer[Bodies::Sun].retrograde = 1;
    const BiWheelLayout w = BiWheelLayout::compute(chartWith({}), outer, fromAries(), {}, kSquare);
    const BiWheelLayout::OuterBody& sun = w.outerBodies[0];
    ASSERT_TRUE(sun.shown);
    EXPECT_FALSE(w.outerBodies[1].shown);
    // Angle 180 - 90 = 90, straight down. cos(1.57) = 0.000796, sin(1.57) = 0.9999997:
    // x = 500 + r * 0.0008 rounds to 500; y = 525 + r rounds to 525 + r.
    EXPECT_DOUBLE_EQ(sun.angle, 90.0);
    EXPECT_DOUBLE_EQ(sun.shownAngle, 90.0);
    EXPECT_EQ(sun.tick, (Line{{500, 926}, {500, 941}}));  // Ri = 401 to Ri + O = 416
    EXPECT_EQ(sun.symbol, (Rect{485, 983, 516, 1014}));   // side 31 centred on (500, 998)
    EXPECT_EQ(sun.degreeAt, (Point{500, 952}));           // 525 + 437 - 20/2
    EXPECT_EQ(sun.degreeText, "0°");
    EXPECT_TRUE(sun.retrograde);
    EXPECT_EQ(sun.markAt, (Point{516, 983}));
    EXPECT_FALSE(sun.markLeft);

    // On the left half of the wheel the mark goes to the symbol's outer, left side: Sun at
    // 0 Aries, angle 180, symbol centred on (500 - 473, 526): 473 * sin(3.14) = 0.75.
    const BiWheelLayout left = BiWheelLayout::compute(
        testing::chartWith({}), testing::chartWith({{Bodies::Sun, 0.0}}), fromAries(), {}, kSquare);
    EXPECT_TRUE(left.outerBodies[0].markLeft);
    EXPECT_EQ(left.outerBodies[0].markAt, (Point{27 - 15, 526 - 15}));
}

TEST(BiWheelLayout, ChordsJoinTheTwoChartsBodiesAndSkipTheInnerChartsOwnAspects) {
    // Inner Sun 0 and Moon 90 are square each other, which the bi-wheel does not draw; inner
    // Sun square outer Sun 90 it does. The cusp of house 2 at 180 is square the outer Sun
    // too but, as on the natal wheel, only the Ascendant and Midheaven get chords.
    const ChartData inner =
        chartWith({{Bodies::Sun, 0.0}, {Bodies::Moon, 90.0}, {Bodies::cuspOfHouse(2), 180.0}});
    const ChartData outer = chartWith({{Bodies::Sun, 90.0}});
    NatalAspectTable aspects{};
    testing::includeAspect(aspects, 3, 90.0, 5.0);
    const BiWheelLayout w = BiWheelLayout::compute(inner, outer, fromAries(), aspects, kSquare);
    ASSERT_EQ(w.inner.chords.size(), 1u);
    EXPECT_EQ(w.inner.chords[0].pair.aspect, 3);
    EXPECT_EQ(w.inner.chords[0].pair.first, Bodies::Sun);
    EXPECT_EQ(w.inner.chords[0].pair.second, Bodies::Sun);
    // Both ends at P - O/2 = 216: the inner Sun at angle 180 (cos 3.14 = -0.9999987,
    // sin 3.14 = 0.0016), the outer Sun at angle 90.
    EXPECT_EQ(w.inner.chords[0].line, (Line{{284, 525}, {500, 741}}));
    ASSERT_EQ(w.interAspects.size(), 1u);
    EXPECT_DOUBLE_EQ(w.interAspects[0].orb, 0.0);
}

TEST(BiWheelLayout, CloseOuterBodiesAreSpreadAboutTheirMean) {
    // Longitudes 100 and 102 lie at angles 80 and 78; spread to 79 -/+ the least spread,
    // which is 3·G2/2 = 46.5 along Rs = 473: 46.5 / 473 · 180 / 3.14 degrees.
    const ChartData outer = chartWith({{Bodies::Sun, 100.0}, {Bodies::Moon, 102.0}});
    const BiWheelLayout w = BiWheelLayout::compute(chartWith({}), outer, fromAries(), {}, kSquare);
    const double least = 46.5 / 473.0 * 180.0 / 3.14;
    EXPECT_NEAR(w.leastSpread, least, 1e-12);
    EXPECT_NEAR(w.outerBodies[0].shownAngle, 79.0 + least / 2.0, 1e-9);
    EXPECT_NEAR(w.outerBodies[1].shownAngle, 79.0 - least / 2.0, 1e-9);
    // The tick leaves from where the body is and leans to its symbol.
    EXPECT_EQ(w.outerBodies[0].tick.from, w.inner.pointAt(401, 80.0));
    EXPECT_EQ(w.outerBodies[0].tick.to, w.inner.pointAt(416, 79.0 + least / 2.0));
}

TEST(BiWheelLayout, SpreadCentresRunsAndJoinsThemAcrossAries) {
    struct Case {
        const char* what;
        std::vector<double> angles;
        std::vector<double> expected;
    };
    const Case cases[] = {
        {"far apart stay", {10.0, 100.0}, {10.0, 100.0}},
        {"a pair about its mean", {100.0, 102.0}, {98.0, 104.0}},
        {"three on one point", {10.0, 10.0, 10.0}, {4.0, 10.0, 16.0}},
        // 100 and 105 spread to 99.5, 105.5, which reaches 111: all three about 316/3.
        {"a run that reaches the next joins it",
         {100.0, 105.0, 111.0},
         {316.0 / 3 - 6.0, 316.0 / 3, 316.0 / 3 + 6.0}},
        // 359 and 1 are 2 apart across 0: spread about 360 to 357 and 363, that is 3.
        {"across 0 Aries", {1.0, 359.0}, {3.0, 357.0}},
    };
    for (const Case& c : cases) {
        const auto spread = BiWheelLayout::spread(c.angles, 6.0);
        ASSERT_EQ(spread.size(), c.expected.size()) << c.what;
        for (std::size_t k = 0; k < spread.size(); ++k)
            EXPECT_NEAR(spread[k], c.expected[k], 1e-9) << c.what << " #" << k;
    }
}

}  // namespace
}  // namespace orvanta
