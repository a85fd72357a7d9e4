#include "settings/CTranzitSheet.h"

#include "settings/CTrAspectPage.h"
#include "settings/CTrPlanetPage.h"
#include "settings/CTrRxPlanetPage.h"

namespace orvanta {

CTranzitSheet::CTranzitSheet(CZodiacDoc& doc, QWidget* parent)
    : SettingsSheet("Установки для карты событий", false, parent), model_(doc) {
    transit_ = new CTrPlanetPage(model_.transitPlanets, this);
    aspects_ = new CTrAspectPage(model_.aspects, this);
    radix_ = new CTrRxPlanetPage(model_.radixPlanets, this);
    addPage(transit_, "Транзитные планеты");
    addPage(aspects_, "Аспекты");
    addPage(radix_, "Радиксные планеты");
}

void CTranzitSheet::confirm() {
    model_.confirm();
}

void CTranzitSheet::cancel(const std::vector<int>& shownPages) {
    std::vector<TranzitSheetModel::Page> pages;
    for (int index : shownPages) pages.push_back(static_cast<TranzitSheetModel::Page>(index));
    model_.cancel(pages);
}

}  // namespace orvanta
