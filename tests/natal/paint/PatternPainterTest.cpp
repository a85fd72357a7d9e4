#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "natal/paint/PatternPainter.h"
#include "support/TestApplication.h"

namespace orvanta {
namespace {

constexpr QRgb kGround = 0xFF808080;

// A highlight set by hand: a kite's chord along y = 50 from x = 20 to 180, five pixels wide,
// and one legend row whose swatch covers 10..22 x 70..82.
PatternHighlight handHighlight() {
    PatternHighlight highlight;
    highlight.lineWidth = 5;
    highlight.rowHeight = 18;
    highlight.strokes.push_back({PatternKind::Kite, Line{{20, 50}, {180, 50}}});
    highlight.legend.push_back({PatternKind::GrandTrine, Rect{10, 70, 22, 82}, Point{28, 70}});
    return highlight;
}

TEST(PatternPainter, StrokesWideInTheKindsColourAndFillsTheLegendSwatch) {
    testing::ensureGuiApplication();
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(kGround);
    {
        QPainter painter(&image);
        Canvas canvas(painter, Canvas::Units::Pixels);
        PatternPainter::paint(canvas, handHighlight(), ChartResources{});
    }
    const QRgb kite = PatternPainter::colourOf(PatternKind::Kite).rgb();
    EXPECT_EQ(image.pixel(100, 50), kite);
    EXPECT_EQ(image.pixel(100, 52), kite);  // within half the width of 5
    EXPECT_EQ(image.pixel(100, 48), kite);
    EXPECT_EQ(image.pixel(100, 55), kGround);
    EXPECT_EQ(image.pixel(16, 76), PatternPainter::colourOf(PatternKind::GrandTrine).rgb());
    EXPECT_EQ(image.pixel(5, 76), kGround);
}

}  // namespace
}  // namespace orvanta
