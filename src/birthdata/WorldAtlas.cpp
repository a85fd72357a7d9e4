#include "birthdata/WorldAtlas.h"

#include <geonames.h>
#include <libintl.h>
#include <locale.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <optional>

#include "common/MessageSink.h"
#include "common/Windows1251.h"

namespace orvanta {
namespace {

constexpr const char* kGeonamesDomain = "geonames";

// libgeonames translates its names through gettext in the calling thread's message language.
// For the time the atlas is read, this thread runs under C.UTF-8 with the message language
// Russian, whatever the user's locale and LANGUAGE say; both are put back afterwards. Gettext
// ignores LANGUAGE only under the plain "C" locale, which C.UTF-8 is not.
class RussianMessages {
  public:
    RussianMessages() {
        bind_textdomain_codeset(kGeonamesDomain, "UTF-8");
        locale_ = newlocale(LC_ALL_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
        if (locale_ != static_cast<locale_t>(nullptr)) previousLocale_ = uselocale(locale_);
        if (const char* language = std::getenv("LANGUAGE")) previousLanguage_ = language;
        setenv("LANGUAGE", "ru", 1);
    }
    ~RussianMessages() {
        if (previousLanguage_) {
            setenv("LANGUAGE", previousLanguage_->c_str(), 1);
        } else {
            unsetenv("LANGUAGE");
        }
        if (locale_ != static_cast<locale_t>(nullptr)) {
            uselocale(previousLocale_);
            freelocale(locale_);
        }
    }
    RussianMessages(const RussianMessages&) = delete;
    RussianMessages& operator=(const RussianMessages&) = delete;

    bool active() const { return locale_ != static_cast<locale_t>(nullptr); }

  private:
    locale_t locale_ = static_cast<locale_t>(nullptr);
    locale_t previousLocale_ = static_cast<locale_t>(nullptr);
    std::optional<std::string> previousLanguage_;
};

std::string copyText(const gchar* text) {
    return text != nullptr ? std::string(text) : std::string();
}

// A name the places base can store: the Russian name, or for the few cities the atlas names
// only with letters outside Windows-1251 (such as "ş"), their plain Latin spelling.
std::optional<std::string> storableName(const gchar* name) {
    if (name == nullptr) return std::nullopt;
    if (Windows1251::canEncode(name)) return std::string(name);
    gchar* plain = g_str_to_ascii(name, "C");
    std::optional<std::string> result;
    if (plain != nullptr && Windows1251::canEncode(plain)) result = std::string(plain);
    g_free(plain);
    return result;
}

std::vector<AtlasCity> readGeonames() {
    std::vector<AtlasCity> cities;
    const RussianMessages russian;
    if (!russian.active()) {
        MessageSink::report("Атлас городов недоступен: в системе нет локали C.UTF-8.");
        return cities;
    }
    const gint count = geonames_get_n_cities();
    cities.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (gint index = 0; index < count; ++index) {
        GeonamesCity* city = geonames_get_city(index);
        if (city == nullptr) continue;
        if (std::optional<std::string> name = storableName(geonames_city_get_name(city))) {
            cities.push_back(AtlasCity{
                std::move(*name), copyText(geonames_city_get_state(city)),
                copyText(geonames_city_get_country(city)),
                copyText(geonames_city_get_timezone(city)), geonames_city_get_latitude(city),
                geonames_city_get_longitude(city), geonames_city_get_population(city)});
        }
        geonames_city_free(city);
    }
    return cities;
}

}  // namespace

const WorldAtlas& WorldAtlas::shared() {
    static const WorldAtlas atlas(readGeonames());
    return atlas;
}

WorldAtlas::WorldAtlas(std::vector<AtlasCity> cities) : cities_(std::move(cities)) {
    std::stable_sort(cities_.begin(), cities_.end(), [](const AtlasCity& a, const AtlasCity& b) {
        return a.population > b.population;
    });
    buildIndex();
}

void WorldAtlas::buildIndex() {
    index_.clear();
    index_.reserve(cities_.size());
    for (std::size_t i = 0; i < cities_.size(); ++i) {
        std::string key = searchKey(cities_[i].name);
        if (!key.empty()) index_.emplace_back(std::move(key), i);
    }
    std::sort(index_.begin(), index_.end());
}

std::vector<const AtlasCity*> WorldAtlas::search(std::string_view prefix, std::size_t limit) const {
    std::vector<const AtlasCity*> found;
    const std::string key = searchKey(prefix);
    if (key.empty() || limit == 0) return found;
    // The cities are stored the most populous first, so their indices give the order.
    std::vector<std::size_t> matches;
    for (auto it =
             std::lower_bound(index_.begin(), index_.end(), std::make_pair(key, std::size_t{0}));
         it != index_.end() && it->first.compare(0, key.size(), key) == 0; ++it) {
        matches.push_back(it->second);
    }
    const std::size_t count = std::min(limit, matches.size());
    std::partial_sort(matches.begin(), matches.begin() + static_cast<std::ptrdiff_t>(count),
                      matches.end());
    found.reserve(count);
    for (std::size_t i = 0; i < count; ++i) found.push_back(&cities_[matches[i]]);
    return found;
}

const AtlasCity* WorldAtlas::findNear(std::string_view name, double latitude, double longitude,
                                      double withinKm) const {
    const std::string key = searchKey(name);
    if (key.empty()) return nullptr;
    const AtlasCity* nearest = nullptr;
    double nearestKm = withinKm;
    const auto first =
        std::lower_bound(index_.begin(), index_.end(), std::make_pair(key, std::size_t{0}));
    for (auto it = first; it != index_.end() && it->first == key; ++it) {
        const AtlasCity& city = cities_[it->second];
        const double km = distanceKm(latitude, longitude, city.latitude, city.longitude);
        if (km <= nearestKm) {
            nearest = &city;
            nearestKm = km;
        }
    }
    return nearest;
}

double WorldAtlas::distanceKm(double latitude1, double longitude1, double latitude2,
                              double longitude2) {
    constexpr double kEarthRadiusKm = 6371.0;
    constexpr double kRadian = std::numbers::pi / 180.0;
    const double dLatitude = (latitude2 - latitude1) * kRadian;
    const double dLongitude = (longitude2 - longitude1) * kRadian;
    const double a = std::pow(std::sin(dLatitude / 2), 2) +
                     std::cos(latitude1 * kRadian) * std::cos(latitude2 * kRadian) *
                         std::pow(std::sin(dLongitude / 2), 2);
    return 2.0 * kEarthRadiusKm * std::asin(std::sqrt(std::min(1.0, a)));
}

std::string WorldAtlas::searchKey(std::string_view name) {
    const std::optional<std::string> bytes = Windows1251::fromUtf8(name);
    if (!bytes) return {};
    constexpr unsigned char kSmallYo = 0xB8;
    constexpr unsigned char kSmallYe = 0xE5;
    std::string key;
    key.reserve(bytes->size());
    for (const char c : *bytes) {
        const unsigned char lower = Windows1251::toLower(static_cast<unsigned char>(c));
        key.push_back(static_cast<char>(lower == kSmallYo ? kSmallYe : lower));
    }
    return key;
}

}  // namespace orvanta
