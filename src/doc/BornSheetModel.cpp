#include "doc/BornSheetModel.h"

#include "doc/ChartSnapshot.h"
#include "doc/SettingsFile.h"

namespace orvanta {

BornSheetModel::BornSheetModel(CZodiacDoc& doc)
    : planets(doc, PlanetPageModel::Kind::NatalPlanets),
      aspects(doc, doc.natal().aspects, SettingsFile::kNatalAspects, CZodiacDoc::kHintNatal),
      orientation(doc),
      doc_(doc),
      chartBefore_(ChartSnapshot::of(doc)) {}

void BornSheetModel::markModifiedIfChanged() {
    if (ChartSnapshot::of(doc_) != chartBefore_) doc_.setModified(true);
}

void BornSheetModel::confirm() {
    planets.applyToObjects();
    aspects.applyToTable();
    OrientationFile::apply(orientation.values(), doc_.natal().orientation);
    markModifiedIfChanged();
    doc_.interpretation().markOutOfDate();
    doc_.updateAllViews(CZodiacDoc::kHintNatal);
}

void BornSheetModel::cancel(const std::vector<Page>& shownPages) {
    for (const Page page : shownPages) {
        switch (page) {
            case Planets:
                planets.restore();
                break;
            case Aspects:
                aspects.restore();
                break;
            case Orientation:
                orientation.restore();
                break;
            case kPageCount:
                break;
        }
    }
    markModifiedIfChanged();
}

}  // namespace orvanta
