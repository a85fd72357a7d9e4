#pragma once

#include <QButtonGroup>
#include <QLineEdit>
#include <QRadioButton>

#include "doc/OrientationPageModel.h"
#include "settings/SheetPage.h"

namespace orvanta {

// "Поворот Зодиака": the direction in which the zodiac runs on the wheel and where the wheel
// starts, with "Запомнить" and "Восстановить".
class CShowHowPage : public SheetPage {
    Q_OBJECT
  public:
    CShowHowPage(OrientationPageModel& model, QWidget* parent = nullptr);

    bool takeControls() override;
    void refreshControls() override;

    void remember();
    void restore();

    QButtonGroup* directions() const { return directions_; }
    QButtonGroup* starts() const { return starts_; }
    QLineEdit* angleField() const { return angle_; }

  private:
    void chooseStart(int start);

    OrientationPageModel& model_;
    QButtonGroup* directions_ = nullptr;
    QButtonGroup* starts_ = nullptr;
    QLineEdit* angle_ = nullptr;
};

}  // namespace orvanta
