#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "calc/ChartComputation.h"
#include "calc/HouseSystems.h"
#include "common/AppFolder.h"
#include "common/MessageSink.h"
#include "support/MessageRecorder.h"

namespace orvanta {
namespace {

// Talks to the stand-in engine through its extra exports; dlopen of the same path gives the
// same library instance that the computation loads.
class FakeEngine {
  public:
    FakeEngine() {
        const std::string path = std::string(ORVANTA_FAKE_ENGINE_DIR) + "/libOrvanta.so";
        handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        EXPECT_NE(handle_, nullptr) << dlerror();
    }
    ~FakeEngine() {
        status(0);
        dlclose(handle_);
    }

    void answer(const std::array<double, 33>& values) {
        reinterpret_cast<void (*)(const double*)>(dlsym(handle_, "FakeEngine_SetAnswer"))(
            values.data());
    }
    std::string argument(int index) {
        return reinterpret_cast<const char* (*)(int)>(dlsym(handle_, "FakeEngine_Argument"))(index);
    }
    int argumentCount() {
        return reinterpret_cast<int (*)()>(dlsym(handle_, "FakeEngine_ArgumentCount"))();
    }
    void status(int value) {
        reinterpret_cast<void (*)(int)>(dlsym(handle_, "FakeEngine_SetStatus"))(value);
    }

  private:
    void* handle_ = nullptr;
};

class ChartComputationTest : public ::testing::Test {
  protected:
    void SetUp() override { AppFolder::setOverride(ORVANTA_FAKE_ENGINE_DIR); }
    void TearDown() override { AppFolder::setOverride({}); }

    static ChartRequest moscowRequest() {
        ChartRequest r;
        r.day = 12;
        r.month = 4;
        r.year = 1961;
        r.hour = 9;
        r.minute = 7;
        r.timeZone = 3.0;
        r.latitude = 55.75;
        r.longitude = 37.6;
        r.houseSystem = 0;
        return r;
    }

