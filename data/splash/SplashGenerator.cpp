// Draws the start-up picture: a night sky with the zodiac ring and the program's name,
// written as a 24-bit bitmap with the classic 40-byte header.
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QString>
#include <cmath>
#include <cstdio>

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr double kPi = 3.14159265358979323846;

void drawSky(QPainter& p) {
    QLinearGradient sky(0, 0, 0, kHeight);
    sky.setColorAt(0.0, QColor(8, 12, 40));
    sky.setColorAt(1.0, QColor(30, 24, 78));
    p.fillRect(0, 0, kWidth, kHeight, sky);
    // A fixed seed: the same picture on every build.
    QRandomGenerator random(1961);
    for (int i = 0; i < 260; ++i) {
        const int x = random.bounded(kWidth);
        const int y = random.bounded(kHeight);
        const int shade = 150 + random.bounded(105);
        p.setPen(QColor(shade, shade, 255 - random.bounded(40)));
        p.drawPoint(x, y);
    }
}

void drawZodiacRing(QPainter& p, QPointF centre, double outer, double inner) {
    p.setRenderHint(QPainter::Antialiasing, true);
    QRadialGradient glow(centre, outer * 1.2);
    glow.setColorAt(0.0, QColor(90, 80, 160, 90));
    glow.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.setBrush(glow);
    p.setPen(Qt::NoPen);
    p.drawEllipse(centre, outer * 1.2, outer * 1.2);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(220, 200, 120), 2));
    p.drawEllipse(centre, outer, outer);
    p.drawEllipse(centre, inner, inner);
    QFont glyphs("DejaVu Sans");
    glyphs.setPixelSize(static_cast<int>((outer - inner) * 0.6));
    p.setFont(glyphs);
    for (int sign = 0; sign < 12; ++sign) {
        const double boundary = sign * 30.0 * kPi / 180.0;
        p.drawLine(centre + QPointF(inner * std::cos(boundary), -inner * std::sin(boundary)),
                   centre + QPointF(outer * std::cos(boundary), -outer * std::sin(boundary)));
        const double middle = (sign * 30.0 + 15.0) * kPi / 180.0;
        const double radius = (outer + inner) / 2.0;
        const QPointF at = centre + QPointF(radius * std::cos(middle), -radius * std::sin(middle));
        const QRectF box(at.x() - 20, at.y() - 20, 40, 40);
        p.drawText(box, Qt::AlignCenter, QString(QChar(0x2648 + sign)));
    }
}

void drawTitle(QPainter& p) {
    QFont title("DejaVu Serif");
    title.setPixelSize(64);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(245, 235, 200));
    p.drawText(QRectF(0, 150, kWidth, 90), Qt::AlignCenter, "Orvanta");
    QFont subtitle("DejaVu Sans");
    subtitle.setPixelSize(20);
    p.setFont(subtitle);
    p.setPen(QColor(200, 200, 235));
    p.drawText(QRectF(0, 235, kWidth, 40), Qt::AlignCenter,
               QString::fromUtf8("Рабочее место астролога"));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: orvanta-splash-generator OUT.bmp\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    QImage image(kWidth, kHeight, QImage::Format_RGB888);
    {
        QPainter painter(&image);
        drawSky(painter);
        drawZodiacRing(painter, QPointF(kWidth / 2.0, kHeight / 2.0), 225, 175);
        drawTitle(painter);
    }
    if (!image.save(QString::fromLocal8Bit(argv[1]), "BMP")) {
        std::fprintf(stderr, "orvanta-splash-generator: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
