#pragma once

#include <string_view>

namespace orvanta {

// The fixed numbering of bodies and house cusps, used as indices and stored identifiers.
class Bodies {
  public:
    static constexpr int kObjectCount = 33;  // 0 unused, 1-16 bodies, 17-28 cusps, 29-32 spare
    static constexpr int kBodyCount = 16;
    static constexpr int kFirstCusp = 17;
    static constexpr int kLastCusp = 28;
    static constexpr int kHouseCount = 12;

    enum Number : int {
        Sun = 1,
        Moon,
        Mercury,
        Venus,
        Mars,
        Jupiter,
        Saturn,
        Chiron,
        Uranus,
        Neptune,
        Pluto,
        Proserpina,
        NorthNode,
        SouthNode,
        Selena,
        Lilith,
        Ascendant = 17,
    };

    // The stored Russian name of body 1 to 16; empty for any other number.
    static std::string_view name(int body);

    // The longer caption of the settings pages ("В.Узел (Раху)" for the nodes).
    static std::string_view caption(int body);

    static constexpr int cuspOfHouse(int house) { return kBodyCount + house; }
    static constexpr int houseOfCusp(int cusp) { return cusp - kBodyCount; }
    static constexpr bool isBody(int number) { return number >= 1 && number <= kBodyCount; }
    static constexpr bool isCusp(int number) { return number >= kFirstCusp && number <= kLastCusp; }
};

}  // namespace orvanta
