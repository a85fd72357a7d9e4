#include "ui/BirthDataDialog.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "birthdata/TimeChangeBase.h"
#include "calc/HouseSystems.h"
#include "common/AppFolder.h"
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
    // The dialog reads and stores these files: the user's copies.
    return {AppFolder::writable(PlaceBase::kFileName),
            AppFolder::writable(TimeChangeBase::kFileName),
            AppFolder::writable(StartupSettings::kIniFileName)};
}

BirthDataDialog::BirthDataDialog(const BirthDataEntry::Record& record, TimeChangeBase& timeChanges,
                                 const QString& gridFont, const Files& files, QWidget* parent)
    : QDialog(parent), entry_(record, &timeChanges), timeChanges_(timeChanges), files_(files) {
    setWindowTitle("Ввод данных для карты рождения");
    question_ = [this](const QString& question) {
        return QMessageBox::question(this, windowTitle(), question,
                                     QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    };
    entry_.loadPlaces(files_.places);
    buildControls(gridFont);
    fillPlaceList();
    display(entry_.fields());
    attachToolTips();
    connectControls();

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

void BirthDataDialog::buildControls(const QString& gridFont) {
    const auto numberEdit = [this](const char* name, int digits, bool signedNumber = false) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(name);
        const char* pattern = signedNumber ? "[+-]?[0-9]*" : "[0-9]*";
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), edit));
        const int width = edit->fontMetrics().horizontalAdvance(QString(digits + 1, '0')) + 14;
        edit->setFixedWidth(width);
        return edit;
    };
    const auto shownEdit = [this](const char* name, int width) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(name);
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
        edit->setFixedWidth(width);
        return edit;
    };
    const auto label = [this](const QString& caption) { return new QLabel(caption, this); };

    name_ = new QLineEdit(this);
    name_->setObjectName("name");
    name_->setMaxLength(BirthDataEntry::kLongestName);

    horoscope_ = new QRadioButton("Гороскоп", this);
    horoscope_->setObjectName("horoscope");
    cosmogram_ = new QRadioButton("Космограмма", this);
    cosmogram_->setObjectName("cosmogram");
    auto* kinds = new QButtonGroup(this);
    kinds->addButton(horoscope_, BirthDataEntry::kHoroscope);
    kinds->addButton(cosmogram_, BirthDataEntry::kCosmogram);

    // Время рождения: the local row is typed, the Greenwich row is derived.
    day_ = numberEdit("day", 2);
    month_ = new QComboBox(this);
    month_->setObjectName("month");
    for (int month = 1; month <= 12; ++month) {
        month_->addItem(text(std::string(BirthDataEntry::monthName(month))));
    }
    year_ = numberEdit("year", 4);
    hour_ = numberEdit("hour", 2);
    minute_ = numberEdit("minute", 2);
    gmtDay_ = shownEdit("gmtDay", day_->width());
    gmtMonth_ = shownEdit("gmtMonth", month_->sizeHint().width());
    gmtYear_ = shownEdit("gmtYear", year_->width());
    gmtHour_ = shownEdit("gmtHour", hour_->width());
    gmtMinute_ = shownEdit("gmtMinute", minute_->width());

    auto* timeGroup = new QGroupBox("Время рождения", this);
    auto* timeGrid = new QGridLayout(timeGroup);
    timeGrid->addWidget(label("День"), 0, 1);
    timeGrid->addWidget(label("Месяц"), 0, 2);
    timeGrid->addWidget(label("Год"), 0, 3);
    timeGrid->addWidget(label("Час."), 0, 4);
    timeGrid->addWidget(label("Мин."), 0, 5);
    timeGrid->addWidget(label("Местное:"), 1, 0);
    timeGrid->addWidget(day_, 1, 1);
    timeGrid->addWidget(month_, 1, 2);
    timeGrid->addWidget(year_, 1, 3);
    timeGrid->addWidget(hour_, 1, 4);
    timeGrid->addWidget(minute_, 1, 5);
    timeGrid->addWidget(label("Гринвичское:"), 2, 0);
    timeGrid->addWidget(gmtDay_, 2, 1);
    timeGrid->addWidget(gmtMonth_, 2, 2);
    timeGrid->addWidget(gmtYear_, 2, 3);
    timeGrid->addWidget(gmtHour_, 2, 4);
    timeGrid->addWidget(gmtMinute_, 2, 5);
    timeGrid->setColumnStretch(6, 1);

    // Разница местного времени.
    moscowHours_ = numberEdit("moscowHours", 3, true);
    moscowMinutes_ = numberEdit("moscowMinutes", 2);
    greenwichHours_ = numberEdit("greenwichHours", 3, true);
    greenwichMinutes_ = numberEdit("greenwichMinutes", 2);
    automatic_ = new QCheckBox("Автоматически определять\nГринвичское время", this);
    automatic_->setObjectName("automatic");
    timeChangesButton_ = new QPushButton("Изменения", this);
    timeChangesButton_->setObjectName("timeChanges");
    timeChangesButton_->setAutoDefault(false);

    auto* differenceGroup = new QGroupBox("Разница местного времени", this);
    auto* differenceGrid = new QGridLayout(differenceGroup);
    differenceGrid->addWidget(label("с Москвой"), 0, 0);
    differenceGrid->addWidget(moscowHours_, 0, 1);
    differenceGrid->addWidget(label("ч."), 0, 2);
    differenceGrid->addWidget(moscowMinutes_, 0, 3);
    differenceGrid->addWidget(label("м."), 0, 4);
    differenceGrid->addWidget(label("с Гринвичем"), 1, 0);
    differenceGrid->addWidget(greenwichHours_, 1, 1);
    differenceGrid->addWidget(label("ч."), 1, 2);
    differenceGrid->addWidget(greenwichMinutes_, 1, 3);
    differenceGrid->addWidget(label("м."), 1, 4);
    differenceGrid->setColumnStretch(5, 1);
    differenceGrid->addWidget(automatic_, 2, 0, 1, 6);
    differenceGrid->addWidget(timeChangesButton_, 3, 0, 1, 2, Qt::AlignLeft);

    // Место рождения.
    place_ = new QComboBox(this);
    place_->setObjectName("place");
    place_->setEditable(true);
    place_->setInsertPolicy(QComboBox::NoInsert);
    place_->setCompleter(nullptr);
    place_->setMinimumContentsLength(22);
    place_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    latitudeDegrees_ = numberEdit("latitudeDegrees", 3);
    latitudeMinutes_ = numberEdit("latitudeMinutes", 2);
    longitudeDegrees_ = numberEdit("longitudeDegrees", 3);
    longitudeMinutes_ = numberEdit("longitudeMinutes", 2);
    north_ = new QRadioButton("С.Ш.", this);
    north_->setObjectName("north");
    south_ = new QRadioButton("Ю.Ш.", this);
    south_->setObjectName("south");
    east_ = new QRadioButton("В.Д. ", this);
    east_->setObjectName("east");
    west_ = new QRadioButton("З.Д.", this);
    west_->setObjectName("west");
    auto* latitudeSides = new QButtonGroup(this);
    latitudeSides->addButton(north_);
    latitudeSides->addButton(south_);
    auto* longitudeSides = new QButtonGroup(this);
    longitudeSides->addButton(east_);
    longitudeSides->addButton(west_);
    storePlace_ = new QPushButton("Сохранить", this);
    storePlace_->setObjectName("storePlace");
    storePlace_->setAutoDefault(false);
    removePlace_ = new QPushButton("Удалить", this);
    removePlace_->setObjectName("removePlace");
    removePlace_->setAutoDefault(false);
    // Places are never removed from the base; the button stays hidden and does nothing.
    removePlace_->setEnabled(false);
    removePlace_->hide();

    auto* placeGroup = new QGroupBox("Место рождения", this);
    placeGroup_ = placeGroup;
    auto* placeGrid = new QGridLayout(placeGroup);
    placeGrid->addWidget(place_, 0, 0, 1, 7);
    placeGrid->addWidget(label("Широта:"), 1, 0);
    placeGrid->addWidget(latitudeDegrees_, 1, 1);
    placeGrid->addWidget(label("°"), 1, 2);
    placeGrid->addWidget(latitudeMinutes_, 1, 3);
    placeGrid->addWidget(label("'"), 1, 4);
    placeGrid->addWidget(north_, 1, 5);
    placeGrid->addWidget(south_, 1, 6);
    placeGrid->addWidget(label("Долгота:"), 2, 0);
    placeGrid->addWidget(longitudeDegrees_, 2, 1);
    placeGrid->addWidget(label("°"), 2, 2);
    placeGrid->addWidget(longitudeMinutes_, 2, 3);
    placeGrid->addWidget(label("'"), 2, 4);
    placeGrid->addWidget(east_, 2, 5);
    placeGrid->addWidget(west_, 2, 6);
    auto* placeButtons = new QHBoxLayout;
    placeButtons->addWidget(storePlace_);
    placeButtons->addWidget(removePlace_);
    placeButtons->addStretch(1);
    placeGrid->addLayout(placeButtons, 3, 0, 1, 7);

    houseLabel_ = label("Система домов:");
    houseSystem_ = new QComboBox(this);
    houseSystem_->setObjectName("houseSystem");
    for (int i = 0; i < HouseSystems::kCount; ++i) {
        houseSystem_->addItem(text(std::string(HouseSystems::name(i))));
    }

    calendar_ = new MonthCalendarView(entry_.grid(), gridFont, this);
    calendar_->setObjectName("calendar");

    dateErrorLine_ = new QLabel(this);
    dateErrorLine_->setObjectName("dateErrorLine");
    missingDataLine_ = new QLabel(this);
    missingDataLine_->setObjectName("missingDataLine");
    for (QLabel* line : {dateErrorLine_, missingDataLine_}) {
        // The line keeps its height while it blinks, so nothing around it jumps.
        line->setMinimumHeight(line->fontMetrics().height() + 2);
        line->setStyleSheet("color: #b00000;");
    }
    auto* errorGroup = new QGroupBox("Сообщения об ошибках", this);
    auto* errorLayout = new QVBoxLayout(errorGroup);
    errorLayout->addWidget(dateErrorLine_);
    errorLayout->addWidget(missingDataLine_);

    ok_ = new QPushButton("OK", this);
    ok_->setObjectName("ok");
    ok_->setDefault(true);
    cancel_ = new QPushButton("Отмена", this);
    cancel_->setObjectName("cancel");
    cancel_->setAutoDefault(false);

    // Name and chart kind across the top; time and differences on the left, the calendar
    // and the place on the right; errors and the buttons at the bottom.
    auto* top = new QHBoxLayout;
    top->addWidget(label("ФИО:"));
    top->addWidget(name_, 1);
    top->addSpacing(12);
    top->addWidget(horoscope_);
    top->addWidget(cosmogram_);

    auto* houses = new QHBoxLayout;
    houses->addWidget(houseLabel_);
    houses->addWidget(houseSystem_);
    houses->addStretch(1);

    auto* left = new QVBoxLayout;
    left->addWidget(timeGroup);
    left->addWidget(differenceGroup);
    left->addLayout(houses);
    left->addStretch(1);

    auto* right = new QVBoxLayout;
    right->addWidget(calendar_, 1);
    right->addWidget(placeGroup);

    auto* middle = new QHBoxLayout;
    middle->addLayout(left);
    middle->addLayout(right, 1);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    buttons->addStretch(1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(errorGroup, 1);
    bottom->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(middle, 1);
    layout->addLayout(bottom);
}

