#pragma once

#include <string>
#include <vector>

#include "calc/AspectSetting.h"
#include "calc/ChartData.h"
#include "calc/ZodiacOrientation.h"
#include "common/Geometry.h"
#include "natal/InterAspects.h"
#include "natal/WheelLayout.h"

namespace orvanta {

// Two position sets on one wheel: the first chart's wheel as the natal wheel draws it, made
// smaller, and the second set's bodies on a ring around it, with their degrees and retrograde
// marks, and the chords of the aspects between the two. The second set may be another
// person's chart, or progressed or returned positions of the first: only its longitudes,
// retrograde and shown flags are read.
//
// Letters as in WheelLayout: R0 the frame's base radius; the inner wheel is laid out for
// R0i = 3·R0/4 and keeps its own W, O, P. The outer ring runs from Ri, past the inner
// wheel's axes (W + W/6 + O/2; W + O/2 without houses), to Ro = W0 + W0/10 with
// W0 = R0 − R0/10, where the natal wheel of the same frame has its house ring.
class BiWheelLayout {
  public:
    struct OuterBody {
        int object = 0;
        bool shown = false;
        double angle = 0.0;       // where the body is
        double shownAngle = 0.0;  // where its symbol goes, spread from its neighbours
        Line tick;                // from Ri at the body's angle to Ri + O at the symbol's
        Rect symbol;              // side G2 at radius Rs
        Point degreeAt;           // the degree text: centred across, top at this point
        std::string degreeText;   // whole degrees in the sign, "15°"
        bool retrograde = false;
        // The "R" beside the symbol's top, on its side away from the centre, clear of the
        // degree text: left-aligned at the symbol's top-right corner, or on the left half of
        // the wheel right-aligned at its top-left corner.
        Point markAt;
        bool markLeft = false;
    };

    static constexpr const char* kRetrogradeMark = "R";

    static BiWheelLayout compute(const ChartData& inner, const ChartData& outer,
                                 const ZodiacOrientation& orientation,
                                 const NatalAspectTable& aspects, const WheelLayout::Frame& frame);

    // Spreads angles (degrees, in ascending order within one turn) so that neighbours lie at
    // least `least` apart: runs of close angles are centred on their mean.
    static std::vector<double> spread(const std::vector<double>& angles, double least);

    // The inner wheel; its chords are the aspects between the two sets, an inner object
    // first: bodies, and of the cusps the Ascendant and the Midheaven, as on the natal wheel.
    WheelLayout inner;
    std::vector<InterAspect> interAspects;  // the chords' aspects, in the chords' order

    int ringInner = 0;         // Ri
    int ringOuter = 0;         // Ro
    int outerSize = 0;         // G2 = (Ro − Ri) / 3, side of a body's symbol
    int symbolRadius = 0;      // Rs = Ro − G2/2 − O/2
    int textRadius = 0;        // Rt, halfway between the tick's end and the symbols
    int textHeight = 0;        // T = 2·G2/3, the degree text's character cell
    int markHeight = 0;        // T/2 + 1, the retrograde mark's
    double leastSpread = 0.0;  // degrees between neighbouring symbols: 3·G2/2 along radius Rs

    std::array<OuterBody, Bodies::kBodyCount>
        outerBodies{};  // body k at index k − 1; drawn when shown

    Rect bounds() const;

  private:
    void computeRing(bool houses, int baseRadius);
    void placeOuterBodies(const ChartData& outer);
    void computeChords(const ChartData& first, const ChartData& second,
                       const NatalAspectTable& aspects);
};

}  // namespace orvanta
