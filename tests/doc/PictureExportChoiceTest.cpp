#include <gtest/gtest.h>

#include "doc/PictureExportChoice.h"

namespace orvanta {
namespace {

using Choice = PictureExportChoice;

TEST(PictureExportChoice, TheWrittenNameAlwaysCarriesTheExtensionOfItsFormat) {
    const std::string png = "Рисунок PNG (*.png)";
    const std::string svg = "Рисунок SVG (*.svg)";
    const std::string pdf = "Документ PDF (*.pdf)";
    EXPECT_EQ(Choice::filters(), (std::vector<std::string>{png, svg, pdf}));
    struct Case {
        const char* chosen;
        std::string filter;
        const char* written;
        Choice::Format format;
    };
    const Case cases[] = {
        // An extension of a format wins over the filter, in any letter case.
        {"/tmp/a.svg", png, "/tmp/a.svg", Choice::Format::Svg},
        {"/tmp/a.PDF", svg, "/tmp/a.PDF", Choice::Format::Pdf},
        // No extension, or one of no format: the filter's is added.
        {"/tmp/a", pdf, "/tmp/a.pdf", Choice::Format::Pdf},
        {"/tmp/карта.1970", svg, "/tmp/карта.1970.svg", Choice::Format::Svg},
        {"/tmp/a.bmp", "что-то иное", "/tmp/a.bmp.png", Choice::Format::Png},
    };
    for (const Case& c : cases) {
        const std::string written = Choice::fileName(c.chosen, c.filter);
        EXPECT_EQ(written, c.written) << c.chosen;
        EXPECT_EQ(Choice::formatOfName(written), c.format) << c.chosen;
    }
    EXPECT_EQ(Choice::formatOfName("/tmp/a.bmp"), std::nullopt);
    EXPECT_EQ(Choice::fileName("", pdf), "");  // a cancelled dialog writes nothing
}

TEST(PictureExportChoice, TheProposedNameSaysWhichChartWhatViewAndForTheDialWhichDay) {
    const Date day{5, 6, 2024};
    EXPECT_EQ(Choice::defaultName("/home/u/Иванов.map", "Иван", Choice::View::Wheel, day,
                                  Choice::Format::Png),
              "Иванов-круг.png");
    EXPECT_EQ(Choice::defaultName("/home/u/Иванов.map", "Иван", Choice::View::Table, day,
                                  Choice::Format::Svg),
              "Иванов-аспекты.svg");
    // A chart never saved goes by the person's name, made fit for a file name.
    EXPECT_EQ(Choice::defaultName("", "А/Б: В?", Choice::View::Dial, day, Choice::Format::Pdf),
              "А_Б_ В_-события-05.06.2024.pdf");
    EXPECT_EQ(Choice::defaultName("", "", Choice::View::Wheel, day, Choice::Format::Png),
              "Карта-круг.png");
}

}  // namespace
}  // namespace orvanta