void BirthDataDialog::attachToolTips() {
    name_->setToolTip("Введите фамилию, имя и отчество");
    calendar_->setToolTip("Выберите день рождения");
    day_->setToolTip("Введите день рождения");
    month_->setToolTip("Введите месяц рождения");
    year_->setToolTip("Введите год рождения");
    hour_->setToolTip("Введите часы рождения");
    minute_->setToolTip("Введите минуты рождения");
    cosmogram_->setToolTip("Если время рождения известно не точно");
    horoscope_->setToolTip("Если известно точное время рождения");
    houseSystem_->setToolTip("Выберите систему домов для гороскопа");
    place_->setToolTip("Выберите или введите место рождения");
    latitudeDegrees_->setToolTip("Градусы широты места рождения");
    latitudeMinutes_->setToolTip("Минуты широты места рождения");
    longitudeDegrees_->setToolTip("Градусы долготы места рождения");
    longitudeMinutes_->setToolTip("Минуты долготы места рождения");
    north_->setToolTip("Северная широта");
    south_->setToolTip("Южная широта");
    east_->setToolTip("Восточная долгота");
    west_->setToolTip("Западная долгота");
    storePlace_->setToolTip("Для заполнения базы населенных пунктов");
    removePlace_->setToolTip("Для удаления нселенного пункта из базы");
    timeChangesButton_->setToolTip("Для ввода новых данных о летнем/зимнем времени");
    ok_->setToolTip("Построить карту рождения");
    cancel_->setToolTip("Не строить карту рождения");
    for (QLineEdit* edit : {moscowHours_, moscowMinutes_, greenwichHours_, greenwichMinutes_}) {
        edit->setToolTip("Введите разницу во времени");
    }
}

