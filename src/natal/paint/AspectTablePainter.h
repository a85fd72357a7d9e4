#pragma once

#include <QFont>
#include <QPainter>
#include <QString>

#include "calc/AspectSetting.h"
#include "calc/ChartData.h"
#include "natal/AspectTableLayout.h"
#include "natal/NatalChart.h"
#include "natal/paint/ShapedTextStore.h"

namespace orvanta {

class Canvas;
struct ChartResources;

// Draws the aspect table of a natal chart. The table is always drawn in device pixels with y
// downward, whatever units the canvas was made for: on a printer page too it keeps the
// device's own pixels. It draws no background (the screen view and an exported image start
// from white) and leaves the painter's pen, brush and font as it found them.
class AspectTablePainter {
  public:
    // The table view's paint: target is the view's drawing rectangle, its top left corner at
    // the client area's top left and its size the document's base size times the zoom (1 or
    // 2). The screen margins are taken off here.
    static void paintScreen(Canvas& canvas, const NatalChart& natal,
                            const ChartResources& resources, const Rect& target, int zoom);

    // A printed table: the printable area of the page in device pixels. The table fills a 4:3
    // box at its top left corner, less the printer margins.
    static void paintPrinter(Canvas& canvas, const NatalChart& natal,
                             const ChartResources& resources, int pageWidth, int pageHeight);

    // The table in a drawing area whose margins are already taken off.
    static void paint(Canvas& canvas, const ChartData& chart, const NatalAspectTable& aspects,
                      const ChartResources& resources, const Rect& area);

  private:
    static void draw(Canvas& canvas, const AspectTableLayout& layout, const ChartData& chart,
                     const NatalAspectTable& aspects, const ChartResources& resources);
    // A font of the given cell height whose average character is the given width wide (no
    // change of width for 0).
    static QFont font(Canvas& canvas, const QString& face, const AspectTableLayout::FontSize& size);
    // A font of the table with the texts written in it so far; on a raster device that moves
    // by whole pixels the texts are written from their glyphs.
    struct Lettering {
        QFont font;
        ShapedTextStore::Texts* texts = nullptr;
        bool glyphRuns = false;
    };
    static Lettering lettering(Canvas& canvas, const QString& face,
                               const AspectTableLayout::FontSize& size);
    // Left-top or centre-top aligned, as the layout places it.
    static void writeText(Canvas& canvas, const Lettering& lettering, const Point& at,
                          const QString& text, int align);
    // On a raster device whose painter moves by whole pixels only, cells and lines are filled
    // as rectangles of whole pixels, the very pixels the cosmetic pen and the brush would
    // cover: the raster engine fills a solid rectangle a row at a time, where the pen and the
    // rasteriser go pixel by pixel. Printers, PDF, SVG and scaled painters get pen and brush.
    static bool fillsWholePixels(const QPainter& painter);
    static void drawCell(Canvas& canvas, const Rect& cell, const QColor& fill, bool wholePixels);
    static void drawGridLine(Canvas& canvas, const Line& line, bool wholePixels);
};

}  // namespace orvanta
