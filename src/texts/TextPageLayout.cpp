#include "texts/TextPageLayout.h"

#include <algorithm>

namespace orvanta {

TextPageLayout TextPageLayout::compute(int printableWidth, int printableHeight) {
    TextPageLayout page;
    page.width = std::max(0, printableWidth);
    page.height = std::max(0, printableHeight);
    page.marginX = page.width / 30;
    page.marginY = page.height / 20;
    page.fontHeight = (page.marginX + page.marginY) / 4;
    page.frame = {page.marginX, page.marginY, page.width - page.marginX,
                  page.height - page.marginY};
    page.textArea = {page.frame.left + page.marginX, page.frame.top + page.marginY,
                     page.frame.right - page.marginX, page.frame.bottom - page.marginY};
    // The number sits in the frame's corner, a quarter of its height clear of the lines.
    const int clearance = page.fontHeight / 4;
    page.pageNumberAt = {page.frame.right - clearance, page.frame.bottom - clearance};
    page.fits = page.textArea.width() > 0 && page.textArea.height() > 0 && page.fontHeight > 0;
    return page;
}

int TextPageLayout::linesPerPage(int lineHeight) const {
    if (lineHeight <= 0) return 1;
    return std::max(1, textArea.height() / lineHeight);
}

int TextPageLayout::pageCount(int lineCount, int lineHeight) const {
    const int perPage = linesPerPage(lineHeight);
    return std::max(1, (lineCount + perPage - 1) / perPage);
}

int TextPageLayout::firstLineOf(int page, int lineHeight) const {
    return (std::max(1, page) - 1) * linesPerPage(lineHeight);
}

std::string TextPageLayout::pageNumberText(int page) {
    return std::to_string(page);
}

}  // namespace orvanta
