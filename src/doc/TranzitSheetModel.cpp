#include "doc/TranzitSheetModel.h"

#include "doc/SettingsFile.h"

namespace orvanta {

TranzitSheetModel::TranzitSheetModel(CZodiacDoc& doc)
    : transitPlanets(doc, PlanetPageModel::Kind::TransitPlanets),
      aspects(doc, doc.transitAspects(), SettingsFile::kTransitAspects,
              CZodiacDoc::kHintEventChart),
      radixPlanets(doc, PlanetPageModel::Kind::RadixObjects),
      doc_(doc) {}

// The event chart's lists are computed by its window from the document; once they are marked
// as not computed, the window computes them again for the settings as they now are and marks
// the situations that are switched off.
void TranzitSheetModel::rebuildEventChart() {
    doc_.eventChart().computed = false;
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
