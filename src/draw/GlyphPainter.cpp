#include "draw/GlyphPainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPen>
#include <QtMath>
#include <stdexcept>

namespace orvanta {
namespace {

// The share of the picture a symbol fills, leaving a margin so that neighbours do not touch.
constexpr double kSymbolFill = 0.84;
constexpr double kPictogramFill = 0.70;
constexpr double kLetterHeight = 0.62;

QPen roundPen(const QColor& ink, double width) {
    return QPen(ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A crescent with its back to the left and its horns to the right, as the Black Moon's
// character draws it: the arc of the outer circle, then back along a circle moved right.
QPainterPath crescent(QPointF centre, double radius) {
    const double inner = radius * 0.86;
    const double shift = radius * 0.5;
    const double x = (radius * radius - inner * inner + shift * shift) / (2 * shift);
    const double y = std::sqrt(radius * radius - x * x);
    const double outerAngle = qRadiansToDegrees(std::atan2(y, x));
    const double innerAngle = qRadiansToDegrees(std::atan2(y, x - shift));
    QPainterPath path;
    path.arcMoveTo(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
                   outerAngle);
    path.arcTo(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), outerAngle,
               360 - 2 * outerAngle);
    path.arcTo(QRectF(centre.x() + shift - inner, centre.y() - inner, 2 * inner, 2 * inner),
               -innerAngle, -(360 - 2 * innerAngle));
    path.closeSubpath();
    return path;
}

}  // namespace

QPainterPath GlyphPainter::textPath(const GlyphRow& row, const QString& text) {
    QFont font(row.family);
    font.setPixelSize(200);
    font.setBold(row.bold);
    const QFontMetricsF metrics(font);
    for (const QChar c : text) {
        if (!c.isSurrogate() && !metrics.inFont(c)) {
            throw std::runtime_error(QString("%1: the font %2 lacks U+%3")
                                         .arg(row.file, row.family)
                                         .arg(c.unicode(), 4, 16, QChar('0'))
                                         .toStdString());
        }
    }
    QPainterPath path;
    path.addText(0, 0, font, text);
    return path;
}

// Fits the outline of the text into a centred square of side box and fills it; a stroke of
// the ink colour thickens thin strokes so that the symbol stays clear when drawn small.
// Letters keep one height whatever their number, as long as they fit the width.
void GlyphPainter::drawText(QPainter& painter, const GlyphRow& row, const QString& text, double box,
                            double stroke) {
    const QPainterPath path = textPath(row, text);
    const QRectF bounds = path.boundingRect();
    const bool letters = row.drawing.startsWith("text:");
    const double scale =
        letters ? std::min(kLetterHeight * box / bounds.height(), (box - stroke) / bounds.width())
                : (box - stroke) / std::max(bounds.width(), bounds.height());
    painter.save();
    painter.translate(-bounds.center().x() * scale, -bounds.center().y() * scale);
    painter.scale(scale, scale);
    painter.setBrush(row.ink);
    painter.setPen(stroke > 0 ? roundPen(row.ink, stroke / scale) : QPen(Qt::NoPen));
    painter.drawPath(path);
    painter.restore();
}

void GlyphPainter::drawShape(QPainter& painter, const QString& name, const QColor& ink,
                             double box) {
    // Figures are drawn in a square of side 1 centred on the origin, then scaled to the box.
    painter.save();
    painter.scale(box, box);
    const QPen pen = roundPen(ink, 0.085);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    if (name == "sextile") {
        for (int i = 0; i < 3; ++i) {
            const double a = qDegreesToRadians(90.0 + 60.0 * i);
            painter.drawLine(QPointF(0.45 * std::cos(a), -0.45 * std::sin(a)),
                             QPointF(-0.45 * std::cos(a), 0.45 * std::sin(a)));
        }
    } else if (name == "semisextile" || name == "quincunx") {
        // A bar with a V standing on its middle; the quincunx is the same figure upside down.
        const double flip = name == "quincunx" ? -1.0 : 1.0;
        painter.drawLine(QPointF(-0.42, 0.32 * flip), QPointF(0.42, 0.32 * flip));
        painter.drawLine(QPointF(0, 0.32 * flip), QPointF(-0.34, -0.40 * flip));
        painter.drawLine(QPointF(0, 0.32 * flip), QPointF(0.34, -0.40 * flip));
    } else if (name == "semisquare") {
        painter.drawPolyline(QPolygonF({{0.42, -0.36}, {-0.42, 0.36}, {0.46, 0.36}}));
    } else if (name == "sesquiquadrate") {
        // A square with the leg of the semisquare rising from its corner.
        painter.drawRect(QRectF(-0.42, -0.06, 0.48, 0.48));
        painter.drawLine(QPointF(0.06, -0.06), QPointF(0.44, -0.44));
    } else if (name == "proserpina") {
        // A P over the cross of matter.
        QPainterPath p;
        p.moveTo(-0.14, 0.14);
        p.lineTo(-0.14, -0.44);
        p.lineTo(0.06, -0.44);
        p.arcTo(QRectF(-0.08, -0.44, 0.30, 0.30), 90, -180);
        p.lineTo(-0.14, -0.14);
        painter.drawPath(p);
        painter.drawLine(QPointF(-0.14, 0.14), QPointF(-0.14, 0.46));
        painter.drawLine(QPointF(-0.34, 0.30), QPointF(0.06, 0.30));
    } else if (name == "pluto") {
        // The astrologers' Pluto: a small circle in a cup over a cross.
        painter.drawEllipse(QPointF(0, -0.27), 0.11, 0.11);
        painter.drawArc(QRectF(-0.27, -0.52, 0.54, 0.54), 180 * 16, 180 * 16);
        painter.drawLine(QPointF(0, 0.02), QPointF(0, 0.46));
        painter.drawLine(QPointF(-0.18, 0.27), QPointF(0.18, 0.27));
    } else if (name == "selena") {
        // The White Moon: an open crescent over a cross.
        painter.setPen(roundPen(ink, 0.07));
        painter.drawPath(crescent(QPointF(0.02, -0.20), 0.25));
        painter.setPen(pen);
        painter.drawLine(QPointF(0.02, 0.08), QPointF(0.02, 0.46));
        painter.drawLine(QPointF(-0.18, 0.28), QPointF(0.22, 0.28));
    } else if (name == "hourglass") {
        painter.setBrush(ink);
        painter.setPen(roundPen(ink, 0.06));
        painter.drawPolygon(QPolygonF({{-0.30, -0.40}, {0.30, -0.40}, {0, 0}}));
        painter.drawPolygon(QPolygonF({{-0.30, 0.40}, {0.30, 0.40}, {0, 0}}));
        painter.drawLine(QPointF(-0.38, -0.44), QPointF(0.38, -0.44));
        painter.drawLine(QPointF(-0.38, 0.44), QPointF(0.38, 0.44));
    } else if (name == "blackmoon") {
        // A dark disc with a thin lit rim: the Black Moon.
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255));
        painter.drawEllipse(QPointF(0, 0), 0.44, 0.44);
        painter.setBrush(ink);
        painter.drawEllipse(QPointF(-0.07, 0), 0.40, 0.42);
    } else {
        painter.restore();
        throw std::runtime_error("unknown shape " + name.toStdString());
    }
    painter.restore();
}

