#pragma once

#include <QDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <array>
#include <functional>

#include "doc/ChartStep.h"
#include "doc/ChartStepper.h"

namespace orvanta {

class OpenChart;
class TimeChangeBase;

// "Шаг пересчета": five step amounts and an up-down control that moves the chart's birth moment
// forward ("+") or back ("_") by them on every click, "Обнулить" and "Завершить".
class StepDialog : public QDialog {
    Q_OBJECT
  public:
    using StepHandler = std::function<void(const ChartStep&, ChartStepper::Direction)>;

    explicit StepDialog(StepHandler onStep, QWidget* parent = nullptr);

    // The dialog on an open chart: every step moves the chart and redraws its windows.
    static void run(OpenChart& chart, const TimeChangeBase& timeChanges, QWidget* parent);

    ChartStep amounts() const;
    void setAmounts(const ChartStep& step);
    // One click of the stepping control; a step of nothing does nothing.
    void stepChart(ChartStepper::Direction direction);

    QToolButton* forwardButton() const { return forward_; }
    QToolButton* backwardButton() const { return backward_; }
    QPushButton* resetButton() const { return reset_; }

  private:
    enum Amount { Years, Months, Days, Hours, Minutes, AmountCount };
    QSpinBox* addAmount(Amount amount, const char* label, const char* toolTip);
    QWidget* buildStepper();

    StepHandler onStep_;
    std::array<QSpinBox*, AmountCount> amounts_{};
    QToolButton* forward_ = nullptr;
    QToolButton* backward_ = nullptr;
    QPushButton* reset_ = nullptr;
};

}  // namespace orvanta
