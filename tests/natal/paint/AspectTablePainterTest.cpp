#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPicture>
#include <cstdint>
#include <limits>
#include <vector>

#include "draw/Canvas.h"
#include "draw/ChartResources.h"
#include "draw/FontMapping.h"
#include "natal/AspectTableLayout.h"
#include "natal/paint/AspectTablePainter.h"
#include "support/TestApplication.h"

// Fontconfig keeps its caches until the process ends; under the leak checker they are not leaks
// of this program. Weak, so that another test of this program may say the same.
extern "C" __attribute__((weak)) const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

namespace orvanta {
namespace {

using Rect = Rect;

const QColor kBackground(255, 0, 255);
const QColor kDiagonal(200, 150, 150);
const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);

// The four shown bodies 1, 2, 5 and 9 of a chart without houses, in a 630 x 400 target at
// zoom 1 (a 600 x 400 area): g = 4, t = 66, B = 67, F = 52, big enough to look into.
const Rect kTarget{0, 0, 630, 400};
const int kShown[] = {1, 2, 5, 9};

void putLe(std::vector<std::uint8_t>& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A packed 24-bit bitmap of one colour.
Picture solidPicture(int width, int height, const QColor& colour) {
    const std::uint32_t row = static_cast<std::uint32_t>((width * 3 + 3) / 4 * 4);
    std::vector<std::uint8_t> bytes;
    putLe(bytes, 40, 4);
    putLe(bytes, static_cast<std::uint32_t>(width), 4);
    putLe(bytes, static_cast<std::uint32_t>(height), 4);
    putLe(bytes, 1, 2);
    putLe(bytes, 24, 2);
    putLe(bytes, 0, 4);
    putLe(bytes, row * static_cast<std::uint32_t>(height), 4);
    for (int i = 0; i < 4; ++i) putLe(bytes, 0, 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            bytes.push_back(static_cast<std::uint8_t>(colour.blue()));
            bytes.push_back(static_cast<std::uint8_t>(colour.green()));
            bytes.push_back(static_cast<std::uint8_t>(colour.red()));
        }
        for (std::uint32_t pad = static_cast<std::uint32_t>(width * 3); pad < row; ++pad) {
            bytes.push_back(0);
        }
    }
    Picture picture;
    EXPECT_TRUE(picture.assign(std::move(bytes)));
    return picture;
}

QColor objectColour(int object) {
    return QColor(250 - object * 10, 120, object * 20);
}
QColor signColour(int sign) {
    return QColor(120, 250 - sign * 10, 200);
}

bool isDark(const QColor& c) {
    return c.red() < 100 && c.green() < 100 && c.blue() < 100;
}

struct DarkSpan {
    int count = 0;
    int left = std::numeric_limits<int>::max();
    int right = std::numeric_limits<int>::min();
};

// Dark pixels in the pixels from left and top up to, not including, right and bottom.
DarkSpan darkIn(const QImage& image, int left, int top, int right, int bottom) {
    DarkSpan span;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            if (!isDark(image.pixelColor(x, y))) continue;
            ++span.count;
            span.left = std::min(span.left, x);
            span.right = std::max(span.right, x);
        }
    }
    return span;
}

