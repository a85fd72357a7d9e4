#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <vector>

#include "CliRunner.h"
#include "support/ByteLayout.h"
#include "support/ScratchFolder.h"

namespace orvanta {
namespace {

using testing::runCli;

const std::string kMoscow1961 =
    "chart --date 12.04.1961 --time 09:07 --zone 3 --lat 55.75 --lon 37.6167";

std::vector<double> jsonNumbers(const std::string& json, const std::string& key) {
    std::vector<double> values;
    const std::string marker = "\"" + key + "\":";
    for (auto at = json.find(marker); at != std::string::npos; at = json.find(marker, at + 1)) {
        values.push_back(std::stod(json.substr(at + marker.size(), 32)));
    }
    return values;
}

TEST(ChartCommand, JsonListsEveryObjectWithItsFields) {
    const auto result = runCli(kMoscow1961 + " --json");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out.rfind("{\"objects\":[{\"number\":1,\"name\":\"Солнце\",\"longitude\":", 0),
              0u);
    const auto numbers = jsonNumbers(result.out, "number");
    ASSERT_EQ(numbers.size(), 28u);
    EXPECT_EQ(numbers.front(), 1);
    EXPECT_EQ(numbers.back(), 28);
    const auto longitudes = jsonNumbers(result.out, "longitude");
    const auto signs = jsonNumbers(result.out, "sign");
    const auto degrees = jsonNumbers(result.out, "degree");
    ASSERT_EQ(longitudes.size(), 28u);
    // Sun on 12 April 1961 at 6:07 UT: 22°05' Aries (swetest gives 22.0988°).
    EXPECT_NEAR(longitudes[0], 22.0988, 0.001);
    for (std::size_t i = 0; i < longitudes.size(); ++i) {
        EXPECT_EQ(signs[i], std::floor(longitudes[i] / 30.0) + 1);
        EXPECT_NEAR(degrees[i], std::fmod(longitudes[i], 30.0), 1e-9);
    }
    EXPECT_NE(result.out.find("\"name\":\"Лилит\""), std::string::npos);
    EXPECT_NE(result.out.find("\"retrograde\":1"), std::string::npos);  // the node at least
}

TEST(ChartCommand, HouselessChartHasSixteenObjectsAndTableHasAllRows) {
    const auto houseless = runCli(kMoscow1961 + " --houses none --json");
    ASSERT_EQ(houseless.exitCode, 0) << houseless.err;
    EXPECT_EQ(jsonNumbers(houseless.out, "number").size(), 16u);

    const auto table = runCli(kMoscow1961 + " --houses Whole --name 'Иван Петров' --place Москва");
    ASSERT_EQ(table.exitCode, 0) << table.err;
    EXPECT_NE(table.out.find("Имя: Иван Петров"), std::string::npos);
    EXPECT_NE(table.out.find("Прозерпина"), std::string::npos);
    EXPECT_NE(table.out.find("Дом 12"), std::string::npos);
    // Whole-sign cusps fall on the sign boundaries.
    EXPECT_NE(table.out.find("Дом 1 "), std::string::npos);
}

TEST(ChartCommand, BadArgumentsAreRefusedWithExitCode2AndAReason) {
    const std::vector<std::string> bad = {
        "chart --date 30.02.2001 --time 12:00 --zone 3 --lat 55 --lon 37",
        "chart --date 29.02.1900 --time 12:00 --zone 3 --lat 55 --lon 37",
        "chart --date 29.02.2100 --time 12:00 --zone 3 --lat 55 --lon 37",
        "chart --date 01.01.1859 --time 12:00 --zone 3 --lat 55 --lon 37",
        "chart --date 1.1 --time 12:00 --zone 3 --lat 55 --lon 37",
        "chart --date 01.01.2000 --time 25:00 --zone 3 --lat 55 --lon 37",
        "chart --date 01.01.2000 --time 12:60 --zone 3 --lat 55 --lon 37",
        "chart --date 01.01.2000 --time 12 --zone 3 --lat 55 --lon 37",
        "chart --date 01.01.2000 --time 12:00 --zone abc --lat 55 --lon 37",
        "chart --date 01.01.2000 --time 12:00 --zone 30 --lat 55 --lon 37",
        "chart --date 01.01.2000 --time 12:00 --zone 3 --lat 91 --lon 37",
        "chart --date 01.01.2000 --time 12:00 --zone 3 --lat 55 --lon -181",
        "chart --date 01.01.2000 --time 12:00 --zone 3 --lat nan --lon 37",
        "chart --time 12:00 --zone 3 --lat 55 --lon 37",
        "chart --date 01.01.2000 --time 12:00 --zone 3 --lat 55 --lon 37 --houses placidus",
        "chart --date 01.01.2000 --time 12:00 --zone 3 --lat 55 --lon 37 --bogus",
        "chart --date 01.01.2000 --time 12:00 --zone 3 --lat 55 --lon 37 --name '★'",
        "chart --date 01.01.2000 --time 12:00 --zone 3 --lat 55 --lon",
        "nosuchcommand",
        "",
    };
    for (const auto& arguments : bad) {
        const auto result = runCli(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments;
        EXPECT_FALSE(result.err.empty()) << arguments;
        EXPECT_TRUE(result.out.empty()) << arguments;
    }
    // Midnight written as 24:00 is the next day's start.
    EXPECT_EQ(runCli("chart --date 31.12.2000 --time 24:00 --zone 0 --lat 0 --lon 0").exitCode, 0);
}

double sunLongitude(const std::string& arguments) {
    const auto result = runCli(arguments + " --json");
    EXPECT_EQ(result.exitCode, 0) << arguments << "\n" << result.err;
    const auto objects = result.out.find("\"objects\"");
    if (objects == std::string::npos) return -1.0;
    const auto longitudes = jsonNumbers(result.out.substr(objects), "longitude");
    return longitudes.empty() ? -1.0 : longitudes[0];
}

TEST(ChartCommand, PlaceGivesTheCoordinatesAndItsClockOfThatDay) {
    // The delivered "Екатеринбург" lies at 56°50' N 60°36' E, within 20 km of the atlas city,
    // whose clock was six hours ahead of Greenwich in the summer of 1985.
    const auto result = runCli("chart --place Екатеринбург --date 15.07.1985 --time 12:00 --json");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out.rfind("{\"place\":{\"name\":\"Екатеринбург\",\"latitude\":56.8333", 0),
              0U);
    EXPECT_NE(result.out.find("\"zone\":{\"name\":\"Asia/Yekaterinburg\",\"offset_hours\":6}"),
              std::string::npos);
    const std::string explicitly =
        "chart --date 15.07.1985 --time 12:00 --lat 56.833333333333336 --lon 60.6";
    EXPECT_EQ(sunLongitude("chart --place Екатеринбург --date 15.07.1985 --time 12:00"),
              sunLongitude(explicitly + " --zone 6"));
    // An explicit zone wins over the place's clock.
    EXPECT_EQ(sunLongitude("chart --place Екатеринбург --date 15.07.1985 --time 12:00 --zone 5"),
              sunLongitude(explicitly + " --zone 5"));
    const auto table = runCli("chart --place Колкат --date 1.6.1990 --time 12:00");
    EXPECT_NE(table.out.find("Пояс: Asia/Kolkata, UTC+5:30"), std::string::npos);

    // New York, 1957: 02:30 on 28 April never happened; 01:30 on 27 October happened twice.
    const auto skipped = runCli("chart --place Нью-Йорк --date 28.04.1957 --time 02:30");
    EXPECT_EQ(skipped.exitCode, 2);
    EXPECT_NE(skipped.err.find("от 02:00 до 03:00 не было"), std::string::npos);
    const std::string doubled = "chart --place Нью-Йорк --date 27.10.1957 --time 01:30";
    const auto asked = runCli(doubled);
    EXPECT_EQ(asked.exitCode, 2);
    EXPECT_NE(asked.err.find("было дважды"), std::string::npos);
    const std::string newYork =
        "chart --date 27.10.1957 --time 01:30 --lat 40.71427 --lon "
        "-74.00597";
    EXPECT_EQ(sunLongitude(doubled + " --earlier"), sunLongitude(newYork + " --zone -4"));
    EXPECT_EQ(sunLongitude(doubled + " --later"), sunLongitude(newYork + " --zone -5"));
    EXPECT_EQ(runCli(doubled + " --earlier --later").exitCode, 2);
    EXPECT_EQ(runCli("chart --place Щщщщ --date 1.1.2000 --time 12:00").exitCode, 2);
}

TEST(ChartCommand, PolarLatitudesRefuseTheSystemsThatCannotBeBuiltThere) {
    const auto chartAt = [](const std::string& latitude, const std::string& system) {
        return runCli("chart --date 21.06.1990 --time 12:00 --zone 3 --lon 33 --lat " + latitude +
                      " --houses " + system);
    };
    for (const char* system : {"Placidus", "Koch", "Campanus", "Regiomontanus", "Porphyry",
                               "Topocentric", "Neo-Porphyry"}) {
        for (const char* latitude : {"66.56", "-70", "89.9"}) {
            const auto refused = chartAt(latitude, system);
            EXPECT_EQ(refused.exitCode, 2) << system << " " << latitude;
            // The system and the limit are named, as batch names them.
            EXPECT_NE(refused.err.find("система домов " + std::string(system) + " не строится"),
                      std::string::npos)
                << refused.err;
            EXPECT_NE(refused.err.find("66.55°"), std::string::npos) << refused.err;
            EXPECT_TRUE(refused.out.empty());
        }
        // 66° 33' is the last latitude the entry takes with every system.
        EXPECT_EQ(chartAt("66.55", system).exitCode, 0) << system;
    }
    for (const char* system : {"Equa", "Meridian", "Morinus", "'Equal(MC)'", "Whole"}) {
        for (const char* latitude : {"70", "-70"}) {
            const auto accepted = chartAt(latitude, system);
            EXPECT_EQ(accepted.exitCode, 0) << system << " " << latitude << accepted.err;
            EXPECT_NE(accepted.out.find("Дом 12"), std::string::npos);
        }
    }
}

TEST(ChartCommand, WithoutTheEngineItSaysSoAndFails) {
    const auto result = runCli(kMoscow1961, "ORVANTA_HOME=/nonexistent-orvanta-home");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("ERROR IN DLL LOGIC..."), std::string::npos);
    EXPECT_TRUE(result.out.empty());
}

