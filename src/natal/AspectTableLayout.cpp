#include "natal/AspectTableLayout.h"

#include <algorithm>
#include <cstdlib>

#include "calc/Bodies.h"
#include "natal/AspectTableTexts.h"
#include "natal/FindNatalAspects.h"

namespace orvanta {

AspectTableLayout::Rect AspectTableLayout::pictureSquare(int x, int y, int size) {
    const int left = x - size / 2;
    const int top = y - size / 2;
    return {left, top, left + size, top + size};
}

AspectTableLayout::Rect AspectTableLayout::bounds() const {
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
        add({std::min(line.x1, line.x2), std::min(line.y1, line.y2), std::max(line.x1, line.x2) + 1,
             std::max(line.y1, line.y2) + 1});
    }
    return all;
}

AspectTableLayout::Rect AspectTableLayout::screenArea(const Rect& target, int zoom) {
    Rect area = target;
    area.right -= 30 * zoom;
    if (zoom == 2) {
        area.right -= 30;
        area.bottom -= 20;
    }
    return area;
}

AspectTableLayout::Rect AspectTableLayout::printerBox(int pageWidth, int pageHeight) {
    const int d = std::max(0, std::min(pageWidth / 4, pageHeight / 3));
    return {0, 0, 4 * d, 3 * d};
}

AspectTableLayout::Rect AspectTableLayout::printerArea(int pageWidth, int pageHeight) {
    const Rect box = printerBox(pageWidth, pageHeight);
    const int m = box.width() / 30;
    return {box.left + m, box.top + m, box.right - m, box.bottom - m};
}