QPoint centre(const Rect& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class AspectTablePainterTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        testing::ensureGuiApplication();
        const ChartResources defaults;
        FontMapping::install(QString::fromStdString(defaults.serifFace),
                             QString::fromStdString(defaults.monospaceFace),
                             QString::fromStdString(defaults.sansFace));
    }

    void SetUp() override {
        chart_.style.assignBodyNames();
        chart_.housesUnavailable = 1;
        for (int i = 1; i <= 16; ++i) {
            chart_.style[i].identifier = i;
            chart_.style[i].shown = 0;
        }
        for (int object : kShown) {
            chart_.style[object].shown = 1;
            // Pictures of another size than F are stretched and combined with AND.
            chart_.style[object].symbol = solidPicture(20, 20, objectColour(object));
        }
        chart_[1].setLongitude(35.25);  // sign 2
        chart_[2].setLongitude(95.0);   // sign 4, 59.75 from the first
        chart_[2].retrograde = 1;
        chart_[5].setLongitude(155.0);  // sign 6, 120 from the first
        chart_[9].setLongitude(200.0);  // sign 7
        for (int sign = 1; sign <= 12; ++sign) {
            resources_.signPictures[static_cast<std::size_t>(sign - 1)] =
                solidPicture(16, 16, signColour(sign));
        }
    }

    // The screen view and exported images start from white; the pictures are combined with it.
    QImage paint(const Rect& target, int zoom, QSize size = {640, 420},
                 const QColor& background = kWhite) const {
        QImage image(size, QImage::Format_RGB32);
        image.fill(background);
        QPainter painter(&image);
        // As the views paint: smoothing on for everything else they draw.
        painter.setRenderHint(QPainter::Antialiasing, true);
        Canvas canvas(painter, Canvas::Units::Pixels);
        AspectTablePainter::paint(canvas, chart_, aspects_, resources_,
                                  AspectTableLayout::screenArea(target, zoom));
        return image;
    }

    AspectTableLayout layout(const Rect& target, int zoom = 1) const {
        return AspectTableLayout::compute(chart_, aspects_,
                                          AspectTableLayout::screenArea(target, zoom));
    }

    void includeAspect(int index, double angle, double orb, const QColor& colour) {
        auto& aspect = aspects_[static_cast<std::size_t>(index)];
        aspect.angle = angle;
        aspect.orb = orb;
        aspect.included = 1;
        aspect.symbol = solidPicture(10, 10, colour);
    }

    ChartData chart_;
    NatalAspectTable aspects_;
    ChartResources resources_;
};

TEST_F(AspectTablePainterTest, GridLinesAndShadedDiagonalFrameTheCells) {
    const QImage image = paint(kTarget, 1, {640, 420}, kBackground);
    const auto l = layout(kTarget);
    ASSERT_EQ(l.shownCount, 4);
    const int gridLeft = l.columnZeroCentre - l.columnWidth / 2;
    const int gridTop = l.rowZeroCentre + l.rowHeight / 2;

    for (const Rect& cell : l.diagonal) {
        EXPECT_EQ(image.pixelColor(centre(cell)), kDiagonal);
        // The diagonal keeps its frame: its top and left lie on grid lines.
        EXPECT_EQ(image.pixelColor(cell.left, cell.top + l.rowHeight / 2), kBlack);
        EXPECT_EQ(image.pixelColor(cell.left + l.columnWidth / 2, cell.top), kBlack);
    }
    // Row lines run across the whole width, the right column included.
    const int rowLine = gridTop + 2 * l.rowHeight;
    EXPECT_EQ(image.pixelColor(gridLeft + l.columnWidth / 2, rowLine), kBlack);
    EXPECT_EQ(image.pixelColor(
                  gridLeft + (l.shownCount + 2) * l.columnWidth + l.rightColumnExtra / 2, rowLine),
              kBlack);
    // The outer lines are doubled with a gap between them.
    EXPECT_EQ(image.pixelColor(gridLeft + l.columnWidth / 2, gridTop - 2), kBlack);
    EXPECT_NE(image.pixelColor(gridLeft + l.columnWidth / 2, gridTop - 1), kBlack);
    const int rightEdge = gridLeft + (l.shownCount + 2) * l.columnWidth + l.rightColumnExtra;
    const int midRow = gridTop + l.rowHeight + l.rowHeight / 2;
    EXPECT_EQ(image.pixelColor(rightEdge, midRow), kBlack);
    EXPECT_NE(image.pixelColor(rightEdge + 1, midRow), kBlack);
    EXPECT_EQ(image.pixelColor(rightEdge + 2, midRow), kBlack);
    // Column lines reach through the label rows.
    EXPECT_EQ(image.pixelColor(gridLeft + 2 * l.columnWidth, l.rowZeroCentre - l.rowHeight / 2 + 3),
              kBlack);
    // Cells above the diagonal are not filled: without an aspect they show what lay below.
    EXPECT_EQ(
        image.pixelColor(l.columnZeroCentre + 4 * l.columnWidth, l.rowZeroCentre + 3 * l.rowHeight),
        kBackground);
}

