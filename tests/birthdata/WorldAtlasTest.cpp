#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "birthdata/WorldAtlas.h"
#include "common/Windows1251.h"

namespace orvanta {
namespace {

// This program holds the atlas test alone, so the shared atlas is first read here, under a
// user who speaks German: the names must still come in Russian.
TEST(WorldAtlasTest, CitiesComeInRussianWhateverTheUserLanguage) {
    setenv("LANGUAGE", "de", 1);
    setenv("LC_ALL", "de_DE.UTF-8", 1);
    const WorldAtlas& atlas = WorldAtlas::shared();
    EXPECT_STREQ(std::getenv("LANGUAGE"), "de");  // put back after reading

    // Reference values: the GeoNames records of the cities (ids 1486209, 5128581, 524901).
    const auto yekaterinburg = atlas.search("Екат", 5);
    ASSERT_FALSE(yekaterinburg.empty());
    EXPECT_EQ(yekaterinburg[0]->label(), "Екатеринбург — Свердловская область, Россия");
    EXPECT_EQ(yekaterinburg[0]->zone, "Asia/Yekaterinburg");
    EXPECT_NEAR(yekaterinburg[0]->latitude, 56.8519, 0.01);
    EXPECT_NEAR(yekaterinburg[0]->longitude, 60.6122, 0.01);

    const auto newYork = atlas.search("нью-й", 3);
    ASSERT_FALSE(newYork.empty());
    EXPECT_EQ(newYork[0]->label(), "Нью-Йорк — Нью-Йорк, США");
    EXPECT_EQ(newYork[0]->zone, "America/New_York");

    // Letter case and "ё" do not matter; the most populous come first.
    const auto moscow = atlas.search("МОСК", 10);
    ASSERT_GE(moscow.size(), 2U);
    EXPECT_EQ(moscow[0]->name, "Москва");
    EXPECT_EQ(moscow[0]->zone, "Europe/Moscow");
    for (std::size_t i = 1; i < moscow.size(); ++i) {
        EXPECT_GE(moscow[i - 1]->population, moscow[i]->population);
    }
    const auto oryol = atlas.search("Орел", 1);
    ASSERT_FALSE(oryol.empty());
    EXPECT_EQ(oryol[0]->name, "Орёл");

    // Every name can become a place of "Place.PLB".
    EXPECT_GT(atlas.cities().size(), 20000U);
    for (const AtlasCity& city : atlas.cities()) {
        ASSERT_TRUE(Windows1251::canEncode(city.name)) << city.name;
    }
}

TEST(WorldAtlasTest, SamePlaceMeansSameNameWithinTwentyKilometres) {
    // One degree of latitude is 2·π·6371/360 = 111.19 km.
    EXPECT_NEAR(WorldAtlas::distanceKm(55.0, 37.0, 56.0, 37.0), 111.19, 0.01);
    const WorldAtlas atlas({
        {"Троицк", "Москва", "Россия", "Europe/Moscow", 55.48, 37.30, 40000},
        {"Троицк", "Челябинская область", "Россия", "Asia/Yekaterinburg", 54.10, 61.57, 75000},
    });
    // 0.15° of latitude north of the Moscow one: 16.7 km.
    EXPECT_EQ(atlas.findNear("троицк", 55.63, 37.30)->zone, "Europe/Moscow");
    // 0.2°: 22.2 km, too far for the same place.
    EXPECT_EQ(atlas.findNear("Троицк", 55.68, 37.30), nullptr);
    EXPECT_EQ(atlas.findNear("Троицкое", 55.48, 37.30), nullptr);
    const auto both = atlas.search("тро", 5);
    ASSERT_EQ(both.size(), 2U);
    EXPECT_EQ(both[0]->zone, "Asia/Yekaterinburg");
    EXPECT_TRUE(atlas.search("", 5).empty());
}

}  // namespace
}  // namespace orvanta
