#include "natal/AspectPatterns.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "calc/Bodies.h"
#include "natal/ChartHouses.h"
#include "natal/FindNatalAspects.h"

namespace orvanta {
namespace {

constexpr std::array<int, 10> kPlanets = {
    Bodies::Sun,     Bodies::Moon,   Bodies::Mercury, Bodies::Venus,   Bodies::Mars,
    Bodies::Jupiter, Bodies::Saturn, Bodies::Uranus,  Bodies::Neptune, Bodies::Pluto};

enum Link : unsigned {
    Conjunction = 1u << 0,
    Sextile = 1u << 1,
    Square = 1u << 2,
    Trine = 1u << 3,
    Quincunx = 1u << 4,
    Opposition = 1u << 5,
};

unsigned linkOfAngle(double angle) {
    constexpr std::array<std::pair<double, Link>, 6> kAngles = {{{0.0, Conjunction},
                                                                 {60.0, Sextile},
                                                                 {90.0, Square},
                                                                 {120.0, Trine},
                                                                 {150.0, Quincunx},
                                                                 {180.0, Opposition}}};
    for (const auto& [exact, link] : kAngles) {
        if (angle == exact) return link;
    }
    return 0;
}

// The links between every two planets, indexed by object number.
class LinkTable {
  public:
    LinkTable(const ChartData& chart, const NatalAspectTable& aspects) {
        for (int a = 0; a < kAspectCount; ++a) {
            const unsigned link = linkOfAngle(aspects[static_cast<std::size_t>(a)].angle);
            if (link == 0) continue;
            for (int i : kPlanets)
                for (int j : kPlanets)
                    if (FindNatalAspects::test(chart, aspects, AspectConsumer::Text, a, i, j))
                        links_[index(i, j)] |= link;
        }
    }

    bool has(int i, int j, Link link) const { return (links_[index(i, j)] & link) != 0; }

  private:
    static std::size_t index(int i, int j) {
        return static_cast<std::size_t>(i) * Bodies::kObjectCount + static_cast<std::size_t>(j);
    }

    std::array<unsigned, Bodies::kObjectCount * Bodies::kObjectCount> links_{};
};

std::vector<int> sorted(std::vector<int> bodies) {
    std::sort(bodies.begin(), bodies.end());
    return bodies;
}

bool contains(const std::vector<int>& outer, const std::vector<int>& inner) {
    return std::all_of(inner.begin(), inner.end(), [&](int body) {
        return std::find(outer.begin(), outer.end(), body) != outer.end();
    });
}

class PatternSearch {
  public:
    PatternSearch(const ChartData& chart, const NatalAspectTable& aspects)
        : chart_(chart), links_(chart, aspects) {}

    std::vector<AspectPattern> run() {
        findStellia();
        findGrandCrosses();
        findKites();
        findGrandTrines();
        findTSquares();
        findYods();
        findMysticRectangles();
        std::sort(found_.begin(), found_.end(), [](const auto& a, const auto& b) {
            if (a.kind != b.kind) return a.kind < b.kind;
            return a.bodies < b.bodies;
        });
        return std::move(found_);
    }

  private:
    bool linked(int i, int j, Link link) const { return links_.has(i, j, link); }

    bool known(PatternKind kind, const std::vector<int>& bodies) const {
        return std::any_of(found_.begin(), found_.end(), [&](const AspectPattern& p) {
            return p.kind == kind && sorted(p.bodies) == sorted(bodies);
        });
    }

    bool insideAny(PatternKind kind, const std::vector<int>& bodies) const {
        return std::any_of(found_.begin(), found_.end(), [&](const AspectPattern& p) {
            return p.kind == kind && contains(p.bodies, bodies);
        });
    }

    void add(PatternKind kind, std::vector<int> bodies) {
        if (!known(kind, bodies)) found_.push_back({kind, std::move(bodies)});
    }

    void findStellia();
    void addStelliaOf(std::vector<int> group);
    void findGrandTrines();
    void findKites();
    void findGrandCrosses();
    void findTSquares();
    void findYods();
    void findMysticRectangles();

