#pragma once

#include "doc/BornSheetModel.h"
#include "settings/AspectPage.h"
#include "settings/CShowHowPage.h"
#include "settings/PlanetPage.h"
#include "settings/SettingsSheet.h"

namespace orvanta {

// "Установки для карты рождения": which bodies the natal chart shows and how, its aspects, and
// the orientation of the zodiac.
class CBornSheet : public SettingsSheet {
    Q_OBJECT
  public:
    explicit CBornSheet(CZodiacDoc& doc, QWidget* parent = nullptr);

    PlanetPage* planetPage() const { return planets_; }
    AspectPage* aspectPage() const { return aspects_; }
    CShowHowPage* orientationPage() const { return orientation_; }

  protected:
    void confirm() override;
    void cancel(const std::vector<int>& shownPages) override;

  private:
    BornSheetModel model_;
    PlanetPage* planets_ = nullptr;
    AspectPage* aspects_ = nullptr;
    CShowHowPage* orientation_ = nullptr;
};

}  // namespace orvanta
