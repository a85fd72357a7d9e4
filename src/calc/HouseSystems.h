#pragma once

#include <optional>
#include <string_view>

namespace orvanta {

// The twelve house systems in the order the birth-data entry offers them; the index is what
// charts store and what the engine receives.
class HouseSystems {
  public:
    static constexpr int kCount = 12;
    static constexpr int kNone = -1;

    // "Placidus", "Koch", "Equa", ... ; empty outside 0 to 11.
    static std::string_view name(int index);
    static std::optional<int> indexOf(std::string_view name);

    // Beyond the polar circles some degrees never rise or never set, so the systems that divide
    // a degree's diurnal arc (Placidus, Koch, Campanus, Regiomontanus, Porphyry, Topocentric,
    // Neo-Porphyry) cannot be built there. A chart without houses is buildable everywhere.
    static constexpr double kPolarLatitude = 66.55;
    static bool buildableAt(int index, double latitude);
};

}  // namespace orvanta
