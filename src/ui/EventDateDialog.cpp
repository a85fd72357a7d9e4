#include "ui/EventDateDialog.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "birthdata/TimeChangeBase.h"
#include "ui/DateFields.h"
#include "ui/MonthCalendarView.h"
#include "ui/TimeChangeDialog.h"

namespace orvanta {
namespace {

const char* const kSteps[] = {"1", "2", "3", "4", "6", "8", "12", "24"};

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

}  // namespace

EventDateDialog::EventDateDialog(const EventChartSettings& settings, int calendarMonth,
                                 int calendarYear, TimeChangeBase& timeChanges,
                                 DataFile timeChangeFile, const QString& gridFont, QWidget* parent)
    : QDialog(parent),
      selection_(settings, calendarMonth, calendarYear, &timeChanges),
      timeChanges_(timeChanges),
      timeChangeFile_(std::move(timeChangeFile)),
      result_(settings) {
    setWindowTitle("Ввод данных для карты событий (транзитов)");
    buildControls(gridFont);
    dateErrorTimer_.setInterval(EventDateSelection::kDateErrorBlinkMs);
    missingDataTimer_.setInterval(EventDateSelection::kMissingDataBlinkMs);
    connect(&dateErrorTimer_, &QTimer::timeout, this, [this] {
        selection_.blinkDateError();
        dateErrorLine_->setText(text(selection_.dateErrorLine()));
    });
    connect(&missingDataTimer_, &QTimer::timeout, this, [this] {
        selection_.blinkMissingData();
        missingDataLine_->setText(text(selection_.missingDataLine()));
    });
    display();
}

QLineEdit* EventDateDialog::numberEdit(const char* name, const char* tip) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setToolTip(tip);
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance("-00000") + 12);
    connect(edit, &QLineEdit::textEdited, this, [this] { run([] {}); });
    return edit;
}

void EventDateDialog::buildControls(const QString& gridFont) {
    createFields();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fieldGroups());
    layout->addLayout(precisionRow());
    layout->addWidget(dateErrorLine_);
    layout->addWidget(missingDataLine_);
    layout->addLayout(calendarGrid(gridFont), 1);
    layout->addLayout(buttonRow());
}

void EventDateDialog::createFields() {
    day_ = numberEdit("day", "Введите день");
    month_ = DateFields::monthBox(*this);
    month_->setToolTip("Выберите месяц");
    connect(month_, &QComboBox::activated, this, [this] { run([] {}); });
    year_ = numberEdit("year", "Введите год");
    moscowHours_ = numberEdit("moscowHours", "Введите разницу во времени");
    moscowMinutes_ = numberEdit("moscowMinutes", "Введите разницу во времени");
    greenwichHours_ = numberEdit("greenwichHours", "Введите разницу во времени");
    greenwichMinutes_ = numberEdit("greenwichMinutes", "Введите разницу во времени");
    automatic_ = new QCheckBox("Автоматически определять", this);
    automatic_->setObjectName("automatic");
    connect(automatic_, &QCheckBox::clicked, this,
            [this](bool on) { run([this, on] { selection_.setAutoGreenwich(on); }); });
    precision_ = new QComboBox(this);
    precision_->setObjectName("precision");
    precision_->setToolTip("Выберите степень точности расчета");
    for (const char* steps : kSteps) precision_->addItem(steps);

    dateErrorLine_ = new QLabel(this);
    dateErrorLine_->setObjectName("dateErrorLine");
    missingDataLine_ = new QLabel(this);
    missingDataLine_->setObjectName("missingDataLine");
    for (QLabel* line : {dateErrorLine_, missingDataLine_}) {
        line->setMinimumHeight(line->fontMetrics().height() + 2);
        line->setStyleSheet("color: #b00000;");
    }
}

QHBoxLayout* EventDateDialog::fieldGroups() {
    auto* changes = new QPushButton("Изменения", this);
    changes->setObjectName("changes");
    changes->setToolTip("Для ввода новых данных о летнем/зимнем времени");
    connect(changes, &QPushButton::clicked, this, &EventDateDialog::editTimeChanges);
    auto* date = new QGroupBox("Дата", this);
    auto* dateRow = new QHBoxLayout(date);
    dateRow->addWidget(day_);
    dateRow->addWidget(month_);
    dateRow->addWidget(year_);
    auto* moscow = new QGroupBox("Разница с Москвой", this);
    auto* moscowRow = new QHBoxLayout(moscow);
    moscowRow->addWidget(moscowHours_);
    moscowRow->addWidget(new QLabel("ч", this));
    moscowRow->addWidget(moscowMinutes_);
    moscowRow->addWidget(new QLabel("мин", this));
    auto* greenwich = new QGroupBox("Гринвичское время", this);
    auto* greenwichRow = new QHBoxLayout(greenwich);
    greenwichRow->addWidget(automatic_);
    greenwichRow->addWidget(greenwichHours_);
    greenwichRow->addWidget(new QLabel("ч", this));
    greenwichRow->addWidget(greenwichMinutes_);
    greenwichRow->addWidget(new QLabel("мин", this));
    greenwichRow->addWidget(changes);
    auto* fields = new QHBoxLayout;
    fields->addWidget(date);
    fields->addWidget(moscow);
    fields->addWidget(greenwich);
    return fields;
}

QHBoxLayout* EventDateDialog::precisionRow() {
    auto* precision = new QHBoxLayout;
    precision->addWidget(new QLabel("Число шагов расчета в день", this));
    precision->addWidget(precision_);
    precision->addStretch(1);
    return precision;
}

