#include <gtest/gtest.h>

#include "birthdata/PlaceBase.h"
#include "birthdata/PlaceFinder.h"
#include "birthdata/WorldAtlas.h"
#include "doc/ForecastChoice.h"
#include "doc/ForecastDate.h"
#include "doc/ReturnCasting.h"
#include "events/CalendarMoment.h"
#include "support/FakeSky.h"

namespace orvanta {
namespace {

using Kind = ForecastRequest::Kind;
using Unit = ForecastDate::Unit;

// Born in Moscow on 15 June 1990 at 10:00, three hours ahead of Greenwich.
BirthData moscowBirth() {
    BirthData birth;
    birth.name = "Анна";
    birth.place = "Москва";
    birth.day = 15;
    birth.month = 6;
    birth.year = 1990;
    birth.latitude = 55.7522;
    birth.longitude = 37.6156;
    birth.diffGreenwich = 3.0;
    return birth;
}

TEST(ForecastChoiceTest, OffersTodayThisMonthAndTheSolarYearOfTheLastBirthday) {
    struct Case {
        int birthDay, birthMonth;
        Date today;
        int solarYear;
    };
    // The solar year begins on the birthday; one born on 29 February has it on 1 March in a
    // common year, as the return search counts it.
    const Case cases[] = {{15, 6, {14, 6, 2026}, 2025},
                          {15, 6, {15, 6, 2026}, 2026},
                          {29, 2, {28, 2, 2025}, 2024},
                          {29, 2, {1, 3, 2025}, 2025}};
    for (const Case& c : cases) {
        BirthData birth = moscowBirth();
        birth.day = c.birthDay;
        birth.month = c.birthMonth;
        const ForecastChoice choice(birth, c.today);
        EXPECT_EQ(choice.solarYear, c.solarYear) << c.today.day << "." << c.today.month;
        EXPECT_EQ(choice.target, c.today);
        EXPECT_EQ(choice.lunarYear, c.today.year);
        EXPECT_EQ(choice.lunarMonth, c.today.month);
        EXPECT_EQ(choice.kind, Kind::Progressions);
        EXPECT_EQ(choice.placeKind, ForecastChoice::PlaceKind::Birth);
    }
}

TEST(ForecastChoiceTest, RefusesDatesBeforeTheBirthAndReturnsNotAfterIt) {
    struct Case {
        Kind kind;
        Date target;
        int year, month;
        const char* problem;  // a part of the message; empty when the choice is good
    };
    const Case cases[] = {
        {Kind::Progressions, {15, 6, 1990}, 0, 0, ""},
        {Kind::SolarArc, {14, 6, 1990}, 0, 0, "раньше даты рождения 15.06.1990"},
        {Kind::Progressions, {30, 2, 2020}, 0, 0, "от 1860 до 2130"},
        {Kind::SolarReturn, {}, 1991, 0, ""},
        {Kind::SolarReturn, {}, 1990, 0, "с 1991 года"},
        {Kind::SolarReturn, {}, 2131, 0, "от 1860 до 2130"},
        {Kind::LunarReturn, {}, 1990, 7, ""},
        {Kind::LunarReturn, {}, 1990, 6, "после месяца рождения"},
        {Kind::LunarReturn, {}, 2000, 13, "от 1 до 12"},
    };
    for (const Case& c : cases) {
        ForecastChoice choice(moscowBirth(), {1, 1, 2026});
        choice.kind = c.kind;
        choice.target = c.target;
        choice.solarYear = choice.lunarYear = c.year;
        choice.lunarMonth = c.month;
        const std::string problem = choice.problem();
        if (*c.problem == '\0') {
            EXPECT_EQ(problem, "") << static_cast<int>(c.kind);
        } else {
            EXPECT_NE(problem.find(c.problem), std::string::npos) << problem;
        }
    }
}

TEST(ForecastChoiceTest, RequestTakesTheKindsOwnValuesAndThePlacesClock) {
    ForecastChoice choice(moscowBirth(), {8, 12, 2026});
    choice.solarYear = 2027;
    choice.lunarYear = 2028;
    choice.lunarMonth = 3;
    PlaceBase noPlaces;
    std::string reason;

    // Without the atlas the birth place keeps the birth's own difference from Greenwich.
    const PlaceFinder withoutAtlas(noPlaces, nullptr);
    const auto birthPlace = choice.placeOf(withoutAtlas, reason);
    ASSERT_TRUE(birthPlace);
    EXPECT_EQ(birthPlace->name, "Москва");
    EXPECT_EQ(birthPlace->zone.name(), "UTC+03:00");
    choice.kind = Kind::SolarReturn;
    ForecastRequest request = choice.request(*birthPlace);
    EXPECT_EQ(request.year, 2027);
    choice.kind = Kind::LunarReturn;
    request = choice.request(*birthPlace);
    EXPECT_EQ(request.year, 2028);
    EXPECT_EQ(request.month, 3);
    // The year entered goes to the kind's own year and leaves the other's.
    choice.setYear(2030);
    choice.kind = Kind::SolarReturn;
    EXPECT_EQ(choice.year(), 2027);
    EXPECT_EQ(choice.lunarYear, 2030);

    // With it, Moscow's clock and its history; another city gives its own.
    const PlaceFinder places(noPlaces, &WorldAtlas::shared());
    EXPECT_EQ(choice.placeOf(places, reason)->zone.name(), "Europe/Moscow");
    choice.placeKind = ForecastChoice::PlaceKind::Named;
    choice.place = "Новосибирск";
    const auto novosibirsk = choice.placeOf(places, reason);
    ASSERT_TRUE(novosibirsk) << reason;
    EXPECT_EQ(novosibirsk->zone.name(), "Asia/Novosibirsk");
    EXPECT_NEAR(novosibirsk->latitude, 55.04, 0.05);  // 55°02′ N, 82°56′ E
    EXPECT_NEAR(novosibirsk->longitude, 82.93, 0.05);

    choice.place = "Нигдеград";
    EXPECT_FALSE(choice.placeOf(places, reason));
    EXPECT_NE(reason.find("«Нигдеград» не найдено"), std::string::npos) << reason;
}

// Each row: where the date starts, the steps taken one after another, and the date after each.
TEST(ForecastDateTest, StepsKeepTheChosenDayAcrossMonthEndsAnd29February) {
    struct Step {
        Unit unit;
        int direction;
        Date after;
    };
    struct Case {
        Date start;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {{31, 1, 2025}, {{Unit::Month, 1, {28, 2, 2025}}, {Unit::Month, 1, {31, 3, 2025}}}},
        {{31, 1, 2024}, {{Unit::Month, 1, {29, 2, 2024}}, {Unit::Month, -1, {31, 1, 2024}}}},
        {{29, 2, 2024},
         {{Unit::Year, 1, {28, 2, 2025}},
          {Unit::Year, 1, {28, 2, 2026}},
          {Unit::Year, -1, {28, 2, 2025}}}},
        {{29, 2, 2024}, {{Unit::Year, -1, {28, 2, 2023}}, {Unit::Year, 1, {29, 2, 2024}}}},
        {{31, 1, 1900}, {{Unit::Month, 1, {28, 2, 1900}}}},  // 1900 is a common year
        {{31, 12, 2025}, {{Unit::Day, 1, {1, 1, 2026}}, {Unit::Month, -1, {1, 12, 2025}}}},
        {{1, 3, 2024}, {{Unit::Day, -1, {29, 2, 2024}}, {Unit::Year, 1, {28, 2, 2025}}}},
        // A step of days makes its day the one kept.
        {{31, 1, 2025},
         {{Unit::Day, -1, {30, 1, 2025}},
          {Unit::Month, 1, {28, 2, 2025}},
          {Unit::Month, 1, {30, 3, 2025}}}},
        {{15, 11, 2025}, {{Unit::Month, 1, {15, 12, 2025}}, {Unit::Month, 1, {15, 1, 2026}}}},
    };
    for (const Case& c : cases) {
        ForecastDate date(c.start, {1, 1, 1860});
        for (const Step& step : c.steps) {
            ASSERT_TRUE(date.step(step.unit, step.direction));
            EXPECT_EQ(date.date(), step.after)
                << "from " << c.start.day << "." << c.start.month << "." << c.start.year;
        }
    }
}

TEST(ForecastDateTest, StopsAtTheBirthAndTheCalendarsLastDay) {
    ForecastDate date({10, 5, 1991}, {10, 5, 1990});
    EXPECT_TRUE(date.step(Unit::Year, -1));
    EXPECT_EQ(date.date(), (Date{10, 5, 1990}));
    EXPECT_FALSE(date.step(Unit::Day, -1));
    EXPECT_EQ(date.date(), (Date{10, 5, 1990}));

    ForecastDate last({15, 12, 2130}, {1, 1, 1990});
    EXPECT_FALSE(last.step(Unit::Month, 1));
    EXPECT_EQ(last.date(), (Date{15, 12, 2130}));
    EXPECT_TRUE(last.step(Unit::Month, -1));
    EXPECT_EQ(last.date(), (Date{15, 11, 2130}));
}

// A lunar return of a month looks from the month's first midnight on the place's clock: a
// passage at 23:00 UT on 31 March is already April in Moscow, and still March at Greenwich.
TEST(ReturnCastingTest, LunarMonthBeginsOnThePlacesClock) {
    constexpr double kMoonRate = 13.2;  // degrees a day
    const double passage = CalendarMoment::julianDay(31, 3, 2024, 23.0);
    testing::FakeSky sky;
    sky.set(Bodies::Sun, 0.0, 1.0);
    sky.set(Bodies::Moon, 100.0 - kMoonRate * (passage - testing::FakeSky::kEpoch), kMoonRate);
    NatalChart natal;
    natal.birth = moscowBirth();
    natal.chart[Bodies::Moon].setLongitude(100.0);
    ForecastRequest request;
    request.kind = Kind::LunarReturn;
    request.year = 2024;
    request.month = 4;
    request.place.zone = CalendarZone::fixed(3.0);
    EXPECT_NEAR(*ReturnCasting::moment(sky, natal, request), passage, 1e-5);
    request.place.zone = CalendarZone::fixed(0.0);
    EXPECT_NEAR(*ReturnCasting::moment(sky, natal, request), passage + 360.0 / kMoonRate, 1e-5);
    EXPECT_EQ(ReturnCasting::name(natal, request), "Лунар 04.2024 — Анна");
    request.kind = Kind::SolarReturn;
    EXPECT_EQ(ReturnCasting::name(natal, request), "Соляр 2024 — Анна");
}

}  // namespace
}  // namespace orvanta
