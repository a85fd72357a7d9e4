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

constexpr std::array<int, 7> kDiurnalArcSystems = {0, 1, 3, 5, 6, 8, 10};

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

bool HouseSystems::buildableAt(int index, double latitude) {
    if (std::fabs(latitude) <= kPolarLatitude) return true;
    return std::find(kDiurnalArcSystems.begin(), kDiurnalArcSystems.end(), index) ==
           kDiurnalArcSystems.end();
}

}  // namespace orvanta
