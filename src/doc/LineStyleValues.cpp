#include "doc/LineStyleValues.h"

#include <algorithm>

namespace orvanta {

LineStyleValues::LineStyleValues(const AspectSetting& aspect)
    : colour(aspect.colour), width(aspect.lineWidth), style(shownStyle(aspect.lineStyle)) {}

int LineStyleValues::shownStyle(int storedStyle) {
    return storedStyle >= 1 && storedStyle < kStyleCount ? storedStyle : 0;
}

void LineStyleValues::step(int steps) {
    const long long stepped = static_cast<long long>(width) + steps;
    width = static_cast<int>(std::clamp<long long>(stepped, kThinnest, kThickest));
}

void LineStyleValues::writeTo(AspectSetting& aspect) const {
    aspect.colour = colour;
    aspect.lineWidth = width;
    aspect.lineStyle = shownStyle(style);
}

}  // namespace orvanta
