// Positions at an instant through the engine library's second entry, checked against Swiss
// Ephemeris called here directly with the engine's flags, against the chart computation's
// entry at whole minutes, and against hand-worked mean-motion epochs.
#include <gtest/gtest.h>
#include <swephexp.h>

#include <cmath>
#include <filesystem>
#include <limits>
#include <string>
#include <thread>
#include <vector>

#include "calc/ChartComputation.h"
#include "calc/EngineArguments.h"
#include "calc/EngineEphemeris.h"
#include "calc/HouseSystems.h"
#include "calc/MeanMotionPoints.h"
#include "common/AppFolder.h"

namespace orvanta {
namespace {

constexpr int kFlags = SEFLG_SWIEPH | SEFLG_SPEED;
constexpr double kTolerance = 1e-9;

// Body number and Swiss Ephemeris body for the thirteen the engine takes from Swiss Ephemeris.
constexpr std::pair<int, int> kSwissBodies[] = {
    {Bodies::Sun, SE_SUN},          {Bodies::Moon, SE_MOON},     {Bodies::Mercury, SE_MERCURY},
    {Bodies::Venus, SE_VENUS},      {Bodies::Mars, SE_MARS},     {Bodies::Jupiter, SE_JUPITER},
    {Bodies::Saturn, SE_SATURN},    {Bodies::Chiron, SE_CHIRON}, {Bodies::Uranus, SE_URANUS},
    {Bodies::Neptune, SE_NEPTUNE},  {Bodies::Pluto, SE_PLUTO},   {Bodies::NorthNode, SE_MEAN_NODE},
    {Bodies::Lilith, SE_MEAN_APOG},
};

struct Instant {
    const char* what;
    double julianDayUt;
};

// Universal Time Julian days from swe_julday of the Gregorian dates named.
const Instant kInstants[] = {
    {"15.6.1860 12:00", swe_julday(1860, 6, 15, 12.0, SE_GREG_CAL)},
    {"J2000", 2451545.0},
    {"1.3.2130 18:30", swe_julday(2130, 3, 1, 18.5, SE_GREG_CAL)},
    {"Mercury retrograde, 1.3.2000 00:00", swe_julday(2000, 3, 1, 0.0, SE_GREG_CAL)},
    {"12.4.1961 06:07:00.3", swe_julday(1961, 4, 12, 6.0 + 7.0 / 60.0 + 0.3 / 3600.0, SE_GREG_CAL)},
};

BodyPosition swissDirect(int swissBody, double julianDayUt) {
    double xx[6] = {};
    char error[AS_MAXCH] = {};
    EXPECT_GE(swe_calc_ut(julianDayUt, swissBody, kFlags, xx, error), 0) << error;
    return {xx[0], xx[1], xx[3]};
}

void expectSame(const std::optional<BodyPosition>& actual, const BodyPosition& expected) {
    ASSERT_TRUE(actual.has_value());
    EXPECT_NEAR(actual->longitude, expected.longitude, kTolerance);
    EXPECT_NEAR(actual->latitude, expected.latitude, kTolerance);
    EXPECT_NEAR(actual->speed, expected.speed, kTolerance);
}

class EngineEphemerisTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        ephemeris_ = EngineEphemeris::openInApplicationFolder().release();
        swe_set_ephe_path(AppFolder::path().c_str());
    }
    static void TearDownTestSuite() {
        delete ephemeris_;
        ephemeris_ = nullptr;
    }
    void SetUp() override {
        ASSERT_NE(ephemeris_, nullptr) << "no engine in the application folder";
    }

    static EngineEphemeris* ephemeris_;
};

EngineEphemeris* EngineEphemerisTest::ephemeris_ = nullptr;