AspectTableLayout AspectTableLayout::compute(const ChartData& chart,
                                             const NatalAspectTable& aspects, const Rect& area) {
    AspectTableLayout layout;
    const int n = chart.housesUnavailable == 0 ? Bodies::kLastCusp : Bodies::kBodyCount;
    std::vector<int> shown;
    for (int object = 1; object <= n; ++object) {
        if (chart[object].shown == 1) shown.push_back(object);
    }
    const int width = area.width();
    const int height = area.height();
    if (shown.empty() || width <= 0 || height <= 0) return layout;

    const int g = static_cast<int>(shown.size());
    layout.g = g;
    layout.objects = shown;
    for (int rank = 1; rank <= g; ++rank) {
        layout.ranks[static_cast<std::size_t>(shown[static_cast<std::size_t>(rank - 1)])] = rank;
    }

    const int t = height / (g + 2);
    const int v = (height - (g + 1) * t) / 2 + area.top;
    const int X = 3 * (width / (g + 5));
    const int B = (width - X) / (g + 2);
    const int E = (width - X - (g + 1) * B) / 2 + area.left;
    const int F = std::min(std::abs((4 * t) / 5), std::abs((4 * B) / 5));
    layout.t = t;
    layout.v = v;
    layout.X = X;
    layout.B = B;
    layout.E = E;
    layout.F = F;
    layout.degreeFont = {std::abs(t - 1), std::abs((2 * B) / 7)};
    layout.markFont = {std::abs(t / 2), std::abs(B / 10)};
    layout.separationFont = {std::abs(t - 1), std::abs((B - 1) / 6)};

    for (int k = 1; k <= g; ++k) {
        const int object = shown[static_cast<std::size_t>(k - 1)];
        layout.topLabels.push_back({object, pictureSquare(E + k * B, v - 2, F)});
        layout.leftLabels.push_back({object, pictureSquare(E, v + k * t, F)});
        layout.bottomLabels.push_back({object, pictureSquare(E + k * B, v + (g + 1) * t + 2, F)});
    }

    // The right column begins inside the last label column: its symbol is that column's label.
    const int rightColumnLeft = E + (g + 1) * B - B / 2;
    for (int k = 1; k <= g; ++k) {
        const ChartObject& object = chart[shown[static_cast<std::size_t>(k - 1)]];
        RightRow row;
        row.object = shown[static_cast<std::size_t>(k - 1)];
        row.cell = {rightColumnLeft + 2, v + k * t - t / 2, rightColumnLeft + 4 * B,
                    v + k * t + t / 2 + 1};
        const int cx = E + (g + 1) * B + 2;
        const int cy = v + k * t;
        row.symbol = pictureSquare(cx, cy, F);
        row.retrograde = object.retrograde != 0;
        row.mark = {cx + F / 2, cy};
        row.degreePosition = {cx + B, cy - t / 2 + 1};
        row.degreeText = AspectTableTexts::degree(object.degreeInSign);
        row.sign = object.sign;
        row.signPicture = pictureSquare(cx + 3 * B, cy, F);
        layout.rightColumn.push_back(std::move(row));
    }

    // Aspects come in the order of aspect index, so a later aspect of the same pair takes the
    // cell over from an earlier one.
    std::vector<int> symbolInCell(static_cast<std::size_t>(g * g), -1);
    for (const NatalAspectPair& pair :
         FindNatalAspects::all(chart, n, aspects, AspectConsumer::Table)) {
        const int earlier = std::min(pair.first, pair.second);
        const int later = std::max(pair.first, pair.second);
        if (earlier < 1 || later >= Bodies::kObjectCount) continue;
        const int rankEarlier = layout.ranks[static_cast<std::size_t>(earlier)];
        const int rankLater = layout.ranks[static_cast<std::size_t>(later)];
        if (rankEarlier == 0 || rankLater == 0) continue;
        AspectSymbol symbol{pair.aspect, earlier, later,
                            pictureSquare(E + rankLater * B, v + rankEarlier * t, F)};
        int& index = symbolInCell[static_cast<std::size_t>((rankEarlier - 1) * g + rankLater - 1)];
        if (index < 0) {
            index = static_cast<int>(layout.aspectSymbols.size());
            layout.aspectSymbols.push_back(symbol);
        } else {
            layout.aspectSymbols[static_cast<std::size_t>(index)] = symbol;
        }
    }

    const int gridLeft = E - B / 2;
    for (int rankLater = 2; rankLater <= g; ++rankLater) {
        for (int rankEarlier = 1; rankEarlier < rankLater; ++rankEarlier) {
            Separation separation;
            separation.earlier = shown[static_cast<std::size_t>(rankEarlier - 1)];
            separation.later = shown[static_cast<std::size_t>(rankLater - 1)];
            separation.cell = {gridLeft + rankEarlier * B, v + t / 2 + (rankLater - 1) * t,
                               gridLeft + (rankEarlier + 1) * B, v + t / 2 + rankLater * t + 1};
            separation.textPosition = {(separation.cell.left + separation.cell.right) / 2,
                                       separation.cell.top + 2};
            separation.text = AspectTableTexts::separationText(AspectTableTexts::separation(
                chart[separation.earlier].longitude, chart[separation.later].longitude));
            layout.separations.push_back(std::move(separation));
        }
    }

    // Rows 1 to g between horizontal lines, doubled at the top and the bottom.
    const int gridTop = v + t / 2;
    const int gridBottom = gridTop + g * t;
    const int tableRight = gridLeft + (g + 2) * B;
    auto& lines = layout.gridLines;
    for (int k = 0; k <= g; ++k) {
        lines.push_back({gridLeft, gridTop + k * t, tableRight + X, gridTop + k * t});
    }
    lines.push_back({gridLeft, gridTop - 2, tableRight + X + 2, gridTop - 2});
    lines.push_back({gridLeft, gridBottom + 2, tableRight + X + 2, gridBottom + 2});
    // The right column: after its symbols, at its right edge, and doubled there.
    lines.push_back({tableRight + 6, gridTop, tableRight + 6, gridBottom});
    lines.push_back({tableRight + X, gridTop, tableRight + X, gridBottom});
    lines.push_back({tableRight + X + 2, gridTop - 2, tableRight + X + 2, gridBottom + 2});
    // Columns, from the top label row to the bottom one, doubled at both outer edges.
    const int columnTop = v - t / 2;
    const int columnBottom = columnTop + (g + 2) * t;
    for (int k = 0; k <= g; ++k) {
        const int x = gridLeft + (k + 1) * B;
        lines.push_back({x, columnTop, x, columnBottom});
    }
    lines.push_back(
        {gridLeft + (g + 1) * B + 2, columnTop, gridLeft + (g + 1) * B + 2, columnBottom});
    lines.push_back({gridLeft + B - 2, columnTop, gridLeft + B - 2, columnBottom});

    for (int k = 1; k <= g; ++k) {
        layout.diagonal.push_back(
            {gridLeft + k * B, v - t / 2 + k * t, gridLeft + (k + 1) * B, v - t / 2 + (k + 1) * t});
    }
    return layout;
}

}  // namespace orvanta
