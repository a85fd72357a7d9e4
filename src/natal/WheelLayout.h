#pragma once

#include <array>
#include <vector>

#include "calc/AspectSetting.h"
#include "calc/ChartData.h"
#include "calc/ZodiacOrientation.h"
#include "common/Geometry.h"
#include "natal/FindNatalAspects.h"

namespace orvanta {

// Everything the chart wheel draws, worked out in integer logical units before anything is
// painted: centre and radii, the drawing angle of every object, the sign sectors, the cusp
// lines and body ticks, the aspect chords, the body symbols with close bodies spread apart,
// the house numbers and the centre dot. The painter draws exactly what this says, in the
// order of the members below.
//
// Angles are in degrees from the 3 o'clock direction, growing clockwise on the screen (and
// on the page, whose y axis points up, because every y offset is multiplied by ySign). Points
// on circles are found with 3.14 for pi, so a full turn of 360 degrees falls slightly short.
class WheelLayout {
  public:
    // Where the wheel goes: its centre, its base radius R0 and the y direction. R0 is held to
    // kLargestBaseRadius, so that no radius or coordinate of the wheel leaves the int range.
    static constexpr int kLargestBaseRadius = 1 << 24;
    struct Frame {
        int centreX = 0;
        int centreY = 0;
        int baseRadius = 0;
        int ySign = 1;

        // A screen rectangle in pixels, y downward: R0 is half the shorter side; the centre
        // sits in the middle across and R0 + R0/20 below the top.
        static Frame screen(int left, int top, int width, int height);
        // A printed page in hundredths of a millimetre, y upward: the page layout fixes the
        // centre and R0.
        static Frame page(int centreX, int centreY, int baseRadius);
    };

    enum class MarkKind {
        CuspLine,  // dark green, at every cusp, inside the zodiac ring and in the house ring
        Axis,      // red, three wide, at the cusps of houses 1, 4, 7 and 10
        BodyTick,  // dark green, at every shown body, on the inner disc's edge
    };
    struct RadialMark {
        int object;
        MarkKind kind;
        Line line;
    };

    struct SignSector {
        Line boundary;  // from the zodiac ring's inner to its outer circle
        Rect picture;   // the sign's picture, in the middle of the sector
    };

    struct Chord {
        NatalAspectPair pair;
        Line line;
    };

    struct BodyPlacement {
        int object = 0;
        bool shown = false;
        bool close = false;  // within 5 degrees of another shown body
        int radius = 0;
        Rect symbol;
    };

    struct HouseNumber {
        int object;
        Rect symbol;
    };

    // Lays the wheel out for a chart with its orientation and natal aspects.
    static WheelLayout compute(const ChartData& chart, const ZodiacOrientation& orientation,
                               const NatalAspectTable& aspects, const Frame& frame);
    // The wheel of a screen rectangle with everything drawn inside it. The screen frame puts
    // the house ring's bottom R0/20 below a square rectangle and the house numbers reach
    // further still; when the drawing does not fit, R0 shrinks until it does and the drawing
    // is centred. A wheel that fits keeps the screen frame unchanged. Radii follow from R0 as
    // in compute().
    static WheelLayout fitted(const ChartData& chart, const ZodiacOrientation& orientation,
                              const NatalAspectTable& aspects, const Rect& area);

    // --- the drawing primitives of the wheel ------------------------------------------------

    // The point at radius r and angle a (degrees) around (cx, cy), rounded half away from zero.
    static Point pointOnCircle(int cx, int cy, int r, double angle, int ySign);
    // A square of side size centred on (x, y), halves truncated toward zero.
    static Rect pictureRect(int x, int y, int size, int ySign);
    // The angle between the 0 Aries point (or the Ascendant) and the wheel's starting point.
    static double referenceAngle(const ChartData& chart, const ZodiacOrientation& orientation);
    // Where an ecliptic position (sign and degree in sign) lies on the wheel.
    static double drawingAngle(int sign, double degreeInSign, double reference, bool clockwise);
    // The two angles' distance folded into 0..180 degrees.
    static double separation(double first, double second);

    // --- the result ---------------------------------------------------------------------------

    Frame frame;
    int objectCount = 0;  // 28 with houses, 16 without
    bool houses = false;
    bool clockwise = false;
    double reference = 0.0;
    std::array<double, Bodies::kLastCusp + 1> angles{};  // objects 1 to objectCount

    int outerRingRadius = 0;  // W + W/10, the house ring; 0 without houses
    int zodiacOuter = 0;      // W
    int signWidth = 0;        // S
    int zodiacInner = 0;      // N
    int unit = 0;             // O
    int bodySize = 0;         // G
    int innerDisc = 0;        // P
    int bodyMiddle = 0;       // M, the middle of the body ring

    std::array<SignSector, 12> signs{};  // sign k at index k - 1
    std::vector<RadialMark> marks;       // in object order
    std::vector<Chord> chords;           // in the wheel's aspect order
    std::array<BodyPlacement, Bodies::kBodyCount>
        bodies{};                           // body k at index k - 1; drawn when shown
    std::vector<HouseNumber> houseNumbers;  // objects 17 to 28, with houses only
    int centreDotRadius = 0;

    // A circle around the centre as its bounding box.
    Rect circle(int radius) const;
    Point pointAt(int radius, double angle) const;
    // The smallest rectangle holding everything drawn (in the frame's units, top above bottom
    // on the screen); a caller that must show the whole wheel sizes its surface from it.
    Rect bounds() const;

  private:
    void computeGeometry();
    void computeSigns();
    void computeMarks(const ChartData& chart);
    void computeChords(const ChartData& chart, const NatalAspectTable& aspects);
    void placeBodies(const ChartData& chart);
    void computeHouseNumbers();
};

}  // namespace orvanta
