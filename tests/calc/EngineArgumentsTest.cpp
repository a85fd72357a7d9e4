#include <gtest/gtest.h>

#include "calc/EngineArguments.h"

namespace orvanta {
namespace {

TEST(EngineArguments, ZoneIsNegatedInGeneralFormatKeepingThePoint) {
    EXPECT_EQ(EngineArguments::zoneText(3.0), "-3.");
    EXPECT_EQ(EngineArguments::zoneText(-2.5), "2.5");
    EXPECT_EQ(EngineArguments::zoneText(0.0), "0.");
    EXPECT_EQ(EngineArguments::zoneText(5.75), "-5.75");
    EXPECT_EQ(EngineArguments::zoneText(-10.0), "10.");
    // Nine significant digits, trailing zeros dropped.
    EXPECT_EQ(EngineArguments::zoneText(2.0 + 1.0 / 3.0), "-2.33333333");
    EXPECT_EQ(EngineArguments::zoneText(0.00001), "-1.e-05");
}

TEST(EngineArguments, CoordinatesAreDegreesLetterAndRoundedMinutes) {
    EXPECT_EQ(EngineArguments::coordinateText(55.75, 'n', 's'), "55n45");
    EXPECT_EQ(EngineArguments::coordinateText(37.6, 'e', 'w'), "37e36");
    EXPECT_EQ(EngineArguments::coordinateText(-33.5, 'n', 's'), "33s30");
    EXPECT_EQ(EngineArguments::coordinateText(0.0, 'n', 's'), "0n00");
    EXPECT_EQ(EngineArguments::coordinateText(0.0, 'e', 'w'), "0e00");
    EXPECT_EQ(EngineArguments::coordinateText(-74.0, 'e', 'w'), "74w00");
    EXPECT_EQ(EngineArguments::coordinateText(5.1, 'e', 'w'), "5e06");
    EXPECT_EQ(EngineArguments::coordinateText(-0.5, 'e', 'w'), "0w30");
    // 59.994 minutes round to 60 and are sent as such.
    EXPECT_EQ(EngineArguments::coordinateText(10.9999, 'n', 's'), "10n60");
    EXPECT_EQ(EngineArguments::coordinateText(-179.9999, 'e', 'w'), "179w60");
    // Half minutes round away from zero: 0.125° is exactly 7.5'.
    EXPECT_EQ(EngineArguments::coordinateText(12.125, 'n', 's'), "12n08");
    EXPECT_EQ(EngineArguments::coordinateText(-12.125, 'e', 'w'), "12w08");
}

TEST(EngineArguments, TheTwelveTextsOfARequest) {
    ChartRequest request;
    request.day = 1;
    request.month = 4;
    request.year = 1961;
    request.hour = 7;
    request.minute = 5;
    request.timeZone = 3.0;
    request.latitude = 55.75;
    request.longitude = 37.6;
    request.houseSystem = 5;
    const auto args = EngineArguments::build(request);
    const std::array<std::string, 12> expected = {"-1", "-b0",  "-c",   "5",   "qa",    "4",
                                                  "1",  "1961", "7:05", "-3.", "37e36", "55n45"};
    EXPECT_EQ(args, expected);

    request.houseSystem = -1;
    EXPECT_EQ(EngineArguments::build(request)[3], "0");
    request.houseSystem = 13;
    EXPECT_EQ(EngineArguments::build(request)[3], "0");
    request.houseSystem = 11;
    EXPECT_EQ(EngineArguments::build(request)[3], "11");

    request.hour = 23;
    request.minute = 10;
    EXPECT_EQ(EngineArguments::build(request)[8], "23:10");
}

TEST(EngineArguments, LongTextsAreCutToNineCharacters) {
    ChartRequest request;
    request.timeZone = 5.123456789;
    const auto args = EngineArguments::build(request);
    EXPECT_EQ(args[9], "-5.123456");
    for (const auto& text : args) EXPECT_LE(text.size(), 9u);
    // Nonsense coordinates stay short and cannot overflow anything.
    request.latitude = 1e300;
    request.longitude = std::numeric_limits<double>::quiet_NaN();
    for (const auto& text : EngineArguments::build(request)) EXPECT_LE(text.size(), 9u);
}

}  // namespace
}  // namespace orvanta
