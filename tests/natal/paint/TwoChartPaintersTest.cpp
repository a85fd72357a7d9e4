#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "natal/paint/BiWheelPainter.h"
#include "natal/paint/SynastryTablePainter.h"
#include "support/HandMadeChart.h"
#include "support/TestApplication.h"

namespace orvanta {
namespace {

constexpr QRgb kGround = 0xFF808080;
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kGreen = 0xFF009600;
constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kOuterRing = 0xFFFFFAD7;   // 255, 250, 215
constexpr QRgb kLabelShade = 0xFFC89696;  // 200, 150, 150

ZodiacOrientation fromAries() {
    ZodiacOrientation o;
    o.fromAscendant = 0;
    o.fromAries = 1;
    return o;
}

template <typename Paint>
QImage painted(int width, int height, Paint paint) {
    testing::ensureGuiApplication();
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kGround);
    QPainter painter(&image);
    Canvas canvas(painter, Canvas::Units::Pixels);
    paint(canvas);
    painter.end();
    return image;
}

TEST(BiWheelPainter, DrawsTheOuterRingTheOuterTickAndTheChordInTheAspectsColour) {
    // Inner Sun 0 (angle 180), outer Sun 90 (angle 90, straight down): a blue square chord
    // from (284, 525) to (500, 741); the outer tick from (500, 926) to (500, 941).
    const ChartData inner = testing::chartWith({{Bodies::Sun, 0.0}});
    const ChartData outer = testing::chartWith({{Bodies::Sun, 90.0}});
    NatalAspectTable aspects{};
    testing::includeAspect(aspects, 3, 90.0, 5.0);
    aspects[3].colour = 0xFF0000;  // Windows order: blue in the high byte
    const BiWheelLayout layout = BiWheelLayout::compute(
        inner, outer, fromAries(), aspects, WheelLayout::Frame::screen(0, 0, 1000, 1000));
    const QImage image = painted(1000, 1040, [&](Canvas& canvas) {
        BiWheelPainter::paint(canvas, layout, inner, outer, aspects, ChartResources{});
    });
    EXPECT_EQ(image.pixel(500, 525 - 480), kOuterRing);  // inside Ro = 495, past Ri = 401
    EXPECT_EQ(image.pixel(2, 2), kGround);               // outside the ring nothing is drawn
    EXPECT_EQ(image.pixel(500, 933), kGreen);
    EXPECT_EQ(image.pixel(392, 633), kBlue);  // the chord's middle
}

TEST(SynastryTablePainter, ShadesTheLabelsAndDrawsTheGrid) {
    const ChartData first = testing::chartWith({{Bodies::Sun, 0.0}}, false);
    const ChartData second = testing::chartWith({{Bodies::Sun, 90.0}});
    const auto layout = SynastryTableLayout::compute(first, second, {}, {0, 0, 200, 200});
    // Two rows and two columns of 100: labels in row 0 and column 0.
    const QImage image = painted(210, 210, [&](Canvas& canvas) {
        SynastryTablePainter::paint(canvas, layout, first, second, {}, ChartResources{});
    });
    EXPECT_EQ(image.pixel(150, 50), kLabelShade);
    EXPECT_EQ(image.pixel(50, 150), kLabelShade);
    EXPECT_EQ(image.pixel(150, 150), kGround);  // the cell: no aspect, nothing drawn
    EXPECT_EQ(image.pixel(150, 100), kBlack);
    EXPECT_EQ(image.pixel(200, 150), kBlack);
}

}  // namespace
}  // namespace orvanta