void BirthDataDialog::connectControls() {
    const auto timeFieldsChanged = [this] { run([this] { entry_.timeFieldsChanged(); }); };
    for (QLineEdit* edit : {day_, year_, hour_, minute_, moscowHours_, moscowMinutes_,
                            greenwichHours_, greenwichMinutes_}) {
        connect(edit, &QLineEdit::textEdited, this, timeFieldsChanged);
    }
    connect(month_, &QComboBox::currentIndexChanged, this, [this, timeFieldsChanged] {
        if (!showing_) timeFieldsChanged();
    });
    connect(automatic_, &QCheckBox::toggled, this, [this] {
        if (!showing_) run([this] { entry_.automaticToggled(); });
    });
    for (QRadioButton* kind : {horoscope_, cosmogram_}) {
        connect(kind, &QRadioButton::toggled, this, [this](bool on) {
            if (!showing_ && on) run([this] { entry_.chartKindChanged(); });
        });
    }
    connect(calendar_, &MonthCalendarView::clicked, this, [this](int x, int y) {
        run([this, x, y] { entry_.calendarClicked(calendar_->gridRect(), x, y); });
    });
    connect(place_, &QComboBox::activated, this, &BirthDataDialog::onPlaceSelected);
    connect(place_->lineEdit(), &QLineEdit::textEdited, this, &BirthDataDialog::onPlaceEdited);
    connect(name_, &QLineEdit::textEdited, this, &BirthDataDialog::onNameEdited);
    connect(storePlace_, &QPushButton::clicked, this, &BirthDataDialog::onStorePlace);
    connect(timeChangesButton_, &QPushButton::clicked, this, &BirthDataDialog::onTimeChanges);
    connect(ok_, &QPushButton::clicked, this, &BirthDataDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &BirthDataDialog::reject);
}

