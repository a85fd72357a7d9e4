#pragma once

#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QStringListModel>
#include <optional>

#include "doc/ForecastChoice.h"

namespace orvanta {

class PlaceFinder;

// "Прогрессии и возвраты": the kind, the date, year or month, and the place of a return. What
// it decides is ForecastChoice's; OK is refused, with the reason, while the choice has a
// problem or its place is unknown.
class ForecastDialog : public QDialog {
    Q_OBJECT
  public:
    ForecastDialog(ForecastChoice choice, const PlaceFinder& places, QWidget* parent = nullptr);

    // The request, once accepted.
    const std::optional<ForecastRequest>& request() const { return request_; }

    QComboBox* kindBox() const { return kind_; }
    QDateEdit* dateEdit() const { return date_; }
    QSpinBox* yearEdit() const { return year_; }
    QSpinBox* monthEdit() const { return month_; }
    QRadioButton* otherPlaceButton() const { return otherPlace_; }
    QLineEdit* placeEdit() const { return place_; }

    void accept() override;

  private:
    QWidget* buildMoment();
    QWidget* buildPlace();
    void readControls();
    // Enables the controls the chosen kind takes.
    void follow();
    void offerPlaces(const QString& typed);

    ForecastChoice choice_;
    const PlaceFinder& places_;
    std::optional<ForecastRequest> request_;
    QComboBox* kind_ = nullptr;
    QDateEdit* date_ = nullptr;
    QSpinBox* year_ = nullptr;
    QSpinBox* month_ = nullptr;
    QWidget* placeGroup_ = nullptr;
    QRadioButton* birthPlace_ = nullptr;
    QRadioButton* otherPlace_ = nullptr;
    QLineEdit* place_ = nullptr;
    QStringListModel* offers_ = nullptr;
};

}  // namespace orvanta