TEST_F(EngineEphemerisTest, BodiesAgreeWithSwissEphemerisCalledDirectly) {
    for (const Instant& instant : kInstants) {
        SCOPED_TRACE(instant.what);
        const auto all = ephemeris_->bodies(instant.julianDayUt);
        for (const auto& [number, swissBody] : kSwissBodies) {
            SCOPED_TRACE(number);
            const BodyPosition expected = swissDirect(swissBody, instant.julianDayUt);
            expectSame(ephemeris_->body(number, instant.julianDayUt), expected);
            expectSame(all[static_cast<std::size_t>(number)], expected);
        }
        // The South Node is opposite the mean node and moves with it.
        const BodyPosition node = swissDirect(SE_MEAN_NODE, instant.julianDayUt);
        const BodyPosition opposite{std::fmod(node.longitude + 180.0, 360.0), -node.latitude,
                                    node.speed};
        expectSame(ephemeris_->body(Bodies::SouthNode, instant.julianDayUt), opposite);
        expectSame(all[Bodies::SouthNode], opposite);
    }
}

TEST_F(EngineEphemerisTest, ARetrogradePlanetHasANegativeSpeed) {
    // Mercury stood still on 21 February 2000 and turned direct again on 14 March (almanac).
    const auto mercury = ephemeris_->body(Bodies::Mercury, swe_julday(2000, 3, 1, 0.0, 1));
    ASSERT_TRUE(mercury.has_value());
    EXPECT_LT(mercury->speed, 0.0);
}

TEST_F(EngineEphemerisTest, CuspsAgreeWithSwissEphemerisForEveryHouseSystem) {
    static constexpr char kMethods[] = "PKECXROMTDLW";
    struct Place {
        double latitude;
        double longitude;
    };
    const Place places[] = {{55.75, 37.0 + 37.0 / 60.0}, {-33.87, 151.2}, {70.0, -20.5}};
    for (const Instant& instant : kInstants) {
        for (const Place& place : places) {
            for (int system = 0; system < HouseSystems::kCount; ++system) {
                SCOPED_TRACE(std::string(instant.what) + " " + std::to_string(place.latitude) +
                             " " + std::string(HouseSystems::name(system)));
                double cusps[13] = {};
                double ascmc[10] = {};
                const bool exact =
                    swe_houses_ex(instant.julianDayUt, 0, place.latitude, place.longitude,
                                  kMethods[system], cusps, ascmc) >= 0;
                const auto actual = ephemeris_->houses(instant.julianDayUt, place.latitude,
                                                       place.longitude, system);
                ASSERT_TRUE(actual.has_value());
                EXPECT_EQ(actual->exact, exact);
                for (int house = 1; house <= 12; ++house) {
                    EXPECT_NEAR(actual->cusp[static_cast<std::size_t>(house)], cusps[house],
                                kTolerance);
                }
                EXPECT_NEAR(actual->ascendant, ascmc[SE_ASC], kTolerance);
                EXPECT_NEAR(actual->mc, ascmc[SE_MC], kTolerance);
            }
        }
    }
    // Placidus cannot be built at 70 degrees north; the check above compared the fallback.
    EXPECT_FALSE(ephemeris_->houses(2451545.0, 70.0, 0.0, 0)->exact);
}

// The sample chart: Moscow, 12 April 1961, 09:07 at three hours ahead of Universal Time.
ChartRequest sampleChart() {
    ChartRequest request;
    request.day = 12;
    request.month = 4;
    request.year = 1961;
    request.hour = 9;
    request.minute = 7;
    request.timeZone = 3.0;
    request.latitude = 55.75;
    request.longitude = 37.0 + 37.0 / 60.0;
    request.houseSystem = 0;
    return request;
}

