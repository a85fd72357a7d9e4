#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>
#include <utility>

#include "natal/FindNatalAspects.h"

namespace orvanta {

// Found by argument lookup, so they stay in the pair's namespace.
bool operator==(const NatalAspectPair& a, const NatalAspectPair& b) {
    return a.aspect == b.aspect && a.first == b.first && a.second == b.second;
}

void PrintTo(const NatalAspectPair& p, std::ostream* os) {
    *os << "(" << p.aspect << ": " << p.first << ", " << p.second << ")";
}

namespace {

// A chart with every object hidden: each test shows only the objects it places, so no other
// pair can match by accident.
ChartData emptyChart() {
    ChartData chart;
    chart.style.assignBodyNames();
    for (int i = 1; i <= 28; ++i) {
        chart.style[i].identifier = i;
        chart.style[i].shown = 0;
    }
    return chart;
}

void place(ChartData& chart, int object, double longitude) {
    chart[object].setLongitude(longitude);
    chart.style[object].shown = 1;
}

NatalAspectTable noAspects() {
    return {};
}

void setAspect(NatalAspectTable& table, int index, double angle, double orb) {
    table[index].angle = angle;
    table[index].orb = orb;
    table[index].included = 1;
}

using Pairs = std::vector<NatalAspectPair>;

TEST(FindNatalAspects, PairTestUsesFoldedSeparationAndExclusiveOrb) {
    ChartData chart = emptyChart();
    NatalAspectTable aspects = noAspects();
    setAspect(aspects, 4, 120.0, 8.0);
    const auto trine = [&](int i, int j) {
        return FindNatalAspects::test(chart, aspects, AspectConsumer::Table, 4, i, j);
    };

    place(chart, 1, 10.0);
    place(chart, 2, 130.0);  // exactly 120 apart
    EXPECT_TRUE(trine(1, 2));
    EXPECT_TRUE(trine(2, 1));
    place(chart, 2, 138.0);  // deviation 8 equals the orb: not counted
    EXPECT_FALSE(trine(1, 2));
    place(chart, 2, 137.9);
    EXPECT_TRUE(trine(1, 2));
    place(chart, 2, 112.5);  // 102.5 apart, deviation 17.5
    EXPECT_FALSE(trine(1, 2));

    // 10 and 250 are 240 apart one way and 120 the other.
    place(chart, 2, 250.0);
    EXPECT_TRUE(trine(1, 2));

    // 10 and 350 are 20 apart across 0 Aries.
    setAspect(aspects, 5, 20.0, 1.0);
    place(chart, 2, 350.0);
    EXPECT_TRUE(FindNatalAspects::test(chart, aspects, AspectConsumer::Wheel, 5, 1, 2));

    // An aspect switched off is never reported, whatever its orb.
    aspects[5].included = 0;
    aspects[5].orb = 360.0;
    EXPECT_FALSE(FindNatalAspects::test(chart, aspects, AspectConsumer::Wheel, 5, 1, 2));
}

TEST(FindNatalAspects, HiddenObjectsAndTheNodePairNeverFormAspects) {
    ChartData chart = emptyChart();
    NatalAspectTable aspects = noAspects();
    setAspect(aspects, 0, 0.0, 10.0);
    setAspect(aspects, 1, 180.0, 10.0);
    setAspect(aspects, 2, 90.0, 10.0);
    place(chart, 1, 100.0);
    place(chart, 2, 100.0);
    place(chart, 13, 10.0);
    place(chart, 14, 190.0);  // always opposite the North Node

    EXPECT_TRUE(FindNatalAspects::test(chart, aspects, AspectConsumer::Wheel, 0, 1, 2));
    chart.style[2].shown = 0;
    EXPECT_FALSE(FindNatalAspects::test(chart, aspects, AspectConsumer::Wheel, 0, 1, 2));
    EXPECT_FALSE(FindNatalAspects::test(chart, aspects, AspectConsumer::Table, 0, 2, 1));

    for (auto consumer : {AspectConsumer::Wheel, AspectConsumer::Table, AspectConsumer::Text}) {
        EXPECT_FALSE(FindNatalAspects::test(chart, aspects, consumer, 1, 13, 14));
        EXPECT_FALSE(FindNatalAspects::test(chart, aspects, consumer, 1, 14, 13));
        // Each node still aspects the others: the Sun at 100 squares both.
        EXPECT_TRUE(FindNatalAspects::test(chart, aspects, consumer, 2, 1, 13));
        EXPECT_TRUE(FindNatalAspects::test(chart, aspects, consumer, 2, 14, 1));
    }
    EXPECT_EQ(FindNatalAspects::all(chart, 16, aspects, AspectConsumer::Wheel),
              (Pairs{{2, 1, 13}, {2, 1, 14}}));
}

TEST(FindNatalAspects, OppositeCuspsAreNotReportedButOtherCuspAnglesAre) {
    ChartData chart = emptyChart();
    NatalAspectTable aspects = noAspects();
    setAspect(aspects, 0, 180.0, 5.0);
    setAspect(aspects, 1, 179.0, 5.0);  // nearly the same angle, but not exactly 180
    place(chart, 17, 15.0);
    place(chart, 23, 195.0);  // house 1 and house 7: exactly opposite
    place(chart, 1, 195.5);   // the Sun on the Descendant, opposite the Ascendant

    EXPECT_FALSE(FindNatalAspects::test(chart, aspects, AspectConsumer::Table, 0, 17, 23));
    EXPECT_TRUE(FindNatalAspects::test(chart, aspects, AspectConsumer::Table, 1, 17, 23));
    // A body opposite a cusp is no pair of cusps.
    EXPECT_TRUE(FindNatalAspects::test(chart, aspects, AspectConsumer::Table, 0, 1, 17));
    EXPECT_TRUE(FindNatalAspects::test(chart, aspects, AspectConsumer::Wheel, 0, 1, 17));
}

TEST(FindNatalAspects, WheelDrawsCuspAspectsOnlyBetweenBodiesAndAscendantOrMidheaven) {
    ChartData chart = emptyChart();
    NatalAspectTable aspects = noAspects();
    setAspect(aspects, 3, 90.0, 6.0);
    place(chart, 5, 100.0);   // Mars
    place(chart, 26, 10.0);   // Midheaven, 90 from Mars
    place(chart, 20, 190.0);  // cusp of house 4, also 90 from Mars
    place(chart, 17, 280.0);  // Ascendant, 180 from Mars, 90 from both meridian cusps
    place(chart, 18, 190.0);  // cusp of house 2, 90 from Mars

    const auto wheel = [&](int i, int j) {
        return FindNatalAspects::test(chart, aspects, AspectConsumer::Wheel, 3, i, j);
    };
    const auto table = [&](int i, int j) {
        return FindNatalAspects::test(chart, aspects, AspectConsumer::Table, 3, i, j);
    };
    EXPECT_TRUE(wheel(5, 26));
    EXPECT_TRUE(wheel(26, 5));
    EXPECT_FALSE(wheel(5, 20));   // the cusp of house 4 is never drawn
    EXPECT_FALSE(wheel(18, 5));   // nor any other intermediate cusp
    EXPECT_FALSE(wheel(17, 26));  // nor a pair of cusps, even Ascendant and Midheaven
    EXPECT_TRUE(table(5, 20));
    EXPECT_TRUE(table(18, 5));
    EXPECT_TRUE(table(17, 26));
    EXPECT_TRUE(table(17, 20));

    EXPECT_EQ(FindNatalAspects::all(chart, 28, aspects, AspectConsumer::Wheel),
              (Pairs{{3, 5, 26}}));
    // The table visits by later object, earlier object inside: 18 is 90 from Mars and from
    // the Ascendant, 20 likewise, 26 likewise; 18 and 20 are 0 apart, 18 and 26 180, Mars and
    // the Ascendant 180.
    EXPECT_EQ(FindNatalAspects::all(chart, 28, aspects, AspectConsumer::Table),
              (Pairs{{3, 5, 18}, {3, 17, 18}, {3, 5, 20}, {3, 17, 20}, {3, 5, 26}, {3, 17, 26}}));
    // The text never sees a cusp.
    EXPECT_TRUE(FindNatalAspects::all(chart, 28, aspects, AspectConsumer::Text).empty());
    // Without houses no cusp is visited at all.
    EXPECT_TRUE(FindNatalAspects::all(chart, 16, aspects, AspectConsumer::Table).empty());
}

// Four bodies with one aspect per pair and two pairs sharing each of two aspects:
//   Sun 0, Moon 200, Mercury 260, Venus 60.
//   Sun-Moon 160, Sun-Mercury 100, Sun-Venus 60, Moon-Mercury 60, Moon-Venus 140,
//   Mercury-Venus 160 (200 the long way).
class VisitingOrder : public ::testing::Test {
  protected:
    void SetUp() override {
        chart = emptyChart();
        place(chart, 1, 0.0);
        place(chart, 2, 200.0);
        place(chart, 3, 260.0);
        place(chart, 4, 60.0);
        setAspect(aspects, 0, 160.0, 1.0);
        setAspect(aspects, 1, 60.0, 1.0);
        setAspect(aspects, 2, 100.0, 1.0);
        setAspect(aspects, 3, 140.0, 1.0);
    }
    Pairs find(AspectConsumer consumer) {
        return FindNatalAspects::all(chart, 28, aspects, consumer);
    }
    ChartData chart;
    NatalAspectTable aspects = noAspects();
};

TEST_F(VisitingOrder, WheelGoesByAspectThenFirstThenSecondObject) {
    EXPECT_EQ(find(AspectConsumer::Wheel),
              (Pairs{{0, 1, 2}, {0, 3, 4}, {1, 1, 4}, {1, 2, 3}, {2, 1, 3}, {3, 2, 4}}));
}

TEST_F(VisitingOrder, TableGoesByAspectThenLaterThenEarlierObject) {
    EXPECT_EQ(find(AspectConsumer::Table),
              (Pairs{{0, 1, 2}, {0, 3, 4}, {1, 2, 3}, {1, 1, 4}, {2, 1, 3}, {3, 2, 4}}));
}

TEST_F(VisitingOrder, TextGoesByFirstBodyThenAspectThenSecondBody) {
    EXPECT_EQ(find(AspectConsumer::Text),
              (Pairs{{0, 1, 2}, {1, 1, 4}, {2, 1, 3}, {1, 2, 3}, {3, 2, 4}, {0, 3, 4}}));
}

TEST_F(VisitingOrder, OverlappingOrbsReportThePairForEachAspectInIndexOrder) {
    setAspect(aspects, 7, 58.0, 3.0);  // also takes the two 60 pairs
    EXPECT_EQ(find(AspectConsumer::Wheel), (Pairs{{0, 1, 2},
                                                  {0, 3, 4},
                                                  {1, 1, 4},
                                                  {1, 2, 3},
                                                  {2, 1, 3},
                                                  {3, 2, 4},
                                                  {7, 1, 4},
                                                  {7, 2, 3}}));
    EXPECT_EQ(find(AspectConsumer::Text), (Pairs{{0, 1, 2},
                                                 {1, 1, 4},
                                                 {2, 1, 3},
                                                 {7, 1, 4},
                                                 {1, 2, 3},
                                                 {3, 2, 4},
                                                 {7, 2, 3},
                                                 {0, 3, 4}}));
}

TEST_F(VisitingOrder, TheLastBodyIsVisitedAndSpareObjectsAreNot) {
    // Lilith at 100: 100 from the Sun and the Moon (aspect 2), 160 from Mercury (aspect 0),
    // 40 from Venus (none).
    place(chart, 16, 100.0);
    chart[29].setLongitude(0.0);
    chart.style[29].shown = 1;  // a spare object is never visited, even when marked shown
    const Pairs text = find(AspectConsumer::Text);
    EXPECT_EQ(text, (Pairs{{0, 1, 2},
                           {1, 1, 4},
                           {2, 1, 3},
                           {2, 1, 16},
                           {1, 2, 3},
                           {2, 2, 16},
                           {3, 2, 4},
                           {0, 3, 4},
                           {0, 3, 16}}));
    // An object count beyond the chart is held to its 28 objects.
    EXPECT_EQ(FindNatalAspects::all(chart, 40, aspects, AspectConsumer::Wheel),
              FindNatalAspects::all(chart, 28, aspects, AspectConsumer::Wheel));
}

TEST(FindNatalAspects, DamagedInputGivesNoAspectInsteadOfFailing) {
    ChartData chart = emptyChart();
    NatalAspectTable aspects = noAspects();
    setAspect(aspects, 0, 0.0, 400.0);  // an orb that would take any finite separation
    place(chart, 1, 10.0);
    place(chart, 2, 20.0);
    EXPECT_TRUE(FindNatalAspects::test(chart, aspects, AspectConsumer::Wheel, 0, 1, 2));
    EXPECT_FALSE(FindNatalAspects::test(chart, aspects, AspectConsumer::Wheel, -1, 1, 2));
    EXPECT_FALSE(FindNatalAspects::test(chart, aspects, AspectConsumer::Wheel, 18, 1, 2));
    EXPECT_FALSE(FindNatalAspects::test(chart, aspects, AspectConsumer::Wheel, 0, 0, 2));
    EXPECT_FALSE(FindNatalAspects::test(chart, aspects, AspectConsumer::Wheel, 0, 1, 33));
    EXPECT_FALSE(FindNatalAspects::test(chart, aspects, AspectConsumer::Wheel, 0, 1, 1));

    chart[2].longitude = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(FindNatalAspects::test(chart, aspects, AspectConsumer::Table, 0, 1, 2));
    chart[2].longitude = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(FindNatalAspects::test(chart, aspects, AspectConsumer::Table, 0, 1, 2));
    // A huge longitude is reduced by whole turns at once instead of one turn at a time:
    // 10 + 360e12 is exactly representable and exactly 0 apart from the Sun.
    chart[2].longitude = 10.0 + 360.0 * 1e12;
    aspects[0].orb = 1.0;
    EXPECT_TRUE(FindNatalAspects::test(chart, aspects, AspectConsumer::Table, 0, 1, 2));
    EXPECT_TRUE(FindNatalAspects::all(chart, 28, aspects, AspectConsumer::Table).size() == 1);
}

}  // namespace
}  // namespace orvanta