    const ChartData& chart_;
    LinkTable links_;
    std::vector<AspectPattern> found_;
};

// Within one sign or house: the largest run of planets within the span, then the next one
// among those left, so that two separate clusters of one house are both found.
void PatternSearch::addStelliaOf(std::vector<int> group) {
    while (group.size() >= 3) {
        std::vector<int> best;
        for (int start : group) {
            std::vector<int> window;
            for (int body : group) {
                const double arc =
                    ChartHouses::forwardArc(chart_[start].longitude, chart_[body].longitude);
                if (arc <= AspectPatterns::kStelliumSpan) window.push_back(body);
            }
            if (window.size() > best.size()) best = window;
        }
        if (best.size() < 3) return;
        if (!insideAny(PatternKind::Stellium, best)) {
            std::erase_if(found_, [&](const AspectPattern& p) {
                return p.kind == PatternKind::Stellium && contains(best, p.bodies);
            });
            add(PatternKind::Stellium, sorted(best));
        }
        std::erase_if(group, [&](int body) { return contains(best, {body}); });
    }
}

void PatternSearch::findStellia() {
    for (int place = 1; place <= 12; ++place) {
        std::vector<int> inSign;
        std::vector<int> inHouse;
        for (int body : kPlanets) {
            if (chart_.style[body].shown != 1 || !std::isfinite(chart_[body].longitude)) continue;
            if (chart_[body].sign == place) inSign.push_back(body);
            if (ChartHouses::houseOf(chart_, body) == place) inHouse.push_back(body);
        }
        addStelliaOf(inSign);
        addStelliaOf(inHouse);
    }
}

void PatternSearch::findGrandTrines() {
    for (int i : kPlanets)
        for (int j : kPlanets)
            for (int k : kPlanets) {
                if (!(i < j && j < k)) continue;
                if (!linked(i, j, Trine) || !linked(j, k, Trine) || !linked(i, k, Trine)) continue;
                if (!insideAny(PatternKind::Kite, {i, j, k}))
                    add(PatternKind::GrandTrine, {i, j, k});
            }
}

// A grand trine with a fourth planet opposite one corner, and so sextile the other two.
void PatternSearch::findKites() {
    for (int i : kPlanets)
        for (int j : kPlanets)
            for (int k : kPlanets) {
                if (!(i < j && j < k)) continue;
                if (!linked(i, j, Trine) || !linked(j, k, Trine) || !linked(i, k, Trine)) continue;
                for (int tail : kPlanets) {
                    const std::array<int, 3> corners = {i, j, k};
                    for (std::size_t c = 0; c < corners.size(); ++c) {
                        const int head = corners[c];
                        const int left = corners[(c + 1) % 3];
                        const int right = corners[(c + 2) % 3];
                        if (linked(tail, head, Opposition) && linked(tail, left, Sextile) &&
                            linked(tail, right, Sextile)) {
                            add(PatternKind::Kite, {i, j, k, tail});
                        }
                    }
                }
            }
}

// Two oppositions whose four ends are each square to both ends of the other.
void PatternSearch::findGrandCrosses() {
    for (int a : kPlanets)
        for (int c : kPlanets)
            for (int b : kPlanets)
                for (int d : kPlanets) {
                    if (!(a < c && b < d && a < b)) continue;
                    if (!linked(a, c, Opposition) || !linked(b, d, Opposition)) continue;
                    if (linked(a, b, Square) && linked(b, c, Square) && linked(c, d, Square) &&
                        linked(d, a, Square)) {
                        add(PatternKind::GrandCross, sorted({a, b, c, d}));
                    }
                }
}

void PatternSearch::findTSquares() {
    for (int a : kPlanets)
        for (int b : kPlanets) {
            if (!(a < b) || !linked(a, b, Opposition)) continue;
            for (int apex : kPlanets) {
                if (!linked(apex, a, Square) || !linked(apex, b, Square)) continue;
                if (!insideAny(PatternKind::GrandCross, {a, b, apex}))
                    add(PatternKind::TSquare, {a, b, apex});
            }
        }
}

void PatternSearch::findYods() {
    for (int a : kPlanets)
        for (int b : kPlanets) {
            if (!(a < b) || !linked(a, b, Sextile)) continue;
            for (int apex : kPlanets) {
                if (linked(apex, a, Quincunx) && linked(apex, b, Quincunx))
                    add(PatternKind::Yod, {a, b, apex});
            }
        }
}

// Two oppositions whose ends are joined by two trines and two sextiles.
void PatternSearch::findMysticRectangles() {
    for (int a : kPlanets)
        for (int c : kPlanets)
            for (int b : kPlanets)
                for (int d : kPlanets) {
                    if (!(a < c && b < d && a < b) || b == c) continue;
                    if (!linked(a, c, Opposition) || !linked(b, d, Opposition)) continue;
                    const bool sidesAB = linked(a, b, Trine) && linked(c, d, Trine) &&
                                         linked(a, d, Sextile) && linked(b, c, Sextile);
                    const bool sidesAD = linked(a, d, Trine) && linked(b, c, Trine) &&
                                         linked(a, b, Sextile) && linked(c, d, Sextile);
                    if (sidesAB || sidesAD) add(PatternKind::MysticRectangle, sorted({a, b, c, d}));
                }
}

}  // namespace

std::vector<AspectPattern> AspectPatterns::find(const ChartData& chart,
                                                const NatalAspectTable& aspects) {
    return PatternSearch(chart, aspects).run();
}

std::string_view AspectPatterns::name(PatternKind kind) {
    switch (kind) {
        case PatternKind::Stellium:
            return "stellium";
        case PatternKind::GrandTrine:
            return "grand_trine";
        case PatternKind::TSquare:
            return "t_square";
        case PatternKind::GrandCross:
            return "grand_cross";
        case PatternKind::Yod:
            return "yod";
        case PatternKind::Kite:
            return "kite";
        case PatternKind::MysticRectangle:
            return "mystic_rectangle";
    }
    return {};
}

}  // namespace orvanta