TEST_F(EngineEphemerisTest, AgreesWithTheChartEntryAtAWholeMinute) {
    const ChartRequest request = sampleChart();
    const double julianDayUt = swe_julday(1961, 4, 12, 6.0 + 7.0 / 60.0, SE_GREG_CAL);

    EngineLoader loader(EngineLoader::defaultLibraryPath());
    ASSERT_TRUE(loader.load());
    EngineLoader::Result result{};
    ASSERT_EQ(loader.call(EngineArguments::build(request), result), 0);
    // Result index of the chart entry for each body it answers (signed: negative retrograde).
    const std::pair<int, int> indexOfBody[] = {
        {Bodies::Sun, 1},     {Bodies::Moon, 2},    {Bodies::Mercury, 3}, {Bodies::Venus, 4},
        {Bodies::Mars, 5},    {Bodies::Jupiter, 6}, {Bodies::Saturn, 7},  {Bodies::Uranus, 8},
        {Bodies::Neptune, 9}, {Bodies::Pluto, 10},  {Bodies::Chiron, 11}, {Bodies::NorthNode, 16},
        {Bodies::Lilith, 17},
    };
    for (const auto& [number, index] : indexOfBody) {
        const auto position = ephemeris_->body(number, julianDayUt);
        ASSERT_TRUE(position.has_value());
        const double signedLongitude = result[static_cast<std::size_t>(index)];
        EXPECT_NEAR(position->longitude, std::fabs(signedLongitude), kTolerance) << number;
        EXPECT_EQ(position->speed < 0.0, signedLongitude < 0.0) << number;
    }
    const auto cusps =
        ephemeris_->houses(julianDayUt, request.latitude, request.longitude, request.houseSystem);
    ASSERT_TRUE(cusps.has_value());
    for (int house = 1; house <= 12; ++house) {
        EXPECT_NEAR(cusps->cusp[static_cast<std::size_t>(house)],
                    result[static_cast<std::size_t>(20 + house)], kTolerance);
    }
    EXPECT_NEAR(cusps->ascendant, cusps->cusp[1], kTolerance);
}

TEST_F(EngineEphemerisTest, ProserpinaAndSelenaAgreeWithTheChartComputation) {
    // Whole minutes in Universal Time; years where the chart's calendar is the Gregorian one.
    const DateTime moments[] = {
        {6, 7, 12, 4, 1961}, {0, 0, 1, 1, 1901}, {23, 59, 31, 12, 2099}, {13, 45, 29, 2, 2024}};
    for (const DateTime& ut : moments) {
        const double julianDayUt =
            swe_julday(ut.year, ut.month, ut.day, ut.hour + ut.minute / 60.0, SE_GREG_CAL);
        SCOPED_TRACE(ut.year);
        const double proserpina = std::fmod(MeanMotionPoints::proserpina(ut), 360.0);
        const double selena = std::fmod(MeanMotionPoints::selena(ut), 360.0);
        EXPECT_NEAR(ephemeris_->body(Bodies::Proserpina, julianDayUt)->longitude, proserpina,
                    kTolerance);
        EXPECT_NEAR(ephemeris_->body(Bodies::Selena, julianDayUt)->longitude, selena, kTolerance);
    }
}

TEST_F(EngineEphemerisTest, MeanMotionPointsStartFromTheirEpochsAtTheirMeanRates) {
    struct Case {
        int body;
        double epoch;          // Julian day of the start of the chart computation's day count
        double atEpoch;        // degrees
        double degreesPerDay;  // the arc minutes per day of the chart computation, over 60
    };
    const Case cases[] = {
        {Bodies::Proserpina, 2421644.5, 180.0, 1800.0 / 23730.0 / 60.0},        // 20.2.1918
        {Bodies::Selena, 2415020.5, 8350.0 / 60.0, 308600.0 / 36524.0 / 60.0},  // 1.1.1900
    };
    for (const Case& c : cases) {
        const auto atEpoch = ephemeris_->body(c.body, c.epoch);
        ASSERT_TRUE(atEpoch.has_value());
        EXPECT_NEAR(atEpoch->longitude, c.atEpoch, 1e-12);
        EXPECT_EQ(atEpoch->latitude, 0.0);
        EXPECT_NEAR(atEpoch->speed, c.degreesPerDay, 1e-15);
        const auto later = ephemeris_->body(c.body, c.epoch + 1000.0);
        EXPECT_NEAR(later->longitude, std::fmod(c.atEpoch + 1000.0 * c.degreesPerDay, 360.0), 1e-9);
    }
}

TEST_F(EngineEphemerisTest, NoBodyNumberAndDaysOutsideTheSpanGiveNothing) {
    for (int number : {-1, 0, 17, 33}) EXPECT_FALSE(ephemeris_->body(number, 2451545.0)) << number;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    for (double day : {EphemerisContract::kFirstDay - 1.0, EphemerisContract::kLastDay + 1.0, nan,
                       infinity, -infinity}) {
        SCOPED_TRACE(day);
        EXPECT_FALSE(ephemeris_->body(Bodies::Sun, day));
        EXPECT_FALSE(ephemeris_->body(Bodies::Selena, day));
        for (const auto& position : ephemeris_->bodies(day)) EXPECT_FALSE(position);
        EXPECT_FALSE(ephemeris_->houses(day, 55.75, 37.6, 0));
    }
    EXPECT_TRUE(ephemeris_->body(Bodies::Sun, EphemerisContract::kFirstDay));
    EXPECT_TRUE(ephemeris_->body(Bodies::Sun, EphemerisContract::kLastDay));
}

