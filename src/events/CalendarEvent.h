#pragma once

namespace orvanta {

// One event of the transit calendar: an exact aspect of a transiting body to a natal point,
// the body's entry into a sign, or its station. Moments are Universal Time Julian days.
struct CalendarEvent {
    enum class Kind { Aspect, Ingress, Station };

    Kind kind = Kind::Aspect;
    double time = 0.0;
    int body = 0;             // transiting body 1 to 16
    bool retrograde = false;  // moving backwards at the moment; for a station: turning so

    // Aspects: the angle, the natal point (1 to 28), which side of the point (+1 at
    // point + angle, -1 at point - angle), the pass within one stay in orb, and that stay.
    double aspectAngle = 0.0;
    int point = 0;
    int side = 1;
    int pass = 1;
    int passes = 1;
    double orbFrom = 0.0;
    double orbTo = 0.0;

    int sign = 0;  // ingresses: the sign entered, 1 (Aries) to 12
};

}  // namespace orvanta
