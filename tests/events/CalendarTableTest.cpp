#include <gtest/gtest.h>

#include "calc/Bodies.h"
#include "events/CalendarTable.h"

namespace orvanta {
namespace {

using Kind = CalendarEvent::Kind;

constexpr double kDay = 2460000.5;  // 25.02.2023 00:00 UT: JD 2460000.0 is noon of 24.02.2023

CalendarEvent aspect(double time, int body, double angle, int point, bool retrograde = false) {
    CalendarEvent event{Kind::Aspect, time, body, retrograde};
    event.aspectAngle = angle;
    event.point = point;
    event.pass = retrograde ? 2 : 1;
    event.passes = retrograde ? 3 : 1;
    event.orbFrom = time - 1.0;
    event.orbTo = time + 1.0;
    return event;
}

// Five events in time order; their cells are worked out by hand at UTC+3.
std::vector<CalendarEvent> sampleEvents() {
    CalendarEvent ingress{Kind::Ingress, kDay + 1.0, Bodies::Jupiter, false};
    ingress.sign = 4;
    const CalendarEvent station{Kind::Station, kDay + 2.0, Bodies::Mercury, true};
    return {aspect(kDay + 0.5, Bodies::Saturn, 90.0, Bodies::Sun), ingress, station,
            aspect(kDay + 3.0, Bodies::Mars, 0.0, 26, true),
            aspect(kDay + 4.0, Bodies::Sun, 120.0, Bodies::Moon)};
}

std::vector<std::string> column(const CalendarTable& table, int column) {
    std::vector<std::string> cells;
    for (std::size_t row = 0; row < table.rowCount(); ++row) {
        cells.push_back(table.cell(row, column));
    }
    return cells;
}

TEST(CalendarTableTest, RowsShowEachKindOfEventInTheChosenClock) {
    const CalendarTable table(sampleEvents(), CalendarZone::fixed(3.0));
    ASSERT_EQ(table.rowCount(), 5u);
    const std::vector<std::vector<std::string>> expected = {
        {"25.02.2023 15:00:00", "Сатурн", "□", "Солнце", "", "1/1",
         "24.02.2023 15:00 – 26.02.2023 15:00"},
        {"26.02.2023 03:00:00", "Юпитер", "входит в", "Рак", "", "", ""},
        {"27.02.2023 03:00:00", "Меркурий", "стоянка", "", "R", "", ""},
        {"28.02.2023 03:00:00", "Марс", "☌", "X дом", "R", "2/3",
         "27.02.2023 03:00 – 01.03.2023 03:00"},
        {"01.03.2023 03:00:00", "Солнце", "△", "Луна", "", "1/1",
         "28.02.2023 03:00 – 02.03.2023 03:00"},
    };
    for (std::size_t row = 0; row < expected.size(); ++row) {
        for (int c = 0; c < CalendarTable::ColumnCount; ++c) {
            EXPECT_EQ(table.cell(row, c), expected[row][static_cast<std::size_t>(c)])
                << row << ":" << c;
        }
    }
    // Noon UT is 15:00 the same day at +3.
    const auto local = table.localMoment(0);
    EXPECT_EQ(local.day, 25);
    EXPECT_EQ(local.hour, 15);
}

TEST(CalendarTableTest, FilterMatchesBodyAspectOrPointInAnyCaseButNotTheTime) {
    CalendarTable table(sampleEvents(), CalendarZone::fixed(0.0));
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"СОЛН", {"Сатурн", "Солнце"}},  // as the point, then as the body
        {"сатурн", {"Сатурн"}},
        {"□", {"Сатурн"}},
        {"дом", {"Марс"}},
        {"рак", {"Юпитер"}},
        {"ёж", {}},
        {"2023", {}},
        {"", {"Сатурн", "Юпитер", "Меркурий", "Марс", "Солнце"}},
    };
    for (const auto& [filter, bodies] : cases) {
        table.setFilter(filter);
        EXPECT_EQ(column(table, CalendarTable::Body), bodies) << filter;
    }
    EXPECT_EQ(CalendarTable::folded("АБВЁЯ Sun ☌"), "абвёя sun ☌");
}

TEST(CalendarTableTest, SortingByAColumnKeepsTimeOrderAmongEqualsAndFiltersStillApply) {
    CalendarTable table(sampleEvents(), CalendarZone::fixed(0.0));
    table.sortBy(CalendarTable::Body, false);  // by number: Saturn 7, Jupiter 6, Mars 5
    EXPECT_EQ(column(table, CalendarTable::Body),
              (std::vector<std::string>{"Сатурн", "Юпитер", "Марс", "Меркурий", "Солнце"}));
    // Aspects by angle, then the ingress and the station.
    table.sortBy(CalendarTable::Aspect, true);
    EXPECT_EQ(column(table, CalendarTable::Aspect),
              (std::vector<std::string>{"☌", "□", "△", "входит в", "стоянка"}));
    table.sortBy(CalendarTable::Retrograde, true);
    EXPECT_EQ(column(table, CalendarTable::Body),
              (std::vector<std::string>{"Сатурн", "Юпитер", "Солнце", "Меркурий", "Марс"}));
    table.setFilter("с");  // "стоянка" holds it too
    EXPECT_EQ(column(table, CalendarTable::Body),
              (std::vector<std::string>{"Сатурн", "Солнце", "Меркурий", "Марс"}));
    EXPECT_EQ(table.shownEvents().back().body, Bodies::Mars);
    EXPECT_EQ(table.eventCount(), 5u);
}

}  // namespace
}  // namespace orvanta
