#include "calc/HouseSystems.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace orvanta {
namespace {

constexpr std::array<std::string_view, HouseSystems::kCount> kNames = {
    "Placidus", "Koch",    "Equa",        "Campanus",  "Meridian",     "Regiomontanus",
    "Porphyry", "Morinus", "Topocentric", "Equal(MC)", "Neo-Porphyry", "Whole",
};

// The systems that divide the diurnal arc of a degree.
constexpr std::array<int, 7> kPolarUnfitSystems = {0, 1, 3, 5, 6, 8, 10};

}  // namespace

std::string_view HouseSystems::name(int index) {
    if (index < 0 || index >= kCount) return {};
    return kNames[static_cast<std::size_t>(index)];
}

std::optional<int> HouseSystems::indexOf(std::string_view name) {
    for (int i = 0; i < kCount; ++i) {
        if (kNames[static_cast<std::size_t>(i)] == name) return i;
    }
    return std::nullopt;
}

bool HouseSystems::unfitAt(int index, double latitude) {
    if (!(std::fabs(latitude) > kPolarLatitude)) return false;
    for (int unfit : kPolarUnfitSystems) {
        if (unfit == index) return true;
    }
    return false;
}

bool HouseSystems::buildableAt(int index, double latitude) {
    return !unfitAt(index, latitude);
}

}  // namespace orvanta