TEST_F(EngineEphemerisTest, PlacesAndHouseSystemsOutOfRangeGiveNoCusps) {
    EXPECT_FALSE(ephemeris_->houses(2451545.0, 55.75, 37.6, -1));
    EXPECT_FALSE(ephemeris_->houses(2451545.0, 55.75, 37.6, 12));
    EXPECT_FALSE(ephemeris_->houses(2451545.0, 90.5, 37.6, 0));
    EXPECT_FALSE(ephemeris_->houses(2451545.0, 55.75, -180.5, 0));
}

TEST_F(EngineEphemerisTest, ABodyWithoutItsEphemerisFileIsMissingAlone) {
    // Chiron comes only from the asteroid file, delivered for 1800 to 2400; the planets fall
    // back to the analytical theory.
    const double in1700 = swe_julday(1700, 1, 1, 0.0, SE_GREG_CAL);
    EXPECT_FALSE(ephemeris_->body(Bodies::Chiron, in1700));
    const auto all = ephemeris_->bodies(in1700);
    EXPECT_FALSE(all[Bodies::Chiron]);
    EXPECT_TRUE(all[Bodies::Sun]);
    EXPECT_TRUE(all[Bodies::Selena]);
}

TEST_F(EngineEphemerisTest, ThreadsCallingAtOnceGetTheAnswersOfOneThread) {
    constexpr int kThreads = 4;
    constexpr int kDays = 200;
    std::vector<Ephemeris::BodyPositions> expected;
    for (int day = 0; day < kDays; ++day) expected.push_back(ephemeris_->bodies(2451545.0 + day));
    std::vector<int> mismatches(kThreads, 0);
    std::vector<std::string> planetFiles(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            // Swiss Ephemeris may keep its state per thread: each must read the delivered files.
            ephemeris_->body(Bodies::Sun, 2451545.0);
            double start = 0.0;
            double end = 0.0;
            int number = 0;
            const char* file = swe_get_current_file_data(0, &start, &end, &number);
            planetFiles[static_cast<std::size_t>(t)] = file != nullptr ? file : "";
            for (int i = 0; i < kDays; ++i) {
                const int day = (i * (t + 1)) % kDays;  // the threads ask in different orders
                const auto positions = ephemeris_->bodies(2451545.0 + day);
                for (int number = 1; number <= Bodies::kBodyCount; ++number) {
                    const auto& a = positions[static_cast<std::size_t>(number)];
                    const auto& b =
                        expected[static_cast<std::size_t>(day)][static_cast<std::size_t>(number)];
                    if (!a || !b || a->longitude != b->longitude || a->speed != b->speed) {
                        ++mismatches[static_cast<std::size_t>(t)];
                    }
                }
            }
        });
    }
    for (auto& thread : threads) thread.join();
    const std::string delivered = (AppFolder::path() / "sepl_18.se1").string();
    for (int t = 0; t < kThreads; ++t) {
        EXPECT_EQ(mismatches[static_cast<std::size_t>(t)], 0) << t;
        EXPECT_EQ(
            std::filesystem::path(planetFiles[static_cast<std::size_t>(t)]).lexically_normal(),
            std::filesystem::path(delivered).lexically_normal());
    }
}

TEST(EngineEphemerisOpening, ALibraryWithoutTheEntryOrNoLibraryGivesNoEphemeris) {
    EXPECT_EQ(EngineEphemeris::open(ORVANTA_FAKE_ENGINE_DIR "/libOrvanta.so"), nullptr);
    EXPECT_EQ(EngineEphemeris::open("/nonexistent/libOrvanta.so"), nullptr);
}

}  // namespace
}  // namespace orvanta
