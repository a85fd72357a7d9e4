#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>

#include "birthdata/MonthCalendarGrid.h"

namespace orvanta {
namespace {

// Monday = 1 ... Sunday = 7 of the Gregorian calendar.
int referenceWeekday(int month, int year) {
    using namespace std::chrono;
    const weekday gregorian{sys_days{std::chrono::year{year} / month / 1}};
    return static_cast<int>(gregorian.iso_encoding());
}

// The point in the middle of the cell at row and column, from the grid lines of the layout.
std::pair<int, int> cellCentre(const MonthCalendarGrid::Layout& layout, int row, int column) {
    const int rows = layout.weekRows + 1;
    const auto& horizontal = layout.gridLines;
    const auto& vertical = layout.gridLines[static_cast<std::size_t>(rows + 1 + column)];
    const auto& nextVertical = layout.gridLines[static_cast<std::size_t>(rows + 2 + column)];
    const int y = (horizontal[static_cast<std::size_t>(row)].from.y +
                   horizontal[static_cast<std::size_t>(row + 1)].from.y) /
                  2;
    return {(vertical.from.x + nextVertical.from.x) / 2, y};
}

TEST(MonthCalendarGridTest, WeekRowsFollowTheFirstWeekdayAndTheMonthLength) {
    // February 2010: 28 days from a Monday. August 2010: 31 days from a Sunday.
    EXPECT_EQ(MonthCalendarGrid(1, 2, 2010).weekRows(), 4);
    EXPECT_EQ(MonthCalendarGrid(1, 8, 2010).weekRows(), 6);
    EXPECT_EQ(MonthCalendarGrid(1, 1, 2000).weekRows(), 6);  // 31 days from a Saturday
    EXPECT_EQ(MonthCalendarGrid(1, 3, 2021).weekRows(), 5);  // 31 days from a Monday

    for (int year : {1860, 1900, 1999, 2000, 2024, 2099, 2100, 2130}) {
        for (int month = 1; month <= 12; ++month) {
            const MonthCalendarGrid grid(1, month, year);
            EXPECT_EQ(grid.firstWeekday(), referenceWeekday(month, year)) << month << "." << year;
            const int cells = grid.daysInMonth() + grid.firstWeekday() - 1;
            EXPECT_EQ(grid.weekRows(), (cells + 6) / 7) << month << "." << year;
        }
    }
    // 1 January 2100 is a Friday; 2100 is a common year.
    EXPECT_EQ(MonthCalendarGrid(1, 1, 2100).firstWeekday(), 5);
    EXPECT_EQ(MonthCalendarGrid(1, 2, 2100).daysInMonth(), 28);
}

TEST(MonthCalendarGridTest, LayoutPlacesLinesHeadsAndDays) {
    // January 2000 in a 350 x 280 rectangle: 6 week rows, so 7 rows of 40 and columns of 50.
    MonthCalendarGrid grid(15, 1, 2000);
    const Rect rect{10, 20, 360, 300};
    const auto layout = grid.layout(rect);
    EXPECT_EQ(layout.weekRows, 6);
    EXPECT_EQ(layout.textOffsetX, 350 / 21);
    EXPECT_EQ(layout.textOffsetY, 280 / 7 / 10);

    ASSERT_EQ(layout.gridLines.size(), 8u + 8u);
    for (int k = 0; k <= 7; ++k) {
        const auto& line = layout.gridLines[static_cast<std::size_t>(k)];
        EXPECT_EQ(line, (Line{10, 20 + 40 * k, 360, 20 + 40 * k}));
        EXPECT_EQ(layout.shadowLines[static_cast<std::size_t>(k)],
                  (Line{9, 19 + 40 * k, 359, 19 + 40 * k}));
    }
    for (int j = 0; j <= 7; ++j) {
        const auto& line = layout.gridLines[static_cast<std::size_t>(8 + j)];
        EXPECT_EQ(line, (Line{10 + 50 * j, 20, 10 + 50 * j, 300}));
        EXPECT_EQ(layout.shadowLines[static_cast<std::size_t>(8 + j)],
                  (Line{9 + 50 * j, 19, 9 + 50 * j, 299}));
    }

    const char* heads[] = {"Пн", "Вт", "Ср", "Чт", "Пт", "Сб", "Вс"};
    ASSERT_EQ(layout.heads.size(), 7u);
    for (int j = 0; j < 7; ++j) {
        EXPECT_EQ(layout.heads[static_cast<std::size_t>(j)].text, heads[j]);
        EXPECT_EQ(layout.heads[static_cast<std::size_t>(j)].x, 10 + 50 * j + 16);
        EXPECT_EQ(layout.heads[static_cast<std::size_t>(j)].y, 20 + 4);
    }

    ASSERT_EQ(layout.days.size(), 31u);
    // 1 January 2000 was a Saturday: the "Сб" column of the first week row.
    const auto& first = layout.days[0];
    EXPECT_EQ(first.row, 1);
    EXPECT_EQ(first.column, 5);
    EXPECT_EQ(first.label.text, "1");
    EXPECT_EQ(first.label.x, 10 + 250 + 16);
    EXPECT_EQ(first.label.y, 20 + 40 + 4);
    EXPECT_EQ(layout.days[2].row, 2);  // Monday the 3rd opens the second week
    EXPECT_EQ(layout.days[2].column, 0);
    const auto& last = layout.days[30];
    EXPECT_EQ(last.row, 6);
    EXPECT_EQ(last.column, 0);
    EXPECT_EQ(last.label.y, 20 + 240 + 4);
}

TEST(MonthCalendarGridTest, OnlyTheSelectedDayIsHighlighted) {
    MonthCalendarGrid grid(15, 1, 2000);
    for (const auto& cell : grid.layout({0, 0, 140, 140}).days) {
        EXPECT_EQ(cell.highlighted, cell.day == 15) << cell.day;
    }
    grid.setDate(0, 1, 2000);
    for (const auto& cell : grid.layout({0, 0, 140, 140}).days) EXPECT_FALSE(cell.highlighted);
}

TEST(MonthCalendarGridTest, ClickingACellSelectsItsDay) {
    const Rect rect{5, 7, 215, 187};
    for (const auto& [month, year] : {std::pair{1, 2000}, {2, 2010}, {8, 2010}, {2, 2100}}) {
        MonthCalendarGrid grid(0, month, year);
        const auto layout = grid.layout(rect);
        for (const auto& cell : layout.days) {
            const auto [x, y] = cellCentre(layout, cell.row, cell.column);
            EXPECT_TRUE(grid.click(rect, x, y));
            EXPECT_EQ(grid.selectedDay(), cell.day) << month << "." << year;
        }
    }
}

TEST(MonthCalendarGridTest, ClicksOutsideTheDaysChangeNothing) {
    // January 2000: Monday to Friday of the first week row come before the 1st, and the 31st
    // is the Monday of the sixth week row.
    MonthCalendarGrid grid(15, 1, 2000);
    const Rect rect{10, 20, 360, 300};
    const auto layout = grid.layout(rect);
    const auto clickCell = [&](int row, int column) {
        const auto [x, y] = cellCentre(layout, row, column);
        return grid.click(rect, x, y);
    };
    for (int column = 0; column < 7; ++column) EXPECT_FALSE(clickCell(0, column));  // head row
    for (int column = 0; column < 5; ++column) EXPECT_FALSE(clickCell(1, column));  // before 1st
    for (int column = 1; column < 7; ++column) EXPECT_FALSE(clickCell(6, column));  // after 31st
    EXPECT_EQ(grid.selectedDay(), 15);

    // On the right or bottom edge or outside the rectangle, nothing is picked: (360, y) would
    // otherwise count as column 7 and land on the next row's first day.
    const auto [x, y] = cellCentre(layout, 2, 6);
    EXPECT_FALSE(grid.click(rect, 360, y));
    EXPECT_FALSE(grid.click(rect, x, 300));
    EXPECT_FALSE(grid.click(rect, 9, y));
    EXPECT_FALSE(grid.click({10, 20, 10, 20}, 10, 20));  // an empty rectangle has no cells
    EXPECT_EQ(grid.selectedDay(), 15);

    EXPECT_TRUE(clickCell(6, 0));
    EXPECT_EQ(grid.selectedDay(), 31);
}

TEST(MonthCalendarGridTest, SetDateRefusesWhatIsNoMonth) {
    MonthCalendarGrid grid(3, 4, 2005);
    EXPECT_FALSE(grid.setDate(1, 13, 2005));
    EXPECT_FALSE(grid.setDate(1, 0, 2005));
    EXPECT_FALSE(grid.setDate(1, 5, 1859));
    EXPECT_EQ(grid.month(), 4);
    EXPECT_EQ(grid.selectedDay(), 3);
    EXPECT_TRUE(grid.setDate(29, 2, 2100));
    EXPECT_EQ(grid.year(), 2100);
}

}  // namespace
}  // namespace orvanta

namespace orvanta {
namespace {

// Relative luminance and contrast ratio as the WCAG 2 definition gives them.
double luminance(const MonthCalendarGrid::Colour& c) {
    const auto channel = [](int value) {
        const double s = value / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red) + 0.7152 * channel(c.green) + 0.0722 * channel(c.blue);
}

TEST(MonthCalendarGridTest, TheSelectedDayReadsClearlyOnTheField) {
    const MonthCalendarGrid grid(15, 1, 2000);
    const double field = luminance(grid.background);
    const double day = luminance(grid.highlightColour);
    EXPECT_GE((std::max(field, day) + 0.05) / (std::min(field, day) + 0.05), 4.5);
    EXPECT_NE(grid.highlightColour, grid.dayColour);
}

}  // namespace
}  // namespace orvanta
