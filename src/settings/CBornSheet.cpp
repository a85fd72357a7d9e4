#include "settings/CBornSheet.h"

#include "settings/CBornAspectPage.h"
#include "settings/CBornPlanetPage.h"

namespace orvanta {

CBornSheet::CBornSheet(CZodiacDoc& doc, QWidget* parent)
    : SettingsSheet("Установки для карты рождения", true, parent), model_(doc) {
    planets_ = new CBornPlanetPage(model_.planets, this);
    aspects_ = new CBornAspectPage(model_.aspects, this);
    orientation_ = new CShowHowPage(model_.orientation, this);
    addPage(planets_, "Планеты");
    addPage(aspects_, "Аспекты");
    addPage(orientation_, "Поворот Зодиака");
}

void CBornSheet::confirm() {
    model_.confirm();
}

void CBornSheet::cancel(const std::vector<int>& shownPages) {
    std::vector<BornSheetModel::Page> pages;
    for (int index : shownPages) pages.push_back(static_cast<BornSheetModel::Page>(index));
    model_.cancel(pages);
}

}  // namespace orvanta
