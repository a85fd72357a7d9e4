#include <gtest/gtest.h>
#include <unistd.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <filesystem>

#include "natal/paint/WheelPainter.h"
#include "support/BitmapBuilder.h"
#include "support/TestApplication.h"

namespace orvanta {
namespace {

// Colours the wheel uses, and the grey the test images start from.
constexpr QRgb kGround = 0xFF808080;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kCyan = 0xFF00FFFF;
constexpr QRgb kGreen = 0xFF009600;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kBlue = 0xFF0000FF;

// The 1000 x 1000 screen frame: centre (500, 525), house ring 495, zodiac ring 375 to 450,
// inner disc 295, P - O/2 = 285, bodies on 335 or 320 / 350 when close.
constexpr double kCx = 500.0;
constexpr double kCy = 525.0;

// A point of the wheel: radius and angle clockwise from 3 o'clock, turned into radians with
// 3.14 for pi as the wheel does (at 292 degrees true pi would be a pixel off at radius 330).
QPoint polar(double radius, double degrees, double cx = kCx, double cy = kCy) {
    const double a = degrees * 3.14 / 180.0;
    return {static_cast<int>(std::lround(cx + radius * std::cos(a))),
            static_cast<int>(std::lround(cy + radius * std::sin(a)))};
}

QRgb at(const QImage& image, QPoint p) {
    return image.pixel(p);
}

// Whether a colour appears within one pixel of a point: lines are one pixel wide.
bool near(const QImage& image, QPoint p, QRgb colour) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const QPoint q(p.x() + dx, p.y() + dy);
            if (image.valid(q) && image.pixel(q) == colour) return true;
        }
    }
    return false;
}

int count(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == colour ? 1 : 0;
    }
    return n;
}

// An 8 x 8 picture of one colour (0xRRGGBB). Drawn into any other size it is stretched and
// combined with what lies below by AND.
Picture solid(std::uint32_t rgb) {
    auto fields = testing::markedTrueColour(8, 8, rgb);
    // markedTrueColour blackens the top-left pixel; make it the colour too.
    const int row = ((24 * 8 + 31) / 32) * 4;
    for (int c = 0; c < 3; ++c) {
        fields.bits[static_cast<std::size_t>(7 * row + c)] =
            static_cast<std::uint8_t>(rgb >> (8 * c));
    }
    Picture picture;
    EXPECT_TRUE(picture.assign(testing::packedBitmap(fields)));
    return picture;
}

// Cusps of houses 1 to 12 every 30 degrees from the Ascendant at 22 Aries (clear of the sign
// pictures in the middle of each sign), all bodies hidden.
NatalChart testChart(int direction, int start, double angle = 0.0) {
    NatalChart natal;
    ChartData& chart = natal.chart;
    chart.style.assignBodyNames();
    for (int i = 1; i <= 28; ++i) {
        chart.style[i].identifier = i;
        chart.style[i].shown = i > 16 ? 1 : 0;
        chart[i].setLongitude(i > 16 ? (i - 17) * 30.0 + 22.0 : 0.0);
    }
    natal.orientation.direction = direction;
    natal.orientation.fromAscendant = start == 0 ? 1 : 0;
    natal.orientation.fromAries = start == 1 ? 1 : 0;
    natal.orientation.angle = angle;
    return natal;
}

void show(NatalChart& natal, int body, double longitude) {
    natal.chart[body].setLongitude(longitude);
    natal.chart.style[body].shown = 1;
}

class WheelPainterTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { testing::ensureGuiApplication(); }

    // The screen frame of a 1000 x 1000 area; the image is taller, to hold the wheel's foot.
    QImage paint(const NatalChart& natal, int size = 1000) {
        QImage image(size, size + 100, QImage::Format_RGB32);
        image.fill(kGround);
        QPainter painter(&image);
        Canvas canvas(painter, Canvas::Units::Pixels);
        WheelPainter::paint(canvas, natal, resources, WheelLayout::Frame::screen(0, 0, size, size));
        return image;
    }

    ChartResources resources;
};

constexpr int kCounterClockwise = 0;
constexpr int kClockwise = 1;
constexpr int kFromAscendant = 0;
constexpr int kFromAries = 1;
constexpr int kArbitrary = 2;

