#include <gtest/gtest.h>

#include <QSpinBox>
#include <vector>

#include "WidgetInput.h"
#include "ui/StepDialog.h"

namespace orvanta {
namespace {

using testing::click;
using Direction = ChartStepper::Direction;

struct Call {
    ChartStep step;
    Direction direction;
};

TEST(StepDialog, StepsByTheAmountsShownAndNeverByNothing) {
    testing::widgetApplication();
    std::vector<Call> calls;
    StepDialog dialog([&](const ChartStep& step, Direction d) { calls.push_back({step, d}); });
    dialog.show();

    // It opens with every amount at 0, and then the stepping control does nothing.
    EXPECT_TRUE(ChartStepper::isEmpty(dialog.amounts()));
    click(dialog.forwardButton());
    EXPECT_TRUE(calls.empty());

    dialog.findChild<QSpinBox*>("Мес-в")->setValue(2);
    dialog.findChild<QSpinBox*>("Минут")->setValue(100);
    dialog.findChild<QSpinBox*>("Минут")->setValue(101);  // held at 100
    click(dialog.forwardButton());
    click(dialog.backwardButton());
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].step.months, 2);
    EXPECT_EQ(calls[0].step.minutes, 100);
    EXPECT_EQ(calls[0].step.days, 0);
    EXPECT_EQ(calls[0].direction, Direction::Forward);
    EXPECT_EQ(calls[1].direction, Direction::Backward);

    click(dialog.resetButton());
    EXPECT_TRUE(ChartStepper::isEmpty(dialog.amounts()));
    click(dialog.backwardButton());
    EXPECT_EQ(calls.size(), 2u);
}

}  // namespace
}  // namespace orvanta
