// Positions at an instant through the engine library's second entry, checked against Swiss
// Ephemeris called here directly with the engine's flags, and against the chart computation
// (the engine's first entry and the program's own Proserpina and Selena) at a whole minute.
#include <gtest/gtest.h>
#include <swephexp.h>

#include <cmath>
#include <filesystem>
#include <limits>
#include <string>
#include <thread>
#include <vector>

#include "calc/ChartComputation.h"
#include "calc/EngineEphemeris.h"
#include "calc/EngineLoader.h"
#include "common/AppFolder.h"

namespace orvanta {
namespace {

constexpr double kTolerance = 1e-9;
const double kJ2000 = 2451545.0;

class EngineEphemerisTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        ephemeris_ = EngineEphemeris::openInApplicationFolder().release();
        swe_set_ephe_path(AppFolder::path().c_str());
    }
    static void TearDownTestSuite() { delete ephemeris_; }
    void SetUp() override {
        ASSERT_NE(ephemeris_, nullptr) << "no engine in the application folder";
    }

    static inline EngineEphemeris* ephemeris_ = nullptr;
};

TEST_F(EngineEphemerisTest, BodiesAndCuspsAgreeWithSwissEphemerisCalledDirectly) {
    const std::pair<int, int> swissBodies[] = {{Bodies::Sun, SE_SUN},
                                               {Bodies::Moon, SE_MOON},
                                               {Bodies::Mercury, SE_MERCURY},
                                               {Bodies::Venus, SE_VENUS},
                                               {Bodies::Mars, SE_MARS},
                                               {Bodies::Jupiter, SE_JUPITER},
                                               {Bodies::Saturn, SE_SATURN},
                                               {Bodies::Chiron, SE_CHIRON},
                                               {Bodies::Uranus, SE_URANUS},
                                               {Bodies::Neptune, SE_NEPTUNE},
                                               {Bodies::Pluto, SE_PLUTO},
                                               {Bodies::Lilith, SE_MEAN_APOG},
                                               {Bodies::NorthNode, SE_MEAN_NODE},
                                               {Bodies::SouthNode, SE_MEAN_NODE}};
    // Mercury stood still on 21 February 2000 and turned direct on 14 March (almanac).
    const double mercuryRetrograde = swe_julday(2000, 3, 1, 0.0, SE_GREG_CAL);
    for (double day : {swe_julday(1860, 6, 15, 12.0, SE_GREG_CAL), kJ2000, mercuryRetrograde,
                       swe_julday(2130, 3, 1, 18.5 + 0.3 / 3600.0, SE_GREG_CAL)}) {
        SCOPED_TRACE(std::to_string(day));
        const auto all = ephemeris_->bodies(day);
        for (const auto& [number, swissBody] : swissBodies) {
            double xx[6] = {};
            char error[AS_MAXCH] = {};
            ASSERT_GE(swe_calc_ut(day, swissBody, SEFLG_SWIEPH | SEFLG_SPEED, xx, error), 0);
            if (number == Bodies::SouthNode) {  // opposite the node, moving with it
                xx[0] = std::fmod(xx[0] + 180.0, 360.0);
                xx[1] = -xx[1];
            }
            for (const auto& position : {ephemeris_->body(number, day), all[number]}) {
                ASSERT_TRUE(position) << number;
                EXPECT_NEAR(position->longitude, xx[0], kTolerance) << number;
                EXPECT_NEAR(position->latitude, xx[1], kTolerance) << number;
                EXPECT_NEAR(position->speed, xx[3], kTolerance) << number;
            }
        }
        for (double latitude : {55.75, -33.87, 70.0}) {  // 70 north: no Placidus, Koch, ...
            for (int system = 0; system < 12; ++system) {
                double cusps[13] = {};
                double ascmc[10] = {};
                const bool exact = swe_houses_ex(day, 0, latitude, 37.6, "PKECXROMTDLW"[system],
                                                 cusps, ascmc) >= 0;
                const auto actual = ephemeris_->houses(day, latitude, 37.6, system);
                ASSERT_TRUE(actual);
                EXPECT_EQ(actual->exact, exact) << latitude << " " << system;
                for (int house = 1; house <= 12; ++house) {
                    EXPECT_NEAR(actual->cusp[house], cusps[house], kTolerance) << system;
                }
                EXPECT_NEAR(actual->ascendant, ascmc[SE_ASC], kTolerance);
                EXPECT_NEAR(actual->mc, ascmc[SE_MC], kTolerance);
            }
        }
    }
    EXPECT_LT(ephemeris_->body(Bodies::Mercury, mercuryRetrograde)->speed, 0.0);
    EXPECT_FALSE(ephemeris_->houses(kJ2000, 70.0, 37.6, 0)->exact);
}

