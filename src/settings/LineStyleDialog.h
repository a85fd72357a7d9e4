#pragma once

#include <QButtonGroup>
#include <QDialog>
#include <QPushButton>
#include <QSpinBox>

#include "calc/AspectSetting.h"
#include "doc/LineStyleValues.h"

namespace orvanta {

class LineButton;

// "Тип линии": colour, width and style of an aspect's chord, on a copy that OK writes back.
// The sample follows every change.
class LineStyleDialog : public QDialog {
    Q_OBJECT
  public:
    LineStyleDialog(AspectSetting& aspect, QWidget* parent = nullptr);

    const LineStyleValues& values() const { return values_; }
    QSpinBox* widthField() const { return width_; }
    QButtonGroup* styles() const { return styles_; }
    QPushButton* colourButton() const { return colour_; }
    LineButton* sample() const { return sample_; }

    void accept() override;

  private:
    void takeControls();
    void chooseColour();

    AspectSetting& aspect_;
    LineStyleValues values_;
    AspectSetting sampleAspect_;
    LineButton* sample_ = nullptr;
    QSpinBox* width_ = nullptr;
    QButtonGroup* styles_ = nullptr;
    QPushButton* colour_ = nullptr;
};

}  // namespace orvanta