void BirthDataDialog::fillPlaceList() {
    const QString typed = place_->currentText();
    const QSignalBlocker blocker(place_);
    place_->clear();
    for (const std::string& name : entry_.placeNames()) place_->addItem(text(name));
    place_->setCurrentIndex(-1);
    place_->setEditText(typed);
}

BirthDataEntry::Fields BirthDataDialog::gather() const {
    BirthDataEntry::Fields fields;
    fields.name = utf8(name_->text());
    fields.chartKind =
        horoscope_->isChecked() ? BirthDataEntry::kHoroscope : BirthDataEntry::kCosmogram;
    fields.day = utf8(day_->text());
    fields.month = utf8(month_->currentText());
    fields.year = utf8(year_->text());
    fields.hour = utf8(hour_->text());
    fields.minute = utf8(minute_->text());
    fields.gmtDay = utf8(gmtDay_->text());
    fields.gmtMonth = utf8(gmtMonth_->text());
    fields.gmtYear = utf8(gmtYear_->text());
    fields.gmtHour = utf8(gmtHour_->text());
    fields.gmtMinute = utf8(gmtMinute_->text());
    fields.houseSystem = houseSystem_->currentIndex();
    fields.place = utf8(place_->currentText());
    fields.latitudeDegrees = utf8(latitudeDegrees_->text());
    fields.latitudeMinutes = utf8(latitudeMinutes_->text());
    fields.south = south_->isChecked();
    fields.longitudeDegrees = utf8(longitudeDegrees_->text());
    fields.longitudeMinutes = utf8(longitudeMinutes_->text());
    fields.west = west_->isChecked();
    fields.moscowHours = utf8(moscowHours_->text());
    fields.moscowMinutes = utf8(moscowMinutes_->text());
    fields.greenwichHours = utf8(greenwichHours_->text());
    fields.greenwichMinutes = utf8(greenwichMinutes_->text());
    fields.automatic = automatic_->isChecked();
    return fields;
}

