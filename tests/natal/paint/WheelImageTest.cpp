#include <gtest/gtest.h>
#include <unistd.h>

#include <QFile>
#include <QImage>
#include <filesystem>
#include <fstream>

#include "natal/paint/ChartImage.h"
#include "support/ScratchFolder.h"
#include "support/TestApplication.h"

namespace orvanta {
namespace {

// Cusps every 30 degrees from an Ascendant at 22 Aries, drawn counter-clockwise from the
// Ascendant: the four axes point exactly to 9, 6, 3 and 12 o'clock.
NatalChart quarteredChart(bool houses = true) {
    NatalChart natal;
    natal.chart.style.assignBodyNames();
    natal.chart.housesUnavailable = houses ? 0 : 1;
    for (int i = 1; i <= 28; ++i) {
        natal.chart.style[i].identifier = i;
        natal.chart.style[i].shown = i > 16 ? 1 : 0;
        natal.chart[i].setLongitude(i > 16 ? (i - 17) * 30.0 + 22.0 : 0.0);
    }
    natal.orientation.direction = 0;
    natal.orientation.fromAscendant = houses ? 1 : 0;
    natal.orientation.fromAries = houses ? 0 : 1;
    return natal;
}

class WheelImageTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { testing::ensureGuiApplication(); }

    testing::ScratchFolder scratch;
    const std::filesystem::path folder = scratch.path();
    ChartResources resources;
};

TEST_F(WheelImageTest, PictureGrowsToHoldEveryPartTheScreenGeometryPutsOutside) {
    // 1000 x 1000: centre (500, 525); the axes reach W + W/6 = 525 from it, to x = -25 and
    // x = 1025, and from y = 0 down to y = 1050 (the 3.14 leaves 525 sin(270 * 3.14 / 180)
    // at -524.99, which rounds to the top edge).
    ChartImage::Placement p =
        ChartImage::placement(ChartImage::Kind::Wheel, quarteredChart(), QSize(1000, 1000));
    EXPECT_EQ(p.origin, QPoint(25, 0));
    EXPECT_EQ(p.size, QSize(25 + 1025 + 1, 1051));

    // A wide area keeps the wheel inside across (800 - 525 > 0) and grows downward only.
    p = ChartImage::placement(ChartImage::Kind::Wheel, quarteredChart(), QSize(1600, 1000));
    EXPECT_EQ(p.origin, QPoint(0, 0));
    EXPECT_EQ(p.size, QSize(1600, 1051));

    // Without houses the zodiac's outer circle (radius 495) is the edge: 525 + 495 = 1020.
    p = ChartImage::placement(ChartImage::Kind::Wheel, quarteredChart(false), QSize(1000, 1000));
    EXPECT_EQ(p.origin, QPoint(0, 0));
    EXPECT_EQ(p.size, QSize(1000, 1021));
}

TEST_F(WheelImageTest, SavesPngPdfAndSvgByTheirExtension) {
    const NatalChart natal = quarteredChart();

    const auto png = folder / "wheel.PNG";
    ASSERT_TRUE(
        ChartImage::save(ChartImage::Kind::Wheel, natal, resources, QSize(1000, 1000), png));
    const QImage image(QString::fromStdString(png.string()));
    ASSERT_EQ(image.size(), QSize(1051, 1051));
    // The area's origin lies 25 pixels in: the centre dot at (525, 525), the Ascendant's
    // red axis at 9 o'clock reaching the picture's left edge, white ground in the corner.
    EXPECT_EQ(image.pixel(525, 525), 0xFF000000u);
    EXPECT_EQ(image.pixel(1, 525), 0xFFFF0000u);
    EXPECT_EQ(image.pixel(3, 3), 0xFFFFFFFFu);

    const auto pdf = folder / "wheel.pdf";
    ASSERT_TRUE(ChartImage::save(ChartImage::Kind::Wheel, natal, resources, QSize(400, 300), pdf));
    QFile pdfFile(QString::fromStdString(pdf.string()));
    ASSERT_TRUE(pdfFile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdfFile.read(5).startsWith("%PDF-"));

    const auto svg = folder / "wheel.svg";
    ASSERT_TRUE(ChartImage::save(ChartImage::Kind::Wheel, natal, resources, QSize(400, 300), svg));
    QFile svgFile(QString::fromStdString(svg.string()));
    ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
    const QByteArray text = svgFile.readAll();
    EXPECT_TRUE(text.contains("<svg"));
    EXPECT_TRUE(text.contains("#00ffff"));  // the zodiac ring's fill
}

TEST_F(WheelImageTest, RefusesOtherExtensionsAndUnwritablePlacesWithoutTouchingOldFiles) {
    const NatalChart natal = quarteredChart();
    std::string error;
    EXPECT_FALSE(ChartImage::save(ChartImage::Kind::Wheel, natal, resources, QSize(300, 300),
                                  folder / "wheel.bmp", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(std::filesystem::exists(folder / "wheel.bmp"));

    error.clear();
    EXPECT_FALSE(ChartImage::save(ChartImage::Kind::Wheel, natal, resources, QSize(300, 300),
                                  folder / "missing" / "wheel.png", &error));
    EXPECT_FALSE(error.empty());

    // An area too large to make in memory is refused before anything is allocated.
    error.clear();
    EXPECT_FALSE(ChartImage::save(ChartImage::Kind::Wheel, natal, resources, QSize(100000, 100000),
                                  folder / "big.png", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(std::filesystem::exists(folder / "big.png"));

    // A degenerate area still gives a picture, of at least one pixel.
    EXPECT_TRUE(ChartImage::save(ChartImage::Kind::Wheel, natal, resources, QSize(0, 0),
                                 folder / "tiny.png"));
}

}  // namespace
}  // namespace orvanta
