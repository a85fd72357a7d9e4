#include <gtest/gtest.h>
#include <stdlib.h>

#include <QColor>
#include <QImage>
#include <filesystem>

#include "CliRunner.h"
#include "cli/RenderCommand.h"
#include "doc/CZodiacDoc.h"
#include "natal/paint/ChartImage.h"
#include "support/ScratchFolder.h"

namespace orvanta {
namespace {

using testing::runCli;

class RenderCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        sample_ = (folder_ / "sample.map").string();
        std::filesystem::copy_file(ORVANTA_SAMPLE_MAP, sample_);
    }
    testing::ScratchFolder folder_;
    std::string sample_;
};

TEST_F(RenderCommandTest, WheelPngShowsTheWholeWheelWithItsCentreWhereTheGeometryPutsIt) {
    const auto out = (folder_ / "wheel.png").string();
    const auto result = runCli("render " + sample_ + " --wheel " + out + " --size 1000x1000");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    QImage image(QString::fromStdString(out));
    ASSERT_FALSE(image.isNull());
    // The axes reach past the 1000 x 1000 area: the picture grows to hold them.
    EXPECT_GE(image.width(), 1000);
    EXPECT_GE(image.height(), 1000);
    // R0 = 500, centre (500, 500 + 500 / 20) in the area, wherever the area lies in the
    // grown picture; the centre dot is black there.
    CZodiacDoc doc;
    ASSERT_TRUE(doc.open(sample_).loaded());
    const auto placement =
        ChartImage::placement(ChartImage::Kind::Wheel, doc.natal(), QSize(1000, 1000));
    EXPECT_EQ(image.size(), placement.size);
    EXPECT_EQ(
        QColor(image.pixel(placement.origin.x() + 500, placement.origin.y() + 525)).lightness(), 0);
    // Well outside the outer ring the ground is white.
    EXPECT_EQ(image.pixel(3, 3), qRgb(255, 255, 255));
}

TEST_F(RenderCommandTest, TableAndVectorFormats) {
    for (const char* name : {"table.png", "table.svg", "wheel.pdf"}) {
        const auto out = (folder_ / name).string();
        const std::string kind =
            std::string(name).rfind("table", 0) == 0 ? " --table " : " --wheel ";
        const auto result = runCli("render " + sample_ + kind + out + " --size 800x600");
        ASSERT_EQ(result.exitCode, 0) << name << result.err;
        EXPECT_GT(std::filesystem::file_size(out), 1000u) << name;
    }
    QImage table(QString::fromStdString((folder_ / "table.png").string()));
    EXPECT_EQ(table.width(), 800);
    EXPECT_GE(table.height(), 600);
}

TEST_F(RenderCommandTest, BadArgumentsAndDamagedFiles) {
    const auto out = (folder_ / "x.png").string();
    for (const std::string& arguments :
         {"render " + sample_ + " " + out, "render " + sample_ + " --wheel --table " + out,
          "render " + sample_ + " --wheel " + out + " --size 0x10",
          "render " + sample_ + " --wheel " + out + " --size 100",
          "render " + sample_ + " --wheel " + out + " --size 99999x10", "render --wheel " + out}) {
        EXPECT_EQ(runCli(arguments).exitCode, 2) << arguments;
    }
    EXPECT_EQ(runCli("render " + sample_ + " --wheel " + (folder_ / "x.bmp").string()).exitCode, 1);
    std::filesystem::resize_file(sample_, 100);
    const auto damaged = runCli("render " + sample_ + " --wheel " + out);
    EXPECT_EQ(damaged.exitCode, 1);
    EXPECT_FALSE(damaged.err.empty());
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST(RenderSize, ParsesWidthByHeight) {
    EXPECT_EQ(cli::RenderCommand::parseSize("1000x750"), std::make_pair(1000, 750));
    EXPECT_EQ(cli::RenderCommand::parseSize("20X30"), std::make_pair(20, 30));
    EXPECT_FALSE(cli::RenderCommand::parseSize("x30"));
    EXPECT_FALSE(cli::RenderCommand::parseSize("-5x30"));
    EXPECT_FALSE(cli::RenderCommand::parseSize("16385x30"));
}

}  // namespace
}  // namespace orvanta
