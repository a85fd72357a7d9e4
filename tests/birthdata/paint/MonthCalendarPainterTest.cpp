#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "birthdata/paint/MonthCalendarPainter.h"
#include "draw/Canvas.h"
#include "support/TestApplication.h"

// Fontconfig keeps its caches until the process ends; under the leak checker they are not
// leaks of this program.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

namespace orvanta {
namespace {

// January 2000 in a 350 x 280 rectangle at (20, 30): 7 rows of 40 pixels, 7 columns of 50.
const Rect kRect{20, 30, 370, 310};
constexpr int kRowHeight = 40;
constexpr int kColumnWidth = 50;
const QColor kOutside(255, 0, 255);

int rowTop(int row) {
    return kRect.top + kRowHeight * row;
}
int columnLeft(int column) {
    return kRect.left + kColumnWidth * column;
}

QImage paint(const MonthCalendarGrid& grid) {
    QImage image(400, 340, QImage::Format_RGB32);
    image.fill(kOutside);
    QPainter painter(&image);
    Canvas canvas(painter, Canvas::Units::Pixels);
    MonthCalendarPainter::draw(canvas, grid, kRect, "DejaVu Sans");
    return image;
}

// Text is smoothed, so its colour shows undiluted only in the middle of a stroke: count the
// pixels of a cell that lean clearly toward the colour.
int countInCell(const QImage& image, int row, int column, bool (*matches)(QColor)) {
    int count = 0;
    for (int y = rowTop(row) + 1; y < rowTop(row + 1) - 1; ++y) {
        for (int x = columnLeft(column) + 1; x < columnLeft(column + 1) - 1; ++x) {
            count += matches(image.pixelColor(x, y)) ? 1 : 0;
        }
    }
    return count;
}

// The selected day's dark red (150, 0, 0), allowing for smoothed edges.
bool isDarkRed(QColor c) {
    return c.red() > 100 && c.green() < 60 && c.blue() < 60;
}
bool isBlueish(QColor c) {
    return c.blue() > 150 && c.red() < 110 && c.green() < 110;
}
bool isDark(QColor c) {
    return c.red() < 90 && c.green() < 90 && c.blue() < 90;
}

class MonthCalendarPainterTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { testing::ensureGuiApplication(); }
};

TEST_F(MonthCalendarPainterTest, GridHasARaisedLookOnTheGreyField) {
    MonthCalendarGrid grid(15, 1, 2000);
    grid.fontHeight = 18;
    const QImage image = paint(grid);

    // The field, in a corner of a cell where no text goes.
    EXPECT_EQ(image.pixelColor(columnLeft(3) + 45, rowTop(3) + 35), QColor(192, 192, 192));
    // A white line with its dark grey shadow one pixel above or to the left.
    const int midX = columnLeft(2) + 25;
    const int midY = rowTop(4) + 20;
    EXPECT_EQ(image.pixelColor(midX, rowTop(3)), QColor(255, 255, 255));
    EXPECT_EQ(image.pixelColor(midX, rowTop(3) - 1), QColor(100, 100, 100));
    EXPECT_EQ(image.pixelColor(columnLeft(4), midY), QColor(255, 255, 255));
    EXPECT_EQ(image.pixelColor(columnLeft(4) - 1, midY), QColor(100, 100, 100));
    // Nothing is drawn away from the rectangle.
    EXPECT_EQ(image.pixelColor(5, 5), kOutside);
    EXPECT_EQ(image.pixelColor(390, 330), kOutside);
}

TEST_F(MonthCalendarPainterTest, HeadsAreBlueAndOnlyTheSelectedDayIsHighlighted) {
    MonthCalendarGrid grid(15, 1, 2000);
    grid.fontHeight = 18;
    const QImage image = paint(grid);

    for (int column = 0; column < 7; ++column) {
        EXPECT_GT(countInCell(image, 0, column, isBlueish), 0) << column;
    }
    // The 15th is the Saturday of the third week row; the 1st the Saturday of the first.
    EXPECT_GT(countInCell(image, 3, 5, isDarkRed), 3);
    EXPECT_GT(countInCell(image, 1, 5, isDark), 3);
    for (int row = 1; row <= 6; ++row) {
        for (int column = 0; column < 7; ++column) {
            if (row == 3 && column == 5) continue;
            EXPECT_EQ(countInCell(image, row, column, isDarkRed), 0) << row << "," << column;
        }
    }
    // Cells before the 1st stay empty.
    EXPECT_EQ(countInCell(image, 1, 0, isDark), 0);

    grid.setDate(0, 1, 2000);
    const QImage none = paint(grid);
    for (int row = 1; row <= 6; ++row) {
        for (int column = 0; column < 7; ++column) {
            EXPECT_EQ(countInCell(none, row, column, isDarkRed), 0) << row << "," << column;
        }
    }
}

TEST_F(MonthCalendarPainterTest, EmptyRectangleDrawsNothing) {
    QImage image(50, 50, QImage::Format_RGB32);
    image.fill(kOutside);
    {
        QPainter painter(&image);
        Canvas canvas(painter, Canvas::Units::Pixels);
        MonthCalendarPainter::draw(canvas, MonthCalendarGrid(1, 1, 2000), {10, 10, 10, 40},
                                   "DejaVu Sans");
    }
    EXPECT_EQ(image.pixelColor(10, 20), kOutside);
}

}  // namespace
}  // namespace orvanta
