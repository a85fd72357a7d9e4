#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "common/AtomicFileWriter.h"

namespace orvanta {
namespace {

std::string contents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class AtomicFileWriterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/orvanta-atomicwriter-XXXXXX";
        folder_ = mkdtemp(pattern);
        file_ = folder_ / "out.csv";
        std::ofstream(file_) << "old";
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    std::size_t entries() const {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder_),
                                                      std::filesystem::directory_iterator()));
    }
    std::filesystem::path folder_;
    std::filesystem::path file_;
};

TEST_F(AtomicFileWriterTest, TheOldFileStaysUntilTheCommit) {
    AtomicFileWriter writer(file_);
    ASSERT_TRUE(writer.open());
    writer.stream() << "new " << 42;
    EXPECT_EQ(contents(file_), "old");
    ASSERT_TRUE(writer.commit());
    EXPECT_EQ(contents(file_), "new 42");
    EXPECT_EQ(entries(), 1u) << "the temporary file is gone";
}

TEST_F(AtomicFileWriterTest, DroppedWithoutCommitLeavesTheOldFileAndNoTemporary) {
    {
        AtomicFileWriter writer(file_);
        ASSERT_TRUE(writer.open());
        writer.stream() << "half";
    }
    EXPECT_EQ(contents(file_), "old");
    EXPECT_EQ(entries(), 1u);
    AtomicFileWriter nowhere(folder_ / "missing" / "out.csv");
    std::string error;
    EXPECT_FALSE(nowhere.open(&error));
    EXPECT_NE(error.find("missing"), std::string::npos) << error;
    EXPECT_FALSE(nowhere.commit());
}

}  // namespace
}  // namespace orvanta
