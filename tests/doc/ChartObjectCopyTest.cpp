#include <gtest/gtest.h>

#include "calc/ChartData.h"
#include "support/BitmapBuilder.h"

namespace orvanta {
namespace {

ChartObject withPictures() {
    ChartObject object;
    object.setLongitude(123.5);
    object.retrograde = 1;
    object.shown = 0;
    object.identifier = 7;
    object.name = "Сатурн";
    object.label = "время";
    EXPECT_TRUE(
        object.symbol.assign(testing::packedBitmap(testing::markedTrueColour(2, 2, 0xFFFFFF))));
    EXPECT_TRUE(object.pictogram.assign(testing::packedBitmap(testing::markedTrueColour(3, 3, 0))));
    return object;
}

void expectSameFields(const ChartObject& copy, const ChartObject& original) {
    EXPECT_EQ(copy.longitude, original.longitude);
    EXPECT_EQ(copy.degreeInSign, original.degreeInSign);
    EXPECT_EQ(copy.seconds, original.seconds);
    EXPECT_EQ(copy.retrograde, original.retrograde);
    EXPECT_EQ(copy.shown, original.shown);
    EXPECT_EQ(copy.identifier, original.identifier);
    EXPECT_EQ(copy.name, original.name);
    EXPECT_EQ(copy.sign, original.sign);
    EXPECT_EQ(copy.label, original.label);
}

TEST(ChartObject, CopyingLeavesThePicturesBehindAndMovingTakesThem) {
    const ChartObject original = withPictures();

    const ChartObject copy(original);
    expectSameFields(copy, original);
    EXPECT_TRUE(copy.symbol.isEmpty());
    EXPECT_TRUE(copy.pictogram.isEmpty());

    ChartObject assigned = withPictures();
    assigned = original;  // the target's own pictures go too
    expectSameFields(assigned, original);
    EXPECT_TRUE(assigned.symbol.isEmpty());

    ChartObject source = withPictures();
    const ChartObject moved(std::move(source));
    EXPECT_EQ(moved.symbol.width(), 2);
    EXPECT_EQ(moved.pictogram.width(), 3);

    ChartData chart;
    chart[5] = withPictures();
    const ChartData copiedChart = chart;
    EXPECT_EQ(copiedChart[5].name, "Сатурн");
    EXPECT_TRUE(copiedChart[5].symbol.isEmpty());
    EXPECT_FALSE(chart[5].symbol.isEmpty());
}

}  // namespace
}  // namespace orvanta