// The star polygon {N/K}: N points on a circle, each joined to the K-th next.
void GlyphPainter::drawStar(QPainter& painter, const QString& figure, const QColor& ink,
                            double box) {
    const QStringList parts = figure.split('/');
    const int n = parts.value(0).toInt();
    const int k = parts.value(1).toInt();
    if (n < 1 || k < 0 || (n > 1 && k < 1))
        throw std::runtime_error("bad star " + figure.toStdString());
    const double radius = box / 2;
    QVector<QPointF> points;
    // Figures whose corners come in fours stand on a side rather than on a corner.
    const double turn = n % 4 == 0 ? 180.0 / n : 0.0;
    for (int i = 0; i < n; ++i) {
        const double a = qDegreesToRadians(90.0 + turn - 360.0 * i / n);
        points.push_back(QPointF(radius * std::cos(a), -radius * std::sin(a)));
    }
    painter.setPen(roundPen(ink, box / 12));
    painter.setBrush(ink);
    if (n == 1) {
        painter.drawEllipse(QPointF(0, 0), box / 4, box / 4);
        return;
    }
    for (int i = 0; i < n; ++i) painter.drawLine(points[i], points[(i + k) % n]);
    if (n == 2) {
        for (const QPointF& p : points) painter.drawEllipse(p, box / 8, box / 8);
    }
}

void GlyphPainter::drawTile(QPainter& painter, const QColor& ground, int size) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(ground);
    painter.drawRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), size / 6.0, size / 6.0);
}

int GlyphPainter::sizeOf(const GlyphRow& row) {
    return row.kind == "pictogram" ? kPictogramSize : kSymbolSize;
}

QImage GlyphPainter::paint(const GlyphRow& row) {
    const int size = sizeOf(row);
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter, row);
    return image;
}

void GlyphPainter::draw(QPainter& painter, const GlyphRow& row) {
    const bool pictogram = row.kind == "pictogram";
    const int size = sizeOf(row);
    if (row.ground.isValid()) drawTile(painter, row.ground, size);
    painter.translate(size / 2.0, size / 2.0);
    const double box = size * (pictogram ? kPictogramFill : kSymbolFill);
    const QString kind = row.drawing.section(':', 0, 0);
    const QString what = row.drawing.section(':', 1);
    if (kind == "char") {
        const char32_t code = what.mid(2).toUInt(nullptr, 16);
        drawText(painter, row, QString::fromUcs4(&code, 1), box, pictogram ? 0.0 : size / 40.0);
    } else if (kind == "text") {
        drawText(painter, row, what, box, pictogram ? 0.0 : size / 40.0);
    } else if (kind == "shape") {
        drawShape(painter, what, row.ink, box);
    } else if (kind == "star") {
        drawStar(painter, what, row.ink, box);
    } else {
        throw std::runtime_error(row.file.toStdString() + ": unknown drawing " +
                                 row.drawing.toStdString());
    }
}

}  // namespace orvanta
