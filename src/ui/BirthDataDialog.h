#pragma once

#include <QCompleter>
#include <QDialog>
#include <QStringListModel>
#include <QTimer>
#include <functional>
#include <optional>
#include <vector>

#include "birthdata/BirthDataEntry.h"
#include "common/DataFile.h"
#include "ui/BirthDataControls.h"

namespace orvanta {

class TimeChangeBase;

// "Ввод данных для карты рождения": the name, the local date and time of birth, the chart
// kind, the place with its coordinates, the house system and the differences of local time
// from Moscow and Greenwich. BirthDataEntry decides everything; the dialog moves texts between
// it and the controls and runs the two blink timers of the error lines.
class BirthDataDialog : public QDialog {
    Q_OBJECT
  public:
    // The files the dialog reads and writes.
    struct Files {
        DataFile places;       // "Place.PLB", written by "Сохранить"
        DataFile timeChanges;  // "Timechg.tch", written by the editor's OK
        DataFile ini;          // "ORVANTA.INI", keys "Place" and "House", written by OK
        // The program's data files: read where they are found, copied into the user's folder
        // only by a store.
        static Files standard();
    };
    // Asks a Yes/No question; true for Yes.
    using Question = std::function<bool(const QString& text)>;

    BirthDataDialog(const BirthDataEntry::Record& record, TimeChangeBase& timeChanges,
                    const QString& gridFont, const Files& files = Files::standard(),
                    QWidget* parent = nullptr);

    // After OK: the data to write into the chart.
    const BirthDataEntry::Record& record() const { return entry_.record(); }
    const BirthDataEntry& entry() const { return entry_; }
    MonthCalendarView* calendar() const { return ui_.calendar; }

    // Tests answer the question of "Сохранить" without a message box.
    void setQuestion(Question question) { question_ = std::move(question); }
    // Tests answer which reading of a doubled local time was meant without a message box.
    void setOccurrenceQuestion(BirthDataEntry::OccurrenceQuestion question) {
        occurrenceQuestion_ = std::move(question);
    }
    // The list of places offered while the place is typed.
    QCompleter* placeOffers() const { return placeCompleter_; }

    void accept() override;

  private:
    void connectControls();
    void fillPlaceList();
    // The places of the user and of the atlas offered as the place is typed.
    void attachPlaceOffers();
    void offerPlaces(const QString& typed);
    void onPlaceOfferChosen(const QString& label);
    std::optional<BirthDataEntry::Occurrence> askOccurrence(
        const BirthDataEntry::DoubledTime& doubled);

    BirthDataEntry::Fields gather() const;
    void display(const BirthDataEntry::Fields& fields);
    // Hands the controls to the entry, runs one of its operations and shows the result.
    void run(const std::function<void()>& operation);
    void showErrorLines();
    void followChartKind();

    void onPlaceSelected(int index);
    void onPlaceEdited(const QString& text);
    void onNameEdited(const QString& text);
    void onStorePlace();
    void onTimeChanges();
    void writeLastChoice();

    BirthDataEntry entry_;
    TimeChangeBase& timeChanges_;
    Files files_;
    Question question_;
    BirthDataEntry::OccurrenceQuestion occurrenceQuestion_;
    QCompleter* placeCompleter_ = nullptr;
    QStringListModel* placeOfferTexts_ = nullptr;
    std::vector<PlaceSuggestion> offered_;
    bool showing_ = false;
    QString acceptedName_;
    QString acceptedPlace_;

    BirthDataControls ui_;
    QTimer dateErrorTimer_;
    QTimer missingDataTimer_;
};

}  // namespace orvanta
