#pragma once

#include "calc/AspectSetting.h"
#include "calc/ChartData.h"
#include "draw/Canvas.h"
#include "draw/ChartResources.h"
#include "natal/SynastryTableLayout.h"

namespace orvanta {

// Paints the table of aspects between two charts in device pixels, y downward: labels, the
// aspect symbols with their orbs, then the grid. The painter's state is restored on return.
class SynastryTablePainter {
  public:
    static void paint(Canvas& canvas, const SynastryTableLayout& layout, const ChartData& first,
                      const ChartData& second, const NatalAspectTable& aspects,
                      const ChartResources& resources);

  private:
    // The orb in the cell's lower half, the font made smaller until the text fits across.
    static void writeOrb(Canvas& canvas, const QString& face, const SynastryTableLayout& layout,
                         const SynastryTableLayout::Cell& cell);
};

}  // namespace orvanta
