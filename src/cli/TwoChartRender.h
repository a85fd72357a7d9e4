#pragma once

#include <iosfwd>

namespace orvanta::cli {

class CommandLine;

// "render A.map --biwheel B.map OUT" and "render A.map --synastry-table B.map OUT": the
// bi-wheel (A inside, B outside) or the table of aspects between A and B as a picture.
class TwoChartRender {
  public:
    static bool wanted(const CommandLine& line);
    // The command line is parsed; exit codes as render's.
    static int run(const CommandLine& line, std::ostream& out, std::ostream& err);
};

}  // namespace orvanta::cli