TEST_F(WheelPainterTest, RingsFillOutlinesAndCentreDot) {
    // Clockwise from Aries: sign boundaries every 30 degrees from 3 o'clock, cusps between.
    const QImage image = paint(testChart(kClockwise, kFromAries));
    // Along 7 degrees, between a boundary (0) and a cusp (22), from outside in.
    EXPECT_EQ(at(image, {5, 5}), kGround);
    EXPECT_EQ(at(image, polar(472, 7)), kWhite);  // house ring
    EXPECT_EQ(at(image, polar(420, 7)), kCyan);   // zodiac ring
    EXPECT_EQ(at(image, polar(340, 7)), kWhite);  // body ring
    EXPECT_EQ(at(image, polar(200, 7)), kWhite);  // inner disc
    for (int r : {295, 375, 450, 495}) EXPECT_TRUE(near(image, polar(r, 7), kBlack)) << r;
    // The first sign boundary: a black line on 3 o'clock from 375 to 450.
    EXPECT_EQ(at(image, {910, 525}), kBlack);
    EXPECT_TRUE(near(image, polar(410, 30), kBlack));
    EXPECT_TRUE(near(image, polar(410, 330), kBlack));
    // The centre dot: radius O/2 = 10.
    EXPECT_EQ(at(image, {500, 525}), kBlack);
    EXPECT_EQ(at(image, {506, 525}), kBlack);
    EXPECT_EQ(at(image, {514, 525}), kWhite);
}

TEST_F(WheelPainterTest, CuspLinesAndTheFourRedAxes) {
    const QImage image = paint(testChart(kClockwise, kFromAries));
    // House 2 at 52 degrees: dark green inside the zodiac ring (295 to 375) and in the house
    // ring (450 to 495), nothing across the zodiac ring itself.
    EXPECT_TRUE(near(image, polar(330, 52), kGreen));
    EXPECT_TRUE(near(image, polar(472, 52), kGreen));
    EXPECT_FALSE(near(image, polar(412, 52), kGreen));
    EXPECT_FALSE(near(image, polar(250, 52), kGreen));
    // Houses 1, 4, 7 and 10 (22, 112, 202, 292 degrees): red from 285 to 525, drawn over the
    // cusp's green lines.
    for (double a : {22.0, 112.0, 202.0, 292.0}) {
        for (int r : {288, 330, 412, 472, 520})
            EXPECT_EQ(at(image, polar(r, a)), kRed) << a << " " << r;
        EXPECT_FALSE(near(image, polar(280, a), kRed)) << a;
        EXPECT_FALSE(near(image, polar(530, a), kRed)) << a;
    }
}

TEST_F(WheelPainterTest, AscendantFollowsTheStartAndTheDirection) {
    // Cusps every 30 degrees from an Ascendant at 22 Aries; the Sun 20 degrees into house 1.
    auto chartWithSun = [](int direction, int start, double angle = 0.0) {
        NatalChart natal = testChart(direction, start, angle);
        show(natal, 1, 42.0);
        natal.chart.style[1].symbol = solid(0x000080);
        return natal;
    };
    constexpr QRgb kNavy = 0xFF000080;

    // Counter-clockwise from the Ascendant: the Ascendant's axis at 9 o'clock, the Sun below
    // it at 160 degrees, the Midheaven at the top.
    QImage image = paint(chartWithSun(kCounterClockwise, kFromAscendant));
    EXPECT_EQ(at(image, {100, 525}), kRed);
    // The axis is three pixels wide: it runs from (215, 525) to (-25, 526).
    int redRows = 0;
    for (int y = 515; y <= 535; ++y) redRows += image.pixel(100, y) == kRed ? 1 : 0;
    EXPECT_GE(redRows, 3);
    EXPECT_LE(redRows, 4);
    EXPECT_EQ(at(image, polar(335, 160)), kNavy);
    EXPECT_EQ(at(image, polar(412, 270)), kRed);

    // Clockwise from the Ascendant: the Ascendant at 3 o'clock and the Sun below it at 20.
    image = paint(chartWithSun(kClockwise, kFromAscendant));
    EXPECT_EQ(at(image, {900, 525}), kRed);
    EXPECT_EQ(at(image, polar(335, 20)), kNavy);
    EXPECT_NE(at(image, polar(335, 160)), kNavy);

    // Counter-clockwise from Aries: 0 Aries at 9 o'clock, the Ascendant 22 degrees below it
    // (158) and the Sun at 138; nothing red at 9 o'clock.
    image = paint(chartWithSun(kCounterClockwise, kFromAries));
    EXPECT_EQ(at(image, polar(412, 158)), kRed);
    EXPECT_EQ(at(image, polar(335, 138)), kNavy);
    EXPECT_FALSE(near(image, {100, 525}, kRed));
    EXPECT_TRUE(near(image, {90, 525}, kBlack));  // Pisces' last boundary: 0 Aries

    // Arbitrarily 30 degrees on from the Ascendant, counter-clockwise: the Ascendant at
    // 180 - (22 - 52) = 210 degrees, above 9 o'clock.
    image = paint(chartWithSun(kCounterClockwise, kArbitrary, 30.0));
    EXPECT_EQ(at(image, polar(412, 210)), kRed);
    EXPECT_EQ(at(image, polar(335, 190)), kNavy);
}

