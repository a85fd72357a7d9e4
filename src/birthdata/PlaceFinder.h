#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

class PlaceBase;
class WorldAtlas;
struct AtlasCity;

// A place offered for a birth place: one of the user's own places or a city of the atlas.
struct PlaceSuggestion {
    std::string label;  // what the list shows: "Город — область, страна", or the user's name
    std::string name;  // the place text it gives
    double latitude = 0.0;
    double longitude = 0.0;
    std::string zone;  // IANA time zone; empty for a place that is no atlas city
    bool userPlace = false;
};

// Looks places up in the user's places base first and then in the world atlas.
class PlaceFinder {
  public:
    // Both must outlive the finder; without an atlas only the user's places are found.
    PlaceFinder(const PlaceBase& places, const WorldAtlas* atlas);

    // Places whose name begins with `prefix`: the user's in alphabetical order, then the
    // atlas's most populous first (leaving out the cities the user's places already are).
    std::vector<PlaceSuggestion> suggest(std::string_view prefix, std::size_t limit) const;
    // The place a text names: a user's place of that name, an atlas city of that label or
    // name (the most populous), or else the first suggestion.
    std::optional<PlaceSuggestion> resolve(std::string_view text) const;
    // The user's place or atlas city called exactly `text`; no prefix matches.
    std::optional<PlaceSuggestion> exact(std::string_view text) const;
    // The zone of a place called `name` at the point: that of the atlas city of the same
    // name lying within WorldAtlas::kSamePlaceKm; empty otherwise.
    std::string zoneOf(std::string_view name, double latitude, double longitude) const;

  private:
    PlaceSuggestion fromCity(const AtlasCity& city) const;
    PlaceSuggestion fromUserPlace(int index) const;

    const PlaceBase& places_;
    const WorldAtlas* atlas_;
};

}  // namespace orvanta
