#pragma once

#include <string>

#include "common/Geometry.h"

namespace orvanta {

// A printed page of the interpretation text, in the printer's device units with y downward:
// margins of a thirtieth of the printable width at the sides and a twentieth of the printable
// height at top and bottom, a frame inside them, the page number at the frame's lower right
// corner, and the text area inside the frame shrunk by the same margins. The print font's
// cell height follows from the margins. All arithmetic is integer with truncating division.
struct TextPageLayout {
    static TextPageLayout compute(int printableWidth, int printableHeight);

    // How many lines of the given height a page holds (at least one, so that every line is
    // printed somewhere), and how many pages lineCount lines take (at least one).
    int linesPerPage(int lineHeight) const;
    int pageCount(int lineCount, int lineHeight) const;
    // The first line of a page (pages count from 1).
    int firstLineOf(int page, int lineHeight) const;

    static std::string pageNumberText(int page);

    int width = 0;
    int height = 0;
    int marginX = 0;
    int marginY = 0;
    int fontHeight = 0;  // the print font's cell height
    Rect frame;          // inside the margins
    Rect textArea;       // the frame shrunk by the margins again
    Point pageNumberAt;  // right and bottom edge of the page number
    bool fits = false;   // the text area is not empty
};

}  // namespace orvanta
