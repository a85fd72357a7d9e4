#include <gtest/gtest.h>

#include "calc/ChartData.h"

namespace orvanta {
namespace {

TEST(ObjectPosition, LongitudeSplitsIntoSignDegreesMinutesSeconds) {
    ObjectPosition o;
    o.setLongitude(0.0);
    EXPECT_EQ(o.sign, 1);
    EXPECT_EQ(o.degreeInSign, 0.0);
    EXPECT_EQ(o.minutes, 0.0);
    EXPECT_EQ(o.seconds, 0.0);

    o.setLongitude(29.9999);
    EXPECT_EQ(o.sign, 1);
    EXPECT_NEAR(o.degreeInSign, 29.9999, 1e-12);

    o.setLongitude(30.0);
    EXPECT_EQ(o.sign, 2);
    EXPECT_EQ(o.degreeInSign, 0.0);

    o.setLongitude(359.5);
    EXPECT_EQ(o.sign, 12);
    EXPECT_EQ(o.degreeInSign, 29.5);
    EXPECT_EQ(o.minutes, 30.0);
    EXPECT_EQ(o.seconds, 0.0);

    // 123.456789° = Leo 3° 27' 24.4404": fractions are kept, nothing is rounded.
    o.setLongitude(123.456789);
    EXPECT_EQ(o.sign, 5);
    EXPECT_NEAR(o.degreeInSign, 3.456789, 1e-9);
    EXPECT_NEAR(o.minutes, 27.40734, 1e-7);
    EXPECT_NEAR(o.seconds, 24.4404, 1e-5);
}

TEST(ChartData, NewRecordHasDefaultsAndNamedBodies) {
    ChartData chart;
    for (const auto& position : chart.objects) EXPECT_EQ(position.longitude, 0.0);
    for (const auto& o : chart.style.objects) {
        EXPECT_EQ(o.shown, 1);
        EXPECT_EQ(o.transitUse, 1);
        EXPECT_EQ(o.radixUse, 1);
        EXPECT_EQ(o.label, "<not defined>");
        EXPECT_TRUE(o.name.empty());
        EXPECT_TRUE(o.symbol.isEmpty());
    }
    chart.style.assignBodyNames();
    EXPECT_EQ(chart.style[1].name, "Солнце");
    EXPECT_EQ(chart.style[13].name, "В.Узел");
    EXPECT_EQ(chart.style[16].name, "Лилит");
    EXPECT_EQ(chart.style[16].identifier, 16);
    EXPECT_TRUE(chart.style[0].name.empty());
    EXPECT_TRUE(chart.style[17].name.empty());
    EXPECT_EQ(chart.style[17].identifier, 0);
}

}  // namespace
}  // namespace orvanta
