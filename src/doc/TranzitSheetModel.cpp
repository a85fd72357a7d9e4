#include "doc/TranzitSheetModel.h"

#include "doc/SettingsFile.h"

namespace orvanta {

TranzitSheetModel::TranzitSheetModel(CZodiacDoc& doc)
    : transitPlanets(doc, PlanetPageModel::Kind::TransitPlanets),
      aspects(doc, doc.eventChart().aspects(), SettingsFile::kTransitAspects,
              CZodiacDoc::kHintEventChart),
      radixPlanets(doc, PlanetPageModel::Kind::RadixObjects),
      doc_(doc) {
    // The pages open on the lists as the current settings switch them.
    doc_.eventChart().mark(doc_.natal().chart);
}

// OK builds the event chart again for the settings as they now are, and marks the situations
// that are switched off.
void TranzitSheetModel::rebuildEventChart() {
    doc_.rebuildEventChart();
    doc_.updateAllViews(CZodiacDoc::kHintEventChart);
}

void TranzitSheetModel::confirm() {
    transitPlanets.applyToObjects();
    aspects.applyToTable();
    radixPlanets.applyToObjects();
    rebuildEventChart();
}

void TranzitSheetModel::cancel(const std::vector<Page>& shownPages) {
    for (const Page page : shownPages) {
        switch (page) {
            case TransitPlanets:
                transitPlanets.restore();
                break;
            case Aspects:
                aspects.restore();
                break;
            case RadixPlanets:
                radixPlanets.restore();
                break;
            case kPageCount:
                break;
        }
    }
}

}  // namespace orvanta
