#include <gtest/gtest.h>

#include "events/AspectPoint.h"
#include "events/PassageDetection.h"
#include "events/TransitMarking.h"
#include "events/TransitOrdering.h"

namespace orvanta {
namespace {

TransitAspectTable table(std::initializer_list<double> angles) {
    TransitAspectTable aspects;
    int j = 0;
    for (double angle : angles) aspects[static_cast<std::size_t>(j++)].angle = angle;
    return aspects;
}

TEST(AspectPoint, ConjunctionAndOppositionGiveOnePointEveryOtherAspectTwo) {
    ChartData natal;
    natal.housesUnavailable = 1;
    natal[1].longitude = 10.0;
    // 0, 180 and 120, then fifteen more conjunctions: 1 + 1 + 2 + 15 points per object.
    const auto aspects = table({0.0, 180.0, 120.0});
    const auto points = AspectPoint::collect(natal, aspects);
    ASSERT_EQ(points.size(), 16u * 19u);  // bodies only: the chart has no houses
    // Object 1 first, in table order, +angle before -angle; reduced across 0 and 360.
    EXPECT_EQ(points[0].longitude, 10.0);
    EXPECT_EQ(points[1].longitude, 190.0);
    EXPECT_EQ(points[2].longitude, 130.0);
    EXPECT_EQ(points[3].longitude, 250.0);  // 10 - 120 + 360
    EXPECT_EQ(points[3].aspectIndex, 2);
    EXPECT_EQ(points[19].radix, 2);

    natal.housesUnavailable = 0;
    EXPECT_EQ(AspectPoint::collect(natal, aspects).size(), 28u * 19u);
    // More than two entries at 0 or 180 and none: every point gets room.
    EXPECT_EQ(AspectPoint::collect(natal, table({60.0, 90.0})).size(), 28u * (2u + 2u + 16u));
    EXPECT_EQ(AspectPoint::reduce(370.0), 10.0);
    EXPECT_EQ(AspectPoint::reduce(-30.0), 330.0);
}

// Passages worked by hand from the four cases.
TEST(PassageDetection, TheFourCasesAndTheirEdges) {
    struct Case {
        double previous, current, point;
        bool passed;
        double lowered, fraction;
    };
    const Case cases[] = {
        {10.0, 12.0, 11.0, true, 11.0, 0.5},   // direct
        {10.0, 12.0, 10.0, true, 10.0, 0.0},   // direct: at the previous longitude, passed
        {10.0, 12.0, 12.0, false, 0, 0},       // direct: at the current longitude, not yet
        {12.0, 10.0, 10.0, true, 10.0, 1.0},   // retrograde: at the current longitude, passed
        {12.0, 10.0, 12.0, false, 0, 0},       // retrograde: at the previous, not
        {12.0, 10.0, 11.5, true, 11.5, 0.25},  // retrograde
        {359.5, 0.5, 359.8, true, -0.2, 0.3},  // direct across 0 Aries
        {359.5, 0.5, 0.2, true, 0.2, 0.7},
        {359.5, 0.5, 0.5, false, 0, 0},
        {0.5, 359.5, 0.2, true, 0.2, 0.3},  // retrograde across 0 Aries
        {0.5, 359.5, 359.8, true, -0.2, 0.7},
        {0.5, 359.5, 0.5, false, 0, 0},
        {10.0, 10.0, 10.0, false, 0, 0},  // standing still
        {10.0, 35.0, 20.0, false, 0, 0},  // 20 degrees or more in one step
        {35.0, 10.0, 20.0, false, 0, 0},
        {10.0, 12.0, -1000.0, false, 0, 0},  // an empty point never matches
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.previous << " -> " << c.current << " over " << c.point);
        const auto passage = PassageDetection::detect(c.previous, c.current, c.point);
        ASSERT_EQ(passage.has_value(), c.passed);
        if (!passage) continue;
        EXPECT_NEAR(passage->point, c.lowered, 1e-12);
        EXPECT_NEAR(passage->fraction, c.fraction, 1e-9);
    }
}

TransitSituation at(double moment, int tag) {
    TransitSituation record;
    record.moment = moment;
    record.radix = tag;  // tells the records apart
    return record;
}

std::vector<int> tags(const TransitList& list) {
    std::vector<int> result;
    for (const auto& record : list) result.push_back(record.radix);
    return result;
}

TEST(TransitOrdering, AscendingWithEqualMomentsPlacedAsTheInsertionWalkPlacesThem) {
    // In order: equal moments keep their order.
    TransitList list = {at(5, 1), at(5, 2), at(7, 3)};
    TransitOrdering::sort(list);
    EXPECT_EQ(tags(list), (std::vector<int>{1, 2, 3}));
    // A record below its predecessor goes in front of the first record it does not exceed,
    // that is ahead of the records of its own moment: 3, then 3 again ahead of it.
    list = {at(5, 1), at(3, 2), at(3, 3), at(4, 4), at(9, 5), at(1, 6)};
    TransitOrdering::sort(list);
    EXPECT_EQ(tags(list), (std::vector<int>{6, 3, 2, 4, 1, 5}));
    // A first record below the head's 0 stays first.
    list = {at(-2, 1), at(-5, 2), at(-1, 3)};
    TransitOrdering::sort(list);
    EXPECT_EQ(tags(list), (std::vector<int>{2, 1, 3}));
}

TEST(TransitMarking, OnlyWhenAspectRadixAndTransitUseAreAllSet) {
    ChartData natal;
    ChartData transitBodies;
    TransitAspectTable aspects;
    aspects[4].included = 1;
    natal.style[17].radixUse = 1;
    natal.style[3].radixUse = 0;
    transitBodies.style[6].transitUse = 0;
    auto record = [](int aspect, int body, int radix, double orb) {
        TransitSituation r;
        r.aspectIndex = aspect;
        r.body = body;
        r.radix = radix;
        r.orb = orb;
        return r;
    };
    TransitList situations = {record(4, 1, 17, -6.0), record(3, 1, 17, 6.0), record(4, 1, 3, 6.0),
                              record(4, 6, 17, 6.0), record(4, 99, 17, 6.0)};
    TransitList orbs = {record(4, 2, 1, 8.0)};
    TransitMarking::mark(natal, aspects, transitBodies, situations, orbs);
    EXPECT_EQ(situations[0].orb, 6.0);   // all three set: switched back on
    EXPECT_EQ(situations[1].orb, -6.0);  // aspect not included
    EXPECT_EQ(situations[2].orb, -6.0);  // natal object not a radix object
    EXPECT_EQ(situations[3].orb, -6.0);  // body not a transiting body
    EXPECT_EQ(situations[4].orb, -6.0);  // no such body
    EXPECT_EQ(orbs[0].orb, 8.0);

    // Without houses the cusps stop being radix objects.
    natal.housesUnavailable = 1;
    TransitMarking::mark(natal, aspects, transitBodies, situations, orbs);
    EXPECT_EQ(natal.style[17].radixUse, 0);
    EXPECT_EQ(natal.style[28].radixUse, 0);
    EXPECT_EQ(situations[0].orb, -6.0);
}

}  // namespace
}  // namespace orvanta