TEST_F(AspectTablePainterTest, SymbolsLabelRowsAndColumnsOnAllFourSides) {
    const QImage image = paint(kTarget, 1);
    const auto l = layout(kTarget);
    for (int k = 1; k <= l.shownCount; ++k) {
        const QColor colour = objectColour(kShown[k - 1]);
        const auto index = static_cast<std::size_t>(k - 1);
        EXPECT_EQ(image.pixelColor(centre(l.topLabels[index].picture)), colour) << k;
        EXPECT_EQ(image.pixelColor(centre(l.leftLabels[index].picture)), colour) << k;
        EXPECT_EQ(image.pixelColor(centre(l.bottomLabels[index].picture)), colour) << k;
        EXPECT_EQ(image.pixelColor(centre(l.rightColumn[index].symbol)), colour) << k;
        // Top labels over column k, left labels beside row k.
        EXPECT_EQ(centre(l.topLabels[index].picture).x(), l.columnZeroCentre + k * l.columnWidth);
        EXPECT_EQ(centre(l.leftLabels[index].picture).y(), l.rowZeroCentre + k * l.rowHeight);
    }
}

TEST_F(AspectTablePainterTest, AspectCellShowsTheSymbolOfTheHighestMatchingAspect) {
    // Bodies 1 and 2 are 59.75 apart: both aspects match, and AND of yellow and cyan would
    // show green; only the later cyan may be seen. Bodies 1 and 5 form the trine alone.
    includeAspect(2, 60.0, 3.0, QColor(255, 255, 0));
    includeAspect(4, 59.0, 3.0, QColor(0, 255, 255));
    includeAspect(6, 120.0, 2.0, QColor(0, 0, 255));
    const QImage image = paint(kTarget, 1);
    const auto l = layout(kTarget);

    // Pair (1, 2): row of rank 1, column of rank 2; pair (1, 5): row 1, column 3.
    EXPECT_EQ(
        image.pixelColor(l.columnZeroCentre + 2 * l.columnWidth, l.rowZeroCentre + l.rowHeight),
        QColor(0, 255, 255));
    EXPECT_EQ(
        image.pixelColor(l.columnZeroCentre + 3 * l.columnWidth, l.rowZeroCentre + l.rowHeight),
        QColor(0, 0, 255));
    // Nothing in the mirror cells below the diagonal but the separation.
    EXPECT_NE(
        image.pixelColor(l.columnZeroCentre + l.columnWidth, l.rowZeroCentre + 3 * l.rowHeight),
        QColor(0, 0, 255));
    EXPECT_EQ(
        image.pixelColor(l.columnZeroCentre + 4 * l.columnWidth, l.rowZeroCentre + l.rowHeight),
        kWhite);
}

TEST_F(AspectTablePainterTest, RightColumnWritesDegreeMarkAndSignPicture) {
    const QImage image = paint(kTarget, 1);
    const auto l = layout(kTarget);
    const int symbolsEnd =
        l.columnZeroCentre - l.columnWidth / 2 + (l.shownCount + 2) * l.columnWidth + 6;
    for (const auto& row : l.rightColumn) {
        const int cy = centre(row.symbol).y();
        EXPECT_EQ(image.pixelColor(centre(row.signPicture)), signColour(chart_[row.object].sign));
        // "R" after the symbol, in the lower half of the row, only for the retrograde body.
        const DarkSpan mark = darkIn(image, row.mark.x, cy, symbolsEnd, cy + l.rowHeight / 2);
        EXPECT_EQ(mark.count > 0, chart_[row.object].retrograde != 0) << row.object;
        // The degree fits between its start and the sign picture: the character width holds.
        const DarkSpan degree = darkIn(image, row.degreePosition.x, cy - l.rowHeight / 2 + 1,
                                       row.signPicture.right, cy + l.rowHeight / 2);
        EXPECT_GT(degree.count, 20) << row.object;
        EXPECT_GE(degree.left, row.degreePosition.x);
        EXPECT_LT(degree.right, row.signPicture.left) << row.object;
    }
    // The white cell behind the row, away from text and pictures.
    const auto& first = l.rightColumn.front();
    EXPECT_EQ(image.pixelColor(first.cell.left + 3, first.cell.top + 3), kWhite);
}

