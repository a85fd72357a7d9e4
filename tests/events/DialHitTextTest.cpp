#include <gtest/gtest.h>

#include "events/DialHitText.h"

namespace orvanta {
namespace {

const Date kDay{15, 6, 2024};
const double kStart = Calendar::hoursSinceBase(kDay, 0.0);

TransitSituation record(int body, int aspect, double angle, double hoursIntoDay, double duration) {
    TransitSituation r;
    r.moment = kStart + hoursIntoDay;
    r.body = body;
    r.radix = 1;
    r.aspectIndex = aspect;
    r.aspectAngle = angle;
    r.duration = duration;
    r.orb = 1.0;
    return r;
}

struct Names {
    ChartData bodies;
    ChartData natal;
    TransitAspectTable aspects{};
    Names() {
        bodies.style[5].name = "Марс";
        bodies.style[6].name = "Юпитер";
        natal.style[1].name = "Солнце";
        aspects[3].label = "напряжение";
        aspects[4].label = "";
    }
    DialHitText::Names view() const { return {bodies, aspects, natal}; }
};

TEST(DialHitText, NamesTheSituationItsExactMomentAndItsSpanWithinTheDay) {
    const Names names;
    // Exact at 23:00 for 4 hours: from 21:00, held to the day's end at 24:00.
    const TransitList situations = {record(5, 3, 90.0, 23.0, 4.0)};
    const TransitDay day(situations, {}, kDay);
    EXPECT_EQ(DialHitText::describe({DialLayout::Hit::Kind::Situation, 0}, day, names.view()),
              "Транзит: Марс · аспект 90° (напряжение) · натальная точка: Солнце\n"
              "Точно в 23ч00м, с 21ч00м до 24ч00м (" +
                  Calendar::durationWords(4.0) + ")");
}

TEST(DialHitText, ARingListsEveryOrbTransitOfItsAspect) {
    const Names names;
    const TransitList orbs = {record(5, 3, 90.0, 0.0, 24.0), record(6, 4, 120.0, 0.0, 24.0),
                              record(6, 3, 90.0, 0.0, 24.0)};
    const TransitDay day({}, orbs, kDay);
    EXPECT_EQ(DialHitText::describe({DialLayout::Hit::Kind::Orb, 0}, day, names.view()),
              "В орбисе весь день:\n"
              "Транзит: Марс · аспект 90° (напряжение) · натальная точка: Солнце\n"
              "Транзит: Юпитер · аспект 90° (напряжение) · натальная точка: Солнце");
    EXPECT_EQ(DialHitText::describe({DialLayout::Hit::Kind::Moon, 0}, day, names.view()), "");
}

}  // namespace
}  // namespace orvanta
