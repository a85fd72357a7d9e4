#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "common/AtomicFile.h"
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

bool has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST_F(AtomicFileWriterTest, ReadOnlyFileOrFolderIsRefusedByItsModeEvenForRoot) {
    // Root passes every permission check of the system; the mode bits still decide, so the
    // test means the same for every user.
    const auto lockedFolder = folder_ / "locked";
    std::filesystem::create_directory(lockedFolder);
    chmod(file_.c_str(), 0444);
    chmod(lockedFolder.c_str(), 0555);
    struct Case {
        std::filesystem::path path;
        const char* reason;
    };
    for (const Case& c :
         {Case{file_, "только для чтения"}, Case{lockedFolder / "new.csv", "папку"}}) {
        std::string error;
        EXPECT_FALSE(AtomicFile::write(c.path, std::string("new"), &error)) << c.path;
        EXPECT_TRUE(has(error, c.reason) && has(error, "нет права записи")) << error;
    }
    EXPECT_EQ(contents(file_), "old");
    struct stat status {};
    stat(file_.c_str(), &status);
    EXPECT_EQ(status.st_mode & 07777, 0444u);
    EXPECT_FALSE(std::filesystem::exists(lockedFolder / "new.csv"));
    chmod(lockedFolder.c_str(), 0755);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(lockedFolder), {}), 0);
}

TEST_F(AtomicFileWriterTest, AFifoOrDeviceIsWrittenIntoAndNeverReplaced) {
    const auto fifo = folder_ / "pipe";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    std::filesystem::create_symlink("pipe", folder_ / "to-pipe");
    ASSERT_TRUE(AtomicFile::write(folder_ / "to-pipe", std::string("through")));
    char got[16] = {};
    EXPECT_EQ(::read(reader, got, sizeof got), 7);
    EXPECT_EQ(std::string(got), "through");
    ::close(reader);
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));

    // A private copy of /dev/full: the device stays and its failure is reported.
    const auto full = folder_ / "full";
    if (mknod(full.c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0) {
        GTEST_SKIP() << "devices cannot be made here";
    }
    AtomicFileWriter writer(full);
    ASSERT_TRUE(writer.open());
    writer.stream() << "more than the device takes";
    std::string error;
    EXPECT_FALSE(writer.commit(&error));
    EXPECT_TRUE(has(error, "нет места на диске")) << error;
    EXPECT_TRUE(std::filesystem::is_character_file(full));
    EXPECT_EQ(entries(), 4u) << "out.csv, pipe, to-pipe, full and nothing else";
}

TEST_F(AtomicFileWriterTest, WritesThroughLinksAndRefusesALoop) {
    std::filesystem::create_symlink("out.csv", folder_ / "link.csv");
    AtomicFileWriter through(folder_ / "link.csv");
    ASSERT_TRUE(through.open());
    through.stream() << "via link";
    ASSERT_TRUE(through.commit());
    EXPECT_TRUE(std::filesystem::is_symlink(folder_ / "link.csv"));
    EXPECT_EQ(contents(file_), "via link");

    std::filesystem::create_symlink("b.csv", folder_ / "a.csv");
    std::filesystem::create_symlink("a.csv", folder_ / "b.csv");
    AtomicFileWriter loop(folder_ / "a.csv");
    std::string error;
    EXPECT_FALSE(loop.open(&error));
    EXPECT_TRUE(has(error, "зацикливаются")) << error;
    EXPECT_TRUE(std::filesystem::is_symlink(folder_ / "a.csv"));
    EXPECT_TRUE(std::filesystem::is_symlink(folder_ / "b.csv"));
    EXPECT_EQ(entries(), 4u);
}

class AtomicFileWriterSignalTest : public AtomicFileWriterTest,
                                   public ::testing::WithParamInterface<int> {};

TEST_P(AtomicFileWriterSignalTest, ASignalDuringTheSaveRemovesTheTemporaryAndEndsWithIt) {
    const int signal = GetParam();
    EXPECT_EXIT(
        {
            AtomicFileWriter writer(file_);
            if (!writer.open()) std::exit(3);
            writer.stream() << std::string(200000, 'x');
            writer.stream().flush();
            ::raise(signal);
            std::exit(4);
        },
        ::testing::KilledBySignal(signal), "");
    EXPECT_EQ(contents(file_), "old");
    EXPECT_EQ(entries(), 1u) << "no temporary file is left";
}

INSTANTIATE_TEST_SUITE_P(InterruptingSignals, AtomicFileWriterSignalTest,
                         ::testing::Values(SIGINT, SIGTERM, SIGHUP));

}  // namespace
}  // namespace orvanta