TEST_F(AspectTablePainterTest, TallRowsStillKeepTheirTextsNarrow) {
    // Rows of 150 pixels over columns of 44: an unstretched font would run over the sign
    // picture and out of the separation cells.
    const Rect tall{0, 0, 430, 900};
    const QImage image = paint(tall, 1, {440, 910});
    const auto l = layout(tall);
    ASSERT_GT(l.rowHeight, 3 * l.columnWidth);
    for (const auto& row : l.rightColumn) {
        const int cy = centre(row.symbol).y();
        const DarkSpan degree = darkIn(image, row.degreePosition.x, cy - l.rowHeight / 2 + 1,
                                       row.signPicture.right, cy + l.rowHeight / 2);
        EXPECT_GT(degree.count, 20);
        EXPECT_LT(degree.right, row.signPicture.left) << row.object;
    }
    for (const auto& separation : l.separations) {
        const Rect& c = separation.cell;
        const DarkSpan text = darkIn(image, c.left + 1, c.top + 1, c.right - 2, c.bottom - 2);
        EXPECT_GT(text.count, 10);
        // Nothing dark touches the cell's right edge, just inside the next column line.
        EXPECT_EQ(darkIn(image, c.right - 3, c.top + 3, c.right - 2, c.bottom - 3).count, 0);
    }
}

TEST_F(AspectTablePainterTest, SeparationsAreCentredInWhiteCells) {
    const QImage image = paint(kTarget, 1);
    const auto l = layout(kTarget);
    ASSERT_EQ(l.separations.size(), 6u);
    for (const auto& separation : l.separations) {
        const Rect& c = separation.cell;
        EXPECT_EQ(image.pixelColor(c.left + 2, c.bottom - 3), kWhite);
        const DarkSpan text = darkIn(image, c.left + 1, c.top + 1, c.right - 2, c.bottom - 2);
        ASSERT_GT(text.count, 10) << separation.text;
        EXPECT_NEAR((text.left + text.right) / 2.0, separation.textPosition.x, 3.0)
            << separation.text;
        // Written from the top down: the upper half holds the text.
        EXPECT_GT(darkIn(image, c.left + 1, c.top + 2, c.right - 2, (c.top + c.bottom) / 2).count,
                  0);
    }
}

TEST_F(AspectTablePainterTest, ScreenMarginsLeaveTheRightAndBottomEdgesFree) {
    // Zoom 2 on a 700 x 500 target: the area ends at x = 610 and y = 480.
    const Rect target{0, 0, 700, 500};
    const QImage image = paint(target, 2, {700, 500}, kBackground);
    const auto l = layout(target, 2);
    const int outerRight = l.columnZeroCentre - l.columnWidth / 2 +
                           (l.shownCount + 2) * l.columnWidth + l.rightColumnExtra + 2;
    EXPECT_LE(outerRight, 612);
    EXPECT_EQ(image.pixelColor(outerRight, l.rowZeroCentre + l.rowHeight), kBlack);
    for (int y = 0; y < 500; y += 3) {
        for (int x = 613; x < 700; x += 3) ASSERT_EQ(image.pixelColor(x, y), kBackground);
    }
    for (int y = 483; y < 500; ++y) {
        for (int x = 0; x < 700; x += 2) ASSERT_EQ(image.pixelColor(x, y), kBackground);
    }
}

TEST_F(AspectTablePainterTest, PrinterPageGetsA43BoxInDevicePixels) {
    // An 800 x 1100 page: d = min(200, 366) = 200, a box of 800 x 600, margin 800 / 30 = 26.
    auto printed = [&](Canvas::Units units) {
        QImage page(800, 1100, QImage::Format_RGB32);
        page.fill(kBackground);
        QPainter painter(&page);
        Canvas canvas(painter, units);
        AspectTablePainter::paint(canvas, chart_, aspects_, resources_,
                                  AspectTableLayout::printerArea(800, 1100));
        return page;
    };
    const QImage page = printed(Canvas::Units::HundredthsOfMm);
    // Whatever units the canvas was made for, the table is drawn in the device's pixels.
    EXPECT_EQ(page, printed(Canvas::Units::Pixels));

    const auto l = AspectTableLayout::compute(chart_, aspects_, {26, 26, 774, 574});
    EXPECT_EQ(page.pixelColor(centre(l.diagonal.front())), kDiagonal);
    for (int y = 577; y < 1100; y += 4) {
        for (int x = 0; x < 800; x += 4) ASSERT_EQ(page.pixelColor(x, y), kBackground);
    }
}

