#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>

#include "draw/BitmapEncoder.h"
#include "draw/Canvas.h"
#include "draw/ChartResources.h"
#include "draw/DeliveredGlyphs.h"
#include "draw/GlyphPainter.h"
#include "draw/PicturePainter.h"
#include "support/BitmapBuilder.h"
#include "support/TestApplication.h"

namespace orvanta {
namespace {

constexpr QRgb kRed = 0xFFFF0000;

// The sign pictures the build wrote into the application folder.
const ChartResources& delivered() {
    static const ChartResources resources = [] {
        ChartResources loaded;
        loaded.loadSignPictures();
        return loaded;
    }();
    return resources;
}

// A row's picture as the generator writes it.
Picture pictureOfRow(const GlyphRow& row) {
    const QImage drawn = GlyphPainter::paint(row);
    Picture picture;
    EXPECT_TRUE(picture.assign(row.kind == "pictogram" ? BitmapEncoder::trueColour(drawn)
                                                       : BitmapEncoder::greys(drawn)));
    return picture;
}

// An image of twice as many device pixels as logical ones, as on a screen scaled by 2.
QImage denseImage(int logicalSide, QRgb ground) {
    QImage image(2 * logicalSide, 2 * logicalSide, QImage::Format_RGB32);
    image.fill(ground);
    image.setDevicePixelRatio(2);
    return image;
}

QImage drawnAt(const Picture& picture, QImage image, double side) {
    QPainter painter(&image);
    Canvas canvas(painter, Canvas::Units::Pixels);
    PicturePainter::draw(canvas, picture, 0, 0, side, side);
    painter.end();
    return image;
}

int largestDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)),
                                std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return largest;
}

// Aligned 2 x 2 device-pixel blocks whose four pixels differ: none at all in a picture
// enlarged pixel for pixel, which is what a blocky edge is.
int unevenBlocks(const QImage& image) {
    int uneven = 0;
    for (int y = 0; y + 1 < image.height(); y += 2) {
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb p = image.pixel(x, y);
            if (image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p ||
                image.pixel(x + 1, y + 1) != p) {
                ++uneven;
            }
        }
    }
    return uneven;
}

// Pixels of the antialiased rim, neither near white nor near black.
int midtones(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int grey = qGray(image.pixel(x, y));
            if (grey > 40 && grey < 215) ++count;
        }
    }
    return count;
}

class DeliveredGlyphsTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { testing::ensureGuiApplication(); }
};

TEST_F(DeliveredGlyphsTest, RecognisesTheDeliveredFilesAndNothingElse) {
    for (int sign = 1; sign <= 12; ++sign) {
        const GlyphRow* row =
            DeliveredGlyphs::find(PicturePainter::toImage(delivered().signPicture(sign)));
        ASSERT_NE(row, nullptr) << sign;
        EXPECT_EQ(row->file, QString("BMP_ZZ/SET1/%1.bmp").arg(sign));
    }
    // One pixel changed makes it the user's picture, even where the pixel sums agree.
    QImage touched = PicturePainter::toImage(delivered().signPicture(1));
    touched.setPixel(0, 0, 0xFF000000);
    EXPECT_EQ(DeliveredGlyphs::find(touched), nullptr);
    Picture user;
    ASSERT_TRUE(user.assign(testing::packedBitmap(testing::markedTrueColour(4, 4, 0xFFFFFF))));
    EXPECT_EQ(DeliveredGlyphs::find(PicturePainter::toImage(user)), nullptr);
}

TEST_F(DeliveredGlyphsTest, DenseScreensGetTheFigureDrawnAtTheirOwnResolution) {
    // At half the picture's side on a screen of ratio 2 the device pixels are the picture's
    // own: the vector drawing must give back the bitmap the generator made, the grey of each
    // symbol's ink and the pictograms' tiles included.
    for (const GlyphRow& row : GlyphTable::delivered()) {
        const Picture picture = pictureOfRow(row);
        const int side = GlyphPainter::sizeOf(row) / 2;
        const QImage drawn = drawnAt(picture, denseImage(side, 0xFFFFFFFF), side);
        EXPECT_LE(largestDifference(drawn, PicturePainter::toImage(picture)), 3)
            << row.file.toStdString();
    }
}

TEST_F(DeliveredGlyphsTest, DenseDrawingKeepsSharpEdgesAndTheGroundAroundTheFigure) {
    // At twice the picture's side the rim of a sharp figure is as thin as in the picture, over
    // edges twice as long: about twice its rim pixels. The bitmap enlarged smoothly has a rim
    // two to three pixels wide (more than six times); enlarged pixel for pixel, it has no
    // uneven 2 x 2 block at all.
    for (int sign : {1, 5, 9}) {
        const Picture& picture = delivered().signPicture(sign);
        const int rim = midtones(PicturePainter::toImage(picture));
        const QImage drawn = drawnAt(picture, denseImage(96, 0xFFFFFFFF), 96);
        EXPECT_LT(midtones(drawn), 3 * rim) << sign;
        EXPECT_GT(unevenBlocks(drawn), rim) << sign;
    }
    const QImage onRed = drawnAt(delivered().signPicture(1), denseImage(30, kRed), 30);
    EXPECT_EQ(onRed.pixel(0, 0), kRed);  // the white of the symbol leaves the ground
}

TEST_F(DeliveredGlyphsTest, UserPicturesAreStretchedSmoothlyToDevicePixels) {
    Picture user;
    ASSERT_TRUE(user.assign(testing::packedBitmap(testing::markedTrueColour(4, 4, 0xFFFFFF))));
    const QImage drawn = drawnAt(user, denseImage(8, kRed), 8);
    EXPECT_EQ(qGreen(drawn.pixel(0, 0)), 0);  // the black corner, combined by AND
    EXPECT_EQ(drawn.pixel(15, 15), kRed);     // white leaves the ground
    EXPECT_GT(unevenBlocks(drawn), 0);
}

TEST_F(DeliveredGlyphsTest, VectorFilesGetPathsForDeliveredPicturesAndImagesForOthers) {
    Picture user;
    ASSERT_TRUE(user.assign(testing::packedBitmap(testing::markedTrueColour(4, 4, 0xFFFFFF))));
    const struct {
        const Picture* picture;
        bool image;
    } cases[] = {{&delivered().signPicture(5), false}, {&user, true}};
    for (const auto& c : cases) {
        QBuffer svg;
        QSvgGenerator generator;
        generator.setOutputDevice(&svg);
        generator.setSize(QSize(100, 100));
        {
            QPainter painter(&generator);
            Canvas canvas(painter, Canvas::Units::Pixels);
            PicturePainter::draw(canvas, *c.picture, 10, 10, 60, 60);
        }
        EXPECT_EQ(svg.data().contains("<image"), c.image);
        EXPECT_EQ(svg.data().contains("<path"), !c.image);
    }
}

}  // namespace
}  // namespace orvanta
