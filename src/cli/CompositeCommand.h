#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace orvanta::cli {

// "orvanta-cli composite A.map B.map [--davison] [--json] [-o OUT.map]": the composite chart
// of two charts (or with --davison their Davison chart), printed as the chart command prints
// a chart and, with -o, saved as a chart file.
class CompositeCommand {
  public:
    static int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
};

}  // namespace orvanta::cli
