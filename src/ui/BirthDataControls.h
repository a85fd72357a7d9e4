#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace orvanta {

class MonthCalendarGrid;
class MonthCalendarView;

// The controls of "Ввод данных для карты рождения" and their arrangement, one builder per
// group. The dialog owns the widgets (they are its children) and moves values through these
// pointers.
class BirthDataControls {
  public:
    void build(QDialog& dialog, const MonthCalendarGrid& grid, const QString& gridFont);
    void attachToolTips();

    QLineEdit* name = nullptr;
    QRadioButton* horoscope = nullptr;
    QRadioButton* cosmogram = nullptr;
    QLineEdit* day = nullptr;
    QComboBox* month = nullptr;
    QLineEdit* year = nullptr;
    QLineEdit* hour = nullptr;
    QLineEdit* minute = nullptr;
    QLineEdit* gmtDay = nullptr;
    QLineEdit* gmtMonth = nullptr;
    QLineEdit* gmtYear = nullptr;
    QLineEdit* gmtHour = nullptr;
    QLineEdit* gmtMinute = nullptr;
    QLabel* houseLabel = nullptr;
    QComboBox* houseSystem = nullptr;
    QWidget* placeGroup = nullptr;
    QComboBox* place = nullptr;
    QLineEdit* latitudeDegrees = nullptr;
    QLineEdit* latitudeMinutes = nullptr;
    QRadioButton* north = nullptr;
    QRadioButton* south = nullptr;
    QLineEdit* longitudeDegrees = nullptr;
    QLineEdit* longitudeMinutes = nullptr;
    QRadioButton* east = nullptr;
    QRadioButton* west = nullptr;
    QPushButton* storePlace = nullptr;
    QPushButton* removePlace = nullptr;
    QLineEdit* moscowHours = nullptr;
    QLineEdit* moscowMinutes = nullptr;
    QLineEdit* greenwichHours = nullptr;
    QLineEdit* greenwichMinutes = nullptr;
    QCheckBox* automatic = nullptr;
    QPushButton* timeChangesButton = nullptr;
    MonthCalendarView* calendar = nullptr;
    QLabel* dateErrorLine = nullptr;
    QLabel* missingDataLine = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;

  private:
    void buildNameRow();
    QGroupBox* buildTimeGroup();
    QGroupBox* buildDifferenceGroup();
    QGroupBox* buildPlaceGroup();
    QLayout* buildHouseRow();
    QGroupBox* buildErrorGroup();
    void buildButtons();
    void arrange(QGroupBox* time, QGroupBox* difference, QGroupBox* place, QLayout* houses,
                 QGroupBox* errors);

    QLineEdit* shownEdit(const char* objectName, int width);
    QLabel* label(const QString& caption);

    QDialog* dialog_ = nullptr;
};

}  // namespace orvanta
