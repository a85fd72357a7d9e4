#pragma once

#include "birthdata/BirthDataEntry.h"
#include "ui/BirthDataDialog.h"

namespace orvanta {

class OpenChart;
struct AppContext;
struct NatalChart;

// The two commands that run the birth-data entry on a chart: a new chart, and a change of the
// birth data of an open one.
class BirthDataCommands {
  public:
    // The entry on the chart's record; on OK the document builds the new chart. False when
    // the entry was cancelled or the chart could not be computed.
    static bool newChart(OpenChart& chart, AppContext& context, QWidget* parent,
                         const BirthDataDialog::Files& files = BirthDataDialog::Files::standard());
    // The entry on the chart's record; on OK with changed data the chart is computed again,
    // marked modified and every view redrawn. False when nothing changed.
    static bool changeBirthData(
        OpenChart& chart, AppContext& context, QWidget* parent,
        const BirthDataDialog::Files& files = BirthDataDialog::Files::standard());

    static BirthDataEntry::Record recordOf(const NatalChart& natal);
};

}  // namespace orvanta
