#include "calc/EngineEphemeris.h"

#include <cmath>

namespace orvanta {

EngineEphemeris::EngineEphemeris(std::unique_ptr<EngineLoader> loader,
                                 EphemerisContract::Entry entry)
    : loader_(std::move(loader)), entry_(entry) {}

std::unique_ptr<EngineEphemeris> EngineEphemeris::open(const std::filesystem::path& libraryPath) {
    auto loader = std::make_unique<EngineLoader>(libraryPath);
    if (!loader->load()) return nullptr;
    auto entry = reinterpret_cast<EphemerisContract::Entry>(
        loader->findEntry(EphemerisContract::kEntryName));
    if (entry == nullptr) return nullptr;
    return std::unique_ptr<EngineEphemeris>(new EngineEphemeris(std::move(loader), entry));
}

std::unique_ptr<EngineEphemeris> EngineEphemeris::openInApplicationFolder() {
    return open(EngineLoader::defaultLibraryPath());
}

std::optional<BodyPosition> EngineEphemeris::positionAt(const Answer& answer, int offset) {
    const auto at = [&](int i) { return answer[static_cast<std::size_t>(offset + i)]; };
    if (std::isnan(at(0))) return std::nullopt;
    return BodyPosition{at(0), at(1), at(2)};
}

std::optional<BodyPosition> EngineEphemeris::body(int number, double julianDayUt) const {
    if (!Bodies::isBody(number)) return std::nullopt;
    const OrvantaInstantQuery query{number, 0, julianDayUt, 0.0, 0.0};
    Answer answer{};
    if (entry_(&query, answer.data()) != EphemerisContract::kAnswered) return std::nullopt;
    return positionAt(answer, 0);
}

Ephemeris::BodyPositions EngineEphemeris::bodies(double julianDayUt) const {
    const OrvantaInstantQuery query{EphemerisContract::kAllBodies, 0, julianDayUt, 0.0, 0.0};
    Answer answer{};
    BodyPositions positions;
    if (entry_(&query, answer.data()) == EphemerisContract::kRefused) return positions;
    for (int number = 1; number <= Bodies::kBodyCount; ++number) {
        positions[static_cast<std::size_t>(number)] =
            positionAt(answer, (number - 1) * EphemerisContract::kValuesPerBody);
    }
    return positions;
}

std::optional<HouseCusps> EngineEphemeris::houses(double julianDayUt, double latitude,
                                                  double longitude, int houseSystem) const {
    const OrvantaInstantQuery query{EphemerisContract::kHouses, houseSystem, julianDayUt, latitude,
                                    longitude};
    Answer answer{};
    const int status = entry_(&query, answer.data());
    if (status == EphemerisContract::kRefused) return std::nullopt;
    HouseCusps cusps;
    for (int house = 1; house <= Bodies::kHouseCount; ++house) {
        cusps.cusp[static_cast<std::size_t>(house)] = answer[static_cast<std::size_t>(house - 1)];
    }
    cusps.ascendant = answer[EphemerisContract::kAscendantIndex];
    cusps.mc = answer[EphemerisContract::kMcIndex];
    cusps.exact = (status & EphemerisContract::kHousesNotExact) == 0;
    return cusps;
}

}  // namespace orvanta
