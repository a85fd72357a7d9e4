// Draws the program's icon for the desktop's hicolor theme: a zodiac wheel (twelve sectors
// between two rings) round a golden Sun, on a night-blue disc. Written as SVG (scalable) and as a
// 256 x 256 PNG from the same drawing.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSvgGenerator>
#include <cmath>
#include <cstdio>

namespace {

constexpr int kSide = 256;
constexpr double kPi = 3.14159265358979323846;

QPointF onCircle(QPointF centre, double radius, double degrees) {
    const double a = degrees * kPi / 180.0;
    return {centre.x() + radius * std::cos(a), centre.y() - radius * std::sin(a)};
}

void drawIcon(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    const QPointF c(kSide / 2.0, kSide / 2.0);
    const double outer = 120.0;
    const double ring = 92.0;
    const double inner = 58.0;

    QRadialGradient sky(c, outer);
    sky.setColorAt(0.0, QColor(46, 40, 120));
    sky.setColorAt(1.0, QColor(12, 16, 52));
    p.setPen(QPen(QColor(214, 178, 84), 6.0));
    p.setBrush(sky);
    p.drawEllipse(c, outer, outer);

    // Twelve sectors, every other one lightly filled.
    for (int sign = 0; sign < 12; ++sign) {
        QPainterPath sector;
        const double from = 30.0 * sign;
        sector.arcMoveTo(QRectF(c.x() - ring, c.y() - ring, 2 * ring, 2 * ring), from);
        sector.arcTo(QRectF(c.x() - ring, c.y() - ring, 2 * ring, 2 * ring), from, 30.0);
        sector.arcTo(QRectF(c.x() - inner, c.y() - inner, 2 * inner, 2 * inner), from + 30.0,
                     -30.0);
        sector.closeSubpath();
        p.setPen(QPen(QColor(214, 178, 84), 3.0));
        p.setBrush(sign % 2 == 0 ? QColor(90, 80, 170) : QColor(30, 30, 90));
        p.drawPath(sector);
    }
    // Small marks of the degrees between the rings.
    p.setPen(QPen(QColor(214, 178, 84), 2.0));
    for (int mark = 0; mark < 72; ++mark) {
        if (mark % 6 == 0) continue;
        p.drawLine(onCircle(c, ring, 5.0 * mark), onCircle(c, ring + 8.0, 5.0 * mark));
    }

    // The Sun: a disc with a point in its centre.
    p.setPen(QPen(QColor(255, 214, 102), 6.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 30.0, 30.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 214, 102));
    p.drawEllipse(c, 8.0, 8.0);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s OUT.svg OUT.png\n", argv[0]);
        return 2;
    }
    QGuiApplication app(argc, argv);

    QSvgGenerator svg;
    svg.setFileName(QString::fromLocal8Bit(argv[1]));
    svg.setSize(QSize(kSide, kSide));
    svg.setViewBox(QRect(0, 0, kSide, kSide));
    svg.setTitle("Orvanta");
    {
        QPainter painter(&svg);
        drawIcon(painter);
    }

    QImage png(kSide, kSide, QImage::Format_ARGB32);
    png.fill(Qt::transparent);
    {
        QPainter painter(&png);
        drawIcon(painter);
    }
    if (!png.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
