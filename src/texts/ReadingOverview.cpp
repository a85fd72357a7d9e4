#include "texts/ReadingOverview.h"

#include <algorithm>
#include <cmath>

#include "calc/Bodies.h"
#include "natal/ChartShape.h"
#include "texts/ReadingFormat.h"

namespace orvanta {
namespace {

constexpr int kStrongElement = 4;  // of ten planets
constexpr int kStrongMode = 5;
constexpr int kWeak = 1;
constexpr int kManyAspects = 4;  // a planet in this many aspects counts them as a reason
constexpr double kOnAngle = 8.0;

double separation(double a, double b) {
    double arc = std::fmod(std::fabs(a - b), 360.0);
    return arc > 180.0 ? 360.0 - arc : arc;
}

}  // namespace

ReadingOverview::ReadingOverview(const ReadingTexts& texts, const ChartData& chart,
                                 const ChartSummary& summary, const ReadingWords& words)
    : texts_(texts), chart_(chart), summary_(summary), words_(words) {}

std::string ReadingOverview::text() {
    out_.clear();
    writeBalance();
    writeDominants();
    writeShape();
    writePatterns();
    writeRetrogrades();
    return std::move(out_);
}

void ReadingOverview::paragraph(const std::string& text) {
    if (text.empty()) return;
    out_ += ReadingFormat::wrapped(text) + "\n";
}

void ReadingOverview::writeBalance() {
    std::string counts;
    for (int e = 0; e < ChartSummary::kElementCount; ++e) {
        const auto& planets = summary_.elements()[static_cast<std::size_t>(e)];
        counts += (e == 0 ? "" : ", ") + texts_.text("стихия " + std::to_string(e + 1)) + " — " +
                  std::to_string(planets.size()) +
                  (planets.empty() ? "" : " (" + words_.names(planets) + ")");
    }
    paragraph(ReadingFormat::capitalized(counts) + ".");
    bool uneven = false;
    for (int e = 0; e < ChartSummary::kElementCount; ++e) {
        uneven = balanceNote("стихия " + std::to_string(e + 1),
                             summary_.elements()[static_cast<std::size_t>(e)], kStrongElement) ||
                 uneven;
    }
    if (!uneven) paragraph(texts_.text("стихии: ровно"));

    counts.clear();
    for (int m = 0; m < ChartSummary::kModeCount; ++m) {
        const auto& planets = summary_.modes()[static_cast<std::size_t>(m)];
        counts += (m == 0 ? "" : ", ") + texts_.text("крест " + std::to_string(m + 1)) + " — " +
                  std::to_string(planets.size()) +
                  (planets.empty() ? "" : " (" + words_.names(planets) + ")");
    }
    paragraph(ReadingFormat::capitalized(counts) + ".");
    for (int m = 0; m < ChartSummary::kModeCount; ++m) {
        balanceNote("крест " + std::to_string(m + 1), summary_.modes()[static_cast<std::size_t>(m)],
                    kStrongMode);
    }
}

// The note on an element or a mode that holds many planets or hardly any; false when it
// holds neither.
bool ReadingOverview::balanceNote(const std::string& key, const std::vector<int>& planets,
                                  int strong) {
    const int size = static_cast<int>(planets.size());
    const std::string named =
        planets.empty() ? texts_.text("ни одной планеты") : words_.names(planets);
    if (size >= strong) paragraph(texts_.fill(key + ": много", {{"список", named}}));
    if (size <= kWeak) paragraph(texts_.fill(key + ": мало", {{"число", named}}));
    return size >= strong || size <= kWeak;
}

std::vector<std::string> ReadingOverview::reasonsOf(int planet) const {
    std::vector<std::string> reasons;
    bool onAngle = false;
    if (summary_.hasHouses()) {
        for (int house : {1, 4, 7, 10}) {
            onAngle =
                onAngle || separation(chart_[planet].longitude,
                                      chart_[Bodies::cuspOfHouse(house)].longitude) < kOnAngle;
        }
        const int house = summary_.houseOf(planet);
        if (onAngle)
            reasons.push_back(texts_.text("причина: угол"));
        else if (house % 3 == 1)
            reasons.push_back(texts_.text("причина: дом"));
        if (ChartSummary::rulerOf(chart_[Bodies::Ascendant].sign) == planet)
            reasons.push_back(texts_.text("причина: управитель асцендента"));
    }
    if (ChartSummary::rulerOf(chart_[planet].sign) == planet)
        reasons.push_back(texts_.text("причина: свой знак"));
    if (planet != Bodies::Sun && ChartSummary::rulerOf(chart_[Bodies::Sun].sign) == planet)
        reasons.push_back(texts_.text("причина: управитель солнца"));
    int aspects = 0;
    for (const auto& aspect : summary_.aspects()) {
        if (aspect.first == planet || aspect.second == planet) ++aspects;
    }
    if (aspects >= kManyAspects) reasons.push_back(texts_.text("причина: аспекты"));
    return reasons;
}

void ReadingOverview::writeDominants() {
    std::vector<std::string> described;
    for (int planet : summary_.dominants()) {
        const auto reasons = reasonsOf(planet);
        described.push_back(words_.nameOf(planet) +
                            (reasons.empty() ? "" : " (" + ReadingFormat::list(reasons) + ")"));
    }
    if (!described.empty())
        paragraph(texts_.fill("доминанты", {{"список", ReadingFormat::list(described)}}));
}

void ReadingOverview::writeShape() {
    std::vector<double> longitudes;
    std::vector<int> planets;
    for (int planet : ChartSummary::kPlanets) {
        if (chart_.style[planet].shown != 1) continue;
        longitudes.push_back(chart_[planet].longitude);
        planets.push_back(planet);
    }
    if (planets.empty()) return;
    const auto kind = summary_.shape();
    std::string handle;
    if (const auto index = ChartShape::handleOf(longitudes);
        kind == ChartShape::Kind::Bucket && index)
        handle = words_.nameOf(planets[*index]);
    const auto [first, last] = occupiedArc(planets);
    paragraph(
        texts_.fill("форма " + std::string(ChartShape::name(kind)),
                    {{"ручка", handle},
                     {"от", words_.position(first) + " " + words_.genitive(chart_[first].sign)},
                     {"до", words_.position(last) + " " + words_.genitive(chart_[last].sign)}}));
}

// The planets at either end of the filled part of the wheel, going forward: the one after the
// widest empty arc and the one before it.
std::pair<int, int> ReadingOverview::occupiedArc(std::vector<int> planets) const {
    std::sort(planets.begin(), planets.end(),
              [&](int a, int b) { return chart_[a].longitude < chart_[b].longitude; });
    std::pair<int, int> ends{planets.front(), planets.back()};
    double widest = -1.0;
    for (std::size_t i = 0; i < planets.size(); ++i) {
        const int before = planets[i];
        const int after = planets[(i + 1) % planets.size()];
        double gap = std::fmod(chart_[after].longitude - chart_[before].longitude + 360.0, 360.0);
        if (planets.size() == 1) gap = 360.0;
        if (gap > widest) {
            widest = gap;
            ends = {after, before};
        }
    }
    return ends;
}

std::string ReadingOverview::patternText(const AspectPattern& pattern) const {
    const auto& bodies = pattern.bodies;
    const std::vector<int> base(bodies.begin(), bodies.end() - 1);
    std::string where;
    if (pattern.kind == PatternKind::Stellium) {
        const int sign = chart_[bodies.front()].sign;
        const bool oneSign = std::all_of(bodies.begin(), bodies.end(),
                                         [&](int b) { return chart_[b].sign == sign; });
        where =
            oneSign
                ? "в знаке " + words_.genitive(sign)
                : texts_.text("дом " + std::to_string(summary_.houseOf(bodies[0])) + ": номер") +
                      " доме";
    }
    return texts_.fill("конфигурация " + std::string(AspectPatterns::name(pattern.kind)),
                       {{"список", words_.names(bodies)},
                        {"основание", words_.names(base)},
                        {"вершина", words_.nameOf(bodies.back())},
                        {"где", where}});
}

void ReadingOverview::writePatterns() {
    if (summary_.patterns().empty()) {
        paragraph(texts_.text("конфигурации: нет"));
        return;
    }
    for (const auto& pattern : summary_.patterns()) paragraph(patternText(pattern));
}

void ReadingOverview::writeRetrogrades() {
    const auto& planets = summary_.retrogrades();
    if (planets.empty()) {
        paragraph(texts_.text("ретро: нет"));
        return;
    }
    std::string text = texts_.fill("ретро: список", {{"список", words_.names(planets)}});
    std::vector<int> outer;
    for (int planet : planets) {
        if (planet >= Bodies::Uranus)
            outer.push_back(planet);
        else
            text += " " + texts_.text(words_.nameOf(planet) + ": ретро");
    }
    if (!outer.empty())
        text += " " + ReadingFormat::capitalized(
                          texts_.fill(outer.size() == 1 ? "ретро: высшая" : "ретро: высшие",
                                      {{"список", words_.names(outer)}}));
    paragraph(text);
}

}  // namespace orvanta
