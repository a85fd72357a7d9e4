#pragma once

#include "doc/TranzitSheetModel.h"
#include "settings/AspectPage.h"
#include "settings/PlanetPage.h"
#include "settings/SettingsSheet.h"

namespace orvanta {

// "Установки для карты событий": the transiting bodies, the transit aspects and the radix
// objects of the event chart. OK has the event chart built again; there is no "Применить".
class CTranzitSheet : public SettingsSheet {
    Q_OBJECT
  public:
    explicit CTranzitSheet(CZodiacDoc& doc, QWidget* parent = nullptr);

    PlanetPage* transitPage() const { return transit_; }
    AspectPage* aspectPage() const { return aspects_; }
    PlanetPage* radixPage() const { return radix_; }

  protected:
    void confirm() override;
    void cancel(const std::vector<int>& shownPages) override;

  private:
    TranzitSheetModel model_;
    PlanetPage* transit_ = nullptr;
    AspectPage* aspects_ = nullptr;
    PlanetPage* radix_ = nullptr;
};

}  // namespace orvanta
