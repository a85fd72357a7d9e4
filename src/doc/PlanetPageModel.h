#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "calc/ChartData.h"
#include "doc/CZodiacDoc.h"

namespace orvanta {

// What a planets page decides: its own copy of one use flag of the chart objects it lists,
// which rows can be ticked, and the storing and restoring of its defaults file. Pictures and
// labels are edited in the objects themselves.
class PlanetPageModel {
  public:
    enum class Kind {
        NatalPlanets,    // shown flags of the natal bodies 1-16, "default.rxp" (16 records)
        TransitPlanets,  // transit use of the transiting bodies 1-16, "default.trp"
        RadixObjects,    // radix use of the natal bodies and cusps 1-28, "default.rxp" (28)
    };

    PlanetPageModel(CZodiacDoc& doc, Kind kind);

    Kind kind() const { return kind_; }
    // Objects 1 to count() are listed.
    int count() const;
    ChartData& objects();
    std::string_view fileName() const;

    bool flag(int number) const { return flags_.at(static_cast<std::size_t>(number - 1)); }
    void setFlag(int number, bool on) { flags_.at(static_cast<std::size_t>(number - 1)) = on; }
    // The house rows of the radix page cannot be ticked in a chart without houses.
    bool canTick(int number) const;

    void loadFromObjects();
    void applyToObjects();

    // "Запомнить": the flags go into the objects, the views are told and the records of
    // objects 1 to count() are written; the natal page keeps the cusp records that follow
    // them in the file. False after a reported write failure.
    bool remember();
    // "Восстановить", also the page's reset: the objects' settings are read again from the
    // file and the flags taken from them. A missing file is reported and changes nothing.
    bool restore();

  private:
    std::int32_t& field(ObjectStyle& object) const;
    int hint() const;
    void clearHousesWithoutHouses();

    CZodiacDoc& doc_;
    Kind kind_;
    std::vector<bool> flags_;
};

}  // namespace orvanta
