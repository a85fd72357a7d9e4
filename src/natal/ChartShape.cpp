#include "natal/ChartShape.h"

#include <algorithm>

#include "natal/ChartHouses.h"

namespace orvanta {
namespace {

// The empty arcs between neighbours going round the wheel, largest first.
std::vector<double> emptyArcs(std::vector<double> longitudes) {
    std::sort(longitudes.begin(), longitudes.end());
    std::vector<double> arcs;
    for (std::size_t i = 0; i < longitudes.size(); ++i) {
        const double next = longitudes[(i + 1) % longitudes.size()];
        const double arc = ChartHouses::forwardArc(longitudes[i], next);
        arcs.push_back(longitudes.size() == 1 ? 360.0 : arc);
    }
    std::sort(arcs.rbegin(), arcs.rend());
    return arcs;
}

}  // namespace

ChartShape::Kind ChartShape::of(std::vector<double> longitudes) {
    if (longitudes.size() < 3) return Kind::Splash;
    const auto arcs = emptyArcs(longitudes);
    if (arcs[0] >= 240.0) return Kind::Bundle;
    if (arcs[0] >= 180.0) return Kind::Bowl;
    if (handleOf(longitudes)) return Kind::Bucket;
    if (arcs[0] >= 120.0) return Kind::Locomotive;
    if (arcs[1] >= 60.0) return Kind::Seesaw;
    return Kind::Splash;
}

// All but one planet within half the wheel, and that one at least 60 degrees from its
// neighbours on either side.
std::optional<std::size_t> ChartShape::handleOf(const std::vector<double>& longitudes) {
    const std::size_t n = longitudes.size();
    if (n < 3) return std::nullopt;
    std::vector<std::size_t> order(n);
    for (std::size_t i = 0; i < n; ++i) order[i] = i;
    std::sort(order.begin(), order.end(),
              [&](auto a, auto b) { return longitudes[a] < longitudes[b]; });
    for (std::size_t k = 0; k < n; ++k) {
        const double here = longitudes[order[k]];
        const double before = ChartHouses::forwardArc(longitudes[order[(k + n - 1) % n]], here);
        const double after = ChartHouses::forwardArc(here, longitudes[order[(k + 1) % n]]);
        if (before < 60.0 || after < 60.0) continue;
        std::vector<double> rest = longitudes;
        rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(order[k]));
        if (emptyArcs(rest).front() >= 180.0) return order[k];
    }
    return std::nullopt;
}

std::string_view ChartShape::name(Kind kind) {
    switch (kind) {
        case Kind::Bundle:
            return "bundle";
        case Kind::Bowl:
            return "bowl";
        case Kind::Bucket:
            return "bucket";
        case Kind::Locomotive:
            return "locomotive";
        case Kind::Seesaw:
            return "seesaw";
        case Kind::Splash:
            return "splash";
    }
    return {};
}

}  // namespace orvanta