void BirthDataDialog::display(const BirthDataEntry::Fields& fields) {
    showing_ = true;
    setText(name_, fields.name);
    acceptedName_ = name_->text();
    (fields.chartKind == BirthDataEntry::kHoroscope ? horoscope_ : cosmogram_)->setChecked(true);
    setText(day_, fields.day);
    month_->setCurrentIndex(BirthDataEntry::monthNumber(fields.month) - 1);
    setText(year_, fields.year);
    setText(hour_, fields.hour);
    setText(minute_, fields.minute);
    setText(gmtDay_, fields.gmtDay);
    setText(gmtMonth_, fields.gmtMonth);
    setText(gmtYear_, fields.gmtYear);
    setText(gmtHour_, fields.gmtHour);
    setText(gmtMinute_, fields.gmtMinute);
    houseSystem_->setCurrentIndex(fields.houseSystem);
    if (place_->currentText() != text(fields.place)) place_->setEditText(text(fields.place));
    acceptedPlace_ = place_->currentText();
    setText(latitudeDegrees_, fields.latitudeDegrees);
    setText(latitudeMinutes_, fields.latitudeMinutes);
    (fields.south ? south_ : north_)->setChecked(true);
    setText(longitudeDegrees_, fields.longitudeDegrees);
    setText(longitudeMinutes_, fields.longitudeMinutes);
    (fields.west ? west_ : east_)->setChecked(true);
    setText(moscowHours_, fields.moscowHours);
    setText(moscowMinutes_, fields.moscowMinutes);
    setText(greenwichHours_, fields.greenwichHours);
    setText(greenwichMinutes_, fields.greenwichMinutes);
    automatic_->setChecked(fields.automatic);

    moscowHours_->setEnabled(entry_.moscowDifferenceEnabled());
    moscowMinutes_->setEnabled(entry_.moscowDifferenceEnabled());
    greenwichHours_->setEnabled(entry_.greenwichDifferenceEnabled());
    greenwichMinutes_->setEnabled(entry_.greenwichDifferenceEnabled());
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
    calendar_->update();
    showing_ = false;
}

void BirthDataDialog::run(const std::function<void()>& operation) {
    entry_.setFields(gather());
    operation();
    display(entry_.fields());
    if (entry_.takeBeep()) QApplication::beep();
}

void BirthDataDialog::showErrorLines() {
    dateErrorLine_->setText(text(entry_.dateErrorLine()));
    missingDataLine_->setText(text(entry_.missingDataLine()));
}

void BirthDataDialog::followChartKind() {
    const bool on = entry_.placeControlsEnabled();
    for (QWidget* control : std::initializer_list<QWidget*>{
             houseLabel_, houseSystem_, latitudeDegrees_, latitudeMinutes_, longitudeDegrees_,
             longitudeMinutes_, north_, south_, east_, west_, placeGroup_, place_, storePlace_}) {
        control->setEnabled(on);
    }
    // Whatever the kind, the hidden button never works.
    removePlace_->setEnabled(false);
}

void BirthDataDialog::onPlaceSelected(int index) {
    if (showing_) return;
    BirthDataEntry::Fields fields = gather();
    fields.place = index >= 0 ? utf8(place_->itemText(index)) : std::string();
    entry_.setFields(fields);
    entry_.placeChanged();
    display(entry_.fields());
    if (entry_.takeBeep()) QApplication::beep();
}

void BirthDataDialog::onPlaceEdited(const QString& typed) {
    const std::string refused = BirthDataEntry::refusedCharacterMessage(utf8(typed));
    if (!refused.empty()) {
        QLineEdit* edit = place_->lineEdit();
        const int caret = edit->cursorPosition() - (typed.size() - acceptedPlace_.size());
        edit->setText(acceptedPlace_);
        edit->setCursorPosition(std::max(0, static_cast<int>(caret)));
        MessageSink::report(refused);
        return;
    }
    acceptedPlace_ = typed;
    run([this] { entry_.placeChanged(); });
}

void BirthDataDialog::onNameEdited(const QString& typed) {
    const std::string refused = BirthDataEntry::refusedCharacterMessage(utf8(typed));
    if (refused.empty()) {
        acceptedName_ = typed;
        return;
    }
    const int caret = name_->cursorPosition() - (typed.size() - acceptedName_.size());
    name_->setText(acceptedName_);
    name_->setCursorPosition(std::max(0, static_cast<int>(caret)));
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
    const BirthDataEntry::Verdict verdict = entry_.accept();
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
    if (ini.load(files_.ini)) {
        ini.setValue(BirthDataEntry::kLastSection, BirthDataEntry::kPlaceKey, birth.place);
        ini.setValue(BirthDataEntry::kLastSection, BirthDataEntry::kHouseKey,
                     birth.houseSystemName);
        if (ini.save(files_.ini, &error)) return;
    }
    MessageSink::report("Не удалось записать последнее место и систему домов в " +
                        files_.ini.string() + ": " + error + ".");
}

}  // namespace orvanta
