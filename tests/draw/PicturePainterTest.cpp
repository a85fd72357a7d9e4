#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPicture>

#include "draw/Canvas.h"
#include "draw/PicturePainter.h"
#include "support/BitmapBuilder.h"
#include "support/TestApplication.h"

namespace orvanta {
namespace {

using testing::BitmapFields;

constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;

Picture pictureOf(const BitmapFields& fields) {
    Picture picture;
    EXPECT_TRUE(picture.assign(testing::packedBitmap(fields)));
    return picture;
}

QImage redGround(int size) {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(kRed);
    return image;
}

// A 4 x 4 picture, white but for its black top-left pixel.
Picture markedWhite() {
    return pictureOf(testing::markedTrueColour(4, 4, 0xFFFFFF));
}

class PicturePainterTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { testing::ensureGuiApplication(); }
};

TEST_F(PicturePainterTest, DecodesRowsBottomUpAndColoursFromTheTable) {
    const QImage trueColour = PicturePainter::toImage(markedWhite());
    ASSERT_EQ(trueColour.size(), QSize(4, 4));
    EXPECT_EQ(trueColour.pixel(0, 0), kBlack);
    EXPECT_EQ(trueColour.pixel(3, 3), kWhite);

    // 1-bit with a core header: the bottom row is colour 1 (blue), the top row colour 0.
    BitmapFields core;
    core.headerSize = 12;
    core.width = 2;
    core.height = 2;
    core.bitCount = 1;
    core.palette = {0xFFFF00, 0x0000FF};
    core.bits = {0xC0, 0, 0, 0, 0x00, 0, 0, 0};
    const QImage indexed = PicturePainter::toImage(pictureOf(core));
    EXPECT_EQ(indexed.pixel(1, 0), 0xFFFFFF00);
    EXPECT_EQ(indexed.pixel(0, 1), 0xFF0000FF);

    EXPECT_TRUE(PicturePainter::toImage(Picture()).isNull());
}

TEST_F(PicturePainterTest, ExactSizeIsCopiedOpaquely) {
    QImage ground = redGround(10);
    QPainter painter(&ground);
    Canvas canvas(painter, Canvas::Units::Pixels);
    PicturePainter::draw(canvas, markedWhite(), 2, 2, 6, 6);
    painter.end();
    EXPECT_EQ(ground.pixel(2, 2), kBlack);
    EXPECT_EQ(ground.pixel(4, 4), kWhite);  // white covers the ground
    EXPECT_EQ(ground.pixel(7, 7), kRed);    // nothing outside the rectangle
}

TEST_F(PicturePainterTest, OtherSizesAreCombinedByAnd) {
    // White leaves the ground, black darkens it, and a colour keeps only the bits both have:
    // 0x80FFFF AND 0xFF0000 is 0x800000.
    QImage ground = redGround(40);
    QPainter painter(&ground);
    Canvas canvas(painter, Canvas::Units::Pixels);
    PicturePainter::draw(canvas, markedWhite(), 0, 0, 32, 32);
    PicturePainter::draw(canvas, pictureOf(testing::markedTrueColour(4, 4, 0x80FFFF)), 32, 32, 40,
                         40);
    painter.end();
    EXPECT_EQ(ground.pixel(2, 2), kBlack);  // inside the stretched black pixel
    EXPECT_EQ(ground.pixel(20, 20), kRed);  // white: the ground shows
    EXPECT_EQ(ground.pixel(38, 38), 0xFF800000);
}

TEST_F(PicturePainterTest, PrintedPageIsAlwaysStretchedAndYUpIsHonoured) {
    // On the page a rectangle 4 by 4 hundredths of a millimetre is not the picture's size.
    QImage ground = redGround(100);
    ground.setDotsPerMeterX(100000);  // 2540 dpi: one logical unit is one pixel
    ground.setDotsPerMeterY(100000);
    QPainter painter(&ground);
    painter.translate(0, 100);
    Canvas canvas(painter, Canvas::Units::HundredthsOfMm);
    PicturePainter::draw(canvas, markedWhite(), 10, 90, 50, 50);
    painter.end();
    EXPECT_EQ(ground.pixel(12, 12), kBlack);  // top left of the picture is at the top
    EXPECT_EQ(ground.pixel(40, 40), kRed);
}

TEST_F(PicturePainterTest, VectorDevicesDrawWhiteAsTransparent) {
    QPicture recording;
    {
        QPainter painter(&recording);
        Canvas canvas(painter, Canvas::Units::Pixels);
        ASSERT_TRUE(canvas.isVectorDevice());
        PicturePainter::draw(canvas, markedWhite(), 0, 0, 32, 32);
    }
    QImage ground = redGround(40);
    QPainter replay(&ground);
    replay.drawPicture(0, 0, recording);
    replay.end();
    EXPECT_EQ(ground.pixel(2, 2), kBlack);
    EXPECT_EQ(ground.pixel(20, 20), kRed);
}

TEST_F(PicturePainterTest, EmptyPictureDrawsNothing) {
    QImage ground = redGround(10);
    QPainter painter(&ground);
    Canvas canvas(painter, Canvas::Units::Pixels);
    PicturePainter::draw(canvas, Picture(), 0, 0, 10, 10);
    painter.end();
    EXPECT_EQ(ground, redGround(10));
}

}  // namespace
}  // namespace orvanta
