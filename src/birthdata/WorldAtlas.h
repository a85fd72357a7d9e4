#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "birthdata/AtlasCity.h"

namespace orvanta {

// The cities of the world as Debian's libgeonames knows them (GeoNames data), with their
// names in Russian whatever the user's own language, searched by the beginning of the name.
class WorldAtlas {
  public:
    // Cities closer than this to a named place are taken to be that place.
    static constexpr double kSamePlaceKm = 20.0;

    // Reading the atlas takes a noticeable part of a second, so the program reads it once.
    static const WorldAtlas& shared();

    // An atlas of the given cities, for tests.
    explicit WorldAtlas(std::vector<AtlasCity> cities);

    // Cities whose name begins with `prefix` (letter case ignored, "ё" read as "е"), the most
    // populous first, at most `limit` of them.
    std::vector<const AtlasCity*> search(std::string_view prefix, std::size_t limit) const;
    // The nearest city called `name` within `withinKm` of the point, or nullptr.
    const AtlasCity* findNear(std::string_view name, double latitude, double longitude,
                              double withinKm = kSamePlaceKm) const;

    const std::vector<AtlasCity>& cities() const { return cities_; }

    // Great-circle distance in kilometres.
    static double distanceKm(double latitude1, double longitude1, double latitude2,
                             double longitude2);
    // The search key of a name: Windows-1251 bytes in lower case with "ё" as "е"; empty when
    // the text holds a character the code page lacks.
    static std::string searchKey(std::string_view name);

  private:
    WorldAtlas() = default;
    void buildIndex();

    std::vector<AtlasCity> cities_;  // the most populous first
    // Search key and city index, ordered by key and then by index.
    std::vector<std::pair<std::string, std::size_t>> index_;
};

}  // namespace orvanta
