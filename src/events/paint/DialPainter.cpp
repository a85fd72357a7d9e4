#include "events/paint/DialPainter.h"

#include <QImage>
#include <QPaintDevice>
#include <QPen>

namespace orvanta {
namespace {

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);

QColor aspectColour(const TransitAspectTable& aspects, int index) {
    if (index < 0 || index >= kAspectCount) return kBlack;
    const std::uint32_t value = aspects[static_cast<std::size_t>(index)].colour;
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

}  // namespace

const QColor DialPainter::kDisc(200, 200, 0);

QColor DialPainter::backgroundAt(Canvas& canvas, Point centre) {
    auto* image = dynamic_cast<QImage*>(canvas.painter().device());
    if (image == nullptr) return kWhite;
    const QPointF device = canvas.painter().transform().map(canvas.toDevice(centre.x, centre.y));
    const QPoint pixel = device.toPoint();
    if (!image->rect().contains(pixel)) return kWhite;
    return image->pixelColor(pixel);
}

void DialPainter::circle(Canvas& canvas, Point centre, int radius) {
    canvas.drawEllipse(centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius);
}

// Clockwise from one hour to the other; the device shows midnight at the top on screen and
// paper alike, and counts its angles counter-clockwise from three o'clock.
void DialPainter::arc(Canvas& canvas, Point centre, int radius, double fromHour, double toHour) {
    canvas.drawArc(centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius,
                   -(fromHour - 6.0) * 15.0, -(toHour - fromHour) * 15.0);
}

void DialPainter::paint(Canvas& canvas, const DialLayout& layout, const TransitAspectTable& aspects,
                        const QString& fontFace, const QColor& background) {
    canvas.painter().save();
    paintOrbRings(canvas, layout, aspects);
    paintDiscAndHours(canvas, layout, fontFace, background);
    paintSituations(canvas, layout, aspects, background);
    if (layout.paper) paintPaperFrame(canvas, layout, fontFace, background);
    canvas.painter().restore();
}

void DialPainter::paintOrbRings(Canvas& canvas, const DialLayout& layout,
                                const TransitAspectTable& aspects) {
    canvas.setNoBrush();
    for (const auto& ring : layout.orbRings) {
        canvas.setPen(aspectColour(aspects, ring.aspect), ring.width);
        arc(canvas, layout.centre, ring.radius, 24.0, 0.0);
    }
    if (layout.ringBorders) {
        canvas.setPen(kBlack);
        for (int radius : *layout.ringBorders) circle(canvas, layout.centre, radius);
    }
}

void DialPainter::paintDiscAndHours(Canvas& canvas, const DialLayout& layout,
                                    const QString& fontFace, const QColor& background) {
    canvas.setPen(kBlack);
    canvas.setBrush(kDisc);
    circle(canvas, layout.centre, layout.discRadius);
    canvas.setBrush(background);
    circle(canvas, layout.centre, layout.centreDiscRadius);
    canvas.setNoBrush();

    canvas.setFont(fontFace, layout.fontHeight);
    for (const auto& mark : layout.hours) {
        canvas.setPen(background);
        canvas.drawLine(mark.spoke.from.x, mark.spoke.from.y, mark.spoke.to.x, mark.spoke.to.y);
        canvas.setPen(kBlack);
        canvas.drawText(mark.textTop.x, mark.textTop.y, QString::fromStdString(mark.text),
                        Canvas::AlignCenter | Canvas::AlignTop);
    }
    canvas.setPen(background);
    circle(canvas, layout.centre, layout.areaRadius);
}

void DialPainter::paintSituations(Canvas& canvas, const DialLayout& layout,
                                  const TransitAspectTable& aspects, const QColor& background) {
    canvas.setNoBrush();
    for (const auto& situation : layout.arcs) {
        canvas.setPen(aspectColour(aspects, situation.aspect), situation.width);
        // Square ends would stretch an arc past its hours.
        QPen pen = canvas.painter().pen();
        pen.setCapStyle(Qt::FlatCap);
        canvas.painter().setPen(pen);
        arc(canvas, layout.centre, situation.radius, situation.from, situation.to);
    }
    if (layout.separator) {
        canvas.setPen(background);
        circle(canvas, layout.centre, *layout.separator);
    }
    for (const auto& sector : layout.sectors) {
        canvas.setPen(background);
        canvas.setBrush(aspectColour(aspects, sector.aspect));
        std::vector<QPointF> corners;
        for (const Point& corner : sector.corners) corners.emplace_back(corner.x, corner.y);
        canvas.drawPolygon(corners);
    }
    canvas.setNoBrush();
    canvas.setPen(background, layout.ringWidth);
    canvas.drawLine(layout.midnightGap.from.x, layout.midnightGap.from.y, layout.midnightGap.to.x,
                    layout.midnightGap.to.y);
}

void DialPainter::paintPaperFrame(Canvas& canvas, const DialLayout& layout, const QString& fontFace,
                                  const QColor& background) {
    const auto& page = *layout.paper;
    canvas.setPen(kBlack);
    canvas.setNoBrush();
    canvas.drawRect(page.frame.left, page.frame.top, page.frame.right, page.frame.bottom);
    canvas.setFont(fontFace, page.dateHeight);
    const QString date = QString::fromStdString(page.date);
    const QSizeF extent = canvas.textExtent(date);
    // The box covers the text and the piece of the frame's edge under it.
    const double top = page.dateStart.y + layout.ySign * extent.height() / 2.0;
    canvas.fillRect(page.dateStart.x, top, page.dateStart.x + extent.width(),
                    top - layout.ySign * extent.height(), background);
    canvas.drawText(page.dateStart.x, top, date, Canvas::AlignLeft | Canvas::AlignTop);
}

}  // namespace orvanta
