#pragma once

#include <iosfwd>
#include <string>

#include "calc/ChartData.h"

namespace orvanta::cli {

// Writes the results of a batch, one a line: CSV (';'-separated, a header line, then the name
// and the longitude and retrograde flag of the 16 bodies and the 12 cusps), or JSON lines (the
// name and the objects of "chart --json"). A line that gave no chart gets an empty record.
class BatchResultWriter {
  public:
    enum class Format { Csv, JsonLines };

    BatchResultWriter(std::ostream& out, Format format) : out_(out), format_(format) {}

    void writeHeader();
    // A chart without houses (housesUnavailable) leaves the cusps out.
    void writeChart(const std::string& name, const ChartData& chart);
    void writeEmpty(const std::string& name, const std::string& error);
    // True once a write did not arrive: nothing after it can make the output whole.
    bool failed() const;

    // A text field of the CSV form: a text that a spreadsheet would take for a formula (it
    // starts with =, +, -, @, a tab or a carriage return) gets a leading apostrophe, and a
    // field holding the separator, a double quote or a line break is quoted as RFC 4180 says.
    static std::string csvField(const std::string& text);

  private:
    std::ostream& out_;
    Format format_;
    std::string line_;  // reused, so a long run allocates nothing per record
};

}  // namespace orvanta::cli
