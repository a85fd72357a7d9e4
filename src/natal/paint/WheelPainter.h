#pragma once

#include <QColor>
#include <QRect>
#include <cstdint>

#include "calc/AspectSetting.h"
#include "draw/Canvas.h"
#include "draw/ChartResources.h"
#include "natal/NatalChart.h"
#include "natal/WheelLayout.h"

namespace orvanta {

// Paints the chart wheel of a natal chart: rings, sign sectors with their pictures, house
// cusps and the four axes, body ticks, aspect chords, body symbols, house numbers and the
// centre dot, in that order. Everything is taken from the chart on every call; nothing is
// kept between calls. The painter's pen, brush and font are restored on return.
class WheelPainter {
  public:
    // The wheel on the screen: target is the drawing area in pixels, from the view's top-left
    // corner (0, 0) to the view's base size times the zoom, so zoom 2 draws the wheel
    // twice as large. The canvas must work in pixels.
    static void paint(Canvas& canvas, const NatalChart& natal, const ChartResources& resources,
                      const QRect& target);

    // The wheel in any frame: the screen frame above, or the centre and R0 that a printed
    // page's layout fixes (a canvas in hundredths of a millimetre, y upward).
    static void paint(Canvas& canvas, const NatalChart& natal, const ChartResources& resources,
                      const WheelLayout::Frame& frame);

    // Draws a finished layout of the given chart.
    static void paint(Canvas& canvas, const WheelLayout& layout, const ChartData& chart,
                      const NatalAspectTable& aspects, const ChartResources& resources);

    // The colour of a Windows colour value: red in the low byte, then green, then blue.
    static QColor colourOf(std::uint32_t colourValue);
    // Line styles 0 solid, 1 dashed, 2 dotted, 3 dash-dot, 4 dash-dot-dot; anything else solid.
    static Qt::PenStyle penStyleOf(std::int32_t lineStyle);

  private:
    static void drawCircle(Canvas& canvas, const WheelLayout& layout, int radius);
    static void drawSegment(Canvas& canvas, const Line& segment);
    static void drawPicture(Canvas& canvas, const Picture& picture, const Rect& rect);
};

}  // namespace orvanta
