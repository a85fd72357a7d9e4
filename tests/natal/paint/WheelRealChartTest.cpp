// The wheel of a chart computed by the real engine with the delivered settings and pictures.
// It checks what an astrologer reads off the picture and leaves the picture in the build
// folder for a person to look at.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <filesystem>

#include "common/AppFolder.h"
#include "doc/CZodiacDoc.h"
#include "draw/FontMapping.h"
#include "natal/paint/WheelPainter.h"
#include "support/TestApplication.h"

namespace orvanta {
namespace {

constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kWhite = 0xFFFFFFFF;

// Moscow, 12 April 1961, 09:07 at three hours ahead of Greenwich, Placidus houses.
BirthData moscow1961() {
    BirthData birth;
    birth.entered = 1;
    birth.day = 12;
    birth.month = 4;
    birth.year = 1961;
    birth.hour = 9;
    birth.minute = 7;
    birth.gmtDay = 12;
    birth.gmtMonth = 4;
    birth.gmtYear = 1961;
    birth.gmtHour = 6;
    birth.gmtMinute = 7;
    birth.name = "Москва 1961";
    birth.place = "Москва";
    birth.houseSystemName = "Placidus";
    birth.diffGreenwich = 3.0;
    birth.latitude = 55.0 + 45.0 / 60.0;
    birth.longitude = 37.0 + 37.0 / 60.0;
    return birth;
}

class WheelRealChartTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        testing::ensureGuiApplication();
        FontMapping::install(ChartResources::kDefaultSerif, ChartResources::kDefaultMonospace,
                             ChartResources::kDefaultSans);
    }
};

// Pixels within a square of side 2h + 1 around a point that are neither white nor the ring's
// cyan: the ink of a picture.
int inkAround(const QImage& image, QPoint p, int h) {
    int ink = 0;
    for (int y = p.y() - h; y <= p.y() + h; ++y) {
        for (int x = p.x() - h; x <= p.x() + h; ++x) {
            if (!image.valid(x, y)) continue;
            const QRgb c = image.pixel(x, y);
            if (c != kWhite && c != 0xFF00FFFF) ++ink;
        }
    }
    return ink;
}

TEST_F(WheelRealChartTest, WesternWheelFromTheAscendantOfAComputedChart) {
    const std::filesystem::path home = AppFolder::path();
    if (!std::filesystem::exists(AppFolder::find("default.asp")) ||
        !std::filesystem::exists(AppFolder::find("BMP_ZZ\\SET1\\1.bmp"))) {
        GTEST_SKIP() << "the delivered settings and pictures are not in " << home;
    }
    CZodiacDoc doc(home);
    ASSERT_TRUE(doc.newChart(moscow1961(), 0, false, false));
    const NatalChart& natal = doc.natal();
    // The delivered orientation: counter-clockwise from the Ascendant.
    ASSERT_EQ(natal.orientation.direction, 0);
    ASSERT_EQ(natal.orientation.fromAscendant, 1);

    ChartResources resources;
    resources.loadSignPictures();
    // The screen geometry of a 1000 x 1000 area reaches 1050 down: the image holds it all.
    QImage image(1000, 1060, QImage::Format_RGB32);
    image.fill(kWhite);
    {
        QPainter painter(&image);
        Canvas canvas(painter, Canvas::Units::Pixels);
        WheelPainter::paint(canvas, natal, resources, QRect(0, 0, 1000, 1000));
    }
    image.save(QString::fromUtf8(ORVANTA_WHEEL_PICTURE));

    // The Ascendant's red axis at 9 o'clock and the Descendant's at 3 o'clock.
    EXPECT_EQ(image.pixel(100, 525), kRed);
    EXPECT_EQ(image.pixel(900, 525), kRed);

    const WheelLayout layout = WheelLayout::compute(natal.chart, natal.orientation, natal.aspects,
                                                    WheelLayout::Frame::screen(0, 0, 1000, 1000));
    // Angles on the screen grow clockwise from 3 o'clock; brought into 0..360, the upper half
    // of the wheel lies between 180 (9 o'clock) and 360.
    const auto onScreen = [&](int object) {
        return std::fmod(std::fmod(layout.angles[object], 360.0) + 360.0, 360.0);
    };
    // The Midheaven stands in the upper half, and the Sun of a birth three hours after
    // sunrise stands above the eastern horizon, between the Ascendant and the Midheaven.
    const double mc = onScreen(26);
    EXPECT_GT(mc, 180.0);
    EXPECT_LT(mc, 360.0);
    EXPECT_GT(onScreen(1), 180.0);
    EXPECT_LT(onScreen(1), mc);

    // The Sun in Aries: its symbol stands in the body ring at its place, drawn in ink.
    EXPECT_EQ(natal.chart[1].sign, 1);
    const auto& sun = layout.bodies[0];
    EXPECT_GT(inkAround(image,
                        {(sun.symbol.left + sun.symbol.right) / 2,
                         (sun.symbol.top + sun.symbol.bottom) / 2},
                        layout.bodySize / 2),
              10);
    // Every sign picture is drawn in its sector, and with houses every house number.
    for (const auto& sector : layout.signs) {
        EXPECT_GT(inkAround(image,
                            {(sector.picture.left + sector.picture.right) / 2,
                             (sector.picture.top + sector.picture.bottom) / 2},
                            10),
                  5);
    }
    EXPECT_FALSE(layout.chords.empty());
}

}  // namespace
}  // namespace orvanta
