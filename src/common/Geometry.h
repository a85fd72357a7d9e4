#pragma once

namespace orvanta {

// Integer geometry shared by every layout (wheel, table, month grid, dial, printed pages): screen
// pixels with y downwards, or page units of 0.01 mm with y upwards, as the layout says.
struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Line {
    Point from;
    Point to;
    friend bool operator==(const Line&, const Line&) = default;
};

// Two opposite corners; a rectangle covers the pixels from left and top up to, not including,
// right and bottom. On the page (y upwards) the top lies above the bottom.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace orvanta