TEST_F(AspectTablePainterTest, EmptyChartDrawsNothingAndThePainterIsLeftAsItWas) {
    for (int object : kShown) chart_.style[object].shown = 0;
    const QImage empty = paint(kTarget, 1, {640, 420}, kBackground);
    QImage untouched(empty.size(), QImage::Format_RGB32);
    untouched.fill(kBackground);
    EXPECT_EQ(empty, untouched);

    chart_.style[1].shown = 1;
    QImage image(200, 200, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setPen(QPen(QColor(10, 20, 30), 3));
    painter.setBrush(QColor(40, 50, 60));
    painter.setFont(QFont("DejaVu Sans", 7));
    const QPen pen = painter.pen();
    const QBrush brush = painter.brush();
    const QFont font = painter.font();
    painter.setRenderHint(QPainter::Antialiasing, true);
    Canvas canvas(painter, Canvas::Units::Pixels);
    AspectTablePainter::paint(canvas, chart_, aspects_, resources_, {0, 0, 200, 200});
    EXPECT_TRUE(painter.testRenderHint(QPainter::Antialiasing));
    EXPECT_EQ(painter.pen(), pen);
    EXPECT_EQ(painter.brush(), brush);
    EXPECT_EQ(painter.font(), font);
}

TEST_F(AspectTablePainterTest, DamagedChartIsDrawnWithoutFailing) {
    chart_[1].longitude = std::numeric_limits<double>::quiet_NaN();
    chart_[1].degreeInSign = std::numeric_limits<double>::infinity();
    chart_[2].sign = 99;
    chart_[5].longitude = 1e300;
    chart_.style[9].shown = 7;  // not a shown flag: the object gets no row
    includeAspect(0, 0.0, 400.0, QColor(0, 0, 255));
    const QImage image = paint(kTarget, 1);
    const auto l = layout(kTarget);
    EXPECT_EQ(l.shownCount, 3);
    EXPECT_EQ(image.pixelColor(centre(l.diagonal.back())), kDiagonal);
}

// The inside of every cell that holds a text blanked: a recorded picture writes its texts
// again at its own resolution, so only the rest can be compared with it.
QImage withoutTextCells(QImage image, const AspectTableLayout& l) {
    std::vector<Rect> cells;
    for (const auto& separation : l.separations) cells.push_back(separation.cell);
    for (const auto& row : l.rightColumn) cells.push_back(row.cell);
    QPainter painter(&image);
    for (const Rect& c : cells) {
        painter.fillRect(QRect(c.left + 1, c.top + 1, c.width() - 2, c.height() - 2), kBackground);
    }
    return image;
}

// On an image the cells and lines are filled as whole pixels and the texts written from kept
// glyphs; a picture recording keeps pen and brush, and played onto an image it must give the
// same lines, cells and pictures. Moved by whole pixels the table keeps its pixels, and a
// repaint of the same texts from the kept glyphs changes none.
TEST_F(AspectTablePainterTest, KeptGlyphsAndWholePixelFillsDrawWhatPenBrushAndTextDraw) {
    includeAspect(0, 120.0, 2.0, QColor(0, 0, 255));
    const QImage direct = paint(kTarget, 1);
    EXPECT_EQ(paint(kTarget, 1), direct);

    QPicture recording;
    {
        QPainter painter(&recording);
        painter.setRenderHint(QPainter::Antialiasing, true);
        Canvas canvas(painter, Canvas::Units::Pixels);
        AspectTablePainter::paint(canvas, chart_, aspects_, resources_,
                                  AspectTableLayout::screenArea(kTarget, 1));
    }
    QImage replayed(direct.size(), QImage::Format_RGB32);
    replayed.fill(kWhite);
    {
        QPainter painter(&replayed);
        painter.drawPicture(0, 0, recording);
    }
    const auto l = layout(kTarget);
    EXPECT_EQ(withoutTextCells(replayed, l), withoutTextCells(direct, l));

    QImage moved(direct.size() + QSize(13, 7), QImage::Format_RGB32);
    moved.fill(kWhite);
    {
        QPainter painter(&moved);
        painter.translate(13, 7);
        Canvas canvas(painter, Canvas::Units::Pixels);
        AspectTablePainter::paint(canvas, chart_, aspects_, resources_,
                                  AspectTableLayout::screenArea(kTarget, 1));
    }
    EXPECT_EQ(moved.copy(13, 7, direct.width(), direct.height()), direct);
}

}  // namespace
}  // namespace orvanta
