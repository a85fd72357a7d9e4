#include <gtest/gtest.h>

#include "events/EventChart.h"
#include "support/MessageRecorder.h"

namespace orvanta {
namespace {

// The event chart only answers with what failed: the document decides what to show. A build
// for its date is kept until the date or the settings change.
TEST(EventChart, KeepsItsBuildForItsDateAndAnswersWithWhatFailed) {
    const testing::MessageRecorder recorder;
    EventChart events;
    auto& state = events.state();
    state.date = {15, 6, 2024};
    ChartData natal;
    natal.housesUnavailable = 1;
    int asked = 0;
    const auto unreachable = [&asked](Date, int, ChartData&) {
        ++asked;
        return false;
    };

    const auto build = events.rebuild(natal, nullptr, unreachable);
    EXPECT_FALSE(build.positionsComputed);
    EXPECT_EQ(asked, 1);  // the run stops at the first step without positions
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_TRUE(state.computed);
    EXPECT_EQ(state.builtFor, (Date{15, 6, 2024}));
    EXPECT_FALSE(events.ensure(natal, nullptr).has_value());

    EXPECT_FALSE(events.applySettings(state.settings()));
    EXPECT_TRUE(state.builtFor.has_value());
    auto settings = state.settings();
    settings.precisionIndex = 3;
    EXPECT_TRUE(events.applySettings(settings));
    EXPECT_EQ(state.precisionIndex, 3);
    EXPECT_FALSE(state.builtFor.has_value());
}

}  // namespace
}  // namespace orvanta
