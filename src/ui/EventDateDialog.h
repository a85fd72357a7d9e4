#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <array>
#include <functional>

#include "common/DataFile.h"
#include "doc/EventDateSelection.h"

namespace orvanta {

class MonthCalendarView;
class TimeChangeBase;

// "Ввод данных для карты событий (транзитов)": the day of the event chart on six month
// calendars, the differences from Moscow and Greenwich time, the automatic Greenwich
// difference and the steps a day. Everything it decides lives in EventDateSelection.
class EventDateDialog : public QDialog {
    Q_OBJECT
  public:
    EventDateDialog(const EventChartSettings& settings, int calendarMonth, int calendarYear,
                    TimeChangeBase& timeChanges, DataFile timeChangeFile, const QString& gridFont,
                    QWidget* parent = nullptr);

    EventDateSelection& selection() { return selection_; }
    // The settings OK accepted.
    const EventChartSettings& result() const { return result_; }
    MonthCalendarView* calendarView(int position) const {
        return calendars_[static_cast<std::size_t>(position)];
    }

  public slots:
    void accept() override;

  private:
    void buildControls(const QString& gridFont);
    void createFields();
    QHBoxLayout* fieldGroups();
    QHBoxLayout* precisionRow();
    QGridLayout* calendarGrid(const QString& gridFont);
    QHBoxLayout* buttonRow();
    QLineEdit* numberEdit(const char* name, const char* tip);
    // Reads the controls into the selection, runs an operation, and shows the outcome.
    void run(const std::function<void()>& operation);
    void display();
    void editTimeChanges();

    EventDateSelection selection_;
    TimeChangeBase& timeChanges_;
    DataFile timeChangeFile_;
    EventChartSettings result_;
    bool showing_ = false;

    QLineEdit* day_ = nullptr;
    QComboBox* month_ = nullptr;
    QLineEdit* year_ = nullptr;
    QLineEdit* moscowHours_ = nullptr;
    QLineEdit* moscowMinutes_ = nullptr;
    QLineEdit* greenwichHours_ = nullptr;
    QLineEdit* greenwichMinutes_ = nullptr;
    QCheckBox* automatic_ = nullptr;
    QComboBox* precision_ = nullptr;
    QLabel* dateErrorLine_ = nullptr;
    QLabel* missingDataLine_ = nullptr;
    std::array<QLabel*, EventDateSelection::kCalendarCount> titles_{};
    std::array<MonthCalendarView*, EventDateSelection::kCalendarCount> calendars_{};
    QTimer dateErrorTimer_;
    QTimer missingDataTimer_;
};

}  // namespace orvanta
