#pragma once

#include <QCheckBox>
#include <QDateEdit>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <optional>

#include "doc/CalendarChoice.h"

namespace orvanta {

class PlaceFinder;

// "Транзиты за период": the period, the bodies, points and aspects, the Moon and the clock of
// the times. What it decides is CalendarChoice's; OK is refused, with the reason, while the
// choice has a problem or its place is unknown.
class CalendarDialog : public QDialog {
    Q_OBJECT
  public:
    CalendarDialog(CalendarChoice choice, const PlaceFinder& places, QWidget* parent = nullptr);

    const CalendarChoice& choice() const { return choice_; }
    // The clock chosen, once accepted.
    const std::optional<CalendarZone>& zone() const { return zone_; }

    QDateEdit* fromEdit() const { return from_; }
    QDateEdit* toEdit() const { return to_; }
    QCheckBox* moonBox() const { return moon_; }
    QListWidget* bodyList() const { return bodies_; }
    QListWidget* pointList() const { return points_; }
    QListWidget* aspectList() const { return aspects_; }
    QRadioButton* placeButton() const { return placeZone_; }
    QRadioButton* fixedButton() const { return fixedZone_; }
    QLineEdit* placeEdit() const { return place_; }
    QDoubleSpinBox* hoursEdit() const { return hours_; }

    void accept() override;

  private:
    QWidget* buildPeriod();
    QWidget* buildLists();
    QWidget* buildZone();
    static QListWidget* checkList(const std::vector<CalendarChoice::Item>& items, QWidget* parent);
    void readControls();

    CalendarChoice choice_;
    const PlaceFinder& places_;
    std::optional<CalendarZone> zone_;
    QDateEdit* from_ = nullptr;
    QDateEdit* to_ = nullptr;
    QCheckBox* moon_ = nullptr;
    QListWidget* bodies_ = nullptr;
    QListWidget* points_ = nullptr;
    QListWidget* aspects_ = nullptr;
    QRadioButton* computerZone_ = nullptr;
    QRadioButton* placeZone_ = nullptr;
    QRadioButton* fixedZone_ = nullptr;
    QLineEdit* place_ = nullptr;
    QDoubleSpinBox* hours_ = nullptr;
};

}  // namespace orvanta
