#include "ui/StepDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "birthdata/TimeChangeBase.h"
#include "ui/OpenChart.h"

namespace orvanta {

StepDialog::StepDialog(StepHandler onStep, QWidget* parent)
    : QDialog(parent), onStep_(std::move(onStep)) {
    setWindowTitle("Шаг пересчета");
    auto* grid = new QGridLayout;
    const struct {
        Amount amount;
        const char* label;
        const char* toolTip;
    } kAmounts[] = {{Years, "Лет", "Шаг в годах"},
                    {Months, "Мес-в", "Шаг в месяцах"},
                    {Days, "Дней", "Шаг в днях"},
                    {Hours, "Часов", "Шаг в часах"},
                    {Minutes, "Минут", "Шаг в минутах"}};
    int column = 0;
    for (const auto& entry : kAmounts) {
        QSpinBox* box = addAmount(entry.amount, entry.label, entry.toolTip);
        auto* label = new QLabel(QString::fromUtf8(entry.label), this);
        label->setBuddy(box);
        grid->addWidget(label, 0, column, Qt::AlignHCenter);
        grid->addWidget(box, 1, column);
        ++column;
    }

    reset_ = new QPushButton("Обнулить", this);
    reset_->setObjectName("reset");
    reset_->setToolTip("Обнулить значения шага");
    reset_->setAutoDefault(false);
    auto* finish = new QPushButton("Завершить", this);
    finish->setObjectName("finish");
    finish->setToolTip("Закрыть окно диалога");
    finish->setAutoDefault(false);
    connect(reset_, &QPushButton::clicked, this, [this] { setAmounts({0, 0, 0, 0, 0}); });
    connect(finish, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(reset_);
    buttons->addWidget(finish);
    buttons->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buildStepper());
    layout->addLayout(buttons);
    setAmounts({0, 0, 0, 0, 0});
}

QSpinBox* StepDialog::addAmount(Amount amount, const char* label, const char* toolTip) {
    auto* box = new QSpinBox(this);
    box->setRange(0, 100);
    box->setObjectName(QString::fromUtf8(label));
    box->setToolTip(QString::fromUtf8(toolTip));
    amounts_[amount] = box;
    return box;
}

// The up-down control: "+" above steps forward, "_" below steps back.
QWidget* StepDialog::buildStepper() {
    auto* stepper = new QWidget(this);
    auto* column = new QGridLayout(stepper);
    column->setContentsMargins(6, 0, 6, 0);
    column->setVerticalSpacing(0);
    const auto arrow = [this, stepper](Qt::ArrowType type, const char* name) {
        auto* button = new QToolButton(stepper);
        button->setArrowType(type);
        button->setObjectName(name);
        button->setToolTip("Пересчитать карту");
        button->setAutoRepeat(true);
        return button;
    };
    forward_ = arrow(Qt::UpArrow, "stepForward");
    backward_ = arrow(Qt::DownArrow, "stepBackward");
    column->addWidget(new QLabel("+", stepper), 0, 0, Qt::AlignHCenter);
    column->addWidget(forward_, 1, 0);
    column->addWidget(backward_, 2, 0);
    column->addWidget(new QLabel("_", stepper), 3, 0, Qt::AlignHCenter);
    column->addWidget(new QLabel("шаг", stepper), 1, 1, 2, 1, Qt::AlignVCenter);
    connect(forward_, &QToolButton::clicked, this,
            [this] { stepChart(ChartStepper::Direction::Forward); });
    connect(backward_, &QToolButton::clicked, this,
            [this] { stepChart(ChartStepper::Direction::Backward); });
    return stepper;
}

ChartStep StepDialog::amounts() const {
    return ChartStep{amounts_[Years]->value(), amounts_[Months]->value(), amounts_[Days]->value(),
                     amounts_[Hours]->value(), amounts_[Minutes]->value()};
}

void StepDialog::setAmounts(const ChartStep& step) {
    amounts_[Years]->setValue(step.years);
    amounts_[Months]->setValue(step.months);
    amounts_[Days]->setValue(step.days);
    amounts_[Hours]->setValue(step.hours);
    amounts_[Minutes]->setValue(step.minutes);
}

void StepDialog::stepChart(ChartStepper::Direction direction) {
    const ChartStep step = amounts();
    if (ChartStepper::isEmpty(step)) return;
    if (onStep_) onStep_(step, direction);
}

void StepDialog::run(OpenChart& chart, const TimeChangeBase& timeChanges, QWidget* parent) {
    StepDialog dialog(
        [&chart, &timeChanges](const ChartStep& step, ChartStepper::Direction direction) {
            chart.doc().step() = step;
            if (chart.doc().stepChart(direction, &timeChanges)) chart.setModified(true);
        },
        parent);
    dialog.exec();
}

}  // namespace orvanta
