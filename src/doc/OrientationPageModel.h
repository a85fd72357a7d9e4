#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "doc/CZodiacDoc.h"
#include "doc/FieldRefusal.h"
#include "doc/OrientationFile.h"

namespace orvanta {

// What the zodiac orientation page decides: its three values (direction, start, angle) taken
// from the chart's orientation switches and given back to them, which starts a chart can use,
// and the storing of "Default.rnd".
class OrientationPageModel {
  public:
    explicit OrientationPageModel(CZodiacDoc& doc);

    const OrientationFile::Setting& values() const { return values_; }
    void setDirection(int direction) { values_.direction = direction; }
    // Starts 0 and 1 set the angle back to 0; only start 2 uses it.
    void chooseStart(int start);
    bool angleEditable() const { return values_.start == OrientationFile::ArbitraryAngle; }
    std::string angleText() const;

    // A chart without houses has no Ascendant to start from, and its arbitrary start counts
    // from Aries.
    bool canStartFromAscendant() const;
    std::string arbitraryStartCaption() const;

    // The typed angle; refused when it is no number (the page keeps its values then).
    std::optional<FieldRefusal> takeAngle(std::string_view text);

    void loadFromChart();
    // The values go into the chart's switches and the natal views are redrawn.
    void applyToChart();

    // "Запомнить": the values are written to "Default.rnd" and copied into the chart.
    std::optional<FieldRefusal> remember(std::string_view angleText);
    // "Восстановить": the unapplied edits are dropped and the chart's orientation shown again.
    void restore() { loadFromChart(); }

  private:
    CZodiacDoc& doc_;
    OrientationFile::Setting values_;
};

}  // namespace orvanta
