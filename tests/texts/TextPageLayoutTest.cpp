#include <gtest/gtest.h>

#include "texts/TextPageLayout.h"

namespace orvanta {
namespace {

// Margins W/30 and H/20, font (Mx + My) / 4, frame inside the margins, text area inside the
// frame by the same margins; worked by hand for an upright and a crossways page.
TEST(TextPageLayout, MarginsFrameFontAndTextAreaOfUprightAndCrosswaysPages) {
    struct Case {
        int width, height;
        int marginX, marginY, font;
        Rect frame, area;
    };
    const Case cases[] = {
        // 4800/30 = 160, 7000/20 = 350, 510/4 = 127
        {4800, 7000, 160, 350, 127, {160, 350, 4640, 6650}, {320, 700, 4480, 6300}},
        // 7000/30 = 233, 4800/20 = 240, 473/4 = 118
        {7000, 4800, 233, 240, 118, {233, 240, 6767, 4560}, {466, 480, 6534, 4320}},
    };
    for (const Case& c : cases) {
        const auto page = TextPageLayout::compute(c.width, c.height);
        EXPECT_TRUE(page.fits);
        EXPECT_EQ(page.marginX, c.marginX);
        EXPECT_EQ(page.marginY, c.marginY);
        EXPECT_EQ(page.fontHeight, c.font);
        EXPECT_EQ(page.frame, c.frame);
        EXPECT_EQ(page.textArea, c.area);
    }
    // The number's corner is a quarter of the font (127 / 4 = 31) inside the frame's corner.
    EXPECT_EQ(TextPageLayout::compute(4800, 7000).pageNumberAt, (Point{4609, 6619}));
    // A page too small for a margin holds no text.
    EXPECT_FALSE(TextPageLayout::compute(19, 19).fits);
}

TEST(TextPageLayout, PagesHoldWholeLinesOfTheTextArea) {
    const auto page = TextPageLayout::compute(4800, 7000);  // text area 5600 high
    EXPECT_EQ(page.linesPerPage(150), 37);                  // 5600 / 150 = 37.3
    const std::pair<int, int> linesToPages[] = {{0, 1}, {1, 1}, {37, 1}, {38, 2}, {74, 2}, {75, 3}};
    for (const auto& [lines, pages] : linesToPages) {
        EXPECT_EQ(page.pageCount(lines, 150), pages) << lines;
    }
    EXPECT_EQ(page.firstLineOf(1, 150), 0);
    EXPECT_EQ(page.firstLineOf(3, 150), 74);
    // Lines taller than the area still go one to a page.
    EXPECT_EQ(page.linesPerPage(6000), 1);
    EXPECT_EQ(page.pageCount(3, 6000), 3);
    EXPECT_EQ(TextPageLayout::pageNumberText(12), "12");
}

}  // namespace
}  // namespace orvanta
