#include <gtest/gtest.h>
#include <unistd.h>

#include <QImage>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "natal/AspectTableLayout.h"
#include "natal/paint/ChartImage.h"
#include "support/ScratchFolder.h"
#include "support/TestApplication.h"

namespace orvanta {
namespace {

std::string fileStart(const std::filesystem::path& path, std::size_t count) {
    std::ifstream in(path, std::ios::binary);
    std::string text(count, '\0');
    in.read(text.data(), static_cast<std::streamsize>(count));
    text.resize(static_cast<std::size_t>(in.gcount()));
    return text;
}

class AspectTableImageTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { testing::ensureGuiApplication(); }

    testing::ScratchFolder scratch;
    const std::filesystem::path folder = scratch.path();
    NatalChart natal = [] {
        NatalChart named;
        named.chart.style.assignBodyNames();
        return named;
    }();
    ChartResources resources;
};

TEST_F(AspectTableImageTest, PngIsTheScreenViewOfTheAreaOnWhite) {
    const auto path = folder / "table.PNG";
    std::string error;
    ASSERT_TRUE(
        ChartImage::save(ChartImage::Kind::Table, natal, resources, QSize(600, 500), path, &error))
        << error;
    const QImage image(QString::fromStdString(path.string()));
    ASSERT_EQ(image.size(), QSize(600, 500));

    // Zoom 1 takes 30 pixels off the right: the table lies in 570 x 500.
    const auto layout = AspectTableLayout::compute(natal.chart, natal.aspects, {0, 0, 570, 500});
    const auto& cell = layout.diagonal[5];
    EXPECT_EQ(image.pixelColor((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2),
              QColor(200, 150, 150));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(590, 250), QColor(Qt::white));
}

TEST_F(AspectTableImageTest, PictureGrowsWhenTheTopLabelsRiseAboveTheArea) {
    // 1000 x 60 with 28 objects: t = 2, v = (60 - 29 * 2) / 2 = 1, F = min(8 / 5, ...) = 1.
    // The top labels are centred at v - 2 = -1, the bottom ones at v + 29 t + 2 = 61 (their
    // one-pixel squares end at 62); the right edge stays inside (X = 87, B = 29, E = 21,
    // outermost line at 21 - 14 + 30 * 29 + 87 + 2 = 966).
    const ChartImage::Placement place =
        ChartImage::placement(ChartImage::Kind::Table, natal, QSize(1000, 60));
    EXPECT_EQ(place.origin, QPoint(0, 1));
    EXPECT_EQ(place.size, QSize(1000, 63));

    // 800 x 610: t = 20, v = 15; the top labels start at 15 - 2 - 8 = 5 and the column lines
    // end on y = 15 - 10 + 30 * 20 = 605: everything inside, the picture keeps the area's size.
    const auto roomy = ChartImage::placement(ChartImage::Kind::Table, natal, QSize(800, 610));
    EXPECT_EQ(roomy.origin, QPoint(0, 0));
    EXPECT_EQ(roomy.size, QSize(800, 610));
    // 800 x 600: t = 20, v = 10, so the column lines end on y = 600, one row below the area.
    EXPECT_EQ(ChartImage::placement(ChartImage::Kind::Table, natal, QSize(800, 600)).size,
              QSize(800, 601));
}

TEST_F(AspectTableImageTest, VectorFormatsAndRefusals) {
    std::string error;
    ASSERT_TRUE(ChartImage::save(ChartImage::Kind::Table, natal, resources, QSize(500, 400),
                                 folder / "t.pdf", &error))
        << error;
    EXPECT_EQ(fileStart(folder / "t.pdf", 5), "%PDF-");
    ASSERT_TRUE(ChartImage::save(ChartImage::Kind::Table, natal, resources, QSize(500, 400),
                                 folder / "t.Svg", &error))
        << error;
    const std::string svg = fileStart(folder / "t.Svg", 1 << 24);
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    // Its readers know neither the configured faces nor narrowed widths: texts go as outlines.
    EXPECT_EQ(svg.find("<text"), std::string::npos);
    EXPECT_NE(svg.find("<path"), std::string::npos);

    EXPECT_FALSE(ChartImage::save(ChartImage::Kind::Table, natal, resources, QSize(500, 400),
                                  folder / "t.bmp", &error));
    EXPECT_EQ(error, "the picture's name must end in .png, .pdf or .svg");
    EXPECT_FALSE(std::filesystem::exists(folder / "t.bmp"));
    EXPECT_FALSE(ChartImage::save(ChartImage::Kind::Table, natal, resources, QSize(20000, 400),
                                  folder / "big.png", &error));
    EXPECT_FALSE(std::filesystem::exists(folder / "big.png"));
    EXPECT_FALSE(ChartImage::save(ChartImage::Kind::Table, natal, resources, QSize(500, 400),
                                  folder / "missing" / "t.png", &error));
}

}  // namespace
}  // namespace orvanta
