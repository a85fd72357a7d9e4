// Sends requests to the real engine library, loaded as the program loads it.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "calc/EngineLoader.h"

namespace orvanta {
namespace {

class EngineLibraryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto path = EngineLoader::defaultLibraryPath();
        handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle_, nullptr) << dlerror();
        entry_ = reinterpret_cast<EngineLoader::EntryPoint>(dlsym(handle_, "EntryPoint_Main"));
        ASSERT_NE(entry_, nullptr);
    }
    void TearDown() override {
        if (handle_) dlclose(handle_);
    }

    int send(std::vector<std::string> texts, std::array<double, 33>& result,
             std::optional<int> argc = std::nullopt) {
        std::vector<char*> argv;
        for (auto& text : texts) argv.push_back(text.data());
        result.fill(0.0);
        return entry_(argc.value_or(static_cast<int>(argv.size())), argv.data(), result.data());
    }

    static std::vector<std::string> moscow() {
        return {"-1", "-b0", "-c", "0", "qa", "4", "12", "1961", "9:07", "-3.", "37e37", "55n45"};
    }

    void* handle_ = nullptr;
    EngineLoader::EntryPoint entry_ = nullptr;
};

TEST_F(EngineLibraryTest, OnlyTheEntryPointIsExported) {
    EXPECT_EQ(
        dlsym(handle_, "_ZN7orvanta6engine15EphemerisEngine7computeERKNS0_13EngineRequestEPd"),
        nullptr);
}

TEST_F(EngineLibraryTest, AWellFormedRequestFillsBodiesAndCusps) {
    std::array<double, 33> result{};
    EXPECT_EQ(send(moscow(), result), 0);
    for (int index : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 16, 17}) {
        EXPECT_NE(result[static_cast<std::size_t>(index)], 0.0) << index;
        EXPECT_LT(std::fabs(result[static_cast<std::size_t>(index)]), 360.0) << index;
    }
    for (int index = 21; index <= 32; ++index) {
        EXPECT_GE(result[static_cast<std::size_t>(index)], 0.0);
        EXPECT_LT(result[static_cast<std::size_t>(index)], 360.0);
    }
    EXPECT_LT(result[16], 0.0);  // the mean node always moves backwards
    for (int index : {0, 12, 13, 14, 15, 18, 19, 20})
        EXPECT_EQ(result[static_cast<std::size_t>(index)], 0.0);
}

TEST_F(EngineLibraryTest, MalformedRequestsReturnNonZeroAndLeaveTheResultAtZero) {
    std::vector<std::vector<std::string>> requests;
    for (std::size_t field = 3; field < 12; ++field) {
        for (const char* junk : {"", "x", "nan", "-inf", "99999", "1e308", "12:99", "999n99",
                                 "0123456789012345678901234567890123456789"}) {
            auto texts = moscow();
            texts[field] = junk;
            requests.push_back(texts);
        }
    }
    std::array<double, 33> result{};
    for (const auto& texts : requests) {
        const int status = send(texts, result);
        if (status == 0) continue;  // a junk text that happens to be valid in its field
        for (double value : result) {
            ASSERT_EQ(value, 0.0);
        }
    }
    auto wrongSwitch = moscow();
    wrongSwitch[4] = "qb";
    EXPECT_NE(send(wrongSwitch, result), 0);
    EXPECT_NE(send(moscow(), result, 11), 0);
    EXPECT_NE(send(moscow(), result, 0), 0);
    EXPECT_NE(send(moscow(), result, -5), 0);
    EXPECT_NE(entry_(12, nullptr, result.data()), 0);
    auto texts = moscow();
    std::vector<char*> argv;
    for (auto& text : texts) argv.push_back(text.data());
    EXPECT_NE(entry_(12, argv.data(), nullptr), 0);
    for (double value : result) EXPECT_EQ(value, 0.0);
}

TEST_F(EngineLibraryTest, ExtremeButValidRequestsNeverWriteNaN) {
    std::array<double, 33> result{};
    for (const char* latitude : {"90n00", "90s00", "89s59", "66n33", "0n00"}) {
        for (const char* system : {"0", "1", "4", "7", "10", "11"}) {
            auto texts = moscow();
            texts[3] = system;
            texts[11] = latitude;
            send(texts, result);
            for (double value : result)
                ASSERT_TRUE(std::isfinite(value)) << latitude << " " << system;
        }
    }
    auto farPast = moscow();
    farPast[7] = "1";
    send(farPast, result);
    for (double value : result) EXPECT_TRUE(std::isfinite(value));
}

TEST_F(EngineLibraryTest, AHouseSystemItCannotBuildIsReportedNotReplaced) {
    // Placidus and Koch at 70 degrees and at the poles: Swiss Ephemeris gives Porphyry cusps
    // instead, and the engine says so. Other systems, and Placidus at 60 degrees, are built.
    std::array<double, 33> result{};
    const struct {
        const char* system;
        const char* latitude;
        bool built;
    } cases[] = {
        {"0", "70n00", false}, {"0", "70s00", false}, {"1", "70n00", false}, {"1", "89s59", false},
        {"0", "60n00", true},  {"1", "60s00", true},  {"2", "70n00", true},  {"4", "70s00", true},
        {"7", "70n00", true},  {"9", "70s00", true},  {"11", "70n00", true},
    };
    for (const auto& c : cases) {
        auto texts = moscow();
        texts[3] = c.system;
        texts[11] = c.latitude;
        const int status = send(texts, result);
        EXPECT_EQ((status & EngineLoader::kStatusHousesNotComputed) == 0, c.built)
            << c.system << " " << c.latitude << " status " << status;
    }
}

}  // namespace
}  // namespace orvanta
