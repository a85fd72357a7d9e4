#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <vector>

namespace orvanta {

// The drawing surface of every chart picture. The drawing code works in logical units: screen
// pixels with y downward, or hundredths of a millimetre with y upward on the printed page,
// multiplying by ySign() instead of flipping coordinates. The canvas maps them to the device;
// text is never mirrored.
class Canvas {
  public:
    enum class Units { Pixels, HundredthsOfMm };

    // Text alignment relative to the reference point, as the drawing code asks for it.
    enum TextAlign : int {
        AlignLeft = 0x0,
        AlignRight = 0x2,
        AlignCenter = 0x6,
        AlignTop = 0x0,
        AlignBottom = 0x8,
        AlignBaseline = 0x18,
    };

    Canvas(QPainter& painter, Units units);

    Units units() const { return units_; }
    // +1 for pixels (y down), -1 for the page (y up).
    int ySign() const { return units_ == Units::Pixels ? 1 : -1; }
    bool isVectorDevice() const;
    // A painter on a printer, PDF, SVG or recorded picture rather than on pixels.
    static bool isVectorPainter(const QPainter& painter);

    QPointF toDevice(double x, double y) const;
    QPointF toLogical(const QPointF& device) const;
    double toDeviceX(double length) const { return length * scaleX_; }
    double toDeviceY(double length) const { return length * scaleY_; }
    // Logical rectangle (any two corners) to a normalised device rectangle.
    QRectF toDeviceRect(double x1, double y1, double x2, double y2) const;

    // A width of 0 draws the thinnest line the device has.
    void setPen(const QColor& color, double width = 0.0, Qt::PenStyle style = Qt::SolidLine);
    void setNoPen();
    void setBrush(const QColor& color);
    void setNoBrush();
    // Height of the character cell in logical units.
    void setFont(const QString& family, double height, int weight = QFont::Normal,
                 bool italic = false);
    // A font whose ascent plus descent is the height (a printer font asked for by its cell
    // height; the em of setFont is smaller than that cell).
    void setCellFont(const QString& family, double height);
    // The same font for a device, height in its pixels.
    static QFont cellFont(const QString& family, int height, const QPaintDevice* device);

    void drawLine(double x1, double y1, double x2, double y2);
    void drawRect(double x1, double y1, double x2, double y2);
    void fillRect(double x1, double y1, double x2, double y2, const QColor& color);
    void drawEllipse(double x1, double y1, double x2, double y2);
    // Angles in degrees, counter-clockwise from three o'clock, as on the screen.
    void drawArc(double x1, double y1, double x2, double y2, double startDegrees,
                 double spanDegrees);
    void drawPolygon(const std::vector<QPointF>& logicalPoints);
    void drawText(double x, double y, const QString& text, int align = AlignLeft | AlignTop);
    // Width and height of a text in logical units (always positive).
    QSizeF textExtent(const QString& text) const;

    QPainter& painter() { return painter_; }

  private:
    QPainter& painter_;
    Units units_;
    double scaleX_ = 1.0;
    double scaleY_ = 1.0;
};

}  // namespace orvanta
