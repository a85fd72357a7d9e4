#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace orvanta::cli {

// "orvanta-cli print": prints a chart file's wheel page or aspect table into a PDF file with the
// printing routine of the chart window, on A4 or Letter paper, upright or across.
class PrintCommand {
  public:
    static int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
};

}  // namespace orvanta::cli
