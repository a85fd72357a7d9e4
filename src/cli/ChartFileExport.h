#pragma once

#include <string>

#include "birthdata/TimeChangeBase.h"
#include "calc/BirthData.h"
#include "calc/ChartData.h"
#include "cli/ChartCommand.h"

namespace orvanta::cli {

// "orvanta-cli chart ... -o FILE.map": the chart built as the desktop program builds a new
// chart (the delivered settings defaults applied) and saved as a chart file.
class ChartFileExport {
  public:
    // Computes and saves; the chart receives the computed positions. False when the
    // time-change base is damaged, or the engine or the save failed (reported through the
    // message sink).
    static bool save(const ChartOptions& options, const std::string& path, ChartData& chart);

    // The birth data of the options: Greenwich time derived from the zone, the difference
    // from Moscow from the time-change base (Moscow's three hours when it has no answer).
    // Damaged records the search passed over are reported through the message sink.
    static BirthData birthData(const ChartOptions& options, const TimeChangeBase& changes);
};

}  // namespace orvanta::cli
