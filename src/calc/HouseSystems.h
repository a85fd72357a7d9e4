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
};

}  // namespace orvanta
