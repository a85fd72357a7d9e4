#include "ui/ForecastDialog.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "birthdata/BirthDataEntry.h"
#include "birthdata/PlaceFinder.h"

namespace orvanta {
namespace {

QSpinBox* spinBox(int low, int high, int value, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setRange(low, high);
    box->setValue(value);
    return box;
}

}  // namespace

ForecastDialog::ForecastDialog(ForecastChoice choice, const PlaceFinder& places, QWidget* parent)
    : QDialog(parent), choice_(std::move(choice)), places_(places) {
    setWindowTitle("Прогрессии и возвраты");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildMoment());
    layout->addWidget(buildPlace());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText("Построить");
    buttons->button(QDialogButtonBox::Cancel)->setText("Отмена");
    connect(buttons, &QDialogButtonBox::accepted, this, &ForecastDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ForecastDialog::reject);
    layout->addWidget(buttons);
    follow();
}

QWidget* ForecastDialog::buildMoment() {
    auto* box = new QGroupBox("Карта", this);
    auto* form = new QFormLayout(box);
    kind_ = new QComboBox(box);
    for (const auto& [kind, name] : ForecastChoice::kinds()) {
        kind_->addItem(QString::fromStdString(name), static_cast<int>(kind));
        if (kind == choice_.kind) kind_->setCurrentIndex(kind_->count() - 1);
    }
    date_ =
        new QDateEdit(QDate(choice_.target.year, choice_.target.month, choice_.target.day), box);
    date_->setDisplayFormat("dd.MM.yyyy");
    date_->setDateRange(QDate(Calendar::kFirstYear, 1, 1), QDate(Calendar::kLastYear, 12, 31));
    date_->setCalendarPopup(true);
    year_ = spinBox(Calendar::kFirstYear, Calendar::kLastYear, choice_.year(), box);
    month_ = spinBox(1, 12, choice_.lunarMonth, box);
    form->addRow("Вид:", kind_);
    form->addRow("На дату:", date_);
    form->addRow("Год:", year_);
    form->addRow("Месяц:", month_);
    connect(kind_, &QComboBox::currentIndexChanged, this, [this] {
        choice_.setYear(year_->value());  // the year of the kind shown until now
        choice_.kind = static_cast<ForecastChoice::Kind>(kind_->currentData().toInt());
        year_->setValue(choice_.year());
        follow();
    });
    return box;
}

QWidget* ForecastDialog::buildPlace() {
    auto* box = new QGroupBox("Место возвращения", this);
    placeGroup_ = box;
    auto* form = new QFormLayout(box);
    const BirthData& birth = choice_.birth();
    birthPlace_ = new QRadioButton("место рождения: " + QString::fromStdString(birth.place), box);
    otherPlace_ = new QRadioButton("другое место:", box);
    place_ = new QLineEdit(QString::fromStdString(choice_.place), box);
    place_->setPlaceholderText("Москва");
    offers_ = new QStringListModel(this);
    auto* completer = new QCompleter(offers_, this);
    // The finder has already chosen and ordered the places; the list shows them as they are.
    completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    place_->setCompleter(completer);
    connect(place_, &QLineEdit::textEdited, this, &ForecastDialog::offerPlaces);
    connect(place_, &QLineEdit::textEdited, otherPlace_, [this] { otherPlace_->setChecked(true); });
    const bool birthChosen = choice_.placeKind == ForecastChoice::PlaceKind::Birth;
    birthPlace_->setChecked(birthChosen);
    otherPlace_->setChecked(!birthChosen);
    form->addRow(birthPlace_);
    form->addRow(otherPlace_, place_);
    return box;
}

void ForecastDialog::offerPlaces(const QString& typed) {
    QStringList labels;
    for (const PlaceSuggestion& place :
         places_.suggest(typed.trimmed().toStdString(), BirthDataEntry::kSuggestionCount))
        labels << QString::fromStdString(place.label);
    offers_->setStringList(labels);
    QAbstractItemView* list = place_->completer()->popup();
    if (labels.isEmpty()) {
        list->hide();
        return;
    }
    // Wide enough for the longest "Город — область, страна", as the birth-data dialog's list.
    int widest = place_->width();
    for (const QString& label : labels)
        widest = std::max(widest, list->fontMetrics().horizontalAdvance(label) + 40);
    list->setMinimumWidth(widest);
    // The line edit asked its completer before the list was new: it shows the new one now.
    place_->completer()->complete();
}

void ForecastDialog::follow() {
    date_->setEnabled(choice_.takesDate());
    year_->setEnabled(choice_.takesYear());
    month_->setEnabled(choice_.takesMonth());
    placeGroup_->setEnabled(choice_.takesPlace());
}

void ForecastDialog::readControls() {
    choice_.kind = static_cast<ForecastChoice::Kind>(kind_->currentData().toInt());
    const QDate date = date_->date();
    choice_.target = {date.day(), date.month(), date.year()};
    if (choice_.takesYear()) choice_.setYear(year_->value());
    choice_.lunarMonth = month_->value();
    choice_.placeKind = otherPlace_->isChecked() ? ForecastChoice::PlaceKind::Named
                                                 : ForecastChoice::PlaceKind::Birth;
    choice_.place = place_->text().trimmed().toStdString();
}

void ForecastDialog::accept() {
    readControls();
    std::string problem = choice_.problem();
    std::optional<ForecastPlace> at = ForecastPlace{};
    if (problem.empty() && choice_.takesPlace()) at = choice_.placeOf(places_, problem);
    if (!problem.empty()) {
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(problem));
        return;
    }
    request_ = choice_.request(*at);
    QDialog::accept();
}

}  // namespace orvanta
