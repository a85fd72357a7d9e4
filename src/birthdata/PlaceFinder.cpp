#include "birthdata/PlaceFinder.h"

#include <algorithm>

#include "birthdata/PlaceBase.h"
#include "birthdata/WorldAtlas.h"

namespace orvanta {

PlaceFinder::PlaceFinder(const PlaceBase& places, const WorldAtlas* atlas)
    : places_(places), atlas_(atlas) {}

PlaceSuggestion PlaceFinder::fromCity(const AtlasCity& city) const {
    return {city.label(), city.name, city.latitude, city.longitude, city.zone, false};
}

PlaceSuggestion PlaceFinder::fromUserPlace(int index) const {
    const PlaceRecord& place = places_.records()[static_cast<std::size_t>(index)];
    PlaceSuggestion suggestion{place.name, place.name, place.latitude, place.longitude, "", true};
    if (atlas_ != nullptr) {
        if (const AtlasCity* city = atlas_->findNear(place.name, place.latitude, place.longitude)) {
            suggestion.label = city->label();
            suggestion.zone = city->zone;
        }
    }
    return suggestion;
}

std::vector<PlaceSuggestion> PlaceFinder::suggest(std::string_view prefix,
                                                  std::size_t limit) const {
    std::vector<PlaceSuggestion> found;
    const std::string key = WorldAtlas::searchKey(prefix);
    if (key.empty()) return found;

    std::vector<std::pair<std::string, int>> userMatches;
    for (int i = 0; i < places_.size(); ++i) {
        std::string name =
            WorldAtlas::searchKey(places_.records()[static_cast<std::size_t>(i)].name);
        if (name.compare(0, key.size(), key) == 0) userMatches.emplace_back(std::move(name), i);
    }
    std::stable_sort(userMatches.begin(), userMatches.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& match : userMatches) {
        if (found.size() == limit) return found;
        found.push_back(fromUserPlace(match.second));
    }
    if (atlas_ == nullptr) return found;

    const std::size_t userCount = found.size();
    // Enough cities that those standing for the user's places can be left out.
    for (const AtlasCity* city : atlas_->search(prefix, limit + userCount)) {
        if (found.size() == limit) break;
        const bool known =
            std::any_of(found.begin(), found.begin() + static_cast<std::ptrdiff_t>(userCount),
                        [city](const PlaceSuggestion& user) {
                            return user.zone == city->zone && user.label == city->label();
                        });
        if (!known) found.push_back(fromCity(*city));
    }
    return found;
}

std::optional<PlaceSuggestion> PlaceFinder::exact(std::string_view text) const {
    if (const std::optional<int> index = places_.find(text)) return fromUserPlace(*index);
    if (atlas_ == nullptr) return std::nullopt;
    const std::string key = WorldAtlas::searchKey(text);
    // A label holds " — ", so the name before it leads the search.
    const std::size_t dash = text.find(" — ");
    const std::string_view name = dash == std::string_view::npos ? text : text.substr(0, dash);
    for (const AtlasCity* city : atlas_->search(name, atlas_->cities().size())) {
        if (WorldAtlas::searchKey(city->name) == key ||
            WorldAtlas::searchKey(city->label()) == key) {
            return fromCity(*city);
        }
    }
    return std::nullopt;
}

std::optional<PlaceSuggestion> PlaceFinder::resolve(std::string_view text) const {
    if (std::optional<PlaceSuggestion> place = exact(text)) return place;
    std::vector<PlaceSuggestion> first = suggest(text, 1);
    if (first.empty()) return std::nullopt;
    return first.front();
}

std::string PlaceFinder::zoneOf(std::string_view name, double latitude, double longitude) const {
    if (atlas_ == nullptr) return {};
    const AtlasCity* city = atlas_->findNear(name, latitude, longitude);
    return city != nullptr ? city->zone : std::string();
}

}  // namespace orvanta
