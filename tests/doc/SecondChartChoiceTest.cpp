#include <gtest/gtest.h>

#include "doc/SecondChartChoice.h"
#include "natal/CompositeChart.h"

namespace orvanta {
namespace {

using Purpose = SecondChartChoice::Purpose;

BirthData named(const std::string& name) {
    BirthData birth;
    birth.name = name;
    return birth;
}

TEST(SecondChartChoice, OffersTheOtherChartsThenTheFileAndMapsEntriesBack) {
    const SecondChartChoice choice(
        Purpose::Synastry, named("Анна"),
        {{"boris.map", named("Борис")}, {"Без имени 2", named("")}, {"Вера", named("Вера")}});
    // A chart without a name, or titled by it, is listed by its title alone.
    EXPECT_EQ(choice.entries(), (std::vector<std::string>{"boris.map — Борис", "Без имени 2",
                                                          "Вера", "Из файла..."}));
    EXPECT_EQ(choice.fileEntry(), 3u);
    EXPECT_EQ(choice.initialEntry(), 0u);
    EXPECT_EQ(choice.chartOf(0), 0u);
    EXPECT_EQ(choice.chartOf(2), 2u);
    EXPECT_EQ(choice.chartOf(3), std::nullopt);  // the file
    EXPECT_EQ(choice.chartOf(7), std::nullopt);
}

TEST(SecondChartChoice, WithNoOtherChartTheFileIsTheOnlyAndInitialEntry) {
    const SecondChartChoice choice(Purpose::Composite, named("Анна"), {});
    EXPECT_EQ(choice.entries(), std::vector<std::string>{"Из файла..."});
    EXPECT_EQ(choice.initialEntry(), choice.fileEntry());
    EXPECT_EQ(choice.chartOf(choice.initialEntry()), std::nullopt);
}

// Only a Davison chart needs both birth moments, which a composite does not have.
TEST(SecondChartChoice, OnlyADavisonChartOfACompositeIsRefused) {
    const std::string composite = std::string(CompositeChart::kNamePrefix) + "Анна и Борис";
    struct Case {
        Purpose purpose;
        std::string first;
        std::string second;
        bool refused;
    };
    const Case cases[] = {
        {Purpose::Davison, "Анна", "Борис", false},
        {Purpose::Davison, composite, "Борис", true},
        {Purpose::Davison, "Анна", composite, true},
        {Purpose::Composite, composite, "Борис", false},
        {Purpose::Synastry, "Анна", composite, false},
    };
    for (const Case& c : cases) {
        const SecondChartChoice choice(c.purpose, named(c.first), {});
        const auto refusal = choice.refusal(named(c.second));
        EXPECT_EQ(refusal.has_value(), c.refused) << c.first << " / " << c.second;
        if (refusal) {
            EXPECT_EQ(*refusal, SecondChartChoice::kNoMomentMessage);
        }
    }
}

}  // namespace
}  // namespace orvanta
