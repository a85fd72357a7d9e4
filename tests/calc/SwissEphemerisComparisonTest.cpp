// Compares whole charts computed through the real loader and engine with Debian's swetest for
// the same moments: the same library underneath, so this checks our wiring — zone sign,
// hemispheres, house system mapping, result indices and the retrograde sign.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "calc/ChartComputation.h"
#include "calc/HouseSystems.h"
#include "common/AppFolder.h"

namespace orvanta {
namespace {

struct Case {
    const char* what;
    ChartRequest local;  // coordinates given to the arc-minute, as the engine receives them
    const char* utDate;  // the same moment in Universal Time, worked out by hand
    const char* utTime;
};

double dm(int degrees, int minutes) {
    return degrees + minutes / 60.0;
}

std::vector<Case> cases() {
    return {
        {"Moscow, +3", {12, 4, 1961, 9, 7, 3.0, dm(55, 45), dm(37, 37), 0}, "12.4.1961", "6:07"},
        {"Kathmandu, +5:45, across midnight",
         {1, 1, 2000, 0, 30, 5.75, dm(27, 42), dm(85, 19), 0},
         "31.12.1999",
         "18:45"},
        {"New York, -4, across midnight",
         {15, 7, 1985, 20, 15, -4.0, dm(40, 43), -dm(74, 0), 0},
         "16.7.1985",
         "0:15"},
        {"Buenos Aires, -2:30, southern and western",
         {29, 2, 2024, 12, 0, -2.5, -dm(34, 36), -dm(58, 23), 0},
         "29.2.2024",
         "14:30"},
        {"Sydney, +10, southern and eastern",
         {3, 3, 1950, 6, 5, 10.0, -dm(33, 52), dm(151, 12), 0},
         "2.3.1950",
         "20:05"},
        {"Greenwich at the equator, hour 24",
         {31, 12, 2000, 24, 0, 0.0, 0.0, 0.0, 0},
         "1.1.2001",
         "0:00"},
    };
}

// swetest -fls prints the longitude and its daily speed, one line per body, then the cusps.
std::vector<std::pair<double, double>> runSwetest(const Case& c, char houseMethod) {
    std::ostringstream command;
    command.precision(10);
    command << "swetest -edir" << ORVANTA_EPHEMERIS_DIR << " -b" << c.utDate << " -ut" << c.utTime
            << " -p0123456789DmA -house" << c.local.longitude << "," << c.local.latitude << ","
            << houseMethod << " -fls -head 2>/dev/null";
    std::vector<std::pair<double, double>> rows;
    FILE* pipe = popen(command.str().c_str(), "r");
    if (pipe == nullptr) return rows;
    char line[256];
    while (std::fgets(line, sizeof line, pipe) != nullptr) {
        double longitude = 0.0;
        double speed = 0.0;
        if (std::sscanf(line, "%lf %lf", &longitude, &speed) == 2)
            rows.emplace_back(longitude, speed);
    }
    pclose(pipe);
    return rows;
}

double angularDistance(double a, double b) {
    const double d = std::fabs(std::fmod(a - b + 540.0, 360.0) - 180.0);
    return d;
}

class SwissEphemerisComparisonTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (std::system("command -v swetest >/dev/null 2>&1") != 0) {
            GTEST_SKIP() << "swetest is not installed";
        }
        AppFolder::setOverride(ORVANTA_EPHEMERIS_DIR);
    }
    void TearDown() override { AppFolder::setOverride({}); }
};

TEST_F(SwissEphemerisComparisonTest, BodiesAndAllTwelveHouseSystemsAgreeWithSwetest) {
    static constexpr char kMethods[] = "PKECXROMTDLW";
    // swetest order: Sun..Pluto, Chiron, mean node, mean apogee, then the cusps.
    static constexpr int kObjectOfRow[] = {1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 8, 13, 16};
    ChartComputation computation;
    for (const Case& c : cases()) {
        for (int system = 0; system < HouseSystems::kCount; ++system) {
            SCOPED_TRACE(std::string(c.what) + ", " + std::string(HouseSystems::name(system)));
            ChartRequest request = c.local;
            request.houseSystem = system;
            ChartData chart;
            ASSERT_TRUE(computation.compute(request, chart));
            ASSERT_EQ(computation.lastEngineStatus(), 0);
            const auto rows = runSwetest(c, kMethods[system]);
            ASSERT_GE(rows.size(), 25u);
            for (int row = 0; row < 13; ++row) {
                const ObjectPosition& body = chart[kObjectOfRow[row]];
                const std::string& name = chart.style[kObjectOfRow[row]].name;
                EXPECT_LT(angularDistance(body.longitude, rows[row].first), 0.001)
                    << name << " " << body.longitude << " vs " << rows[row].first;
                EXPECT_EQ(body.retrograde, rows[row].second < 0.0 ? 1 : 0) << name;
            }
            for (int house = 1; house <= 12; ++house) {
                EXPECT_LT(angularDistance(chart[16 + house].longitude, rows[12 + house].first),
                          0.001)
                    << "house " << house;
            }
            // The South Node is opposite the North Node.
            EXPECT_NEAR(angularDistance(chart[14].longitude, chart[13].longitude), 180.0, 1e-9);
        }
    }
}

}  // namespace
}  // namespace orvanta
