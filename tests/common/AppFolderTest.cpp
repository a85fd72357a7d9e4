#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>
#include <iterator>
#include <string>

#include "common/AppFolder.h"
#include "common/DataFile.h"
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

namespace orvanta {
namespace {

std::string contents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// An installed delivered folder (with its marker) and a user's folder under XDG_DATA_HOME.
class UserFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/orvanta-userfolder-XXXXXX";
        root_ = mkdtemp(pattern);
        delivered_ = root_ / "lib" / "orvanta";
        std::filesystem::create_directories(delivered_ / "TXT_OR");
        std::ofstream(delivered_ / AppFolder::kInstalledMarker) << "installed";
        std::ofstream(delivered_ / "Place.PLB") << "delivered places";
        std::ofstream(delivered_ / "TXT_OR" / "cup.txt") << "delivered text";
        std::ofstream(delivered_ / "libOrvanta.so") << "engine";
        setenv("XDG_DATA_HOME", (root_ / "xdg").c_str(), 1);
        AppFolder::setOverride(delivered_);
    }
    void TearDown() override {
        AppFolder::setOverride({});
        unsetenv("XDG_DATA_HOME");
        std::filesystem::remove_all(root_);
    }
    std::filesystem::path user() const { return root_ / "xdg" / "orvanta"; }

    std::filesystem::path root_;
    std::filesystem::path delivered_;
};

TEST_F(UserFolderTest, ReadsTheUsersFileFirstAndWritesOnlyThere) {
    EXPECT_EQ(AppFolder::userFolder(), user());
    EXPECT_TRUE(std::filesystem::is_directory(user()));
    EXPECT_EQ(AppFolder::find("place.plb"), delivered_ / "Place.PLB");

    // The first write makes the user's copy from the delivered file.
    const auto target = AppFolder::writable("PLACE.PLB");
    EXPECT_EQ(target.parent_path(), user());
    EXPECT_EQ(contents(target), "delivered places");
    std::ofstream(target, std::ios::trunc) << "user places";
    EXPECT_EQ(AppFolder::find("Place.plb"), target);
    EXPECT_EQ(contents(delivered_ / "Place.PLB"), "delivered places");
    // A later write keeps the user's copy rather than copying again.
    EXPECT_EQ(contents(AppFolder::writable("place.PLB")), "user places");

    // Names in the user's folder are matched without regard to case too, folders included.
    std::filesystem::create_directories(user() / "txt_or");
    std::ofstream(user() / "txt_or" / "CUP.TXT") << "user text";
    EXPECT_EQ(AppFolder::find("TXT_OR\\cup.txt"), user() / "txt_or" / "CUP.TXT");

    // A new file without a delivered one; removing a damaged copy brings the delivered one back.
    EXPECT_EQ(AppFolder::writable("NoteBook.NTF"), user() / "NoteBook.NTF");
    EXPECT_FALSE(std::filesystem::exists(user() / "NoteBook.NTF"));
    std::filesystem::remove(target);
    EXPECT_EQ(AppFolder::find("Place.PLB"), delivered_ / "Place.PLB");
}

TEST_F(UserFolderTest, ADataFileIsCopiedForTheUserOnlyWhenItIsWritten) {
    const DataFile places = DataFile::named("place.plb");
    EXPECT_EQ(places.readPath(), delivered_ / "Place.PLB");
    EXPECT_FALSE(std::filesystem::exists(user() / "Place.PLB"));

    const auto target = places.writePath();
    EXPECT_EQ(target, user() / "Place.PLB");
    EXPECT_EQ(contents(target), "delivered places");
    EXPECT_EQ(places.readPath(), target);

    // A file given by its path is read and written there, whatever the folders say.
    const DataFile chosen(root_ / "chosen.PLB");
    EXPECT_EQ(chosen.readPath(), root_ / "chosen.PLB");
    EXPECT_EQ(chosen.writePath(), root_ / "chosen.PLB");
    EXPECT_FALSE(chosen.empty());
    EXPECT_TRUE(DataFile().empty());
}

TEST_F(UserFolderTest, TheEngineComesOnlyFromTheDeliveredFolder) {
    ASSERT_TRUE(std::filesystem::is_directory(AppFolder::userFolder()));
    std::ofstream(user() / "libOrvanta.so") << "not ours";
    EXPECT_EQ(AppFolder::findDelivered("libOrvanta.so"), delivered_ / "libOrvanta.so");
}

TEST_F(UserFolderTest, WithoutTheMarkerOneFolderServesEverything) {
    std::filesystem::remove(delivered_ / AppFolder::kInstalledMarker);
    EXPECT_EQ(AppFolder::userFolder(), delivered_);
    EXPECT_EQ(AppFolder::writable("Place.PLB"), delivered_ / "Place.PLB");
    EXPECT_FALSE(std::filesystem::exists(user()));
}

TEST(StandardUserFolder, FollowsXdgDataHomeThenHome) {
    const char* savedHome = std::getenv("HOME");
    const std::string home = savedHome != nullptr ? savedHome : "";
    setenv("HOME", "/home/anna", 1);
    setenv("XDG_DATA_HOME", "/data/anna", 1);
    EXPECT_EQ(AppFolder::standardUserFolder(), std::filesystem::path("/data/anna/orvanta"));
    // A relative XDG_DATA_HOME is ignored, as the XDG base directory rules say.
    setenv("XDG_DATA_HOME", "relative", 1);
    EXPECT_EQ(AppFolder::standardUserFolder(),
              std::filesystem::path("/home/anna/.local/share/orvanta"));
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(AppFolder::standardUserFolder(),
              std::filesystem::path("/home/anna/.local/share/orvanta"));
    setenv("HOME", home.c_str(), 1);
}

}  // namespace
}  // namespace orvanta
