#include "natal/paint/WheelPainter.h"

#include "draw/PicturePainter.h"

namespace orvanta {

namespace {

const QColor kZodiacRing(0, 255, 255);
const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kCuspGreen(0, 150, 0);
const QColor kAxisRed(255, 0, 0);
constexpr double kThinPen = 1.0;
constexpr double kAxisPen = 3.0;

// The pen and brush the wheel starts with and returns to after each chord.
void selectOutline(Canvas& canvas) {
    canvas.setPen(kBlack, kThinPen);
}

}  // namespace

QColor WheelPainter::colourOf(std::uint32_t colourValue) {
    return QColor(static_cast<int>(colourValue & 0xFF), static_cast<int>((colourValue >> 8) & 0xFF),
                  static_cast<int>((colourValue >> 16) & 0xFF));
}

Qt::PenStyle WheelPainter::penStyleOf(std::int32_t lineStyle) {
    switch (lineStyle) {
        case 1:
            return Qt::DashLine;
        case 2:
            return Qt::DotLine;
        case 3:
            return Qt::DashDotLine;
        case 4:
            return Qt::DashDotDotLine;
        default:
            return Qt::SolidLine;
    }
}

void WheelPainter::paint(Canvas& canvas, const NatalChart& natal, const ChartResources& resources,
                         const QRect& target) {
    paint(canvas, natal, resources,
          WheelLayout::Frame::screen(target.left(), target.top(), target.width(), target.height()));
}

void WheelPainter::paint(Canvas& canvas, const NatalChart& natal, const ChartResources& resources,
                         const WheelLayout::Frame& frame) {
    const WheelLayout layout =
        WheelLayout::compute(natal.chart, natal.orientation, natal.aspects, frame);
    paint(canvas, layout, natal.chart, natal.aspects, resources);
}

void WheelPainter::paint(Canvas& canvas, const WheelLayout& layout, const ChartData& chart,
                         const NatalAspectTable& aspects, const ChartResources& resources) {
    QPainter& painter = canvas.painter();
    painter.save();
    selectOutline(canvas);
    canvas.setBrush(kWhite);

    // Rings: the house ring, the zodiac ring, the body ring and the inner disc.
    if (layout.houses) drawCircle(canvas, layout, layout.outerRingRadius);
    canvas.setBrush(kZodiacRing);
    drawCircle(canvas, layout, layout.zodiacOuter);
    canvas.setBrush(kWhite);
    drawCircle(canvas, layout, layout.zodiacInner);
    drawCircle(canvas, layout, layout.innerDisc);

    for (int sign = 1; sign <= 12; ++sign) {
        const WheelLayout::SignSector& sector = layout.signs[static_cast<std::size_t>(sign - 1)];
        drawSegment(canvas, sector.boundary);
        drawPicture(canvas, resources.signPicture(sign), sector.picture);
    }

    for (const WheelLayout::RadialMark& mark : layout.marks) {
        if (mark.kind == WheelLayout::MarkKind::Axis) {
            canvas.setPen(kAxisRed, kAxisPen);
        } else {
            canvas.setPen(kCuspGreen, kThinPen);
        }
        drawSegment(canvas, mark.line);
    }
    selectOutline(canvas);

    for (const WheelLayout::Chord& chord : layout.chords) {
        const AspectSetting& aspect = aspects[static_cast<std::size_t>(chord.pair.aspect)];
        canvas.setPen(colourOf(aspect.colour), aspect.lineWidth, penStyleOf(aspect.lineStyle));
        drawSegment(canvas, chord.line);
        selectOutline(canvas);
    }

    for (const WheelLayout::BodyPlacement& body : layout.bodies) {
        if (body.shown) drawPicture(canvas, chart.style[body.object].symbol, body.symbol);
    }
    for (const WheelLayout::HouseNumber& number : layout.houseNumbers) {
        drawPicture(canvas, chart.style[number.object].symbol, number.symbol);
    }

    canvas.setPen(kBlack, kThinPen);
    canvas.setBrush(kBlack);
    drawCircle(canvas, layout, layout.centreDotRadius);
    painter.restore();
}

void WheelPainter::drawCircle(Canvas& canvas, const WheelLayout& layout, int radius) {
    const Rect box = layout.circle(radius);
    canvas.drawEllipse(box.left, box.top, box.right, box.bottom);
}

void WheelPainter::drawSegment(Canvas& canvas, const Line& segment) {
    canvas.drawLine(segment.from.x, segment.from.y, segment.to.x, segment.to.y);
}

void WheelPainter::drawPicture(Canvas& canvas, const Picture& picture, const Rect& rect) {
    PicturePainter::draw(canvas, picture, rect.left, rect.top, rect.right, rect.bottom);
}

}  // namespace orvanta
