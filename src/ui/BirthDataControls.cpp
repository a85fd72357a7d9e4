#include "ui/BirthDataControls.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "birthdata/BirthDataEntry.h"
#include "calc/HouseSystems.h"
#include "ui/DateFields.h"
#include "ui/MonthCalendarView.h"

namespace orvanta {
namespace {

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// The cells of one grid row, column after column from `first`.
void addRow(QGridLayout& grid, int row, std::initializer_list<QWidget*> cells, int first = 0) {
    int column = first;
    for (QWidget* cell : cells) grid.addWidget(cell, row, column++);
}

}  // namespace

void BirthDataControls::build(QDialog& dialog, const MonthCalendarGrid& grid,
                              const QString& gridFont) {
    // Built in the order the tab key visits the controls.
    dialog_ = &dialog;
    buildNameRow();
    QGroupBox* time = buildTimeGroup();
    QGroupBox* difference = buildDifferenceGroup();
    QGroupBox* place = buildPlaceGroup();
    QLayout* houses = buildHouseRow();
    calendar = new MonthCalendarView(grid, gridFont, dialog_);
    calendar->setObjectName("calendar");

    QGroupBox* errors = buildErrorGroup();
    buildButtons();
    arrange(time, difference, place, houses, errors);
}

QLineEdit* BirthDataControls::shownEdit(const char* objectName, int width) {
    auto* edit = new QLineEdit(dialog_);
    edit->setObjectName(objectName);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setFixedWidth(width);
    return edit;
}

QLabel* BirthDataControls::label(const QString& caption) {
    return new QLabel(caption, dialog_);
}

void BirthDataControls::buildNameRow() {
    name = new QLineEdit(dialog_);
    name->setObjectName("name");
    name->setMaxLength(BirthDataEntry::kLongestName);

    horoscope = new QRadioButton("Гороскоп", dialog_);
    horoscope->setObjectName("horoscope");
    cosmogram = new QRadioButton("Космограмма", dialog_);
    cosmogram->setObjectName("cosmogram");
    auto* kinds = new QButtonGroup(dialog_);
    kinds->addButton(horoscope, BirthDataEntry::kHoroscope);
    kinds->addButton(cosmogram, BirthDataEntry::kCosmogram);
}

QGroupBox* BirthDataControls::buildTimeGroup() {
    // Время рождения: the local row is typed, the Greenwich row is derived.
    day = DateFields::numberEdit(*dialog_, "day", 2);
    month = DateFields::monthBox(*dialog_);
    year = DateFields::numberEdit(*dialog_, "year", 4);
    hour = DateFields::numberEdit(*dialog_, "hour", 2);
    minute = DateFields::numberEdit(*dialog_, "minute", 2);
    gmtDay = shownEdit("gmtDay", day->width());
    gmtMonth = shownEdit("gmtMonth", month->sizeHint().width());
    gmtYear = shownEdit("gmtYear", year->width());
    gmtHour = shownEdit("gmtHour", hour->width());
    gmtMinute = shownEdit("gmtMinute", minute->width());

    auto* timeGroup = new QGroupBox("Время рождения", dialog_);
    auto* timeGrid = new QGridLayout(timeGroup);
    addRow(*timeGrid, 0,
           {label("День"), label("Месяц"), label("Год"), label("Час."), label("Мин.")}, 1);
    addRow(*timeGrid, 1, {label("Местное:"), day, month, year, hour, minute});
    addRow(*timeGrid, 2, {label("Гринвичское:"), gmtDay, gmtMonth, gmtYear, gmtHour, gmtMinute});
    timeGrid->setColumnStretch(6, 1);
    return timeGroup;
}

QGroupBox* BirthDataControls::buildDifferenceGroup() {
    // Разница местного времени.
    moscowHours = DateFields::numberEdit(*dialog_, "moscowHours", 3, true);
    moscowMinutes = DateFields::numberEdit(*dialog_, "moscowMinutes", 2);
    greenwichHours = DateFields::numberEdit(*dialog_, "greenwichHours", 3, true);
    greenwichMinutes = DateFields::numberEdit(*dialog_, "greenwichMinutes", 2);
    automatic = new QCheckBox("Автоматически определять\nГринвичское время", dialog_);
    automatic->setObjectName("automatic");
    timeChangesButton = new QPushButton("Изменения", dialog_);
    timeChangesButton->setObjectName("timeChanges");
    timeChangesButton->setAutoDefault(false);

    auto* differenceGroup = new QGroupBox("Разница местного времени", dialog_);
    auto* differenceGrid = new QGridLayout(differenceGroup);
    addRow(*differenceGrid, 0,
           {label("с Москвой"), moscowHours, label("ч."), moscowMinutes, label("м.")});
    addRow(*differenceGrid, 1,
           {label("с Гринвичем"), greenwichHours, label("ч."), greenwichMinutes, label("м.")});
    differenceGrid->setColumnStretch(5, 1);
    differenceGrid->addWidget(automatic, 2, 0, 1, 6);
    differenceGrid->addWidget(timeChangesButton, 3, 0, 1, 2, Qt::AlignLeft);
    return differenceGroup;
}

QGroupBox* BirthDataControls::buildPlaceGroup() {
    // Место рождения.
    place = new QComboBox(dialog_);
    place->setObjectName("place");
    place->setEditable(true);
    place->setInsertPolicy(QComboBox::NoInsert);
    place->setCompleter(nullptr);
    place->setMinimumContentsLength(22);
    place->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    latitudeDegrees = DateFields::numberEdit(*dialog_, "latitudeDegrees", 3);
    latitudeMinutes = DateFields::numberEdit(*dialog_, "latitudeMinutes", 2);
    longitudeDegrees = DateFields::numberEdit(*dialog_, "longitudeDegrees", 3);
    longitudeMinutes = DateFields::numberEdit(*dialog_, "longitudeMinutes", 2);
    north = new QRadioButton("С.Ш.", dialog_);
    north->setObjectName("north");
    south = new QRadioButton("Ю.Ш.", dialog_);
    south->setObjectName("south");
    east = new QRadioButton("В.Д. ", dialog_);
    east->setObjectName("east");
    west = new QRadioButton("З.Д.", dialog_);
    west->setObjectName("west");
    auto* latitudeSides = new QButtonGroup(dialog_);
    latitudeSides->addButton(north);
    latitudeSides->addButton(south);
    auto* longitudeSides = new QButtonGroup(dialog_);
    longitudeSides->addButton(east);
    longitudeSides->addButton(west);
    storePlace = new QPushButton("Сохранить", dialog_);
    storePlace->setObjectName("storePlace");
    storePlace->setAutoDefault(false);
    removePlace = new QPushButton("Удалить", dialog_);
    removePlace->setObjectName("removePlace");
    removePlace->setAutoDefault(false);
    // Places are never removed from the base; the button stays hidden and does nothing.
    removePlace->setEnabled(false);
    removePlace->hide();

    auto* group = new QGroupBox("Место рождения", dialog_);
    placeGroup = group;
    auto* placeGrid = new QGridLayout(group);
    placeGrid->addWidget(place, 0, 0, 1, 7);
    addRow(
        *placeGrid, 1,
        {label("Широта:"), latitudeDegrees, label("°"), latitudeMinutes, label("'"), north, south});
    addRow(*placeGrid, 2,
           {label("Долгота:"), longitudeDegrees, label("°"), longitudeMinutes, label("'"), east,
            west});
    auto* placeButtons = new QHBoxLayout;
    placeButtons->addWidget(storePlace);
    placeButtons->addWidget(removePlace);
    placeButtons->addStretch(1);
    placeGrid->addLayout(placeButtons, 3, 0, 1, 7);
    return group;
}

QLayout* BirthDataControls::buildHouseRow() {
    houseLabel = label("Система домов:");
    houseSystem = new QComboBox(dialog_);
    houseSystem->setObjectName("houseSystem");
    for (int i = 0; i < HouseSystems::kCount; ++i) {
        houseSystem->addItem(text(std::string(HouseSystems::name(i))));
    }
    auto* houses = new QHBoxLayout;
    houses->addWidget(houseLabel);
    houses->addWidget(houseSystem);
    houses->addStretch(1);
    return houses;
}

QGroupBox* BirthDataControls::buildErrorGroup() {
    dateErrorLine = new QLabel(dialog_);
    dateErrorLine->setObjectName("dateErrorLine");
    missingDataLine = new QLabel(dialog_);
    missingDataLine->setObjectName("missingDataLine");
    for (QLabel* line : {dateErrorLine, missingDataLine}) {
        // The line keeps its height while it blinks, so nothing around it jumps.
        line->setMinimumHeight(line->fontMetrics().height() + 2);
        line->setStyleSheet("color: #b00000;");
    }
    auto* errorGroup = new QGroupBox("Сообщения об ошибках", dialog_);
    auto* errorLayout = new QVBoxLayout(errorGroup);
    errorLayout->addWidget(dateErrorLine);
    errorLayout->addWidget(missingDataLine);
    return errorGroup;
}

void BirthDataControls::buildButtons() {
    ok = new QPushButton("OK", dialog_);
    ok->setObjectName("ok");
    ok->setDefault(true);
    cancel = new QPushButton("Отмена", dialog_);
    cancel->setObjectName("cancel");
    cancel->setAutoDefault(false);
}

void BirthDataControls::arrange(QGroupBox* time, QGroupBox* difference, QGroupBox* place,
                                QLayout* houses, QGroupBox* errors) {
    // Name and chart kind across the top; time and differences on the left, the calendar
    // and the place on the right; errors and the buttons at the bottom.
    auto* top = new QHBoxLayout;
    top->addWidget(label("ФИО:"));
    top->addWidget(name, 1);
    top->addSpacing(12);
    top->addWidget(horoscope);
    top->addWidget(cosmogram);

    auto* left = new QVBoxLayout;
    left->addWidget(time);
    left->addWidget(difference);
    left->addLayout(houses);
    left->addStretch(1);

    auto* right = new QVBoxLayout;
    right->addWidget(calendar, 1);
    right->addWidget(place);

    auto* middle = new QHBoxLayout;
    middle->addLayout(left);
    middle->addLayout(right, 1);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(errors, 1);
    bottom->addLayout(buttons);

    auto* layout = new QVBoxLayout(dialog_);
    layout->addLayout(top);
    layout->addLayout(middle, 1);
    layout->addLayout(bottom);
}

void BirthDataControls::attachToolTips() {
    name->setToolTip("Введите фамилию, имя и отчество");
    calendar->setToolTip("Выберите день рождения");
    day->setToolTip("Введите день рождения");
    month->setToolTip("Введите месяц рождения");
    year->setToolTip("Введите год рождения");
    hour->setToolTip("Введите часы рождения");
    minute->setToolTip("Введите минуты рождения");
    cosmogram->setToolTip("Если время рождения известно не точно");
    horoscope->setToolTip("Если известно точное время рождения");
    houseSystem->setToolTip("Выберите систему домов для гороскопа");
    place->setToolTip("Выберите или введите место рождения");
    latitudeDegrees->setToolTip("Градусы широты места рождения");
    latitudeMinutes->setToolTip("Минуты широты места рождения");
    longitudeDegrees->setToolTip("Градусы долготы места рождения");
    longitudeMinutes->setToolTip("Минуты долготы места рождения");
    north->setToolTip("Северная широта");
    south->setToolTip("Южная широта");
    east->setToolTip("Восточная долгота");
    west->setToolTip("Западная долгота");
    storePlace->setToolTip("Для заполнения базы населенных пунктов");
    removePlace->setToolTip("Для удаления нселенного пункта из базы");
    timeChangesButton->setToolTip("Для ввода новых данных о летнем/зимнем времени");
    ok->setToolTip("Построить карту рождения");
    cancel->setToolTip("Не строить карту рождения");
    for (QLineEdit* edit : {moscowHours, moscowMinutes, greenwichHours, greenwichMinutes}) {
        edit->setToolTip("Введите разницу во времени");
    }
}

}  // namespace orvanta
