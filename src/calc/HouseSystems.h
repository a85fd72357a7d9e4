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
    // Beyond this latitude, north or south, some degrees of the ecliptic never rise or never
    // set, and the systems that divide their diurnal arcs cannot be built.
    static constexpr double kPolarLatitude = 66.55;
    static constexpr const char* kPolarMessage = "Для заполярья эта система домов не пригодна...";

    // "Placidus", "Koch", "Equa", ... ; empty outside 0 to 11.
    static std::string_view name(int index);
    static std::optional<int> indexOf(std::string_view name);

    // True for the systems that divide a degree's diurnal arc (Placidus, Koch, Campanus,
    // Regiomontanus, Porphyry, Topocentric, Neo-Porphyry) beyond the polar circle, north or south.
    static bool unfitAt(int index, double latitude);
    // The opposite; a chart without houses is buildable everywhere.
    static bool buildableAt(int index, double latitude);
};

}  // namespace orvanta
