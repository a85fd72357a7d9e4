#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "natal/AspectTableTexts.h"

namespace orvanta {
namespace {

// Every expected text below is the written rule applied by hand to the value; the values are
// chosen to be exact in binary so that halves really are halves.
TEST(AspectTableTextsTest, DegreeKeepsTwoDigitsEachSideOfThePoint) {
    EXPECT_EQ(AspectTableTexts::degree(5.25), "05.25");
    EXPECT_EQ(AspectTableTexts::degree(0.004), "00.00");
    EXPECT_EQ(AspectTableTexts::degree(0.0), "00.00");
    EXPECT_EQ(AspectTableTexts::degree(17.5), "17.50");
    // 12.5 hundredths: the half goes up.
    EXPECT_EQ(AspectTableTexts::degree(0.125), "00.13");
    // Rounding may carry into the whole degrees, even up to the sign's end.
    EXPECT_EQ(AspectTableTexts::degree(9.999), "10.00");
    EXPECT_EQ(AspectTableTexts::degree(29.9999), "30.00");
}

TEST(AspectTableTextsTest, DegreesAndMinutesRoundToTheNearestMinute) {
    // By hand: 0.1 degree is 6 minutes; 5.999 degrees is 359.94 minutes, rounded 360 = 6°00′;
    // 29.9999 rounds up to 30°00′ as the decimal form rounds to 30.00.
    const std::pair<double, const char*> cases[] = {
        {22.1, "22°06′"}, {0.0, "00°00′"},     {5.999, "06°00′"},   {29.9999, "30°00′"},
        {7.5, "07°30′"},  {12.0083, "12°00′"}, {12.0084, "12°01′"}, {-5.25, "-05°15′"},
    };
    for (const auto& [degree, text] : cases)
        EXPECT_EQ(AspectTableTexts::degreesAndMinutes(degree), text) << degree;
    EXPECT_EQ(AspectTableTexts::degreesAndMinutes(std::nan("")), "");
    EXPECT_EQ(AspectTableTexts::position(22.1, DegreeNotation::Decimal), "22.10");
    EXPECT_EQ(AspectTableTexts::position(22.1, DegreeNotation::DegreesMinutes), "22°06′");
}

TEST(AspectTableTextsTest, SeparationDropsTrailingZerosButKeepsThePoint) {
    EXPECT_EQ(AspectTableTexts::separationText(5.3), "5.3");
    EXPECT_EQ(AspectTableTexts::separationText(120.0), "120.");
    EXPECT_EQ(AspectTableTexts::separationText(100.5), "100.5");
    EXPECT_EQ(AspectTableTexts::separationText(10.0), "10.");
    EXPECT_EQ(AspectTableTexts::separationText(0.0), "0.");
    EXPECT_EQ(AspectTableTexts::separationText(0.04), "0.");
    EXPECT_EQ(AspectTableTexts::separationText(180.0), "180.");
    EXPECT_EQ(AspectTableTexts::separationText(0.25), "0.3");
    EXPECT_EQ(AspectTableTexts::separationText(12.25), "12.3");
    // 9.6 tenths round to a whole degree: "0010" -> "001.0" -> "001." -> "1.".
    EXPECT_EQ(AspectTableTexts::separationText(0.96), "1.");
    EXPECT_EQ(AspectTableTexts::separationText(99.96), "100.");
}

TEST(AspectTableTextsTest, SeparationIsMeasuredTheShortWayRound) {
    EXPECT_DOUBLE_EQ(AspectTableTexts::separation(10.0, 350.0), 20.0);
    EXPECT_DOUBLE_EQ(AspectTableTexts::separation(350.0, 10.0), 20.0);
    EXPECT_DOUBLE_EQ(AspectTableTexts::separation(0.0, 180.0), 180.0);
    EXPECT_DOUBLE_EQ(AspectTableTexts::separation(359.5, 0.5), 1.0);
    EXPECT_DOUBLE_EQ(AspectTableTexts::separation(100.0, 220.0), 120.0);
    // A stored chart with a longitude beyond a turn: 690 degrees apart is 330, so 30.
    EXPECT_DOUBLE_EQ(AspectTableTexts::separation(700.0, 10.0), 30.0);
}

TEST(AspectTableTextsTest, DamagedNumbersGiveNoText) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(AspectTableTexts::degree(nan), "");
    EXPECT_EQ(AspectTableTexts::degree(inf), "");
    EXPECT_EQ(AspectTableTexts::degree(1e300), "");
    EXPECT_EQ(AspectTableTexts::degree(-5.25), "-05.25");
    EXPECT_TRUE(std::isnan(AspectTableTexts::separation(nan, 10.0)));
    EXPECT_TRUE(std::isnan(AspectTableTexts::separation(inf, 10.0)));
    EXPECT_EQ(AspectTableTexts::separationText(nan), "");
    EXPECT_EQ(AspectTableTexts::separationText(1e300), "");
    // A huge but finite pair still folds into 0..180.
    const double s = AspectTableTexts::separation(1e17, 0.0);
    EXPECT_GE(s, 0.0);
    EXPECT_LE(s, 180.0);
}

}  // namespace
}  // namespace orvanta
