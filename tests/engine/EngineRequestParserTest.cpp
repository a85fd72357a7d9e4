#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "engine/EngineRequestParser.h"
#include "engine/EphemerisEngine.h"

namespace orvanta::engine {
namespace {

std::optional<EngineRequest> parse(std::array<const char*, 12> texts) {
    return EngineRequestParser::parse(12, texts.data());
}

constexpr std::array<const char*, 12> kMoscow = {"-1", "-b0",  "-c",   "5",   "qa",    "4",
                                                 "12", "1961", "9:07", "-3.", "37e37", "55n45"};

TEST(EngineRequestParser, ReadsAWellFormedRequest) {
    const auto request = parse(kMoscow);
    ASSERT_TRUE(request.has_value());
    EXPECT_EQ(request->houseSystem, 5);
    EXPECT_EQ(request->month, 4);
    EXPECT_EQ(request->day, 12);
    EXPECT_EQ(request->year, 1961);
    EXPECT_EQ(request->hour, 9);
    EXPECT_EQ(request->minute, 7);
    EXPECT_EQ(request->hoursToUniversal, -3.0);
    EXPECT_DOUBLE_EQ(request->longitude, 37.0 + 37.0 / 60.0);
    EXPECT_DOUBLE_EQ(request->latitude, 55.75);
}

TEST(EngineRequestParser, CoordinatesZonesAndTimesInEveryForm) {
    EXPECT_EQ(EngineRequestParser::parseCoordinate("33s30", 'n', 's', 90), -33.5);
    EXPECT_EQ(EngineRequestParser::parseCoordinate("74w00", 'e', 'w', 180), -74.0);
    EXPECT_EQ(EngineRequestParser::parseCoordinate("0e00", 'e', 'w', 180), 0.0);
    EXPECT_EQ(EngineRequestParser::parseCoordinate("10n60", 'n', 's', 90), 11.0);
    EXPECT_EQ(EngineRequestParser::parseCoordinate("90n00", 'n', 's', 90), 90.0);
    EXPECT_FALSE(EngineRequestParser::parseCoordinate("90n01", 'n', 's', 90));
    EXPECT_FALSE(EngineRequestParser::parseCoordinate("10n61", 'n', 's', 90));
    EXPECT_FALSE(EngineRequestParser::parseCoordinate("10e30", 'n', 's', 90));
    EXPECT_FALSE(EngineRequestParser::parseCoordinate("-10n30", 'n', 's', 90));
    EXPECT_FALSE(EngineRequestParser::parseCoordinate("n30", 'n', 's', 90));
    EXPECT_FALSE(EngineRequestParser::parseCoordinate("10n", 'n', 's', 90));
    EXPECT_FALSE(EngineRequestParser::parseCoordinate("10n300", 'n', 's', 90));

    EXPECT_EQ(EngineRequestParser::parseDecimal("-3."), -3.0);
    EXPECT_EQ(EngineRequestParser::parseDecimal("2.5"), 2.5);
    EXPECT_EQ(EngineRequestParser::parseDecimal("0."), 0.0);
    EXPECT_EQ(EngineRequestParser::parseDecimal("-1.e-05"), -1e-5);
    EXPECT_FALSE(EngineRequestParser::parseDecimal("nan"));
    EXPECT_FALSE(EngineRequestParser::parseDecimal("inf"));
    EXPECT_FALSE(EngineRequestParser::parseDecimal("3.0x"));
    EXPECT_FALSE(EngineRequestParser::parseDecimal(""));

    EXPECT_EQ(EngineRequestParser::parseTime("0:00"), std::make_pair(0, 0));
    EXPECT_EQ(EngineRequestParser::parseTime("23:59"), std::make_pair(23, 59));
    EXPECT_FALSE(EngineRequestParser::parseTime("7:5"));
    EXPECT_FALSE(EngineRequestParser::parseTime("25:00"));
    EXPECT_FALSE(EngineRequestParser::parseTime("12:60"));
    EXPECT_FALSE(EngineRequestParser::parseTime("1200"));
}

TEST(EngineRequestParser, RefusesEveryMalformedField) {
    const std::vector<std::pair<int, const char*>> faults = {
        {0, "-2"},     {1, "-b1"},    {2, "c"},    {3, "12"},  {3, "-1"},    {3, "x"},
        {4, "qb"},     {5, "13"},     {5, "0"},    {6, "32"},  {6, "0"},     {7, "0"},
        {7, "3001"},   {7, "19x1"},   {8, "9-07"}, {9, "25."}, {9, "abc"},   {10, "181e00"},
        {10, "37n37"}, {11, "91n00"}, {11, "55s"}, {11, ""},   {9, "1e300"},
    };
    for (const auto& [index, text] : faults) {
        auto texts = kMoscow;
        texts[static_cast<std::size_t>(index)] = text;
        EXPECT_FALSE(parse(texts).has_value()) << "argument " << index << " = '" << text << "'";
    }
    auto april31 = kMoscow;
    april31[6] = "31";
    EXPECT_FALSE(parse(april31).has_value());
    auto feb29 = kMoscow;
    feb29[5] = "2";
    feb29[6] = "29";
    feb29[7] = "2000";
    EXPECT_TRUE(parse(feb29).has_value());
    for (const char* common : {"2101", "2100", "1900"}) {
        feb29[7] = common;
        EXPECT_FALSE(parse(feb29).has_value()) << common;
    }

    EXPECT_FALSE(EngineRequestParser::parse(11, kMoscow.data()).has_value());
    EXPECT_FALSE(EngineRequestParser::parse(12, nullptr).has_value());
    auto withNull = kMoscow;
    withNull[7] = nullptr;
    EXPECT_FALSE(parse(withNull).has_value());
}

TEST(EphemerisEngine, HouseSystemsMapToTheirSwissEphemerisMethods) {
    EXPECT_EQ(EphemerisEngine::houseMethod(0), 'P');   // Placidus
    EXPECT_EQ(EphemerisEngine::houseMethod(2), 'E');   // Equal from the Ascendant
    EXPECT_EQ(EphemerisEngine::houseMethod(4), 'X');   // Meridian, axial rotation
    EXPECT_EQ(EphemerisEngine::houseMethod(9), 'D');   // Equal from the MC
    EXPECT_EQ(EphemerisEngine::houseMethod(10), 'L');  // Pullen's sinusoidal delta
    EXPECT_EQ(EphemerisEngine::houseMethod(11), 'W');  // Whole sign
}

TEST(EphemerisEngine, UniversalTimeIsLocalTimePlusTheSentOffset) {
    // 1 January 2000, 15:00 at +3 is 12:00 UT, the epoch J2000.0 = JD 2451545.0.
    EngineRequest request;
    request.year = 2000;
    request.month = 1;
    request.day = 1;
    request.hour = 15;
    request.minute = 0;
    request.hoursToUniversal = -3.0;
    EXPECT_DOUBLE_EQ(EphemerisEngine::julianDayUniversal(request), 2451545.0);
}

}  // namespace
}  // namespace orvanta::engine
