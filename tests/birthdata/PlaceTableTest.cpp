#include <gtest/gtest.h>

#include "generator/PlaceTable.h"

namespace orvanta {
namespace {

const std::string kHeader = "name\tlatitude\tlongitude\tcountry\n";

std::string errorOf(const std::string& text) {
    try {
        PlaceTable::parse(text);
    } catch (const PlaceTable::Error& error) {
        return error.what();
    }
    return "";
}

TEST(PlaceTableTest, CoordinatesBecomeSignedDecimalDegrees) {
    const auto places = PlaceTable::parse(kHeader +
                                          "Москва\t55:45N\t37:37E\tРоссия\n"
                                          "Лондон\t51:30N\t0:07W\tВеликобритания\n"
                                          "\n"
                                          "Буэнос-Айрес\t34:36S\t58:23W\tАргентина\n");
    ASSERT_EQ(places.size(), 3u);
    EXPECT_EQ(places[0].name, "Москва");
    EXPECT_EQ(places[0].latitude, 55.75);
    EXPECT_DOUBLE_EQ(places[0].longitude, 37.0 + 37.0 / 60.0);
    EXPECT_EQ(places[1].latitude, 51.5);
    EXPECT_DOUBLE_EQ(places[1].longitude, -7.0 / 60.0);
    EXPECT_DOUBLE_EQ(places[2].latitude, -(34.0 + 36.0 / 60.0));
    EXPECT_DOUBLE_EQ(places[2].longitude, -(58.0 + 23.0 / 60.0));

    EXPECT_EQ(PlaceTable::parseCoordinate("90:00N", 'N', 'S', 90), 90.0);
    EXPECT_EQ(PlaceTable::parseCoordinate("180:00W", 'E', 'W', 180), -180.0);
}

TEST(PlaceTableTest, LinesTheBuildCannotUseAreRefusedWithTheirLine) {
    EXPECT_NE(errorOf("Москва\t55:45N\t37:37E\tРоссия\n").find("line 1: "), std::string::npos);
    EXPECT_NE(errorOf(""), "");
    const char* bad[] = {
        "Москва\t55:45N\t37:37E\n",             // three fields
        "Москва\t55:45N\t37:37E\tРоссия\tx\n",  // five
        "\t55:45N\t37:37E\tРоссия\n",           // no name
        "Москва \t55:45N\t37:37E\tРоссия\n",    // trailing space
        "Москва\t91:00N\t37:37E\tРоссия\n",     // beyond the pole
        "Москва\t90:01N\t37:37E\tРоссия\n",
        "Москва\t55:60N\t37:37E\tРоссия\n",  // 60 minutes
        "Москва\t55:45E\t37:37E\tРоссия\n",  // hemisphere of the other coordinate
        "Москва\t55.75N\t37:37E\tРоссия\n",
        "Москва\t55:5N\t37:37E\tРоссия\n",
        "Москва\t55:45N\t181:00E\tРоссия\n",
        "Москва\t55:45N\t-37:37E\tРоссия\n",
        "Tōkyō\t35:41N\t139:41E\tЯпония\n",  // ō is not in Windows-1251
    };
    for (const char* line : bad) {
        const std::string error =
            errorOf(kHeader + "Лондон\t51:30N\t0:07W\tВеликобритания\n" + line);
        EXPECT_EQ(error.rfind("line 3: ", 0), 0u) << line << " -> " << error;
    }
    // A second place of the same name (letter case aside) could never be found.
    const std::string twice =
        errorOf(kHeader + "Орёл\t52:58N\t36:05E\tРоссия\nОРЁЛ\t52:58N\t36:05E\tРоссия\n");
    EXPECT_EQ(twice.rfind("line 3: ", 0), 0u) << twice;
    EXPECT_NE(errorOf(kHeader + "Tōkyō\t35:41N\t139:41E\tЯпония\n").find("ō"), std::string::npos);
}

}  // namespace
}  // namespace orvanta