TEST_F(EngineEphemerisTest, AgreesWithTheChartOfTheSampleMoment) {
    // Moscow, 12 April 1961, 09:07 at three hours ahead: 06:07 Universal Time.
    const ChartRequest request{12, 4, 1961, 9, 7, 3.0, 55.75, 37.0 + 37.0 / 60.0, 0};
    const double day = swe_julday(1961, 4, 12, 6.0 + 7.0 / 60.0, SE_GREG_CAL);
    ChartComputation computation;
    ChartData chart;
    ASSERT_TRUE(computation.compute(request, chart));
    for (int number = 1; number <= Bodies::kBodyCount; ++number) {
        const auto position = ephemeris_->body(number, day);
        ASSERT_TRUE(position);
        EXPECT_NEAR(position->longitude, chart[number].longitude, kTolerance) << number;
        EXPECT_EQ(position->speed < 0.0, chart[number].retrograde == 1) << number;
    }
    const auto cusps = ephemeris_->houses(day, request.latitude, request.longitude, 0);
    ASSERT_TRUE(cusps);
    for (int house = 1; house <= 12; ++house) {
        EXPECT_NEAR(cusps->cusp[house], chart[Bodies::cuspOfHouse(house)].longitude, kTolerance);
    }
    // Proserpina and Selena move at their mean rates: a day's motion is their speed.
    for (int number : {int(Bodies::Proserpina), int(Bodies::Selena)}) {
        const auto next = ephemeris_->body(number, day + 1.0);
        EXPECT_NEAR(next->longitude - ephemeris_->body(number, day)->longitude, next->speed, 1e-9);
        EXPECT_EQ(next->latitude, 0.0);
    }
}

TEST_F(EngineEphemerisTest, WhatCannotBeComputedGivesNothing) {
    for (int number : {-1, 0, 17}) EXPECT_FALSE(ephemeris_->body(number, kJ2000)) << number;
    const double infinity = std::numeric_limits<double>::infinity();
    for (double day : {EphemerisContract::kFirstDay - 1.0, EphemerisContract::kLastDay + 1.0,
                       std::numeric_limits<double>::quiet_NaN(), infinity, -infinity}) {
        EXPECT_FALSE(ephemeris_->body(Bodies::Selena, day)) << day;
        for (const auto& position : ephemeris_->bodies(day)) EXPECT_FALSE(position) << day;
        EXPECT_FALSE(ephemeris_->houses(day, 55.75, 37.6, 0)) << day;
    }
    EXPECT_TRUE(ephemeris_->body(Bodies::Sun, EphemerisContract::kFirstDay));
    EXPECT_TRUE(ephemeris_->body(Bodies::Sun, EphemerisContract::kLastDay));
    EXPECT_FALSE(ephemeris_->houses(kJ2000, 55.75, 37.6, 12));
    EXPECT_FALSE(ephemeris_->houses(kJ2000, 90.5, 37.6, 0));
    EXPECT_FALSE(ephemeris_->houses(kJ2000, 55.75, -180.5, 0));
    // Chiron comes only from the asteroid file (1800 to 2400): missing alone in 1700.
    const auto in1700 = ephemeris_->bodies(swe_julday(1700, 1, 1, 0.0, SE_GREG_CAL));
    EXPECT_FALSE(in1700[Bodies::Chiron]);
    EXPECT_TRUE(in1700[Bodies::Sun]);
}

TEST_F(EngineEphemerisTest, ThreadsCallingAtOnceGetTheAnswersOfOneThread) {
    constexpr int kThreads = 4;
    constexpr int kDays = 200;
    std::vector<Ephemeris::BodyPositions> expected;
    for (int day = 0; day < kDays; ++day) expected.push_back(ephemeris_->bodies(kJ2000 + day));
    std::vector<int> mismatches(kThreads, 0);
    std::vector<std::string> planetFiles(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < kDays; ++i) {
                const int day = (i * (t + 1)) % kDays;  // each thread in its own order
                const auto positions = ephemeris_->bodies(kJ2000 + day);
                for (int n = 1; n <= Bodies::kBodyCount; ++n) {
                    if (positions[n]->longitude != expected[day][n]->longitude) ++mismatches[t];
                }
            }
            // A Swiss Ephemeris build may keep its state per thread: each must read our files.
            double start = 0.0;
            double end = 0.0;
            int number = 0;
            planetFiles[t] = swe_get_current_file_data(0, &start, &end, &number);
        });
    }
    for (auto& thread : threads) thread.join();
    const auto delivered = (AppFolder::path() / "sepl_18.se1").lexically_normal();
    for (int t = 0; t < kThreads; ++t) {
        EXPECT_EQ(mismatches[t], 0) << t;
        EXPECT_EQ(std::filesystem::path(planetFiles[t]).lexically_normal(), delivered) << t;
    }
}

TEST(EngineVersion, TheLibraryNamesTheSwissEphemerisItWasBuiltWith) {
    char direct[256] = {};
    swe_version(direct);
    ASSERT_NE(direct[0], '\0');
    EXPECT_EQ(EngineLoader(EngineLoader::defaultLibraryPath()).swissEphemerisVersion(), direct);
    // A library without the entry, or none at all, tells nothing.
    EXPECT_EQ(EngineLoader(ORVANTA_FAKE_ENGINE_DIR "/libOrvanta.so").swissEphemerisVersion(), "");
    EXPECT_EQ(EngineLoader("/nonexistent/libOrvanta.so").swissEphemerisVersion(), "");
}

TEST(EngineEphemerisOpening, ALibraryWithoutTheEntryOrNoLibraryGivesNoEphemeris) {
    EXPECT_EQ(EngineEphemeris::open(ORVANTA_FAKE_ENGINE_DIR "/libOrvanta.so"), nullptr);
    EXPECT_EQ(EngineEphemeris::open("/nonexistent/libOrvanta.so"), nullptr);
}

}  // namespace
}  // namespace orvanta
