#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "support/TestApplication.h"
#include "texts/paint/TextPagePainter.h"

namespace orvanta {
namespace {

bool isDark(const QImage& image, int x, int y) {
    return QColor(image.pixel(x, y)).lightness() < 128;
}

// Dark pixels in a rectangle, right and bottom excluded.
int darkIn(const QImage& image, int left, int top, int right, int bottom) {
    int count = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) count += isDark(image, x, y) ? 1 : 0;
    }
    return count;
}

// A 600 x 900 page: margins 600/30 = 20 and 900/20 = 45, so the frame runs from (20, 45) to
// (580, 855) and the text area from (40, 90) to (560, 810). Long paragraphs re-wrapped to that
// area leave the band between frame and area empty but for the page number.
TEST(TextPagePainter, TheTextStaysInsideItsAreaAndTheNumberInTheFramesCorner) {
    testing::ensureGuiApplication();
    QImage image(600, 900, QImage::Format_RGB32);
    std::string text;
    for (int i = 0; i < 60; ++i) {
        text +=
            "Длинная строка текста интерпретации, которая не помещается в одну строку "
            "страницы и должна быть перенесена по словам.\r\n";
    }
    const auto job = TextPagePainter::prepare(image, text, "DejaVu Serif");
    ASSERT_TRUE(job.page.fits);
    EXPECT_EQ(job.page.frame, (Rect{20, 45, 580, 855}));
    EXPECT_GE(job.lines.size(), 120u);  // every paragraph takes two lines at least
    EXPECT_EQ(job.pageCount(), (static_cast<int>(job.lines.size()) + 720 / job.lineHeight - 1) /
                                   (720 / job.lineHeight));

    for (int page : {1, job.pageCount()}) {
        image.fill(Qt::white);
        QPainter painter(&image);
        TextPagePainter::paintPage(painter, job, page);
        painter.end();
        EXPECT_TRUE(isDark(image, 300, 45));  // the frame's top and left lines
        EXPECT_TRUE(isDark(image, 20, 450));
        EXPECT_GT(darkIn(image, 40, 90, 560, 200), 100) << page;  // the first lines
        // Between frame and text area: nothing at the left, the top and the right.
        EXPECT_EQ(darkIn(image, 22, 47, 39, 853), 0) << page;
        EXPECT_EQ(darkIn(image, 22, 47, 578, 89), 0) << page;
        EXPECT_EQ(darkIn(image, 561, 47, 578, 800), 0) << page;
        // The page number, in the corner left open below the text area.
        EXPECT_GT(darkIn(image, 500, 811, 578, 853), 0) << page;
        EXPECT_EQ(darkIn(image, 22, 811, 480, 853), 0) << page;
    }
}

}  // namespace
}  // namespace orvanta
