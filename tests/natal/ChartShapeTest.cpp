#include <gtest/gtest.h>

#include <vector>

#include "natal/ChartHouses.h"
#include "natal/ChartShape.h"
#include "support/HandChart.h"

namespace orvanta {
namespace {

struct ShapeCase {
    const char* name;
    std::vector<double> longitudes;
    ChartShape::Kind kind;
};

// Empty arcs worked by hand from the listed longitudes.
const std::vector<ShapeCase> kShapes = {
    // 350 to 90 spans 100 degrees, leaving 260 empty (across 0 Aries).
    {"Bundle", {350, 0, 20, 45, 60, 90}, ChartShape::Kind::Bundle},
    // 10 to 180: 170 degrees used, 190 empty.
    {"Bowl", {10, 40, 80, 120, 150, 180}, ChartShape::Kind::Bowl},
    // 0 to 150 and one planet at 270, 120 from each neighbour.
    {"Bucket", {0, 30, 60, 90, 120, 150, 270}, ChartShape::Kind::Bucket},
    // Largest empty arc 130 (200 to 330).
    {"Locomotive", {330, 0, 40, 80, 120, 160, 200}, ChartShape::Kind::Locomotive},
    // Two groups with empty arcs of 100 and 110 between them.
    {"Seesaw", {0, 20, 40, 140, 160, 180, 200, 220, 250}, ChartShape::Kind::Seesaw},
    // No empty arc reaches 60.
    {"Splash", {0, 45, 90, 135, 180, 225, 270, 315}, ChartShape::Kind::Splash},
};

class ChartShapeTest : public testing::TestWithParam<ShapeCase> {};

TEST_P(ChartShapeTest, NamesTheShapeFromTheEmptyArcs) {
    EXPECT_EQ(ChartShape::of(GetParam().longitudes), GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(HandShapes, ChartShapeTest, testing::ValuesIn(kShapes),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ChartShape, TheBucketHandleIsTheLonePlanet) {
    EXPECT_EQ(ChartShape::handleOf({0, 30, 270, 60, 90, 120, 150}), std::optional<std::size_t>(2));
    EXPECT_EQ(ChartShape::handleOf({10, 40, 80, 120, 150, 180}), std::nullopt);
}

TEST(ChartHouses, HouseOfCountsFromEachCuspAndWrapsAcrossAries) {
    ChartData chart = test::emptyHandChart();
    EXPECT_EQ(ChartHouses::houseOf(chart, 1), 0);  // no houses
    test::equalHouses(chart, 350.0);
    for (const auto& [longitude, house] :
         {std::pair{350.0, 1}, {359.9, 1}, {5.0, 1}, {19.99, 1}, {20.0, 2}, {349.9, 12}}) {
        test::placeBody(chart, 1, longitude);
        EXPECT_EQ(ChartHouses::houseOf(chart, 1), house) << longitude;
    }
}

}  // namespace
}  // namespace orvanta
