#include "natal/SynastryTableLayout.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "natal/InterAspects.h"

namespace orvanta {
namespace {

Rect squareIn(const Rect& box, int size) {
    const int x = (box.left + box.right) / 2;
    const int y = (box.top + box.bottom) / 2;
    const int left = x - size / 2;
    const int top = y - size / 2;
    return {left, top, left + size, top + size};
}

}  // namespace

std::string SynastryTableLayout::orbText(double orb) {
    const double size = std::fabs(orb);
    if (!std::isfinite(size) || size >= 360.0) return {};
    const int degrees = static_cast<int>(size);
    const int minutes = std::min(59, static_cast<int>((size - degrees) * 60.0));
    return std::to_string(degrees) + "°" + (minutes < 10 ? "0" : "") + std::to_string(minutes) +
           "'";
}

SynastryTableLayout SynastryTableLayout::compute(const ChartData& first, const ChartData& second,
                                                 const NatalAspectTable& aspects,
                                                 const Rect& area) {
    SynastryTableLayout layout;
    std::vector<int> rows;
    for (int object = 1; object <= InterAspects::firstObjectCount(first); ++object) {
        if (first.style[object].shown == 1) rows.push_back(object);
    }
    std::vector<int> columns;
    for (int body = 1; body <= Bodies::kBodyCount; ++body) {
        if (second.style[body].shown == 1) columns.push_back(body);
    }
    if (rows.empty() || columns.empty() || area.width() <= 0 || area.height() <= 0) return layout;

    const int rowCount = static_cast<int>(rows.size()) + 1;
    const int columnCount = static_cast<int>(columns.size()) + 1;
    layout.rowHeight = area.height() / rowCount;
    layout.columnWidth = area.width() / columnCount;
    layout.left = area.left + (area.width() - columnCount * layout.columnWidth) / 2;
    layout.top = area.top + (area.height() - rowCount * layout.rowHeight) / 2;
    layout.pictureSize = std::min(layout.rowHeight / 2, (4 * layout.columnWidth) / 5);
    layout.textHeight = std::max(0, layout.rowHeight / 2 - 1);
    layout.placeLabels(rows, columns);
    layout.placeCells(first, second, aspects, rows, columns);
    layout.placeGrid(rows.size(), columns.size());
    return layout;
}

Rect SynastryTableLayout::cellRect(std::size_t row, std::size_t column) const {
    const int x = left + static_cast<int>(column) * columnWidth;
    const int y = top + static_cast<int>(row) * rowHeight;
    return {x, y, x + columnWidth, y + rowHeight};
}

void SynastryTableLayout::placeLabels(const std::vector<int>& rows,
                                      const std::vector<int>& columns) {
    // Labels are larger than the symbols in the cells: they have the cell to themselves.
    const int labelSize = std::min((4 * rowHeight) / 5, (4 * columnWidth) / 5);
    for (std::size_t r = 0; r < rows.size(); ++r)
        rowLabels.push_back({rows[r], squareIn(cellRect(r + 1, 0), labelSize)});
    for (std::size_t c = 0; c < columns.size(); ++c)
        columnLabels.push_back({columns[c], squareIn(cellRect(0, c + 1), labelSize)});
}

void SynastryTableLayout::placeCells(const ChartData& first, const ChartData& second,
                                     const NatalAspectTable& aspects, const std::vector<int>& rows,
                                     const std::vector<int>& columns) {
    std::map<int, std::size_t> rowOf;
    std::map<int, std::size_t> columnOf;
    for (std::size_t r = 0; r < rows.size(); ++r) rowOf[rows[r]] = r + 1;
    for (std::size_t c = 0; c < columns.size(); ++c) columnOf[columns[c]] = c + 1;
    std::map<std::pair<int, int>, std::size_t> cellOf;
    for (const InterAspect& aspect : InterAspects::all(first, second, aspects)) {
        const Rect box = cellRect(rowOf.at(aspect.first), columnOf.at(aspect.second));
        const int middle = box.top + rowHeight / 2;
        Cell cell{aspect.aspect,
                  aspect.first,
                  aspect.second,
                  aspect.orb,
                  squareIn({box.left, box.top, box.right, middle}, pictureSize),
                  {box.left + 1, middle, box.right - 1, box.bottom - 1},
                  orbText(aspect.orb)};
        // Aspects come by index: a later one of the same pair takes the cell over.
        const auto [found, added] = cellOf.try_emplace({aspect.first, aspect.second}, cells.size());
        if (added) {
            cells.push_back(std::move(cell));
        } else {
            cells[found->second] = std::move(cell);
        }
    }
}

void SynastryTableLayout::placeGrid(std::size_t rows, std::size_t columns) {
    const int right = left + static_cast<int>(columns + 1) * columnWidth;
    const int bottom = top + static_cast<int>(rows + 1) * rowHeight;
    for (std::size_t k = 0; k <= rows + 1; ++k) {
        const int y = top + static_cast<int>(k) * rowHeight;
        gridLines.push_back({{left, y}, {right, y}});
    }
    for (std::size_t k = 0; k <= columns + 1; ++k) {
        const int x = left + static_cast<int>(k) * columnWidth;
        gridLines.push_back({{x, top}, {x, bottom}});
    }
}

Rect SynastryTableLayout::bounds() const {
    if (isEmpty()) return {};
    // The grid's last lines cover the pixels on its far edges.
    const Line& lastRow = gridLines[gridLines.size() - 1];
    return {left, top, lastRow.to.x + 1, lastRow.to.y + 1};
}

}  // namespace orvanta
