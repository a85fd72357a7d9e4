#include "settings/LineStyleDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "settings/CAspColorDlg.h"
#include "settings/LineButton.h"
#include "settings/SheetControls.h"

namespace orvanta {
namespace {

constexpr const char* kStyleCaptions[LineStyleValues::kStyleCount] = {
    "Сплошная", "Пунктирная", "Точками", "Точка-тире", "Точка-точка-тире"};
// A typed width is taken as typed; the arrows keep to 0 ... 10.
constexpr int kLargestTypedWidth = 99;

// The width field: its arrows step the way the line style values say.
class WidthSpinBox : public QSpinBox {
  public:
    WidthSpinBox(LineStyleValues& values, QWidget* parent) : QSpinBox(parent), values_(values) {
        setRange(LineStyleValues::kThinnest, kLargestTypedWidth);
    }
    void stepBy(int steps) override {
        values_.width = value();
        values_.step(steps);
        setValue(values_.width);
    }

  protected:
    StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }

  private:
    LineStyleValues& values_;
};

}  // namespace

LineStyleDialog::LineStyleDialog(AspectSetting& aspect, QWidget* parent)
    : QDialog(parent), aspect_(aspect), values_(aspect) {
    setWindowTitle("Тип линии");

    values_.writeTo(sampleAspect_);
    sample_ = new LineButton(sampleAspect_, this);
    sample_->setToolTip("Пример");
    sample_->setFocusPolicy(Qt::NoFocus);
    sample_->setFixedSize(120, 60);

    colour_ = new QPushButton("Цвет", this);
    colour_->setToolTip("Задайте цвет линии");
    colour_->setAutoDefault(false);
    connect(colour_, &QPushButton::clicked, this, &LineStyleDialog::chooseColour);

    width_ = new WidthSpinBox(values_, this);
    width_->setValue(values_.width);
    width_->setToolTip("Задайте толщину линии");
    auto* widthLabel = new QLabel("Толщина", this);
    widthLabel->setBuddy(width_);
    connect(width_, &QSpinBox::valueChanged, this, [this] { takeControls(); });

    auto* styleBox = new QGroupBox(this);
    auto* styleLayout = new QVBoxLayout(styleBox);
    styles_ = new QButtonGroup(this);
    for (int style = 0; style < LineStyleValues::kStyleCount; ++style) {
        auto* radio = new QRadioButton(kStyleCaptions[style], styleBox);
        radio->setToolTip("Выберите тип линии");
        styles_->addButton(radio, style);
        styleLayout->addWidget(radio);
    }
    styles_->button(values_.style)->setChecked(true);
    connect(styles_, &QButtonGroup::idClicked, this, [this] { takeControls(); });

    auto* grid = new QGridLayout;
    grid->addWidget(sample_, 0, 0, 1, 2, Qt::AlignCenter);
    grid->addWidget(colour_, 1, 0, 1, 2);
    grid->addWidget(widthLabel, 2, 0);
    grid->addWidget(width_, 2, 1);
    grid->addWidget(styleBox, 0, 2, 4, 1);
    grid->setRowStretch(3, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(SheetControls::okCancelRow(this));
}

void LineStyleDialog::takeControls() {
    values_.width = width_->value();
    values_.style = styles_->checkedId();
    values_.writeTo(sampleAspect_);
    sampleAspect_.lineWidth = values_.width;
    sample_->update();
}

void LineStyleDialog::chooseColour() {
    CAspColorDlg chooser(values_.colour, this);
    if (chooser.run()) takeControls();
}

void LineStyleDialog::accept() {
    takeControls();
    values_.writeTo(aspect_);
    QDialog::accept();
}

}  // namespace orvanta
