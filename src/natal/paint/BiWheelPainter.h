#pragma once

#include "calc/AspectSetting.h"
#include "calc/ChartData.h"
#include "draw/Canvas.h"
#include "draw/ChartResources.h"
#include "natal/BiWheelLayout.h"

namespace orvanta {

// Paints a bi-wheel: the outer ring, the inner chart's wheel as WheelPainter paints a natal
// wheel (with the chords between the two charts), then the outer bodies' ticks, symbols,
// degrees and retrograde marks. The painter's pen, brush and font are restored on return.
class BiWheelPainter {
  public:
    static void paint(Canvas& canvas, const BiWheelLayout& layout, const ChartData& inner,
                      const ChartData& outer, const NatalAspectTable& aspects,
                      const ChartResources& resources);

  private:
    static void paintOuterBody(Canvas& canvas, const BiWheelLayout& layout,
                               const BiWheelLayout::OuterBody& body, const ChartData& outer,
                               const ChartResources& resources);
};

}  // namespace orvanta
