#include <gtest/gtest.h>

#include "calc/Calendar.h"
#include "events/TransitPhrase.h"

namespace orvanta {
namespace {

// The fixed pieces, typed from the phrase table of the design documents.
const std::string P1 = " - время середины диапазона длительностью около ";
const std::string P2 =
    ", когда Ваше внимание притягивает сфера жизни, которая описывается словами:\r\n  ";
const std::string P3 =
    "\r\n  Если Вы целиком погрузитесь в эту сферу, то Вам не избежать состояния, "
    "характеризующегося как:\r\n  ";
const std::string P4 =
    "\r\n  Это состояние способно повлиять на дела другой сферы Вашей жизни, определяемой "
    "как:\r\n  ";
const std::string P5 =
    ", когда текущие события жизни погружают Вас в состояние, характеризующееся как:\r\n  ";
const std::string P6 =
    "\r\n  Это состояние способно повлиять на дела в сфере Вашей жизни, определяемой как:\r\n  ";
const std::string P7 = "В течение продолжительного времени порядка ";
const std::string P8 = " Ваше внимание притягивает сфера жизни, которая описывается словами:\r\n  ";

TransitSituation at(double hoursIntoDay, double duration) {
    TransitSituation s;
    s.moment = Calendar::hoursSinceBase({7, 12, 2026}, hoursIntoDay);
    s.duration = duration;
    s.body = 4;
    s.radix = 1;
    s.aspectIndex = 3;
    s.orb = 1.0;
    return s;
}

TEST(TransitPhrase, AssemblesEachKindFromItsPieces) {
    const TransitPhrase::Labels labels{"Сфера Б", "Состояние А", "Сфера Н"};
    struct Case {
        SituationKind kind;
        TransitSituation situation;
        TransitPhrase::Labels labels;
        std::string expected;
    };
    // Durations in words worked by hand: 36 h = 1.5 days, 50/60 h = 50 min, 17532 h = 2 years.
    const Case cases[] = {
        {SituationKind::Moon, at(9.0 + 5.0 / 60.0, 36.0), labels,
         "09ч05м" + P1 + "1.5 сут." + P5 + "Состояние А" + P6 + "Сфера Н"},
        // 6 h 59.7 min: the minutes round to 60 and carry into the hour.
        {SituationKind::Day, at(6.0 + 59.7 / 60.0, 50.0 / 60.0), labels,
         "07ч00м" + P1 + "50 мин." + P2 + "Сфера Б" + P3 + "Состояние А" + P4 + "Сфера Н"},
        // No time for an orb transit; an empty natal label still ends the text with P4.
        {SituationKind::Orb,
         at(0.0, 17532.0),
         {"Сфера Б", "Состояние А", ""},
         P7 + "2 лет." + P8 + "Сфера Б" + P3 + "Состояние А" + P4},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TransitPhrase::build(c.kind, c.situation, c.labels), c.expected)
            << static_cast<int>(c.kind);
    }
}

}  // namespace
}  // namespace orvanta