    FakeEngine engine_;
    ChartComputation computation_;
    testing::MessageRecorder recorder_;
    std::vector<std::string>& messages_ = recorder_.messages;
};

TEST_F(ChartComputationTest, Hour24IsMidnightOfTheNextDayEvenAtTheYearsEnd) {
    ChartRequest r = moscowRequest();
    r.day = 31;
    r.month = 12;
    r.year = 2000;
    r.hour = 24;
    r.minute = 0;
    ChartData chart;
    ASSERT_TRUE(computation_.compute(r, chart));
    EXPECT_EQ(engine_.argumentCount(), 12);
    EXPECT_EQ(engine_.argument(5), "1");
    EXPECT_EQ(engine_.argument(6), "1");
    EXPECT_EQ(engine_.argument(7), "2001");
    EXPECT_EQ(engine_.argument(8), "0:00");
    EXPECT_TRUE(messages_.empty());
}

TEST_F(ChartComputationTest, EngineValuesLandInTheirObjectsWithRetrogradeAndSouthNode) {
    std::array<double, 33> answer{};
    for (std::size_t i = 0; i < answer.size(); ++i) answer[i] = 300.0 + static_cast<double>(i);
    answer[1] = -100.5;  // the Sun retrograde, to see the flag
    answer[8] = 8.0;     // Uranus
    answer[11] = 11.0;   // Chiron
    answer[16] = 200.0;  // North Node
    answer[17] = 17.0;   // Lilith
    engine_.answer(answer);
    ChartData chart;
    chart[0].longitude = 55.0;
    ASSERT_TRUE(computation_.compute(moscowRequest(), chart));

    EXPECT_EQ(chart[0].longitude, 0.0);
    EXPECT_EQ(chart[1].longitude, 100.5);
    EXPECT_EQ(chart[1].retrograde, 1);
    EXPECT_EQ(chart[1].sign, 4);
    EXPECT_EQ(chart[1].degreeInSign, 10.5);
    EXPECT_EQ(chart[1].minutes, 30.0);
    EXPECT_EQ(chart[2].longitude, 302.0);
    EXPECT_EQ(chart[2].retrograde, 0);
    EXPECT_EQ(chart[7].longitude, 307.0);
    EXPECT_EQ(chart[8].longitude, 11.0);  // Chiron from index 11
    EXPECT_EQ(chart[9].longitude, 8.0);   // Uranus from index 8
    EXPECT_EQ(chart[10].longitude, 309.0);
    EXPECT_EQ(chart[11].longitude, 310.0);
    EXPECT_EQ(chart[13].longitude, 200.0);
    EXPECT_EQ(chart[14].longitude, 20.0);  // South Node opposite
    EXPECT_EQ(chart[14].sign, 1);
    EXPECT_EQ(chart[16].longitude, 17.0);  // Lilith from index 17
    for (int house = 1; house <= 12; ++house) {
        EXPECT_EQ(chart[16 + house].longitude, 320.0 + house);
        EXPECT_EQ(chart.style[16 + house].identifier, 16 + house);
        EXPECT_EQ(chart[16 + house].retrograde, 0);
    }
    EXPECT_EQ(chart.style[1].name, "Солнце");
    EXPECT_EQ(chart.style[14].name, "Н.Узел");
    EXPECT_EQ(chart.style[14].identifier, 14);
}

TEST_F(ChartComputationTest, ARetrogradeNorthNodeMakesARetrogradeSouthNode) {
    std::array<double, 33> answer{};
    answer[16] = -170.0;
    engine_.answer(answer);
    ChartData chart;
    ASSERT_TRUE(computation_.compute(moscowRequest(), chart));
    EXPECT_EQ(chart[13].longitude, 170.0);
    EXPECT_EQ(chart[13].retrograde, 1);
    EXPECT_EQ(chart[14].longitude, 350.0);
    EXPECT_EQ(chart[14].retrograde, 1);
    // The reduction happens when the sum reaches 360 exactly too.
    answer[16] = 180.0;
    engine_.answer(answer);
    ASSERT_TRUE(computation_.compute(moscowRequest(), chart));
    EXPECT_EQ(chart[14].longitude, 0.0);
    EXPECT_EQ(chart[14].retrograde, 0);
}

TEST_F(ChartComputationTest, WithoutHousesTheCuspsStayExactlyAsTheyWere) {
    std::array<double, 33> answer{};
    for (std::size_t i = 0; i < answer.size(); ++i) answer[i] = static_cast<double>(i);
    engine_.answer(answer);
    ChartData chart;
    for (int number = 17; number <= 28; ++number) {
        chart[number].longitude = -7.0;  // even a value the post-processing would change
        chart[number].sign = 99;
        chart[number].retrograde = 5;
        chart.style[number].identifier = 1234;
        chart.style[number].label = "сохранено";
    }
    ChartRequest r = moscowRequest();
    r.houseSystem = -1;
    ASSERT_TRUE(computation_.compute(r, chart));
    EXPECT_EQ(engine_.argument(3), "0");
    for (int number = 17; number <= 28; ++number) {
        EXPECT_EQ(chart[number].longitude, -7.0);
        EXPECT_EQ(chart[number].sign, 99);
        EXPECT_EQ(chart[number].retrograde, 5);
        EXPECT_EQ(chart.style[number].identifier, 1234);
        EXPECT_EQ(chart.style[number].label, "сохранено");
    }
    EXPECT_EQ(chart[3].longitude, 3.0);
}

TEST_F(ChartComputationTest, ProserpinaAndSelenaComeFromUniversalTime) {
    engine_.answer({});
    ChartData chart;
    ChartRequest r = moscowRequest();
    // 20 February 1918, 3:00 at +3 is 0:00 UT: Proserpina at exactly 180, Virgo 30.
    r.day = 20;
    r.month = 2;
    r.year = 1918;
    r.hour = 3;
    r.minute = 0;
    ASSERT_TRUE(computation_.compute(r, chart));
    EXPECT_EQ(chart[12].longitude, 180.0);
    EXPECT_EQ(chart[12].sign, 6);
    EXPECT_EQ(chart[12].degreeInSign, 30.0);
    EXPECT_EQ(chart.style[12].name, "Прозерпина");

    // 31 December 1899, 21:00 at -3 is 1 January 1900, 0:00 UT: Selena at 8350' = 139°10'.
    r.day = 31;
    r.month = 12;
    r.year = 1899;
    r.hour = 21;
    r.timeZone = -3.0;
    ASSERT_TRUE(computation_.compute(r, chart));
    EXPECT_NEAR(chart[15].longitude, 8350.0 / 60.0, 1e-9);
    EXPECT_EQ(chart[15].sign, 5);
    EXPECT_NEAR(chart[15].degreeInSign, 8350.0 / 60.0 - 120.0, 1e-9);
    EXPECT_NEAR(chart[15].minutes, 10.0, 1e-7);
    EXPECT_EQ(chart[15].retrograde, 0);
}

TEST_F(ChartComputationTest, HouselessChartIsNotOrientedFromTheAscendant) {
    engine_.answer({});
    BirthData birth;
    ChartData chart;
    chart.housesUnavailable = 1;
    ZodiacOrientation orientation;
    orientation.fromAries = 0;
    orientation.fromAscendant = 1;
    orientation.direction = 1;
    ASSERT_TRUE(computation_.recomputeNatal(birth, -1, chart, orientation));
    EXPECT_EQ(orientation.fromAries, 1);
    EXPECT_EQ(orientation.fromAscendant, 0);
    EXPECT_EQ(orientation.direction, 1);

    // With houses, or with an arbitrary start, the orientation is left alone.
    chart.housesUnavailable = 0;
    orientation = {0, 0, 1, 0.0};
    ASSERT_TRUE(computation_.recomputeNatal(birth, 0, chart, orientation));
    EXPECT_EQ(orientation.fromAscendant, 1);
    chart.housesUnavailable = 1;
    orientation = {0, 0, 0, 15.0};
    ASSERT_TRUE(computation_.recomputeNatal(birth, -1, chart, orientation));
    EXPECT_EQ(orientation.fromAries, 0);
    EXPECT_EQ(orientation.angle, 15.0);
}

TEST_F(ChartComputationTest, HousesTheEngineCouldNotBuildAreReportedNotShown) {
    std::array<double, 33> values{};
    for (std::size_t i = 1; i < values.size(); ++i) values[i] = 3.0 * static_cast<double>(i);
    engine_.answer(values);
    engine_.status(EngineLoader::kStatusHousesNotComputed);
    ChartData chart;
    chart[17].longitude = 7.0;
    chart[1].longitude = 42.0;
    const auto refused = computation_.compute(moscowRequest(), chart);
    EXPECT_FALSE(refused);
    EXPECT_EQ(refused.message, "Для заполярья эта система домов не пригодна...");
    EXPECT_EQ(chart[17].longitude, 7.0);
    EXPECT_EQ(chart[1].longitude, 42.0);

    // Without houses the cusps are not asked for, and a missing body alone is no failure.
    messages_.clear();
    ChartRequest houseless = moscowRequest();
    houseless.houseSystem = HouseSystems::kNone;
    EXPECT_TRUE(computation_.compute(houseless, chart));
    EXPECT_EQ(chart[1].longitude, 3.0);
    engine_.status(EngineLoader::kStatusBodyMissing);
    EXPECT_TRUE(computation_.compute(moscowRequest(), chart));
    EXPECT_EQ(chart[17].longitude, 63.0);
    EXPECT_TRUE(messages_.empty());
}

TEST_F(ChartComputationTest, MissingEngineOrEntryReportsAndLeavesTheChartUntouched) {
    for (const char* folder : {"/nonexistent-orvanta-folder", ORVANTA_NO_ENTRY_ENGINE_DIR}) {
        AppFolder::setOverride(folder);
        messages_.clear();
        ChartData chart;
        chart[1].longitude = 42.0;
        chart[1].sign = 2;
        chart[17].longitude = 7.0;
        ChartComputation computation;
        const auto refused = computation.compute(moscowRequest(), chart);
        EXPECT_FALSE(refused) << folder;
        EXPECT_EQ(refused.message, "ERROR IN DLL LOGIC...") << folder;
        EXPECT_TRUE(messages_.empty()) << folder;
        EXPECT_EQ(chart[1].longitude, 42.0);
        EXPECT_EQ(chart[1].sign, 2);
        EXPECT_TRUE(chart.style[1].name.empty());
        EXPECT_EQ(chart[17].longitude, 7.0);
        EXPECT_EQ(chart[12].longitude, 0.0);
    }
}

TEST_F(ChartComputationTest, KeptLoadedEngineAnswersLikeAFreshlyLoadedOne) {
    AppFolder::setOverride(ORVANTA_EPHEMERIS_DIR);
    ChartRequest a = moscowRequest();
    ChartRequest b = a;
    b.year = 1890;
    b.latitude = -33.9;
    b.longitude = 151.2;
    b.houseSystem = 1;

    ChartComputation kept(ChartComputation::EngineLifetime::KeptLoaded);
    ChartData first;
    ChartData other;
    ChartData again;
    ASSERT_TRUE(kept.compute(a, first));
    ASSERT_TRUE(kept.compute(b, other));
    ASSERT_TRUE(kept.compute(a, again));

    ChartComputation perCall(ChartComputation::EngineLifetime::LoadedPerCall);
    ChartData fresh;
    ASSERT_TRUE(perCall.compute(a, fresh));
    for (int number = 1; number <= 28; ++number) {
        EXPECT_EQ(std::memcmp(&first[number].longitude, &again[number].longitude, sizeof(double)),
                  0);
        EXPECT_EQ(std::memcmp(&first[number].longitude, &fresh[number].longitude, sizeof(double)),
                  0);
        EXPECT_EQ(first[number].retrograde, fresh[number].retrograde);
    }
    EXPECT_NE(first[2].longitude, other[2].longitude);
    EXPECT_EQ(kept.lastEngineStatus(), 0);
}

}  // namespace
}  // namespace orvanta
