#include "birthdata/MonthCalendarGrid.h"

#include <array>
#include <ctime>

#include "calc/Calendar.h"

namespace orvanta {
namespace {

constexpr std::array<const char*, 7> kWeekdayHeads = {"Пн", "Вт", "Ср", "Чт", "Пт", "Сб", "Вс"};

std::tm localNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

}  // namespace

MonthCalendarGrid::MonthCalendarGrid() {
    const std::tm now = localNow();
    setDate(now.tm_mday, now.tm_mon + 1, now.tm_year + 1900);
}

MonthCalendarGrid::MonthCalendarGrid(int day, int month, int year) {
    setDate(day, month, year);
}

bool MonthCalendarGrid::setDate(int day, int month, int year) {
    if (month < 1 || month > 12 || year < Calendar::kFirstYear || year > Calendar::kLastYear) {
        return false;
    }
    selectedDay_ = day;
    month_ = month;
    year_ = year;
    return true;
}

int MonthCalendarGrid::firstWeekday() const {
    return Calendar::dayOfWeek(Date{1, month_, year_});
}

int MonthCalendarGrid::daysInMonth() const {
    return Calendar::monthLength(month_, year_);
}

int MonthCalendarGrid::weekRows() const {
    return (daysInMonth() + firstWeekday() - 1 + 6) / 7;
}

MonthCalendarGrid::Layout MonthCalendarGrid::layout(const Rect& rect) const {
    Layout out;
    const int w = rect.width();
    const int h = rect.height();
    out.weekRows = weekRows();
    const int rows = out.weekRows + 1;
    out.textOffsetX = w / 21;
    out.textOffsetY = h / rows / 10;

    for (int k = 0; k <= rows; ++k) {
        const int y = rect.top + h * k / rows;
        out.gridLines.push_back({rect.left, y, rect.right, y});
        out.shadowLines.push_back({rect.left - 1, y - 1, rect.right - 1, y - 1});
    }
    for (int j = 0; j <= 7; ++j) {
        const int x = rect.left + w * j / 7;
        out.gridLines.push_back({x, rect.top, x, rect.bottom});
        out.shadowLines.push_back({x - 1, rect.top - 1, x - 1, rect.bottom - 1});
        if (j < 7) {
            out.heads.push_back(
                {x + out.textOffsetX, rect.top + out.textOffsetY, kWeekdayHeads[j]});
        }
    }

    int row = 1;
    int column = firstWeekday() - 1;
    for (int day = 1; day <= daysInMonth(); ++day) {
        DayCell cell;
        cell.day = day;
        cell.row = row;
        cell.column = column;
        cell.label = {rect.left + w * column / 7 + out.textOffsetX,
                      rect.top + h * row / rows + out.textOffsetY, std::to_string(day)};
        cell.highlighted = day == selectedDay_;
        out.days.push_back(std::move(cell));
        if (++column == 7) {
            column = 0;
            ++row;
        }
    }
    return out;
}

bool MonthCalendarGrid::click(const Rect& rect, int x, int y) {
    const int w = rect.width();
    const int h = rect.height();
    // The owner should only pass points inside the rectangle; one on or past its edge would
    // land in a cell of the next row or column, and an empty rectangle has no cells at all.
    if (w <= 0 || h <= 0 || x < rect.left || x >= rect.right || y < rect.top || y >= rect.bottom) {
        return false;
    }
    const int row = (y - rect.top) * (weekRows() + 1) / h;
    const int column = (x - rect.left) * 7 / w;
    const int day = row * 7 + column - firstWeekday() - 5;
    if (day < 1 || day > daysInMonth() || day == selectedDay_) return false;
    selectedDay_ = day;
    return true;
}

}  // namespace orvanta
