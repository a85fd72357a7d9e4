#include <gtest/gtest.h>

#include "calc/ChartData.h"
#include "support/BitmapBuilder.h"

namespace orvanta {
namespace {

ObjectStyle withPictures() {
    ObjectStyle style;
    style.shown = 0;
    style.identifier = 7;
    style.name = "Сатурн";
    style.label = "время";
    EXPECT_TRUE(
        style.symbol.assign(testing::packedBitmap(testing::markedTrueColour(2, 2, 0xFFFFFF))));
    EXPECT_TRUE(style.pictogram.assign(testing::packedBitmap(testing::markedTrueColour(3, 3, 0))));
    return style;
}

// The copy holds the same bitmap, not a second one: copying a chart's style costs no pixels.
void expectSharedPictures(const ObjectStyle& copy, const ObjectStyle& original) {
    EXPECT_EQ(copy.name, original.name);
    EXPECT_EQ(copy.label, original.label);
    EXPECT_EQ(copy.shown, original.shown);
    EXPECT_EQ(copy.identifier, original.identifier);
    EXPECT_EQ(copy.symbol.width(), 2);
    EXPECT_EQ(copy.pictogram.width(), 3);
    EXPECT_EQ(copy.symbol.revision(), original.symbol.revision());
    EXPECT_EQ(&copy.symbol.bytes(), &original.symbol.bytes());
    EXPECT_EQ(&copy.pictogram.bytes(), &original.pictogram.bytes());
}

TEST(ObjectStyle, CopiesShareThePicturesAndANewBitmapReplacesOnlyItsOwn) {
    const ObjectStyle original = withPictures();
    ObjectStyle copy(original);
    expectSharedPictures(copy, original);

    ObjectStyle assigned;
    assigned = original;
    expectSharedPictures(assigned, original);

    ASSERT_TRUE(copy.symbol.assign(testing::packedBitmap(testing::markedTrueColour(5, 4, 0))));
    copy.pictogram.clear();
    EXPECT_EQ(copy.symbol.width(), 5);
    EXPECT_NE(copy.symbol.revision(), original.symbol.revision());
    EXPECT_EQ(original.symbol.width(), 2);
    EXPECT_EQ(original.pictogram.width(), 3);
    EXPECT_EQ(assigned.symbol.width(), 2);
}

TEST(ChartData, CopyKeepsTheStyleWithItsPicturesAndPositionsApart) {
    ChartData chart;
    chart[5].setLongitude(123.5);
    chart.style[5] = withPictures();

    // A progressed or directed chart starts as a copy of the natal one and moves only its
    // positions; it is drawn with the natal pictures.
    ChartData moved = chart;
    moved[5].setLongitude(200.0);
    expectSharedPictures(moved.style[5], chart.style[5]);
    EXPECT_EQ(chart[5].longitude, 123.5);
    EXPECT_EQ(moved[5].sign, 7);
}

}  // namespace
}  // namespace orvanta
