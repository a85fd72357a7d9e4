#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace orvanta::cli {

class CommandLine;

// "orvanta-cli render": draws a chart file's wheel or aspect table into a PNG, PDF or SVG file
// with the routines of the chart window.
class RenderCommand {
  public:
    static constexpr int kDefaultSide = 1000;

    static int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

    // "WxH" with both sides from 1 to the largest side a picture may have.
    static std::optional<std::pair<int, int>> parseSize(const std::string& text);
    // --size of a wheel, table or two-chart picture, the default side without it; throws
    // UsageError naming the sides allowed.
    static std::pair<int, int> readSize(const CommandLine& line);
    // The exit code once a picture is written or not: its file's name on out, or the reason
    // on err.
    static int reportSaved(bool saved, const std::string& output, const std::string& error,
                           std::ostream& out, std::ostream& err);

  private:
    // --dial OUT: the event chart's dial of the day --date.
    static int renderDial(const CommandLine& line, std::ostream& out, std::ostream& err);
};

}  // namespace orvanta::cli
