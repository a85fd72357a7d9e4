#pragma once

#include <vector>

namespace orvanta {

// One transit situation: a moving body passing an exact aspect point of a natal object, or,
// in the orb transit list, a slow body standing within half the orb of such a point at 00:00.
// A negative orb switches the record off; every consumer shows only records with orb > 0.
struct TransitSituation {
    double moment = 0.0;  // hours since 1860-01-01 00:00 (local time for passages)
    double aspectAngle = 0.0;
    double orb = 0.0;
    double point = 0.0;     // aspect point, or the body's longitude for an orb transit
    double duration = 0.0;  // hours the body needs at mean motion to cross the orb
    int body = 0;           // transiting body 1 to 16
    int radix = 0;          // natal object 1 to 28
    int aspectIndex = 0;    // 0 to 17

    // Records with a positive orb are shown; the others are switched off.
    bool isShown() const { return orb > 0.0; }
    friend bool operator==(const TransitSituation&, const TransitSituation&) = default;
};

using TransitList = std::vector<TransitSituation>;

}  // namespace orvanta
