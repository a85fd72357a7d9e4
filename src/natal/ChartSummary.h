#pragma once

#include <array>
#include <vector>

#include "calc/AspectSetting.h"
#include "calc/ChartData.h"
#include "natal/AspectPatterns.h"
#include "natal/ChartShape.h"

namespace orvanta {

// One aspect of the chart with what decides its rank: how far it is from exact and how much
// it weighs.
struct RankedAspect {
    int aspect = 0;  // index into the natal aspect table
    int first = 0;
    int second = 0;
    double orb = 0.0;  // degrees from exact
    double strength = 0.0;
    bool major = false;  // 0, 60, 90, 120 or 180 degrees
};

// What a full reading draws its overview from: the balance of elements and modes among the
// ten planets, the planets that dominate, the shape, the patterns, the retrograde planets and
// the aspects of the planets, Chiron and the angles ranked by strength.
class ChartSummary {
  public:
    static constexpr std::array<int, 10> kPlanets = {
        Bodies::Sun,     Bodies::Moon,   Bodies::Mercury, Bodies::Venus,   Bodies::Mars,
        Bodies::Jupiter, Bodies::Saturn, Bodies::Uranus,  Bodies::Neptune, Bodies::Pluto};
    static constexpr int kElementCount = 4;  // fire, earth, air, water
    static constexpr int kModeCount = 3;     // cardinal, fixed, mutable
    static constexpr int kMidheaven = 26;

    ChartSummary(const ChartData& chart, const NatalAspectTable& aspects);

    static int elementOf(int sign) { return (sign - 1) % kElementCount; }
    static int modeOf(int sign) { return (sign - 1) % kModeCount; }
    // The planet that rules a sign (the modern rulers: Mars for Aries, Pluto for Scorpio …).
    static int rulerOf(int sign);
    // Major aspects: exactly 0, 60, 90, 120 or 180 degrees.
    static bool isMajor(double angle);

    const std::array<std::vector<int>, kElementCount>& elements() const { return elements_; }
    const std::array<std::vector<int>, kModeCount>& modes() const { return modes_; }
    // The two or three planets with the highest score, highest first.
    const std::vector<int>& dominants() const { return dominants_; }
    ChartShape::Kind shape() const { return shape_; }
    const std::vector<AspectPattern>& patterns() const { return patterns_; }
    const std::vector<int>& retrogrades() const { return retrogrades_; }
    // Strongest first: closeness to exact, with the Sun, the Moon and the angles weighing more.
    const std::vector<RankedAspect>& aspects() const { return aspects_; }
    // 1 to 12, or 0 without houses.
    int houseOf(int object) const;
    bool hasHouses() const { return chart_.housesUnavailable == 0; }

  private:
    void countBalance();
    void rankAspects(const NatalAspectTable& aspects);
    void chooseDominants();
    double dominanceOf(int planet) const;

    const ChartData& chart_;
    std::array<std::vector<int>, kElementCount> elements_;
    std::array<std::vector<int>, kModeCount> modes_;
    std::vector<int> dominants_;
    ChartShape::Kind shape_ = ChartShape::Kind::Splash;
    std::vector<AspectPattern> patterns_;
    std::vector<int> retrogrades_;
    std::vector<RankedAspect> aspects_;
};

}  // namespace orvanta
