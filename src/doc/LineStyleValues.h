#pragma once

#include <cstdint>

#include "calc/AspectSetting.h"

namespace orvanta {

// The copy of an aspect's pen that the line style dialog edits: colour, width and one of the
// five styles, written back only when the dialog is confirmed.
class LineStyleValues {
  public:
    static constexpr int kThinnest = 0;
    static constexpr int kThickest = 10;
    static constexpr int kStyleCount = 5;  // solid, dashed, dotted, dash-dot, dash-dot-dot

    // A stored style outside 1 to 4 is shown as solid (0).
    explicit LineStyleValues(const AspectSetting& aspect);

    std::uint32_t colour = 0;
    int width = 0;
    int style = 0;

    // The spin arrows: up (+1) thickens, down (-1) thins; they keep the width within 0 to 10.
    // A width typed into the field is taken as typed.
    void step(int steps);
    // Colour, style and width into the aspect (a style outside 1 to 4 as 0).
    void writeTo(AspectSetting& aspect) const;

    static int shownStyle(int storedStyle);
};

}  // namespace orvanta