TEST(ChartCommand, ADamagedTimeChangeBaseIsRefusedInsteadOfGivingMoscowZero) {
    // One record announced, its day and month present: the base is cut short.
    const testing::ScratchFolder scratch;
    const std::filesystem::path& folder = scratch.path();
    std::filesystem::copy_file(ORVANTA_ENGINE, folder / "libOrvanta.so");
    testing::ScratchFolder::write(folder / "Timechg.tch",
                                  testing::ByteLayout().i32(1).i32(1).i32(1).bytes());
    const auto map = folder / "out.map";
    const auto result =
        runCli(kMoscow1961 + " -o " + map.string(), "ORVANTA_HOME=" + folder.string());
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("Timechg.tch"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("поврежден"), std::string::npos) << result.err;
    EXPECT_FALSE(std::filesystem::exists(map));
}

TEST(ChartCommand, WithoutEphemerisFilesPlanetsStillComeAndChironIsFlagged) {
    const testing::ScratchFolder scratch;
    const std::filesystem::path& folder = scratch.path();
    std::filesystem::copy_file(ORVANTA_ENGINE, folder / "libOrvanta.so");
    const auto result = runCli(kMoscow1961 + " --json", "ORVANTA_HOME=" + folder.string());
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.err.find("Хирона"), std::string::npos);
    const auto longitudes = jsonNumbers(result.out, "longitude");
    ASSERT_EQ(longitudes.size(), 28u);
    EXPECT_NEAR(longitudes[0], 22.0988, 0.001);  // the analytical theory is close enough
    EXPECT_EQ(longitudes[7], 0.0);               // Chiron could not be computed
}

}  // namespace
}  // namespace orvanta
