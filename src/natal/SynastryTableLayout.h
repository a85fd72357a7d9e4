#pragma once

#include <string>
#include <vector>

#include "calc/AspectSetting.h"
#include "calc/ChartData.h"
#include "common/Geometry.h"

namespace orvanta {

// The table of aspects between two charts: the first chart's shown objects (bodies, and cusps
// when it has houses) down the left, the second chart's shown bodies across the top; each
// cell of a pair in aspect holds the aspect's symbol and, below it, the orb in degrees and
// minutes. Unlike the aspect table of one chart it is rectangular and not mirrored.
//
// Device pixels, y downward, integer arithmetic with truncating division. Rows are t high
// and columns B wide; row 0 and column 0 hold the labels. The table is centred in the area.
struct SynastryTableLayout {
    struct Label {
        int object = 0;
        Rect picture;
    };

    // A pair in aspect: the highest aspect index when orbs overlap, as in the aspect table.
    struct Cell {
        int aspect = 0;
        int first = 0;   // the first chart's object
        int second = 0;  // the second chart's body
        double orb = 0.0;
        Rect symbol;  // in the cell's upper half
        Rect text;    // the cell's lower half; the orb is written centred in it
        std::string orbText;
    };

    int rowHeight = 0;    // t
    int columnWidth = 0;  // B
    int left = 0;         // the table's left and top edges
    int top = 0;
    int pictureSize = 0;  // F = min(t/2, 4·B/5), aspect symbols and labels
    int textHeight = 0;   // t/2 − 1, the orb text's character cell

    std::vector<Label> rowLabels;
    std::vector<Label> columnLabels;
    std::vector<Cell> cells;
    std::vector<Line> gridLines;

    bool isEmpty() const { return rowLabels.empty() || columnLabels.empty(); }
    Rect bounds() const;

    static SynastryTableLayout compute(const ChartData& first, const ChartData& second,
                                       const NatalAspectTable& aspects, const Rect& area);

    // The orb's size in whole degrees and minutes, truncated: 2.26 gives "2°15'".
    static std::string orbText(double orb);

  private:
    void placeLabels(const std::vector<int>& rows, const std::vector<int>& columns);
    void placeCells(const ChartData& first, const ChartData& second,
                    const NatalAspectTable& aspects, const std::vector<int>& rows,
                    const std::vector<int>& columns);
    void placeGrid(std::size_t rows, std::size_t columns);
    Rect cellRect(std::size_t row, std::size_t column) const;
};

}  // namespace orvanta
