#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "CliRunner.h"
#include "support/ScratchFolder.h"

namespace orvanta {
namespace {

using testing::readWholeFile;
using testing::runCli;

const std::string kSample = ORVANTA_SAMPLE_MAP;
const std::string kChart = "chart --date 12.04.1961 --time 09:07 --zone 3 --lat 55.75 --lon 37.6";

bool has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class SavesAndOutputTest : public ::testing::Test {
  protected:
    std::string path(const std::string& name) const { return (scratch_ / name).string(); }
    std::string batchInput() const {
        const auto file = path("in.csv");
        std::ofstream(file) << "Анна;15.06.1990;14:30;3;55.75;37.62\n";
        return file;
    }
    testing::ScratchFolder scratch_;
};

TEST_F(SavesAndOutputTest, EveryCommandFailsWithAMessageWhenItsOutputIsLost) {
    std::ofstream(path("in.csv")) << "Анна;15.06.1990;14:30;3;55.75;37.62\n";
    for (const std::string& command : std::vector<std::string>{
             kChart, kChart + " --json", "show " + kSample,
             "transits " + kSample + " --date 1.3.2000", "text " + kSample,
             "batch " + path("in.csv"), "places", "timechange 01.01.2000 12",
             "print " + kSample + " --wheel " + path("wheel.pdf"), std::string("--help")}) {
        const auto result = runCli(command + " > /dev/full");
        EXPECT_EQ(result.exitCode, 1) << command;
        EXPECT_TRUE(has(result.err, "не удалось записать вывод: нет места на диске"))
            << command << ": " << result.err;
    }
}

TEST_F(SavesAndOutputTest, SpecialFilesAreWrittenIntoNeverReplaced) {
    const auto fifo = path("pipe");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_EQ(runCli("batch " + batchInput() + " -o " + fifo).exitCode, 0);
    char got[64] = {};
    EXPECT_GT(::read(reader, got, sizeof got - 1), 0);
    EXPECT_EQ(std::string(got).rfind("name;Солнце;", 0), 0u) << got;
    ::close(reader);
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));

    // A private /dev/full: the device stays, and -o onto it fails as the disk would.
    const auto full = path("full");
    if (mknod(full.c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0) GTEST_SKIP() << "no mknod here";
    for (const std::string& command :
         {kChart + " -o " + full, "batch " + batchInput() + " -o " + full,
          "text " + kSample + " -o " + full}) {
        const auto result = runCli(command);
        EXPECT_EQ(result.exitCode, 1) << command;
        EXPECT_TRUE(has(result.err, "нет места на диске")) << result.err;
        EXPECT_TRUE(std::filesystem::is_character_file(full)) << command;
    }
}

TEST_F(SavesAndOutputTest, ReadOnlyTargetsAreRefusedWithTheReasonEvenForRoot) {
    const auto locked = path("locked.map");
    std::ofstream(locked) << "old";
    chmod(locked.c_str(), 0444);
    std::filesystem::create_directory(scratch_ / "shut");
    chmod(path("shut").c_str(), 0555);
    for (const std::string& command :
         {kChart + " -o " + locked, "batch " + batchInput() + " -o " + path("shut/out.csv"),
          "text " + kSample + " -o " + locked}) {
        const auto result = runCli(command);
        EXPECT_EQ(result.exitCode, 1) << command;
        EXPECT_TRUE(has(result.err, "нет права записи")) << result.err;
    }
    EXPECT_EQ(readWholeFile(locked), "old");
    EXPECT_FALSE(std::filesystem::exists(scratch_ / "shut" / "out.csv"));
    chmod(path("shut").c_str(), 0755);
}

TEST_F(SavesAndOutputTest, EverySaveFollowsLinksAndRefusesALoop) {
    std::filesystem::create_directory(scratch_ / "real");
    std::filesystem::create_symlink("real/out", scratch_ / "link");
    std::filesystem::create_symlink("loop-b", scratch_ / "loop-a");
    std::filesystem::create_symlink("loop-a", scratch_ / "loop-b");
    for (const std::string& command :
         {kChart + " -o ", "batch " + batchInput() + " -o ", "text " + kSample + " -o "}) {
        std::filesystem::remove(scratch_ / "real" / "out");
        EXPECT_EQ(runCli(command + path("link")).exitCode, 0) << command;
        EXPECT_TRUE(std::filesystem::is_symlink(scratch_ / "link")) << command;
        EXPECT_GT(std::filesystem::file_size(scratch_ / "real" / "out"), 0u) << command;

        const auto loop = runCli(command + path("loop-a"));
        EXPECT_EQ(loop.exitCode, 1) << command;
        EXPECT_TRUE(has(loop.err, "зацикливаются")) << loop.err;
        EXPECT_TRUE(std::filesystem::is_symlink(scratch_ / "loop-a"));
    }
}

bool holdsTemporaryFile(const std::filesystem::path& folder) {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().filename().string().rfind(".out.csv.", 0) == 0) return true;
    }
    return false;
}