// The Sun at 0 Aries and the Moon at 0 Libra, clockwise from Aries: their chord runs along
// 3 o'clock to 9 o'clock through the centre, from x = 215 to x = 785 on y = 525.
NatalChart opposition() {
    NatalChart natal = testChart(kClockwise, kFromAries);
    show(natal, 1, 0.0);
    show(natal, 2, 180.0);
    return natal;
}

void setAspect(NatalChart& natal, int index, double angle, std::uint32_t colour, int width,
               int style) {
    AspectSetting& a = natal.aspects[static_cast<std::size_t>(index)];
    a.angle = angle;
    a.orb = 5.0;
    a.included = 1;
    a.colour = colour;
    a.lineWidth = width;
    a.lineStyle = style;
}

TEST_F(WheelPainterTest, ChordsTakeColourWidthAndStyleFromTheAspect) {
    NatalChart natal = opposition();
    setAspect(natal, 0, 180.0, 0x00FF0000, 5, 0);  // blue in a Windows colour value
    QImage image = paint(natal);
    EXPECT_EQ(at(image, {650, 525}), kBlue);
    EXPECT_EQ(at(image, {650, 527}), kBlue);
    EXPECT_EQ(at(image, {650, 531}), kWhite);
    EXPECT_EQ(at(image, {500, 525}), kBlack);  // the centre dot is drawn over the chord
    // The chord ends on radius 285; the Sun's tick goes on to 305.
    EXPECT_EQ(at(image, {795, 525}), kGreen);

    // Width 0 draws one pixel.
    setAspect(natal, 0, 180.0, 0x000000FF, 0, 0);  // red
    image = paint(natal);
    EXPECT_EQ(at(image, {650, 525}), kRed);
    EXPECT_EQ(at(image, {650, 527}), kWhite);

    // A solid chord has no gaps, a dashed one has.
    auto gaps = [](const QImage& img) {
        int white = 0;
        for (int x = 250; x < 480; ++x) white += img.pixel(x, 525) == kWhite ? 1 : 0;
        return white;
    };
    EXPECT_EQ(gaps(image), 0);
    setAspect(natal, 0, 180.0, 0x000000FF, 0, 1);
    image = paint(natal);
    EXPECT_GT(gaps(image), 20);
    EXPECT_GT(count(image, kRed), 100);

    // An aspect switched off draws nothing; the Moon hidden draws nothing either.
    natal.aspects[0].included = 0;
    EXPECT_EQ(at(paint(natal), {650, 525}), kWhite);
    natal.aspects[0].included = 1;
    natal.chart.style[2].shown = 0;
    EXPECT_EQ(at(paint(natal), {650, 525}), kWhite);
}

TEST_F(WheelPainterTest, LaterAspectOfTheSamePairIsDrawnOnTop) {
    NatalChart natal = opposition();
    setAspect(natal, 0, 180.0, 0x000000FF, 5, 0);  // red, wide
    setAspect(natal, 3, 178.0, 0x00FF0000, 0, 0);  // blue, thin, also within its orb
    const QImage image = paint(natal);
    EXPECT_EQ(at(image, {650, 525}), kBlue);
    EXPECT_EQ(at(image, {650, 527}), kRed);
}

TEST_F(WheelPainterTest, PicturesOfSignsBodiesAndHousesSitWhereTheLayoutPutsThem) {
    // Aries black, the other signs magenta: AND with the cyan ring leaves blue.
    resources.signPictures[0] = solid(0x000000);
    for (int k = 1; k < 12; ++k)
        resources.signPictures[static_cast<std::size_t>(k)] = solid(0xFF00FF);
    NatalChart natal = testChart(kClockwise, kFromAries);
    // Sun and Moon 3 degrees apart: the Sun (first clockwise) inside, the Moon outside.
    show(natal, 1, 10.0);
    show(natal, 2, 13.0);
    natal.chart.style[1].symbol = solid(0x000080);
    natal.chart.style[2].symbol = solid(0x800000);
    natal.chart[3].setLongitude(100.0);  // hidden Mercury with a symbol
    natal.chart.style[3].symbol = solid(0x000080);
    for (int i = 17; i <= 28; ++i) natal.chart.style[i].symbol = solid(0x800080);

    QImage image = paint(natal);
    EXPECT_EQ(at(image, polar(412, 15)), kBlack);  // Aries in the first sector
    EXPECT_EQ(at(image, polar(412, 45)), kBlue);
    EXPECT_EQ(at(image, polar(412, 345)), kBlue);
    EXPECT_EQ(at(image, polar(320, 10)), 0xFF000080u);
    EXPECT_EQ(at(image, polar(350, 13)), 0xFF800000u);
    EXPECT_EQ(at(image, polar(335, 100)), kWhite);     // hidden: no symbol
    EXPECT_NE(at(image, polar(290, 100)), kGreen);     // and no tick
    EXPECT_TRUE(near(image, polar(288, 10), kGreen));  // the Sun's tick, 285 to 305
    EXPECT_TRUE(near(image, polar(302, 10), kGreen));
    EXPECT_FALSE(near(image, polar(280, 10), kGreen));
    // House numbers 3 degrees into their houses: house 1 (from 22) on the house ring's
    // edge, 40 pixels wide; house 2 (from 52) at 472.
    EXPECT_EQ(at(image, polar(485, 25)), 0xFF800080u);
    EXPECT_EQ(at(image, polar(472, 55)), 0xFF800080u);

    // Counter-clockwise Aries moves to the sector below 9 o'clock.
    natal.orientation.direction = kCounterClockwise;
    image = paint(natal);
    EXPECT_EQ(at(image, polar(412, 165)), kBlack);
    EXPECT_EQ(at(image, polar(412, 15)), kBlue);
}

