#include "natal/ChartSummary.h"

#include <algorithm>
#include <cmath>

#include "calc/Bodies.h"
#include "natal/ChartHouses.h"
#include "natal/FindNatalAspects.h"

namespace orvanta {
namespace {

constexpr double kAngleConjunction = 8.0;  // a planet this close to an angle stands on it

double separation(double a, double b) {
    const double arc = ChartHouses::forwardArc(a, b);
    return arc > 180.0 ? 360.0 - arc : arc;
}

bool isLuminary(int object) {
    return object == Bodies::Sun || object == Bodies::Moon;
}

bool isAngle(int object) {
    return object == Bodies::Ascendant || object == ChartSummary::kMidheaven;
}

}  // namespace

ChartSummary::ChartSummary(const ChartData& chart, const NatalAspectTable& aspects)
    : chart_(chart) {
    countBalance();
    rankAspects(aspects);
    chooseDominants();
    patterns_ = AspectPatterns::find(chart, aspects);
    std::vector<double> longitudes;
    for (int planet : kPlanets) {
        if (chart.style[planet].shown != 1) continue;
        longitudes.push_back(chart[planet].longitude);
        // The Sun and the Moon are never retrograde; a stored flag on them is ignored.
        if (chart[planet].retrograde != 0 && !isLuminary(planet)) retrogrades_.push_back(planet);
    }
    shape_ = ChartShape::of(longitudes);
}

int ChartSummary::rulerOf(int sign) {
    constexpr std::array<int, 12> kRulers = {Bodies::Mars,   Bodies::Venus,  Bodies::Mercury,
                                             Bodies::Moon,   Bodies::Sun,    Bodies::Mercury,
                                             Bodies::Venus,  Bodies::Pluto,  Bodies::Jupiter,
                                             Bodies::Saturn, Bodies::Uranus, Bodies::Neptune};
    if (sign < 1 || sign > 12) return 0;
    return kRulers[static_cast<std::size_t>(sign - 1)];
}

bool ChartSummary::isMajor(double angle) {
    return angle == 0.0 || angle == 60.0 || angle == 90.0 || angle == 120.0 || angle == 180.0;
}

int ChartSummary::houseOf(int object) const {
    return ChartHouses::houseOf(chart_, object);
}

void ChartSummary::countBalance() {
    for (int planet : kPlanets) {
        const int sign = chart_[planet].sign;
        if (chart_.style[planet].shown != 1 || sign < 1 || sign > 12) continue;
        elements_[static_cast<std::size_t>(elementOf(sign))].push_back(planet);
        modes_[static_cast<std::size_t>(modeOf(sign))].push_back(planet);
    }
}

void ChartSummary::rankAspects(const NatalAspectTable& aspects) {
    std::vector<int> objects(kPlanets.begin(), kPlanets.end());
    objects.push_back(Bodies::Chiron);
    if (hasHouses()) {
        objects.push_back(Bodies::Ascendant);
        objects.push_back(kMidheaven);
    }
    std::sort(objects.begin(), objects.end());
    for (std::size_t x = 0; x < objects.size(); ++x) {
        for (std::size_t y = x + 1; y < objects.size(); ++y) {
            const int i = objects[x];
            const int j = objects[y];
            if (isAngle(i) && isAngle(j)) continue;
            for (int a = 0; a < kAspectCount; ++a) {
                if (!FindNatalAspects::test(chart_, aspects, AspectConsumer::Table, a, i, j))
                    continue;
                const AspectSetting& setting = aspects[static_cast<std::size_t>(a)];
                RankedAspect found{a, i, j, 0.0, 0.0, isMajor(setting.angle)};
                found.orb =
                    std::fabs(separation(chart_[i].longitude, chart_[j].longitude) - setting.angle);
                found.strength = (1.0 - found.orb / setting.orb) * (found.major ? 1.0 : 0.5);
                if (isLuminary(i) || isLuminary(j)) found.strength += 0.3;
                if (isAngle(i) || isAngle(j)) found.strength += 0.2;
                aspects_.push_back(found);
            }
        }
    }
    std::stable_sort(aspects_.begin(), aspects_.end(),
                     [](const auto& a, const auto& b) { return a.strength > b.strength; });
}

// Angularity, then the aspects it makes, then rulership of its own sign, the rising sign and
// the Sun's sign.
double ChartSummary::dominanceOf(int planet) const {
    double score = 0.0;
    if (hasHouses()) {
        const double longitude = chart_[planet].longitude;
        for (int cusp : {1, 4, 7, 10}) {
            if (separation(longitude, chart_[Bodies::cuspOfHouse(cusp)].longitude) <
                kAngleConjunction)
                score += 4.0;
        }
        const int house = houseOf(planet);
        if (house == 1 || house == 10) score += 2.0;
        if (house == 4 || house == 7) score += 1.0;
    }
    for (const auto& aspect : aspects_) {
        if (aspect.first == planet || aspect.second == planet) score += aspect.strength;
    }
    if (rulerOf(chart_[planet].sign) == planet) score += 2.0;
    if (hasHouses() && rulerOf(chart_[Bodies::Ascendant].sign) == planet) score += 3.0;
    if (rulerOf(chart_[Bodies::Sun].sign) == planet) score += 1.0;
    return score;
}

void ChartSummary::chooseDominants() {
    std::vector<std::pair<double, int>> scores;
    for (int planet : kPlanets) {
        if (chart_.style[planet].shown == 1) scores.push_back({dominanceOf(planet), planet});
    }
    std::stable_sort(scores.begin(), scores.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    // A third planet only when it comes close to the second.
    for (std::size_t i = 0; i < scores.size() && i < 3; ++i) {
        if (i == 2 && scores[2].first < 0.8 * scores[1].first) break;
        dominants_.push_back(scores[i].second);
    }
}

}  // namespace orvanta
