#include <gtest/gtest.h>

#include "events/DialLegend.h"

namespace orvanta {
namespace {

const Date kDay{15, 6, 2024};

TransitSituation withAspect(int body, int aspect) {
    TransitSituation r;
    r.moment = Calendar::hoursSinceBase(kDay, 12.0);
    r.body = body;
    r.aspectIndex = aspect;
    r.duration = 2.0;
    r.orb = 1.0;
    return r;
}

TEST(DialLegend, ListsTheColourOfEveryAspectOfTheDayOnceInTheirOrder) {
    TransitAspectTable aspects{};
    aspects[1] = {.colour = 0x0000FF, .angle = 180.0, .label = "противостояние"};
    aspects[3] = {.colour = 0x00FF00, .angle = 90.0};  // the default label is not shown
    aspects[5].colour = 0xFF0000;
    // Aspect 3 on an arc and in a Moon sector, aspect 1 on a ring; aspect 5 is not that day.
    const TransitList situations = {withAspect(5, 3), withAspect(2, 3)};
    const TransitList orbs = {withAspect(8, 1)};
    const auto rows = DialLegend::rows(aspects, TransitDay(situations, orbs, kDay));
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_FALSE(rows[0].swatch);  // what arcs, sectors and rings are comes first
    EXPECT_EQ(rows[4].colour, 0x0000FFu);
    EXPECT_EQ(rows[4].text, "180° — противостояние");
    EXPECT_EQ(rows[5].colour, 0x00FF00u);
    EXPECT_EQ(rows[5].text, "90°");
    EXPECT_TRUE(rows[5].swatch);
}

}  // namespace
}  // namespace orvanta
