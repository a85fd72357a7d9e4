#include <gtest/gtest.h>
#include <unistd.h>

#include <bit>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "CliRunner.h"
#include "cli/TimeChangeCommand.h"
#include "support/ScratchFolder.h"

namespace orvanta {
namespace {

struct CommandRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

CommandRun timechange(const std::vector<std::string>& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    CommandRun run;
    run.exitCode = cli::TimeChangeCommand::run(arguments, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

// A time-change file built field by field: count, then day, month, year, hour, minute,
// second, reserved and difference of each record, little-endian.
std::string timeChangeFile(const std::vector<std::array<int, 5>>& records) {
    std::string bytes;
    const auto int32 = [&bytes](std::int32_t v) {
        for (int i = 0; i < 4; ++i)
            bytes += static_cast<char>(static_cast<std::uint32_t>(v) >> (8 * i));
    };
    int32(static_cast<std::int32_t>(records.size()));
    for (const auto& [day, month, year, hour, difference] : records) {
        for (int v : {day, month, year, hour, 0, 0}) int32(v);
        bytes.append(8, '\0');  // reserved 0.0
        int32(difference);
    }
    return bytes;
}

class TimeChangeCommandTest : public ::testing::Test {
  protected:
    std::string write(const std::string& name, const std::string& bytes) {
        const auto path = folder_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
    testing::ScratchFolder folder_;
};

TEST_F(TimeChangeCommandTest, PrintsTheDifferenceInForceOrSaysThereIsNone) {
    const std::string file =
        write("t.tch", timeChangeFile({{28, 3, 1999, 2, 4}, {31, 10, 1999, 3, 3}}));
    const CommandRun summer = timechange({"--file", file, "15.06.1999", "12"});
    EXPECT_EQ(summer.exitCode, 0) << summer.err;
    EXPECT_EQ(summer.out,
              "15.6.1999, 12:00 по московскому времени: разница с Гринвичем +4 ч. (изменение "
              "28.3.1999, 2:00)\n");
    EXPECT_NE(timechange({"--file", file, "31.10.1999", "3:10"}).out.find("+3 ч."),
              std::string::npos);
    EXPECT_NE(timechange({"--file", file, "31.10.1999", "2:59"}).out.find("+4 ч."),
              std::string::npos);

    const CommandRun before = timechange({"--file", file, "1.1.1999", "12"});
    EXPECT_EQ(before.exitCode, 1);
    EXPECT_EQ(before.out, "На эту дату нет данных в базе \"Разница...\"\n");
}

TEST_F(TimeChangeCommandTest, ADamagedRecordPassedOverIsNamed) {
    const std::string file =
        write("t.tch", timeChangeFile({{1, 1, 1990, 0, 3}, {1, 1, 1996, 0, -100000}}));
    const CommandRun run = timechange({"--file", file, "2.1.1996", "12"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("+3 ч."), std::string::npos);
    EXPECT_NE(run.err.find("пропущена повреждённая запись 2 (с [1.1.1996, 0:00]"),
              std::string::npos)
        << run.err;
}

TEST_F(TimeChangeCommandTest, BadArgumentsAndFilesAreRefused) {
    const std::string file = write("t.tch", timeChangeFile({{28, 3, 1999, 2, 4}}));
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"--file", file, "31.04.1999", "12"},
             {"--file", file, "1.4.1999", "24"},
             {"--file", file, "1.4.1999", "12:60"},
             {"--file", file, "1.4.1999"},
             {"--file", file, "1.4", "12"},
             {"--file", file, "1.4.1999", "12", "extra"},
             {"--bogus", "1.4.1999", "12"},
         }) {
        const CommandRun run = timechange(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments[2];
        EXPECT_NE(run.err.find("orvanta-cli timechange: "), std::string::npos);
    }

    const CommandRun missing =
        timechange({"--file", (folder_ / "none.tch").string(), "1.4.1999", "12"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(folder_ / "none.tch"));  // the tool creates nothing

    const std::string damaged = timeChangeFile({{28, 3, 1999, 2, 4}}).substr(0, 30);
    const std::string damagedFile = write("damaged.tch", damaged);
    const CommandRun broken = timechange({"--file", damagedFile, "1.4.1999", "12"});
    EXPECT_EQ(broken.exitCode, 1);
    EXPECT_NE(broken.err.find("поврежден"), std::string::npos);
    EXPECT_EQ(broken.err.rfind("orvanta-cli timechange: ", 0), 0u) << broken.err;
    EXPECT_EQ(broken.err.find("пустой базой"), std::string::npos) << broken.err;
    EXPECT_EQ(testing::readWholeFile(damagedFile), damaged);
}

TEST(TimeChangeCommandDelivered, AnswersFromTheApplicationFolder) {
    // Permanent summer time from 2:00 on 27 March 2011 (federal law No. 107-FZ).
    const auto result = testing::runCli("timechange 27.03.2011 3");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("разница с Гринвичем +4 ч."), std::string::npos) << result.out;
}

}  // namespace
}  // namespace orvanta
