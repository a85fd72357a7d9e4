#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

#include "cli/BatchResultWriter.h"

namespace orvanta::cli {

// "orvanta-cli batch": charts for a file of birth records, one result a line in the same order.
// The input is streamed, so memory stays the same however long it is.
class BatchCommand {
  public:
    // A longer line is reported as bad rather than read whole.
    static constexpr std::size_t kLongestLine = 64 * 1024;

    struct Summary {
        long records = 0;
        long failed = 0;
        bool engineIncomplete = false;
    };

    static int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

    // The batch path: every record of in through the chart computation into the writer; each bad
    // line is reported on err with its number and field and gets an empty record.
    static Summary process(std::istream& in, BatchResultWriter& writer, std::ostream& err,
                           int defaultHouseSystem);

  private:
    enum class LineRead { Line, TooLong, End };
    static LineRead readLine(std::istream& in, std::string& line);
};

}  // namespace orvanta::cli