TEST_F(SavesAndOutputTest, ASignalDuringBatchRemovesItsTemporaryFileAndEndsTheProgramWithIt) {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        // The input is a pipe held open: batch writes what it got, then waits for more.
        const auto input = path("in-" + std::to_string(signal));
        ASSERT_EQ(mkfifo(input.c_str(), 0644), 0);
        const std::string out = path("out.csv");
        std::vector<std::string> words = {ORVANTA_CLI, "batch", input, "-o", out};
        std::vector<char*> argv;
        for (auto& word : words) argv.push_back(word.data());
        argv.push_back(nullptr);
        pid_t pid = 0;
        ASSERT_EQ(posix_spawn(&pid, ORVANTA_CLI, nullptr, nullptr, argv.data(), environ), 0);
        const int feed = ::open(input.c_str(), O_WRONLY);
        const std::string record = "Анна;15.06.1990;14:30;3;55.75;37.62\n";
        ASSERT_EQ(::write(feed, record.data(), record.size()), static_cast<ssize_t>(record.size()));
        for (int wait = 0; wait < 500 && !holdsTemporaryFile(scratch_.path()); ++wait) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        ASSERT_TRUE(holdsTemporaryFile(scratch_.path())) << "the save never started";
        ::kill(pid, signal);
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        ::close(feed);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal << " " << status;
        EXPECT_FALSE(holdsTemporaryFile(scratch_.path())) << signal;
        EXPECT_FALSE(std::filesystem::exists(out));
    }
}

TEST_F(SavesAndOutputTest, AnEmptyOutputNameIsABadArgument) {
    for (const std::string& command :
         {kChart + " -o ''", "batch " + batchInput() + " -o ''", "text " + kSample + " -o ''"}) {
        const auto result = runCli(command);
        EXPECT_EQ(result.exitCode, 2) << command;
        EXPECT_TRUE(result.out.empty()) << command;
    }
}

TEST_F(SavesAndOutputTest, AChartThatCannotBeOpenedIsNamedWithTheReason) {
    const auto missing = path("missing.map");
    std::filesystem::create_directory(scratch_ / "folder.map");
    struct Case {
        std::string file;
        std::string reason;
    };
    for (const Case& c :
         {Case{missing, "нет такого файла"}, Case{path("folder.map"), "это папка"}}) {
        for (const std::string& command :
             {"transits " + c.file + " --date 1.3.2000", "text " + c.file,
              "render " + c.file + " --wheel " + path("out.png"),
              "print " + c.file + " --wheel " + path("out.pdf")}) {
            const auto result = runCli(command);
            const std::string name = command.substr(0, command.find(' '));
            EXPECT_EQ(result.exitCode, 1) << command;
            // The drawing commands' Qt may say something of its own first.
            EXPECT_TRUE(has(result.err, "orvanta-cli " + name + ": не удалось открыть «" + c.file +
                                            "»: " + c.reason))
                << result.err;
        }
    }
}

}  // namespace
}  // namespace orvanta
