#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "events/DialLayout.h"
#include "events/paint/DialPainter.h"

namespace orvanta {
namespace {

const Date kDay{15, 6, 2024};
const double kStart = Calendar::hoursSinceBase(kDay, 0.0);
const QColor kGround(230, 230, 230);

class DialPainterTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "test";
        static char* argv[] = {name, nullptr};
        if (QGuiApplication::instance() == nullptr) new QGuiApplication(argc, argv);
    }
};

TransitSituation record(int body, int aspect, double hoursIntoDay, double duration) {
    TransitSituation r;
    r.moment = kStart + hoursIntoDay;
    r.body = body;
    r.aspectIndex = aspect;
    r.duration = duration;
    r.orb = 1.0;
    return r;
}

QColor at(const QImage& image, Point p) {
    return image.pixelColor(p.x, p.y);
}

// A 1000 x 1000 dial (R = 500, g = 10): one orb ring of aspect 3 at radius 495, 10 wide; an arc
// of aspect 1 from 0 h to 2.5 h on the first ring, 422 from the centre and 14 wide, cut at
// midnight; a Moon sector of aspect 2 from 8.5 h to 9.5 h between radii 118 and 335.
TEST_F(DialPainterTest, DiscRingArcMoonSectorAndTheMidnightGapInTheirColours) {
    TransitAspectTable aspects;
    aspects[1].colour = 0x0000FF;  // red, as the settings store it: red in the low byte
    aspects[2].colour = 0x00FF00;
    aspects[3].colour = 0xFF0000;
    const TransitList situations = {record(5, 1, 0.5, 4.0), record(2, 2, 9.0, 1.0)};
    const TransitList orbs = {record(7, 3, 0.0, 400.0)};
    const TransitDay day(situations, orbs, kDay);
    const DialLayout layout = DialLayout::compute({1000, 1000, false, kDay, &day});
    ASSERT_EQ(layout.orbRings.size(), 1u);
    ASSERT_EQ(layout.orbRings[0].radius, 495);

    QImage image(1000, 1000, QImage::Format_RGB32);
    image.fill(kGround);
    {
        QPainter painter(&image);
        Canvas canvas(painter, Canvas::Units::Pixels);
        const QColor background = DialPainter::backgroundAt(canvas, layout.centre);
        EXPECT_EQ(background, kGround);
        DialPainter::paint(canvas, layout, aspects, "DejaVu Sans", background);
    }
    const auto point = [&](int r, double hour) {
        return DialLayout::dialPoint(500, 500, r, hour, 1);
    };
    EXPECT_EQ(at(image, point(495, 3.0)), QColor(0, 0, 255));  // the orb ring
    EXPECT_EQ(at(image, point(495, 15.0)), QColor(0, 0, 255));
    EXPECT_EQ(at(image, point(300, 15.5)), DialPainter::kDisc);  // the disc between spokes
    EXPECT_EQ(at(image, point(30, 15.5)), kGround);              // the centre disc is B
    EXPECT_EQ(at(image, point(422, 1.5)), QColor(255, 0, 0));    // the arc
    EXPECT_EQ(at(image, point(422, 3.5)), DialPainter::kDisc);   // past its end
    EXPECT_EQ(at(image, Point{500, 78}), kGround);               // the midnight gap cuts it
    EXPECT_EQ(at(image, Point{500, 8}), kGround);                // and the ring
    EXPECT_EQ(at(image, point(220, 9.0)), QColor(0, 255, 0));    // the Moon's sector
    EXPECT_EQ(at(image, point(220, 10.0)), DialPainter::kDisc);
}

// An A4 page at 96 dots an inch: hundredths of a millimetre with y upwards, the disc around
// the page's centre, the black frame 5 mm in from the left edge and the date on its top edge.
TEST_F(DialPainterTest, OnPaperTheSameDialInAFrame) {
    const TransitDay day({}, {}, kDay);
    const DialLayout layout = DialLayout::compute({21000, -29700, true, kDay, &day});
    QImage image(794, 1123, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);  // 96 dots an inch
    image.setDotsPerMeterY(3780);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        Canvas canvas(painter, Canvas::Units::HundredthsOfMm);
        DialPainter::paint(canvas, layout, TransitAspectTable{}, "DejaVu Sans",
                           DialPainter::backgroundAt(canvas, layout.centre));
    }
    const auto pixel = [&](double x, double y) {
        return image.pixelColor(static_cast<int>(x * 96.0 / 2540.0),
                                static_cast<int>(-y * 96.0 / 2540.0));
    };
    EXPECT_EQ(pixel(10500, -14850), QColor(Qt::white));  // the centre disc in B
    const Point disc = DialLayout::dialPoint(10500, 14850, 6000, 15.5, -1);
    EXPECT_EQ(pixel(disc.x, disc.y), DialPainter::kDisc);
    EXPECT_EQ(pixel(500, -14850), QColor(Qt::black));  // the frame's left edge
    // Midnight is at the top on paper too: the gap runs up from the centre.
    EXPECT_EQ(pixel(10500, -14850 + 6000), QColor(Qt::white));
    EXPECT_EQ(pixel(10500 + 600, -14850 + 6000), DialPainter::kDisc);
}

}  // namespace
}  // namespace orvanta
