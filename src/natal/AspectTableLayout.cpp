#include "natal/AspectTableLayout.h"

#include <algorithm>
#include <cstdlib>

#include "calc/Bodies.h"
#include "natal/AspectTableTexts.h"
#include "natal/FindNatalAspects.h"

namespace orvanta {

Rect AspectTableLayout::pictureSquare(int x, int y, int size) {
    const int left = x - size / 2;
    const int top = y - size / 2;
    return {left, top, left + size, top + size};
}

Rect AspectTableLayout::bounds() const {
    if (isEmpty()) return {};
    Rect all = diagonal.front();
    auto add = [&all](const Rect& r) {
        all.left = std::min(all.left, r.left);
        all.top = std::min(all.top, r.top);
        all.right = std::max(all.right, r.right);
        all.bottom = std::max(all.bottom, r.bottom);
    };
    for (const auto* labels : {&topLabels, &leftLabels, &bottomLabels}) {
        for (const Label& label : *labels) add(label.picture);
    }
    for (const RightRow& row : rightColumn) {
        add(row.cell);
        add(row.symbol);
        add(row.signPicture);
    }
    for (const AspectSymbol& symbol : aspectSymbols) add(symbol.picture);
    for (const Separation& separation : separations) add(separation.cell);
    // A line covers its end points.
    for (const Line& line : gridLines) {
        add({std::min(line.from.x, line.to.x), std::min(line.from.y, line.to.y),
             std::max(line.from.x, line.to.x) + 1, std::max(line.from.y, line.to.y) + 1});
    }
    return all;
}

Rect AspectTableLayout::screenArea(const Rect& target, int zoom) {
    Rect area = target;
    area.right -= 30 * zoom;
    if (zoom == 2) {
        area.right -= 30;
        area.bottom -= 20;
    }
    return area;
}

Rect AspectTableLayout::printerBox(int pageWidth, int pageHeight) {
    const int d = std::max(0, std::min(pageWidth / 4, pageHeight / 3));
    return {0, 0, 4 * d, 3 * d};
}

Rect AspectTableLayout::printerArea(int pageWidth, int pageHeight) {
    const Rect box = printerBox(pageWidth, pageHeight);
    const int m = box.width() / 30;
    return {box.left + m, box.top + m, box.right - m, box.bottom - m};
}

AspectTableLayout AspectTableLayout::compute(const ChartData& chart,
                                             const NatalAspectTable& aspects, const Rect& area,
                                             DegreeNotation notation) {
    AspectTableLayout layout;
    const int n = chart.housesUnavailable == 0 ? Bodies::kLastCusp : Bodies::kBodyCount;
    std::vector<int> shown;
    for (int object = 1; object <= n; ++object) {
        if (chart.style[object].shown == 1) shown.push_back(object);
    }
    if (shown.empty() || area.width() <= 0 || area.height() <= 0) return layout;

    layout.measure(shown, area);
    layout.placeLabels();
    layout.placeRightColumn(chart, notation);
    layout.placeAspectSymbols(chart, n, aspects);
    layout.placeSeparations(chart);
    layout.placeGrid();
    return layout;
}

void AspectTableLayout::measure(const std::vector<int>& shown, const Rect& area) {
    const int width = area.width();
    const int height = area.height();
    shownCount = static_cast<int>(shown.size());
    objects = shown;
    for (int rank = 1; rank <= shownCount; ++rank) {
        ranks[static_cast<std::size_t>(shown[static_cast<std::size_t>(rank - 1)])] = rank;
    }
    rowHeight = height / (shownCount + 2);
    rowZeroCentre = (height - (shownCount + 1) * rowHeight) / 2 + area.top;
    rightColumnExtra = 3 * (width / (shownCount + 5));
    columnWidth = (width - rightColumnExtra) / (shownCount + 2);
    columnZeroCentre = (width - rightColumnExtra - (shownCount + 1) * columnWidth) / 2 + area.left;
    pictureSize = std::min(std::abs((4 * rowHeight) / 5), std::abs((4 * columnWidth) / 5));
    degreeFont = {std::abs(rowHeight - 1), std::abs((2 * columnWidth) / 7)};
    markFont = {std::abs(rowHeight / 2), std::abs(columnWidth / 10)};
    separationFont = {std::abs(rowHeight - 1), std::abs((columnWidth - 1) / 6)};
}

void AspectTableLayout::placeLabels() {
    for (int k = 1; k <= shownCount; ++k) {
        const int object = objects[static_cast<std::size_t>(k - 1)];
        topLabels.push_back({object, pictureSquare(columnZeroCentre + k * columnWidth,
                                                   rowZeroCentre - 2, pictureSize)});
        leftLabels.push_back(
            {object, pictureSquare(columnZeroCentre, rowZeroCentre + k * rowHeight, pictureSize)});
        bottomLabels.push_back(
            {object, pictureSquare(columnZeroCentre + k * columnWidth,
                                   rowZeroCentre + (shownCount + 1) * rowHeight + 2, pictureSize)});
    }
}

void AspectTableLayout::placeRightColumn(const ChartData& chart, DegreeNotation notation) {
    // The right column begins inside the last label column: its symbol is that column's label.
    const int rightColumnLeft = columnZeroCentre + (shownCount + 1) * columnWidth - columnWidth / 2;
    for (int k = 1; k <= shownCount; ++k) {
        const ObjectPosition& object = chart[objects[static_cast<std::size_t>(k - 1)]];
        RightRow row;
        row.object = objects[static_cast<std::size_t>(k - 1)];
        row.cell = {rightColumnLeft + 2, rowZeroCentre + k * rowHeight - rowHeight / 2,
                    rightColumnLeft + 4 * columnWidth,
                    rowZeroCentre + k * rowHeight + rowHeight / 2 + 1};
        const int cx = columnZeroCentre + (shownCount + 1) * columnWidth + 2;
        const int cy = rowZeroCentre + k * rowHeight;
        row.symbol = pictureSquare(cx, cy, pictureSize);
        row.retrograde = object.retrograde != 0;
        row.mark = {cx + pictureSize / 2, cy};
        row.degreePosition = {cx + columnWidth, cy - rowHeight / 2 + 1};
        row.degreeText = AspectTableTexts::position(object.degreeInSign, notation);
        row.sign = object.sign;
        row.signPicture = pictureSquare(cx + 3 * columnWidth, cy, pictureSize);
        rightColumn.push_back(std::move(row));
    }
}

void AspectTableLayout::placeAspectSymbols(const ChartData& chart, int lastObject,
                                           const NatalAspectTable& aspects) {
    // Aspects come in the order of aspect index, so a later aspect of the same pair takes the
    // cell over from an earlier one.
    std::vector<int> symbolInCell(static_cast<std::size_t>(shownCount * shownCount), -1);
    for (const NatalAspectPair& pair :
         FindNatalAspects::all(chart, lastObject, aspects, AspectConsumer::Table)) {
        const int earlier = std::min(pair.first, pair.second);
        const int later = std::max(pair.first, pair.second);
        if (earlier < 1 || later >= Bodies::kObjectCount) continue;
        const int rankEarlier = ranks[static_cast<std::size_t>(earlier)];
        const int rankLater = ranks[static_cast<std::size_t>(later)];
        if (rankEarlier == 0 || rankLater == 0) continue;
        AspectSymbol symbol{pair.aspect, earlier, later,
                            pictureSquare(columnZeroCentre + rankLater * columnWidth,
                                          rowZeroCentre + rankEarlier * rowHeight, pictureSize)};
        int& index =
            symbolInCell[static_cast<std::size_t>((rankEarlier - 1) * shownCount + rankLater - 1)];
        if (index < 0) {
            index = static_cast<int>(aspectSymbols.size());
            aspectSymbols.push_back(symbol);
        } else {
            aspectSymbols[static_cast<std::size_t>(index)] = symbol;
        }
    }
}

void AspectTableLayout::placeSeparations(const ChartData& chart) {
    const int gridLeft = columnZeroCentre - columnWidth / 2;
    for (int rankLater = 2; rankLater <= shownCount; ++rankLater) {
        for (int rankEarlier = 1; rankEarlier < rankLater; ++rankEarlier) {
            Separation separation;
            separation.earlier = objects[static_cast<std::size_t>(rankEarlier - 1)];
            separation.later = objects[static_cast<std::size_t>(rankLater - 1)];
            separation.cell = {gridLeft + rankEarlier * columnWidth,
                               rowZeroCentre + rowHeight / 2 + (rankLater - 1) * rowHeight,
                               gridLeft + (rankEarlier + 1) * columnWidth,
                               rowZeroCentre + rowHeight / 2 + rankLater * rowHeight + 1};
            separation.textPosition = {(separation.cell.left + separation.cell.right) / 2,
                                       separation.cell.top + 2};
            separation.text = AspectTableTexts::separationText(AspectTableTexts::separation(
                chart[separation.earlier].longitude, chart[separation.later].longitude));
            separations.push_back(std::move(separation));
        }
    }
}

void AspectTableLayout::placeGrid() {
    // Rows 1 to shownCount between horizontal lines, doubled at the top and the bottom.
    const int gridLeft = columnZeroCentre - columnWidth / 2;
    const int gridTop = rowZeroCentre + rowHeight / 2;
    const int gridBottom = gridTop + shownCount * rowHeight;
    const int tableRight = gridLeft + (shownCount + 2) * columnWidth;
    auto& lines = gridLines;
    for (int k = 0; k <= shownCount; ++k) {
        lines.push_back({gridLeft, gridTop + k * rowHeight, tableRight + rightColumnExtra,
                         gridTop + k * rowHeight});
    }
    lines.push_back({gridLeft, gridTop - 2, tableRight + rightColumnExtra + 2, gridTop - 2});
    lines.push_back({gridLeft, gridBottom + 2, tableRight + rightColumnExtra + 2, gridBottom + 2});
    // The right column: after its symbols, at its right edge, and doubled there.
    lines.push_back({tableRight + 6, gridTop, tableRight + 6, gridBottom});
    lines.push_back(
        {tableRight + rightColumnExtra, gridTop, tableRight + rightColumnExtra, gridBottom});
    lines.push_back({tableRight + rightColumnExtra + 2, gridTop - 2,
                     tableRight + rightColumnExtra + 2, gridBottom + 2});
    // Columns, from the top label row to the bottom one, doubled at both outer edges.
    const int columnTop = rowZeroCentre - rowHeight / 2;
    const int columnBottom = columnTop + (shownCount + 2) * rowHeight;
    for (int k = 0; k <= shownCount; ++k) {
        const int x = gridLeft + (k + 1) * columnWidth;
        lines.push_back({x, columnTop, x, columnBottom});
    }
    lines.push_back({gridLeft + (shownCount + 1) * columnWidth + 2, columnTop,
                     gridLeft + (shownCount + 1) * columnWidth + 2, columnBottom});
    lines.push_back(
        {gridLeft + columnWidth - 2, columnTop, gridLeft + columnWidth - 2, columnBottom});

    for (int k = 1; k <= shownCount; ++k) {
        diagonal.push_back({gridLeft + k * columnWidth,
                            rowZeroCentre - rowHeight / 2 + k * rowHeight,
                            gridLeft + (k + 1) * columnWidth,
                            rowZeroCentre - rowHeight / 2 + (k + 1) * rowHeight});
    }
}

}  // namespace orvanta
