#include "doc/PlanetPageModel.h"

#include "calc/Bodies.h"
#include "doc/SettingsDefaults.h"
#include "doc/SettingsFile.h"

namespace orvanta {

PlanetPageModel::PlanetPageModel(CZodiacDoc& doc, Kind kind) : doc_(doc), kind_(kind) {
    flags_.resize(static_cast<std::size_t>(count()));
    loadFromObjects();
}

int PlanetPageModel::count() const {
    return kind_ == Kind::RadixObjects ? Bodies::kLastCusp : Bodies::kBodyCount;
}

ChartData& PlanetPageModel::objects() {
    return kind_ == Kind::TransitPlanets ? doc_.eventChart().bodies() : doc_.natal().chart;
}

std::string_view PlanetPageModel::fileName() const {
    return kind_ == Kind::TransitPlanets ? SettingsFile::kTransitPlanets
                                         : SettingsFile::kRadixPlanets;
}

std::int32_t& PlanetPageModel::field(ObjectStyle& object) const {
    switch (kind_) {
        case Kind::NatalPlanets:
            return object.shown;
        case Kind::TransitPlanets:
            return object.transitUse;
        case Kind::RadixObjects:
            break;
    }
    return object.radixUse;
}

int PlanetPageModel::hint() const {
    return kind_ == Kind::NatalPlanets ? CZodiacDoc::kHintNatal : CZodiacDoc::kHintEventChart;
}

bool PlanetPageModel::canTick(int number) const {
    return !(kind_ == Kind::RadixObjects && Bodies::isCusp(number) && !doc_.natal().hasHouses());
}

void PlanetPageModel::clearHousesWithoutHouses() {
    if (kind_ != Kind::RadixObjects || doc_.natal().hasHouses()) return;
    for (int number = Bodies::kFirstCusp; number <= Bodies::kLastCusp; ++number) {
        doc_.natal().chart.style[number].radixUse = 0;
    }
}

void PlanetPageModel::loadFromObjects() {
    ChartData& chart = objects();
    for (int number = 1; number <= count(); ++number) {
        setFlag(number, field(chart.style[number]) != 0 && canTick(number));
    }
}

void PlanetPageModel::applyToObjects() {
    ChartData& chart = objects();
    for (int number = 1; number <= count(); ++number) {
        field(chart.style[number]) = flag(number) ? 1 : 0;
    }
    clearHousesWithoutHouses();
}

bool PlanetPageModel::remember() {
    applyToObjects();
    if (kind_ == Kind::NatalPlanets) doc_.interpretation().markOutOfDate();
    doc_.updateAllViews(hint());
    // The natal page stores the bodies; the cusp records the radix page stored stay.
    if (kind_ == Kind::NatalPlanets) {
        return SettingsDefaults::writeLeadingPlanets(doc_, fileName(), objects(), count());
    }
    return SettingsDefaults::writePlanets(doc_, fileName(), objects(), count());
}

bool PlanetPageModel::restore() {
    if (!SettingsDefaults::readPlanets(doc_, fileName(), objects(), count())) return false;
    clearHousesWithoutHouses();
    loadFromObjects();
    if (kind_ == Kind::NatalPlanets) doc_.interpretation().markOutOfDate();
    doc_.updateAllViews(hint());
    return true;
}

}  // namespace orvanta
