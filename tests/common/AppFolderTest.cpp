#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>

#include "common/AppFolder.h"
#include "support/ScratchFolder.h"

namespace orvanta {
namespace {

class AppFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(folder_ / "TXT_OR");
        std::filesystem::create_directories(folder_ / "BMP_ZZ" / "SET1");
        std::ofstream(folder_ / "TXT_OR" / "cup.txt") << "x";
        std::ofstream(folder_ / "BMP_ZZ" / "SET1" / "1.bmp") << "x";
        std::ofstream(folder_ / "Timechg.tch") << "x";
        AppFolder::setOverride(folder_);
    }
    void TearDown() override { AppFolder::setOverride({}); }
    testing::ScratchFolder scratch_;
    const std::filesystem::path folder_ = scratch_.path();
};

TEST_F(AppFolderTest, MatchesEveryComponentWithoutRegardToCase) {
    EXPECT_EQ(AppFolder::find("txt_or\\CUP.TXT"), folder_ / "TXT_OR" / "cup.txt");
    EXPECT_EQ(AppFolder::find("bmp_zz/set1/1.BMP"), folder_ / "BMP_ZZ" / "SET1" / "1.bmp");
    EXPECT_EQ(AppFolder::find("TIMECHG.TCH"), folder_ / "Timechg.tch");
}

TEST_F(AppFolderTest, MissingNamesAreKeptAsWrittenForCreation) {
    EXPECT_EQ(AppFolder::find("Place.PLB"), folder_ / "Place.PLB");
    EXPECT_EQ(AppFolder::find("txt_or\\new.txt"), folder_ / "TXT_OR" / "new.txt");
}

TEST_F(AppFolderTest, OverrideWinsAndEnvironmentComesNext) {
    EXPECT_EQ(AppFolder::path(), folder_);
    AppFolder::setOverride({});
    setenv("ORVANTA_HOME", "/tmp/somewhere", 1);
    EXPECT_EQ(AppFolder::path(), std::filesystem::path("/tmp/somewhere"));
    unsetenv("ORVANTA_HOME");
    // Without either, the folder of the running program.
    EXPECT_TRUE(std::filesystem::exists(AppFolder::path() / "test_common"));
}

}  // namespace
}  // namespace orvanta
