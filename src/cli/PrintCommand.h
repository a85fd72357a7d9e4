#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <iosfwd>
#include <string>
#include <vector>

#include "draw/ChartResources.h"
#include "events/EventChartState.h"

namespace orvanta {
class CZodiacDoc;
}

namespace orvanta::cli {

// "orvanta-cli print": prints a chart file's wheel page, aspect table, interpretation text or
// the event chart dial of a day into a PDF file with the printing routines of the program's
// windows, on A4 or Letter paper, upright or across.
class PrintCommand {
  public:
    static int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

  private:
    struct Request {
        std::string kind;  // "--wheel", "--table", "--text" or "--dial"
        std::string chart;
        std::string output;
        QPageSize paper;
        QPageLayout::Orientation orientation = QPageLayout::Portrait;
        EventChartSettings eventChart;
    };

    static bool printInto(const Request& request, const CZodiacDoc& doc,
                          const ChartResources& resources, std::string* error);
};

}  // namespace orvanta::cli
