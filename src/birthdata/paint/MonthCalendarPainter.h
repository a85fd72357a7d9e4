#pragma once

#include <QString>

#include "birthdata/MonthCalendarGrid.h"

namespace orvanta {

class Canvas;

// Draws a month grid by hand with lines and text: a grey field, white grid lines with a dark
// grey shadow one pixel up and left, blue weekday heads, and the selected day in its own colour.
class MonthCalendarPainter {
  public:
    // `fontFamily` is the face the program is configured to use for small dialog text.
    static void draw(Canvas& canvas, const MonthCalendarGrid& grid, const Rect& rect,
                     const QString& fontFamily);
};

}  // namespace orvanta
