#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "common/AtomicFile.h"
#include "support/ScratchFolder.h"

namespace orvanta {
namespace {

class AtomicFileTest : public ::testing::Test {
  protected:
    void TearDown() override { chmod(folder_.c_str(), 0700); }
    testing::ScratchFolder scratch_;
    const std::filesystem::path folder_ = scratch_.path();
};

TEST_F(AtomicFileTest, WritesAndReadsBackTheSameBytesLeavingNoTemporaryFile) {
    const auto path = folder_ / "chart.map";
    ASSERT_TRUE(AtomicFile::write(path, std::string("\x00\x01\xFF", 3)));
    ASSERT_TRUE(AtomicFile::write(path, std::string("new")));
    const auto bytes = AtomicFile::read(path);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(std::string(bytes->begin(), bytes->end()), "new");
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder_)) ++files;
    EXPECT_EQ(files, 1);
}

int entriesIn(const std::filesystem::path& folder) {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
    return count;
}

TEST_F(AtomicFileTest, SavingThroughLinksReplacesTheTargetAndKeepsTheLinks) {
    // charts/link.map -> ../store/real.map (relative), top.map -> charts/link.map (absolute).
    std::filesystem::create_directories(folder_ / "store");
    std::filesystem::create_directories(folder_ / "charts");
    const auto real = folder_ / "store" / "real.map";
    ASSERT_TRUE(AtomicFile::write(real, std::string("old")));
    std::filesystem::create_symlink("../store/real.map", folder_ / "charts" / "link.map");
    std::filesystem::create_symlink(folder_ / "charts" / "link.map", folder_ / "top.map");

    for (const auto& through : {folder_ / "charts" / "link.map", folder_ / "top.map"}) {
        const std::string text = "new through " + through.filename().string();
        ASSERT_TRUE(AtomicFile::write(through, text));
        EXPECT_TRUE(std::filesystem::is_symlink(folder_ / "charts" / "link.map"));
        EXPECT_TRUE(std::filesystem::is_symlink(folder_ / "top.map"));
        const auto bytes = AtomicFile::read(real);
        ASSERT_TRUE(bytes.has_value());
        EXPECT_EQ(std::string(bytes->begin(), bytes->end()), text);
        // The temporary file went beside the target and was renamed over it.
        EXPECT_EQ(entriesIn(folder_ / "store"), 1);
        EXPECT_EQ(entriesIn(folder_ / "charts"), 1);
    }

    // A link whose target is not there yet: the save creates the target.
    std::filesystem::create_symlink("store/later.map", folder_ / "later.map");
    ASSERT_TRUE(AtomicFile::write(folder_ / "later.map", std::string("created")));
    EXPECT_TRUE(std::filesystem::is_symlink(folder_ / "later.map"));
    EXPECT_TRUE(std::filesystem::is_regular_file(folder_ / "store" / "later.map"));
}

TEST_F(AtomicFileTest, AFailedSaveKeepsTheOldFileAndSaysWhy) {
    const auto path = folder_ / "chart.map";
    ASSERT_TRUE(AtomicFile::write(path, std::string("old")));
    chmod(folder_.c_str(), 0500);
    std::string error;
    EXPECT_FALSE(AtomicFile::write(path, std::string("new"), &error));
    EXPECT_FALSE(error.empty());
    chmod(folder_.c_str(), 0700);
    const auto bytes = AtomicFile::read(path);
    EXPECT_EQ(std::string(bytes->begin(), bytes->end()), "old");
}

TEST_F(AtomicFileTest, AMissingFolderOrFileIsReported) {
    std::string error;
    EXPECT_FALSE(AtomicFile::write(folder_ / "no" / "such.map", std::string("x"), &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(AtomicFile::read(folder_ / "absent.map").has_value());
    // A rename that fails (here over a folder, which works even for root) leaves nothing behind.
    std::filesystem::create_directories(folder_ / "busy.map" / "inside");
    EXPECT_FALSE(AtomicFile::write(folder_ / "busy.map", std::string("x"), &error));
    EXPECT_TRUE(std::filesystem::exists(folder_ / "busy.map" / "inside"));
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder_)) ++files;
    EXPECT_EQ(files, 1);
    EXPECT_FALSE(AtomicFile::read(folder_).has_value());  // a folder is not a file
}

}  // namespace
}  // namespace orvanta
