#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "common/Geometry.h"
#include "events/TransitDay.h"

namespace orvanta {

// Everything the 24-hour dial of the event chart draws, worked out in integer logical units
// before anything is painted: midnight at the top, hours running clockwise. On the screen the
// units are pixels with y downwards; on paper hundredths of a millimetre with y upwards, where
// every y is multiplied by ySign (-1) and the page gets margins, a frame and the date. The
// painter draws the members below in their order; "B" is the colour found at the centre
// before drawing.
class DialLayout {
  public:
    static constexpr int kPaperMargin = 500;  // 5 mm

    // A full ring of the slow aspects in force that day: one per aspect, as wide as its count.
    struct OrbRing {
        int radius = 0;
        int width = 0;
        int aspect = 0;
        int first = 0;  // the ring's first record in the day's orb transit list
    };
    // A situation's range along a ring, from hour `from` to hour `to` clockwise, both already
    // held to 0 ... 24; `start` and `end` are the dial points of the two hours.
    struct SituationArc {
        int radius = 0;
        int width = 0;
        int aspect = 0;
        double from = 0.0;
        double to = 0.0;
        Point start;
        Point end;
        int record = 0;  // in the day's situation list
    };
    // A Moon situation: a four-cornered patch between two radii and its start and end hours.
    struct MoonSector {
        int aspect = 0;
        std::array<Point, 4> corners;
        int record = 0;  // in the day's Moon list
    };
    // What lies under a point of the dial: the list of the day it comes from and the record's
    // place in it (for a ring of orb transits, its first record).
    struct Hit {
        enum class Kind { Situation, Moon, Orb };
        Kind kind = Kind::Situation;
        int record = 0;
        friend bool operator==(const Hit&, const Hit&) = default;
    };
    struct HourMark {
        Line spoke;     // colour B
        Point textTop;  // top centre of the hour number
        std::string text;
    };
    struct PaperFrame {
        Rect frame;       // black square
        Point dateStart;  // left end of the date text, vertically on the frame's top edge
        int dateHeight = 0;
        std::string date;  // "15.6.2024г. СУББОТА"
    };

    // Where and what: the drawing rectangle's width and height (on paper as the page reports
    // them, the height negative), and the day's records.
    struct Input {
        int width = 0;
        int height = 0;
        bool paper = false;
        Date date;
        const TransitDay* day = nullptr;
    };

    int ySign = 1;
    Point centre;    // with ySign applied
    int radius = 0;  // R: the dial without the rings of orb transits
    int unit = 0;    // g = R / 50, the width of one orb transit
    std::vector<OrbRing> orbRings;
    std::optional<std::array<int, 2>> ringBorders;  // black circles outside and inside the rings
    int discRadius = 0;                             // R'
    int centreDiscRadius = 0;                       // R' / 6
    int fontHeight = 0;                             // H
    std::vector<HourMark> hours;
    int areaRadius = 0;  // R'': circle in colour B around the situation rings
    int ringWidth = 0;   // w
    std::vector<SituationArc> arcs;
    std::optional<int> separator;  // circle in colour B inside the last situation ring
    std::vector<MoonSector> sectors;
    Line midnightGap;  // ringWidth wide, colour B
    std::optional<PaperFrame> paper;

    static DialLayout compute(const Input& input);

    // The sector, arc or ring under a point of the same units and sign as the layout; sectors
    // lie over the arcs, as they are drawn.
    std::optional<Hit> hitAt(Point point) const;

    // The border of the orb rings lies R/150 outside R, half the shorter side: a window that
    // must show it all draws the dial into its area less this margin on every side.
    static int screenMargin(int width, int height);

    // The point of an hour (held to 0 ... 24) on a circle around the unflipped centre (cx, cy).
    static Point dialPoint(int cx, int cy, int r, double hour, int ySign);

  private:
    void placeOrbRings(const TransitDay& day);
    void placeHours();
    void placeSituationRings(const TransitDay& day, int& ringPosition);
    void placeMoonSectors(const TransitDay& day, int outerLimit);
    void placePaperFrame(const Input& input);
    static int paperSide(const Input& input);
    static int paperRadius(const Input& input);
    bool inSector(const MoonSector& sector, Point point) const;
    Point at(int r, double hour) const { return dialPoint(cx_, cy_, r, hour, ySign); }

    int cx_ = 0;
    int cy_ = 0;
};

}  // namespace orvanta