TEST_F(WheelPainterTest, WithoutHousesTheZodiacTakesTheHouseRingsPlace) {
    NatalChart natal = testChart(kClockwise, kFromAries);
    natal.chart.housesUnavailable = 1;
    for (int i = 17; i <= 28; ++i) natal.chart.style[i].symbol = solid(0x800080);
    const QImage image = paint(natal);
    // W = 495, N = 413, P = 325.
    EXPECT_EQ(at(image, polar(470, 97)), kCyan);
    EXPECT_EQ(at(image, polar(400, 97)), kWhite);
    EXPECT_EQ(at(image, polar(505, 97)), kGround);
    EXPECT_EQ(count(image, kGreen), 0);
    EXPECT_EQ(count(image, kRed), 0);
    EXPECT_EQ(count(image, 0xFF800080), 0);
}

TEST_F(WheelPainterTest, PageIsDrawnWithYUpwardToTheSamePicture) {
    // 100 dots per inch: 25.4 hundredths of a millimetre to a pixel. The page frame centred at
    // (12700, -13335) with R0 12700 lands on the screen frame's centre (500, 525) and R0 500.
    QImage image(1000, 1000, QImage::Format_RGB32);
    image.setDotsPerMeterX(3937);
    image.setDotsPerMeterY(3937);
    image.fill(kGround);
    NatalChart natal = testChart(kClockwise, kFromAries);
    show(natal, 1, 60.0);
    natal.chart.style[1].symbol = solid(0x000080);
    {
        QPainter painter(&image);
        Canvas canvas(painter, Canvas::Units::HundredthsOfMm);
        WheelPainter::paint(canvas, natal, resources,
                            WheelLayout::Frame::page(12700, -13335, 12700));
    }
    EXPECT_EQ(at(image, {500, 525}), kBlack);
    EXPECT_EQ(at(image, polar(420, 7)), kCyan);
    EXPECT_EQ(at(image, polar(472, 7)), kWhite);
    // Angles grow clockwise on the page too: the Sun at 60 degrees lies below the centre.
    EXPECT_EQ(at(image, polar(335, 60)), 0xFF000080u);
    EXPECT_EQ(at(image, polar(412, 112)), kRed);
}

TEST_F(WheelPainterTest, ScreenEntryDrawsIntoTheZoomedAreaAndRestoresThePainter) {
    const NatalChart natal = testChart(kCounterClockwise, kFromAscendant);

    // Zoom 2 of a 500 x 500 drawing area: the wheel of a 1000 x 1000 target.
    QImage image(1000, 1100, QImage::Format_RGB32);
    image.fill(kGround);
    QPainter painter(&image);
    const QPen before(QColor(1, 2, 3), 7);
    painter.setPen(before);
    painter.setBrush(QColor(4, 5, 6));
    Canvas canvas(painter, Canvas::Units::Pixels);
    WheelPainter::paint(canvas, natal, resources, QRect(0, 0, 500 * 2, 500 * 2));
    EXPECT_EQ(painter.pen(), before);
    EXPECT_EQ(painter.brush().color(), QColor(4, 5, 6));
    painter.end();
    EXPECT_EQ(at(image, {500, 525}), kBlack);
    EXPECT_EQ(at(image, polar(420, 7)), kCyan);
    EXPECT_EQ(at(image, {100, 525}), kRed);  // the Ascendant at 9 o'clock
}

}  // namespace
}  // namespace orvanta
