// The commands that only compute must start without Qt; the drawing commands load it on
// demand. The dynamic loader's own trace (LD_DEBUG=files) lists every library a run opens,
// whether the program needs it from the start or loads it later.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "CliRunner.h"

namespace orvanta {
namespace {

using testing::runCli;

std::vector<std::string> qtLibrariesOpened(const std::string& loaderTrace) {
    std::vector<std::string> found;
    std::istringstream lines(loaderTrace);
    for (std::string line; std::getline(lines, line);) {
        const auto file = line.find("file=");
        if (file != std::string::npos && line.find("libQt", file) != std::string::npos) {
            found.push_back(line.substr(file));
        }
    }
    return found;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\n";
    return text;
}

TEST(QtFreeStartTest, CommandsThatDoNotDrawOpenNoQtLibrary) {
    const std::string sample = ORVANTA_SAMPLE_MAP;
    const std::vector<std::string> commands = {
        "chart --date 15.06.1990 --time 14:30 --zone 3 --lat 55.75 --lon 37.62 --json",
        "show " + sample,
        "timechange 27.03.2011 2",
        "places Москва",
        "--help",
    };
    for (const auto& command : commands) {
        const auto result = runCli(command, "LD_DEBUG=files");
        EXPECT_EQ(result.exitCode, 0) << command;
        EXPECT_NE(result.err.find("file="), std::string::npos)
            << "the loader trace is missing, so nothing was checked: " << command;
        const auto qt = qtLibrariesOpened(result.err);
        EXPECT_TRUE(qt.empty()) << command << " opened:\n" << joined(qt);
    }
}

TEST(QtFreeStartTest, RenderLoadsTheDrawingPluginAndQtWhenItRuns) {
    char pattern[] = "/tmp/orvanta-qtfree-XXXXXX";
    const std::string folder = mkdtemp(pattern);
    const std::string out = folder + "/wheel.png";
    const auto result =
        runCli(std::string("render ") + ORVANTA_SAMPLE_MAP + " --wheel " + out + " --size 200x200",
               "LD_DEBUG=files");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_NE(result.err.find("orvanta-cli-draw.so"), std::string::npos);
    EXPECT_FALSE(qtLibrariesOpened(result.err).empty());
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace orvanta
