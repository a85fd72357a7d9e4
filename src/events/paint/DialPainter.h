#pragma once

#include <QColor>
#include <QString>

#include "calc/AspectSetting.h"
#include "draw/Canvas.h"
#include "events/DialLayout.h"

namespace orvanta {

// Draws what the dial layout says, on the screen in pixels and on paper in hundredths of a
// millimetre alike. The background colour B is the colour at the centre before drawing.
class DialPainter {
  public:
    static const QColor kDisc;

    static void paint(Canvas& canvas, const DialLayout& layout, const TransitAspectTable& aspects,
                      const QString& fontFace, const QColor& background);

    // The colour under the centre when the canvas paints into an image; white elsewhere.
    static QColor backgroundAt(Canvas& canvas, Point centre);

  private:
    static void circle(Canvas& canvas, Point centre, int radius);
    static void arc(Canvas& canvas, Point centre, int radius, double fromHour, double toHour);
    static void paintOrbRings(Canvas& canvas, const DialLayout& layout,
                              const TransitAspectTable& aspects);
    static void paintDiscAndHours(Canvas& canvas, const DialLayout& layout, const QString& fontFace,
                                  const QColor& background);
    static void paintSituations(Canvas& canvas, const DialLayout& layout,
                                const TransitAspectTable& aspects, const QColor& background);
    static void paintPaperFrame(Canvas& canvas, const DialLayout& layout, const QString& fontFace,
                                const QColor& background);
};

}  // namespace orvanta
