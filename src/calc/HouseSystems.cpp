#include "calc/HouseSystems.h"

#include <array>

namespace orvanta {
namespace {

constexpr std::array<std::string_view, HouseSystems::kCount> kNames = {
    "Placidus", "Koch",    "Equa",        "Campanus",  "Meridian",     "Regiomontanus",
    "Porphyry", "Morinus", "Topocentric", "Equal(MC)", "Neo-Porphyry", "Whole",
};

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

}  // namespace orvanta
