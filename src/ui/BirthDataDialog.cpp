#include "ui/BirthDataDialog.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "birthdata/TimeChangeBase.h"
#include "birthdata/WorldAtlas.h"
#include "common/DataFile.h"
#include "common/MessageSink.h"
#include "doc/IniFile.h"
#include "doc/StartupSettings.h"
#include "ui/MonthCalendarView.h"
#include "ui/TimeChangeDialog.h"

namespace orvanta {
namespace {

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

std::string utf8(const QString& text) {
    return text.toStdString();
}

// Writes a text only when it differs, so that the caret of the edit being typed into stays.
void setText(QLineEdit* edit, const std::string& value) {
    const QString shown = text(value);
    if (edit->text() != shown) edit->setText(shown);
}

}  // namespace

BirthDataDialog::Files BirthDataDialog::Files::standard() {
    return {DataFile::named(PlaceBase::kFileName), DataFile::named(TimeChangeBase::kFileName),
            DataFile::named(StartupSettings::kIniFileName)};
}

BirthDataDialog::BirthDataDialog(const BirthDataEntry::Record& record, TimeChangeBase& timeChanges,
                                 const QString& gridFont, const Files& files, QWidget* parent)
    : QDialog(parent), entry_(record, &timeChanges), timeChanges_(timeChanges), files_(files) {
    setWindowTitle("Ввод данных для карты рождения");
    question_ = [this](const QString& question) {
        return QMessageBox::question(this, windowTitle(), question,
                                     QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    };
    occurrenceQuestion_ = [this](const BirthDataEntry::DoubledTime& doubled) {
        return askOccurrence(doubled);
    };
    entry_.loadPlaces(files_.places);
    {
        // The atlas is read once per program, the first time a birth place is entered.
        QApplication::setOverrideCursor(Qt::WaitCursor);
        entry_.setAtlas(&WorldAtlas::shared());
        QApplication::restoreOverrideCursor();
    }
    ui_.build(*this, entry_.grid(), gridFont);
    fillPlaceList();
    display(entry_.fields());
    ui_.attachToolTips();
    connectControls();
    attachPlaceOffers();

    // Children of the dialog, so that they stop with the window.
    dateErrorTimer_.setParent(this);
    dateErrorTimer_.setObjectName("dateErrorTimer");
    missingDataTimer_.setParent(this);
    missingDataTimer_.setObjectName("missingDataTimer");
    dateErrorTimer_.setInterval(BirthDataEntry::kDateErrorBlinkMs);
    missingDataTimer_.setInterval(BirthDataEntry::kMissingDataBlinkMs);
    connect(&dateErrorTimer_, &QTimer::timeout, this, [this] {
        entry_.blinkDateError();
        showErrorLines();
    });
    connect(&missingDataTimer_, &QTimer::timeout, this, [this] {
        entry_.blinkMissingData();
        showErrorLines();
    });
    showErrorLines();
}

void BirthDataDialog::connectControls() {
    const auto timeFieldsChanged = [this] { run([this] { entry_.timeFieldsChanged(); }); };
    for (QLineEdit* edit : {ui_.day, ui_.year, ui_.hour, ui_.minute, ui_.moscowHours,
                            ui_.moscowMinutes, ui_.greenwichHours, ui_.greenwichMinutes}) {
        connect(edit, &QLineEdit::textEdited, this, timeFieldsChanged);
    }
    connect(ui_.month, &QComboBox::currentIndexChanged, this, [this, timeFieldsChanged] {
        if (!showing_) timeFieldsChanged();
    });
    connect(ui_.automatic, &QCheckBox::toggled, this, [this] {
        if (!showing_) run([this] { entry_.automaticToggled(); });
    });
    for (QRadioButton* kind : {ui_.horoscope, ui_.cosmogram}) {
        connect(kind, &QRadioButton::toggled, this, [this](bool on) {
            if (!showing_ && on) run([this] { entry_.chartKindChanged(); });
        });
    }
    connect(ui_.calendar, &MonthCalendarView::clicked, this, [this](int x, int y) {
        run([this, x, y] { entry_.calendarClicked(ui_.calendar->gridRect(), x, y); });
    });
    connect(ui_.place, &QComboBox::activated, this, &BirthDataDialog::onPlaceSelected);
    connect(ui_.place->lineEdit(), &QLineEdit::textEdited, this, &BirthDataDialog::onPlaceEdited);
    connect(ui_.name, &QLineEdit::textEdited, this, &BirthDataDialog::onNameEdited);
    connect(ui_.storePlace, &QPushButton::clicked, this, &BirthDataDialog::onStorePlace);
    connect(ui_.timeChangesButton, &QPushButton::clicked, this, &BirthDataDialog::onTimeChanges);
    connect(ui_.ok, &QPushButton::clicked, this, &BirthDataDialog::accept);
    connect(ui_.cancel, &QPushButton::clicked, this, &BirthDataDialog::reject);
}

void BirthDataDialog::fillPlaceList() {
    const QString typed = ui_.place->currentText();
    const QSignalBlocker blocker(ui_.place);
    ui_.place->clear();
    for (const std::string& name : entry_.placeNames()) ui_.place->addItem(text(name));
    ui_.place->setCurrentIndex(-1);
    ui_.place->setEditText(typed);
}

void BirthDataDialog::attachPlaceOffers() {
    placeOfferTexts_ = new QStringListModel(this);
    placeCompleter_ = new QCompleter(placeOfferTexts_, this);
    placeCompleter_->setObjectName("placeOffers");
    // The entry has already chosen and ordered the places; the list shows them as they are.
    placeCompleter_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    placeCompleter_->setMaxVisibleItems(static_cast<int>(BirthDataEntry::kSuggestionCount));
    ui_.place->lineEdit()->setCompleter(placeCompleter_);
    // Queued, so that the chosen place's own name replaces the list text the edit takes first.
    connect(placeCompleter_, qOverload<const QString&>(&QCompleter::activated), this,
            &BirthDataDialog::onPlaceOfferChosen, Qt::QueuedConnection);
    // The coordinates decide whether the place is an atlas city with a clock of its own.
    for (QLineEdit* edit :
         {ui_.latitudeDegrees, ui_.latitudeMinutes, ui_.longitudeDegrees, ui_.longitudeMinutes}) {
        connect(edit, &QLineEdit::textEdited, this,
                [this] { run([this] { entry_.timeFieldsChanged(); }); });
    }
}

void BirthDataDialog::offerPlaces(const QString& typed) {
    offered_ = entry_.suggestPlaces(utf8(typed));
    QStringList labels;
    for (const PlaceSuggestion& place : offered_) labels << text(place.label);
    placeOfferTexts_->setStringList(labels);
    QAbstractItemView* list = placeCompleter_->popup();
    if (labels.isEmpty()) {
        list->hide();
        return;
    }
    // Wide enough for the longest "Город — область, страна", whatever the field's width.
    int widest = ui_.place->width();
    for (const QString& label : labels) {
        widest = std::max(widest, list->fontMetrics().horizontalAdvance(label) + 40);
    }
    // The edit itself reopens the list at its own width on every key, so the width is a floor.
    list->setMinimumWidth(widest);
    placeCompleter_->complete();
}

void BirthDataDialog::onPlaceOfferChosen(const QString& label) {
    const auto chosen = std::find_if(offered_.begin(), offered_.end(), [&label](const auto& place) {
        return text(place.label) == label;
    });
    if (chosen == offered_.end()) return;
    const PlaceSuggestion place = *chosen;
    run([this, &place] { entry_.placeChosen(place); });
    acceptedPlace_ = ui_.place->currentText();
}

std::optional<BirthDataEntry::Occurrence> BirthDataDialog::askOccurrence(
    const BirthDataEntry::DoubledTime& doubled) {
    QMessageBox box(QMessageBox::Question, windowTitle(), text(doubled.question),
                    QMessageBox::NoButton, this);
    QPushButton* earlier = box.addButton(text(doubled.earlier), QMessageBox::AcceptRole);
    QPushButton* later = box.addButton(text(doubled.later), QMessageBox::AcceptRole);
    box.addButton("Отмена", QMessageBox::RejectRole);
    box.setDefaultButton(earlier);
    box.exec();
    if (box.clickedButton() == earlier) return BirthDataEntry::Occurrence::Earlier;
    if (box.clickedButton() == later) return BirthDataEntry::Occurrence::Later;
    return std::nullopt;
}

BirthDataEntry::Fields BirthDataDialog::gather() const {
    BirthDataEntry::Fields fields;
    fields.name = utf8(ui_.name->text());
    fields.chartKind =
        ui_.horoscope->isChecked() ? BirthDataEntry::kHoroscope : BirthDataEntry::kCosmogram;
    fields.day = utf8(ui_.day->text());
    fields.month = utf8(ui_.month->currentText());
    fields.year = utf8(ui_.year->text());
    fields.hour = utf8(ui_.hour->text());
    fields.minute = utf8(ui_.minute->text());
    fields.gmtDay = utf8(ui_.gmtDay->text());
    fields.gmtMonth = utf8(ui_.gmtMonth->text());
    fields.gmtYear = utf8(ui_.gmtYear->text());
    fields.gmtHour = utf8(ui_.gmtHour->text());
    fields.gmtMinute = utf8(ui_.gmtMinute->text());
    fields.houseSystem = ui_.houseSystem->currentIndex();
    fields.place = utf8(ui_.place->currentText());
    fields.latitudeDegrees = utf8(ui_.latitudeDegrees->text());
    fields.latitudeMinutes = utf8(ui_.latitudeMinutes->text());
    fields.south = ui_.south->isChecked();
    fields.longitudeDegrees = utf8(ui_.longitudeDegrees->text());
    fields.longitudeMinutes = utf8(ui_.longitudeMinutes->text());
    fields.west = ui_.west->isChecked();
    fields.moscowHours = utf8(ui_.moscowHours->text());
    fields.moscowMinutes = utf8(ui_.moscowMinutes->text());
    fields.greenwichHours = utf8(ui_.greenwichHours->text());
    fields.greenwichMinutes = utf8(ui_.greenwichMinutes->text());
    fields.automatic = ui_.automatic->isChecked();
    return fields;
}

void BirthDataDialog::display(const BirthDataEntry::Fields& fields) {
    showing_ = true;
    setText(ui_.name, fields.name);
    acceptedName_ = ui_.name->text();
    (fields.chartKind == BirthDataEntry::kHoroscope ? ui_.horoscope : ui_.cosmogram)
        ->setChecked(true);
    setText(ui_.day, fields.day);
    ui_.month->setCurrentIndex(BirthDataEntry::monthNumber(fields.month) - 1);
    setText(ui_.year, fields.year);
    setText(ui_.hour, fields.hour);
    setText(ui_.minute, fields.minute);
    setText(ui_.gmtDay, fields.gmtDay);
    setText(ui_.gmtMonth, fields.gmtMonth);
    setText(ui_.gmtYear, fields.gmtYear);
    setText(ui_.gmtHour, fields.gmtHour);
    setText(ui_.gmtMinute, fields.gmtMinute);
    ui_.houseSystem->setCurrentIndex(fields.houseSystem);
    if (ui_.place->currentText() != text(fields.place)) ui_.place->setEditText(text(fields.place));
    acceptedPlace_ = ui_.place->currentText();
    setText(ui_.latitudeDegrees, fields.latitudeDegrees);
    setText(ui_.latitudeMinutes, fields.latitudeMinutes);
    (fields.south ? ui_.south : ui_.north)->setChecked(true);
    setText(ui_.longitudeDegrees, fields.longitudeDegrees);
    setText(ui_.longitudeMinutes, fields.longitudeMinutes);
    (fields.west ? ui_.west : ui_.east)->setChecked(true);
    setText(ui_.moscowHours, fields.moscowHours);
    setText(ui_.moscowMinutes, fields.moscowMinutes);
    setText(ui_.greenwichHours, fields.greenwichHours);
    setText(ui_.greenwichMinutes, fields.greenwichMinutes);
    ui_.automatic->setChecked(fields.automatic);

    ui_.moscowHours->setEnabled(entry_.moscowDifferenceEnabled());
    ui_.moscowMinutes->setEnabled(entry_.moscowDifferenceEnabled());
    ui_.greenwichHours->setEnabled(entry_.greenwichDifferenceEnabled());
    ui_.greenwichMinutes->setEnabled(entry_.greenwichDifferenceEnabled());
    followChartKind();

    // A read that found an error starts its blink anew.
    if (entry_.dateError()) {
        dateErrorTimer_.start();
    } else {
        dateErrorTimer_.stop();
    }
    if (entry_.missingData()) {
        missingDataTimer_.start();
    } else {
        missingDataTimer_.stop();
    }
    showErrorLines();
    ui_.calendar->update();
    showing_ = false;
}

void BirthDataDialog::run(const std::function<void()>& operation) {
    entry_.setFields(gather());
    operation();
    display(entry_.fields());
    if (entry_.takeBeep()) QApplication::beep();
}

void BirthDataDialog::showErrorLines() {
    ui_.dateErrorLine->setText(text(entry_.dateErrorLine()));
    ui_.missingDataLine->setText(text(entry_.missingDataLine()));
}

void BirthDataDialog::followChartKind() {
    const bool on = entry_.placeControlsEnabled();
    for (QWidget* control : std::initializer_list<QWidget*>{
             ui_.houseLabel, ui_.houseSystem, ui_.latitudeDegrees, ui_.latitudeMinutes,
             ui_.longitudeDegrees, ui_.longitudeMinutes, ui_.north, ui_.south, ui_.east, ui_.west,
             ui_.placeGroup, ui_.place, ui_.storePlace}) {
        control->setEnabled(on);
    }
    // Whatever the kind, the hidden button never works.
    ui_.removePlace->setEnabled(false);
}

void BirthDataDialog::onPlaceSelected(int index) {
    if (showing_) return;
    BirthDataEntry::Fields fields = gather();
    fields.place = index >= 0 ? utf8(ui_.place->itemText(index)) : std::string();
    entry_.setFields(fields);
    entry_.placeChanged();
    display(entry_.fields());
    if (entry_.takeBeep()) QApplication::beep();
}

void BirthDataDialog::onPlaceEdited(const QString& typed) {
    const std::string refused = BirthDataEntry::refusedCharacterMessage(utf8(typed));
    if (!refused.empty()) {
        QLineEdit* edit = ui_.place->lineEdit();
        const int caret = edit->cursorPosition() - (typed.size() - acceptedPlace_.size());
        edit->setText(acceptedPlace_);
        edit->setCursorPosition(std::max(0, static_cast<int>(caret)));
        MessageSink::report(refused);
        return;
    }
    acceptedPlace_ = typed;
    run([this] { entry_.placeChanged(); });
    offerPlaces(typed);
}

void BirthDataDialog::onNameEdited(const QString& typed) {
    const std::string refused = BirthDataEntry::refusedCharacterMessage(utf8(typed));
    if (refused.empty()) {
        acceptedName_ = typed;
        return;
    }
    const int caret = ui_.name->cursorPosition() - (typed.size() - acceptedName_.size());
    ui_.name->setText(acceptedName_);
    ui_.name->setCursorPosition(std::max(0, static_cast<int>(caret)));
    MessageSink::report(refused);
}

void BirthDataDialog::onStorePlace() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    run([this] {
        entry_.storePlace([this] {
            // The question is answered with the ordinary cursor.
            QApplication::restoreOverrideCursor();
            const bool yes = question_(text(BirthDataEntry::kOverwriteQuestion));
            QApplication::setOverrideCursor(Qt::WaitCursor);
            return yes;
        });
    });
    fillPlaceList();
    display(entry_.fields());
    QApplication::restoreOverrideCursor();
}

void BirthDataDialog::onTimeChanges() {
    TimeChangeDialog editor(timeChanges_, files_.timeChanges, this);
    editor.exec();
    run([this] { entry_.timeFieldsChanged(); });
}

void BirthDataDialog::accept() {
    entry_.setFields(gather());
    const BirthDataEntry::Verdict verdict = entry_.accept(occurrenceQuestion_);
    display(entry_.fields());
    if (entry_.takeBeep()) QApplication::beep();
    switch (verdict) {
        case BirthDataEntry::Verdict::Stay:
            return;
        case BirthDataEntry::Verdict::Unchanged:
            QDialog::reject();
            return;
        case BirthDataEntry::Verdict::Accepted:
            writeLastChoice();
            QDialog::accept();
            return;
    }
}

void BirthDataDialog::writeLastChoice() {
    const BirthData& birth = entry_.record().birth;
    IniFile ini;
    std::string error = "файл не читается";
    // A file that cannot be read is not overwritten, as its other keys would be lost.
    if (ini.load(files_.ini.readPath())) {
        ini.setValue(BirthDataEntry::kLastSection, BirthDataEntry::kPlaceKey, birth.place);
        ini.setValue(BirthDataEntry::kLastSection, BirthDataEntry::kHouseKey,
                     birth.houseSystemName);
        if (ini.save(files_.ini.writePath(), &error)) return;
    }
    MessageSink::report("Не удалось записать последнее место и систему домов в " +
                        files_.ini.readPath().string() + ": " + error + ".");
}

}  // namespace orvanta
