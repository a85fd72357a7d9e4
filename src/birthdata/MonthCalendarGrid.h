#pragma once

#include <string>
#include <vector>

#include "common/Geometry.h"

namespace orvanta {

// One month as a table of weeks with Monday first: a head row of weekday names and one row per
// week. The grid computes where everything goes; MonthCalendarPainter draws it, and its owner
// turns mouse clicks into the selected day through click().
class MonthCalendarGrid {
  public:
    struct Colour {
        int red = 0;
        int green = 0;
        int blue = 0;
        friend bool operator==(const Colour&, const Colour&) = default;
    };

    // A text written with its top left corner at (x, y).
    struct Label {
        int x = 0;
        int y = 0;
        std::string text;
    };

    struct DayCell {
        int day = 0;
        int row = 0;     // 1 is the first week row; row 0 is the head
        int column = 0;  // 0 is Monday
        Label label;
        bool highlighted = false;
    };

    // Everything the painter draws, in drawing order.
    struct Layout {
        int weekRows = 0;
        int textOffsetX = 0;
        int textOffsetY = 0;
        std::vector<Line> gridLines;    // horizontal lines, then vertical lines
        std::vector<Label> heads;       // "Пн" to "Вс"
        std::vector<Line> shadowLines;  // the same lines one pixel up and left
        std::vector<DayCell> days;
    };

    static constexpr Colour kHeadColour{0, 0, 255};
    static constexpr Colour kShadowColour{100, 100, 100};

    // The month of the computer's local date, with today selected.
    MonthCalendarGrid();
    MonthCalendarGrid(int day, int month, int year);

    // Selected day (0 for none), month and year; a month outside 1 to 12 or a year outside
    // the calendar is refused and changes nothing.
    bool setDate(int day, int month, int year);

    int selectedDay() const { return selectedDay_; }
    int month() const { return month_; }
    int year() const { return year_; }

    // Weekday of the 1st, Monday = 1 ... Sunday = 7.
    int firstWeekday() const;
    int daysInMonth() const;
    // 4 to 6.
    int weekRows() const;

    Layout layout(const Rect& rect) const;

    // Selects the day under the point when there is one; a point in the head row, in a cell
    // before the 1st or after the last day, or outside the rectangle changes nothing.
    // Returns whether the selection changed.
    bool click(const Rect& rect, int x, int y);

    Colour background{192, 192, 192};
    Colour dayColour{0, 0, 0};
    Colour gridColour{255, 255, 255};
    // Dark red on the grey field: a contrast of about 5:1, apart from the black days.
    Colour highlightColour{150, 0, 0};
    int fontHeight = 8;

  private:
    int selectedDay_ = 0;
    int month_ = 1;
    int year_ = 2000;
};

}  // namespace orvanta
