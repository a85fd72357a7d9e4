#pragma once

#include <QColor>
#include <QRect>

#include "draw/Canvas.h"
#include "draw/ChartResources.h"
#include "natal/NatalChart.h"
#include "natal/PatternHighlight.h"

namespace orvanta {

// Draws "Показать конфигурации" over a painted wheel: the chords of each aspect pattern again,
// wider and in the colour of the pattern's kind, and the legend with a swatch and name per kind.
class PatternPainter {
  public:
    // Over the screen wheel that WheelPainter draws into the same target.
    static void paint(Canvas& canvas, const NatalChart& natal, const ChartResources& resources,
                      const QRect& target);
    // Over a wheel drawn from the given layout (the screen's fitted one).
    static void paint(Canvas& canvas, const NatalChart& natal, const WheelLayout& layout,
                      const ChartResources& resources, const QRect& target);
    static void paint(Canvas& canvas, const PatternHighlight& highlight,
                      const ChartResources& resources);

    // The kind's own colour, apart from the usual colours of the aspect chords.
    static QColor colourOf(PatternKind kind);
};

}  // namespace orvanta
