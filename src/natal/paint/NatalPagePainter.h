#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <filesystem>
#include <string>

#include "draw/ChartResources.h"
#include "natal/NatalChart.h"
#include "natal/NatalPageLayout.h"

namespace orvanta {

class Canvas;

// The printed pages of a natal chart: the wheel with the page frame, header and legend, or the
// aspect table as a printer draws it. The same routine prints, previews and writes PDF files;
// the painter's device is one page whose origin lies at the top-left corner of what is printed.
class NatalPagePainter {
  public:
    enum class Kind { Wheel, Table };

    // Paints one page. False when the page is too small for the wheel's margins (nothing is
    // drawn then).
    static bool paint(Kind kind, QPainter& painter, const NatalChart& natal,
                      const ChartResources& resources);

    // The wheel's page of the given size in hundredths of a millimetre on a canvas in those
    // units.
    static bool paintWheelPage(Canvas& canvas, const NatalChart& natal,
                               const ChartResources& resources, int pageWidth, int pageHeight);

    // Writes the page as a one-page PDF through a temporary file. False, with the reason in
    // error when given, when it cannot be drawn or written.
    static bool savePdf(Kind kind, const NatalChart& natal, const ChartResources& resources,
                        const QPageSize& pageSize, QPageLayout::Orientation orientation,
                        const std::filesystem::path& path, std::string* error = nullptr);

  private:
    static void writeTexts(Canvas& canvas, const NatalPageLayout& page,
                           const std::vector<NatalPageLayout::Text>& texts,
                           const ChartResources& resources);
};

}  // namespace orvanta
