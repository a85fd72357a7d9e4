#include <gtest/gtest.h>

#include "birthdata/PlaceBase.h"
#include "birthdata/PlaceFinder.h"
#include "calc/Bodies.h"
#include "doc/CZodiacDoc.h"
#include "doc/CalendarChoice.h"

namespace orvanta {
namespace {

// A chart with houses whose object n stands at 10 n degrees; Mars and Pluto are off for
// transits, the V cusp off as a radix point; the aspect table holds a conjunction, an
// excluded sextile, a square, and a square again.
CZodiacDoc handChart() {
    CZodiacDoc doc;
    for (int n = 1; n <= Bodies::kLastCusp; ++n) doc.natal().chart[n].setLongitude(10.0 * n);
    doc.eventChart().bodies().style[Bodies::Mars].transitUse = 0;
    doc.eventChart().bodies().style[10].transitUse = 0;
    doc.natal().chart.style[21].radixUse = 0;
    TransitAspectTable& aspects = doc.eventChart().aspects();
    for (AspectSetting& aspect : aspects) aspect.orb = 0.0;  // unused rows
    aspects[0] = {.angle = 0.0, .orb = 8.0, .included = 1};
    aspects[1] = {.angle = 60.0, .orb = 4.0, .included = 0};
    aspects[2] = {.angle = 90.0, .orb = 6.0, .included = 1};
    aspects[3] = {.angle = 90.0, .orb = 5.0, .included = 1};
    return doc;
}

std::vector<int> numbersOn(const std::vector<CalendarChoice::Item>& items) {
    std::vector<int> on;
    for (const auto& item : items) {
        if (item.on) on.push_back(item.number);
    }
    return on;
}

TEST(CalendarChoiceTest, PresetFollowsTheEventChartSettingsAndAYearOn) {
    const CZodiacDoc doc = handChart();
    const CalendarChoice choice(doc, {29, 2, 2024});
    EXPECT_EQ(choice.from, (Date{29, 2, 2024}));
    EXPECT_EQ(choice.to, (Date{28, 2, 2025}));  // no 29 February in 2025
    EXPECT_EQ(CalendarChoice(doc, {5, 6, 2030}).to, (Date{5, 6, 2031}));
    EXPECT_FALSE(choice.moon);

    ASSERT_EQ(choice.bodies.size(), 15u);  // the Moon has its own switch
    EXPECT_EQ(choice.bodies[1].name, "Меркурий");
    EXPECT_EQ(numbersOn(choice.bodies),
              (std::vector<int>{1, 3, 4, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16}));
    ASSERT_EQ(choice.points.size(), 28u);
    EXPECT_EQ(choice.points[20].name, "V дом");
    EXPECT_FALSE(choice.points[20].on);
    EXPECT_EQ(numbersOn(choice.points).size(), 27u);

    // One row per angle, the first orb of a doubled one; the excluded sextile offered off.
    ASSERT_EQ(choice.aspects.size(), 3u);
    const double angles[] = {0.0, 60.0, 90.0};
    const double orbs[] = {8.0, 4.0, 6.0};
    const bool on[] = {true, false, true};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(choice.aspects[i].aspect.angle, angles[i]);
        EXPECT_EQ(choice.aspects[i].aspect.orb, orbs[i]);
        EXPECT_EQ(choice.aspects[i].on, on[i]);
    }
    EXPECT_EQ(choice.aspects[2].symbol, "□");
}

TEST(CalendarChoiceTest, ProblemsSayWhatKeepsTheSearchFromRunning) {
    const CZodiacDoc doc = handChart();
    using Change = void (*)(CalendarChoice&);
    const std::pair<Change, const char*> cases[] = {
        {[](CalendarChoice& c) {
             c.to = {1, 1, 2131};
         },
         "между 1.1.1860 и 31.12.2130"},
        {[](CalendarChoice& c) {
             c.to = {28, 2, 2024};
         },
         "раньше его начала"},
        {[](CalendarChoice& c) {
             c.from = {1, 1, 1900};
             c.to = {1, 1, 2100};  // a day over
         },
         "длиннее 200 лет"},
        {[](CalendarChoice& c) {
             for (auto& b : c.bodies) b.on = false;
         },
         "ни одной транзитной планеты"},
        {[](CalendarChoice& c) {
             for (auto& p : c.points) p.on = false;
         },
         "ни одной точки"},
        {[](CalendarChoice& c) {
             for (auto& a : c.aspects) a.on = false;
         },
         "ни одного аспекта"},
        {[](CalendarChoice& c) { c.zoneKind = CalendarChoice::ZoneKind::Place; }, "место"},
        {[](CalendarChoice& c) {
             c.zoneKind = CalendarChoice::ZoneKind::Fixed;
             c.zoneHours = 14.5;
         },
         "от -14 до 14"},
    };
    for (const auto& [change, words] : cases) {
        CalendarChoice choice(doc, {29, 2, 2024});
        EXPECT_EQ(choice.problem(), "");
        change(choice);
        EXPECT_NE(choice.problem().find(words), std::string::npos) << words;
    }
    // Exactly 200 years, and the Moon alone, are allowed.
    CalendarChoice longest(doc, {1, 1, 1900});
    longest.to = {31, 12, 2099};
    for (auto& b : longest.bodies) b.on = false;
    longest.moon = true;
    EXPECT_EQ(longest.problem(), "");
}

TEST(CalendarChoiceTest, RequestRunsFromMidnightToMidnightOnTheChosenClock) {
    const CZodiacDoc doc = handChart();
    CalendarChoice choice(doc, {1, 3, 2023});
    choice.to = {2, 3, 2023};
    choice.moon = true;
    choice.zoneKind = CalendarChoice::ZoneKind::Fixed;
    choice.zoneHours = 3.0;
    choice.points[0].on = false;  // the Sun
    choice.aspects[0].on = false;
    PlaceBase noPlaces;
    const PlaceFinder places(noPlaces, nullptr);
    std::string reason;
    const auto zone = choice.zone(places, reason);
    ASSERT_TRUE(zone);
    EXPECT_EQ(zone->name(), "UTC+03:00");
    const CalendarRequest request = choice.request(*zone);
    // 1.3.2023 00:00 UT is JD 2460004.5; local midnight at +3 is three hours earlier, and the
    // period ends at the midnight after its last day.
    EXPECT_NEAR(request.from, 2460004.5 - 3.0 / 24.0, 1e-9);
    EXPECT_NEAR(request.to, 2460006.5 - 3.0 / 24.0, 1e-9);
    EXPECT_EQ(request.bodies, (std::vector<int>{1, 2, 3, 4, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16}));
    ASSERT_EQ(request.points.size(), 26u);
    EXPECT_EQ(request.points[0].number, 2);
    EXPECT_EQ(request.points[0].longitude, 20.0);
    ASSERT_EQ(request.aspects.size(), 1u);
    EXPECT_EQ(request.aspects[0].angle, 90.0);

    // A place nobody knows gives no clock and says why.
    choice.zoneKind = CalendarChoice::ZoneKind::Place;
    choice.place = "Нигдеград";
    EXPECT_FALSE(choice.zone(places, reason));
    EXPECT_NE(reason.find("«Нигдеград» не найдено"), std::string::npos) << reason;
}

}  // namespace
}  // namespace orvanta