QGridLayout* EventDateDialog::calendarGrid(const QString& gridFont) {
    auto* calendars = new QGridLayout;
    for (int i = 0; i < EventDateSelection::kCalendarCount; ++i) {
        auto* title = new QLabel(this);
        title->setAlignment(Qt::AlignCenter);
        auto* view = new MonthCalendarView(selection_.calendar(i), gridFont, this);
        view->setObjectName(QString("calendar%1").arg(i));
        connect(view, &MonthCalendarView::clicked, this, [this, i, view](int x, int y) {
            run([this, i, view, x, y] { selection_.clickCalendar(i, view->gridRect(), x, y); });
        });
        titles_[static_cast<std::size_t>(i)] = title;
        calendars_[static_cast<std::size_t>(i)] = view;
        calendars->addWidget(title, (i / 3) * 2, i % 3);
        calendars->addWidget(view, (i / 3) * 2 + 1, i % 3);
    }
    return calendars;
}

QHBoxLayout* EventDateDialog::buttonRow() {
    auto* moves = new QHBoxLayout;
    const struct {
        const char* caption;
        const char* name;
        int months;
        const char* tip;
    } kMoves[] = {
        {"<<", "halfYearBack", -6, "Сдвинуть календарь на полгода назад"},
        {"<-", "monthBack", -1, "Сдвинуть календарь на месяц назад"},
        {"->", "monthForward", 1, "Сдвинуть календарь на месяц вперед"},
        {">>", "halfYearForward", 6, "Сдвинуть календарь на полгода вперед"},
    };
    for (const auto& move : kMoves) {
        auto* button = new QPushButton(move.caption, this);
        button->setObjectName(move.name);
        button->setToolTip(move.tip);
        connect(button, &QPushButton::clicked, this, [this, months = move.months] {
            run([this, months] { selection_.moveWindow(months); });
        });
        moves->addWidget(button);
    }
    moves->addStretch(1);
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("ok");
    ok->setDefault(true);
    ok->setToolTip("Построить карту событий");
    auto* cancel = new QPushButton("Отмена", this);
    cancel->setObjectName("cancel");
    cancel->setToolTip("Не строить карту событий");
    connect(ok, &QPushButton::clicked, this, &EventDateDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &EventDateDialog::reject);
    moves->addWidget(ok);
    moves->addWidget(cancel);
    return moves;
}

void EventDateDialog::run(const std::function<void()>& operation) {
    if (showing_) return;
    selection_.dayText = day_->text().toStdString();
    selection_.month = month_->currentIndex() + 1;
    selection_.yearText = year_->text().toStdString();
    selection_.moscow = {moscowHours_->text().toStdString(), moscowMinutes_->text().toStdString()};
    selection_.greenwich = {greenwichHours_->text().toStdString(),
                            greenwichMinutes_->text().toStdString()};
    selection_.precisionIndex = precision_->currentIndex();
    selection_.validate();
    operation();
    display();
    if (selection_.takeBeep()) QApplication::beep();
}

void EventDateDialog::display() {
    showing_ = true;
    const auto setText = [](QLineEdit* edit, const std::string& value) {
        if (edit->text() != text(value)) edit->setText(text(value));
    };
    setText(day_, selection_.dayText);
    month_->setCurrentIndex(selection_.month - 1);
    setText(year_, selection_.yearText);
    setText(moscowHours_, selection_.moscow.hours);
    setText(moscowMinutes_, selection_.moscow.minutes);
    setText(greenwichHours_, selection_.greenwich.hours);
    setText(greenwichMinutes_, selection_.greenwich.minutes);
    automatic_->setChecked(selection_.autoGreenwich());
    precision_->setCurrentIndex(selection_.precisionIndex);
    // Automatic: the Moscow difference is typed, the Greenwich one derived; else the reverse.
    const bool automatic = selection_.autoGreenwich();
    moscowHours_->setEnabled(automatic);
    moscowMinutes_->setEnabled(automatic);
    greenwichHours_->setEnabled(!automatic);
    greenwichMinutes_->setEnabled(!automatic);
    for (int i = 0; i < EventDateSelection::kCalendarCount; ++i) {
        titles_[static_cast<std::size_t>(i)]->setText(text(selection_.calendarTitle(i)));
        calendars_[static_cast<std::size_t>(i)]->update();
    }
    if (selection_.dateInvalid()) {
        if (!dateErrorTimer_.isActive()) dateErrorTimer_.start();
    } else {
        dateErrorTimer_.stop();
    }
    if (selection_.dataMissing() && automatic) {
        if (!missingDataTimer_.isActive()) missingDataTimer_.start();
    } else {
        missingDataTimer_.stop();
    }
    dateErrorLine_->setText(text(selection_.dateErrorLine()));
    missingDataLine_->setText(automatic ? text(selection_.missingDataLine()) : QString());
    showing_ = false;
}

void EventDateDialog::editTimeChanges() {
    TimeChangeDialog editor(timeChanges_, timeChangeFile_, this);
    editor.exec();
    run([] {});
}

// OK is refused while the date cannot be read or does not exist; the message keeps blinking.
void EventDateDialog::accept() {
    run([] {});
    const auto settings = selection_.accepted();
    if (!settings) {
        QApplication::beep();
        return;
    }
    result_ = *settings;
    QDialog::accept();
}

}  // namespace orvanta
