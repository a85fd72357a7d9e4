#include <gtest/gtest.h>
#include <stdlib.h>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "WidgetInput.h"
#include "birthdata/PlaceBase.h"
#include "birthdata/TimeChangeBase.h"
#include "common/AppFolder.h"
#include "doc/ChartBarTexts.h"
#include "doc/IniFile.h"
#include "support/MessageRecorder.h"
#include "support/ScratchFolder.h"
#include "ui/AppContext.h"
#include "ui/BirthDataCommands.h"
#include "ui/BirthDataDialog.h"
#include "ui/CBornChildFrame.h"
#include "ui/CMainFrame.h"
#include "ui/CommandIds.h"
#include "ui/MonthCalendarView.h"
#include "ui/OpenChart.h"
#include "ui/TimeChangeDialog.h"

namespace orvanta {
namespace {

using testing::click;
using testing::clickAt;
using testing::pressKey;
using testing::retype;
using testing::typeText;
using testing::waitFor;
using testing::whenModal;

TimeChange change(int day, int month, int year, int hour, int difference) {
    TimeChange c;
    c.day = day;
    c.month = month;
    c.year = year;
    c.hour = hour;
    c.difference = difference;
    return c;
}

// Moscow's difference from Greenwich as the decrees of the 1990s had it: +3 in winter, +4 from
// the last Sunday of March at 2:00 to the last Sunday of October at 3:00.
void moscowNineties(TimeChangeBase& base) {
    base.clear();
    base.add(change(19, 1, 1992, 2, 3));
    base.add(change(28, 3, 1999, 2, 4));
    base.add(change(31, 10, 1999, 3, 3));
}

// The controls of the dialog, found by name as a user finds them by caption.
struct Controls {
    explicit Controls(QWidget& d) : dialog(d) {}
    QWidget& dialog;
    QLineEdit* edit(const char* name) const { return dialog.findChild<QLineEdit*>(name); }
    QComboBox* combo(const char* name) const { return dialog.findChild<QComboBox*>(name); }
    QRadioButton* radio(const char* name) const { return dialog.findChild<QRadioButton*>(name); }
    QPushButton* button(const char* name) const { return dialog.findChild<QPushButton*>(name); }
    QLabel* label(const char* name) const { return dialog.findChild<QLabel*>(name); }
    QCheckBox* automatic() const { return dialog.findChild<QCheckBox*>("automatic"); }
    QString text(const char* name) const { return edit(name)->text(); }
    QTimer* timer(const char* name) const { return dialog.findChild<QTimer*>(name); }
};

class BirthDataDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::widgetApplication();
        files_ = {scratch_ / "Place.PLB", scratch_ / "Timechg.tch", scratch_ / "ORVANTA.INI"};
        // Two places the user stored before: Moscow, 55° 45' N 37° 37' E; Murmansk, 68° 58' N
        // 33° 5' E.
        PlaceBase places;
        places.append({"Мурманск", 33.0 + 5.0 / 60.0, 68.0 + 58.0 / 60.0});
        places.append({"Москва", 37.0 + 37.0 / 60.0, 55.75});
        ASSERT_TRUE(places.save(files_.places.readPath()));
        std::ofstream(files_.ini.readPath()) << "[Last]\r\nf_MSSansSerif=MS Sans Serif\r\n";
        moscowNineties(context_.timeChanges);
        context_.resources.sansFace = "DejaVu Sans";
    }
    void TearDown() override {
        AppFolder::setOverride({});
        unsetenv("XDG_DATA_HOME");
    }

    std::unique_ptr<BirthDataDialog> open(const BirthDataEntry::Record& record = {}) {
        auto dialog =
            std::make_unique<BirthDataDialog>(record, context_.timeChanges, "DejaVu Sans", files_);
        dialog->resize(dialog->sizeHint());
        dialog->show();
        return dialog;
    }

    // Types a Moscow birth of 15 June 1999, 12:40, the day picked in the calendar.
    static void typeMoscowBirth(const Controls& c, BirthDataDialog& dialog) {
        retype(c.edit("name"), "Петров Пётр");
        click(c.radio("horoscope"));
        retype(c.edit("moscowHours"), "0");
        retype(c.edit("moscowMinutes"), "0");
        c.combo("month")->setCurrentIndex(5);
        retype(c.edit("year"), "1999");
        retype(c.edit("hour"), "12");
        retype(c.edit("minute"), "40");
        MonthCalendarView* calendar = dialog.calendar();
        clickAt(calendar, calendar->centreOfDay(15));
        typeText(c.combo("place")->lineEdit(), "москва");
        c.combo("houseSystem")->setCurrentIndex(1);
    }

    testing::ScratchFolder scratch_;
    BirthDataDialog::Files files_;
    AppContext context_;
    testing::MessageRecorder recorder_;
    std::vector<std::string>& messages_ = recorder_.messages;
};

TEST_F(BirthDataDialogTest, NewChartTypedIntoTheDialogIsBuiltByTheDocument) {
    auto chart = std::make_shared<OpenChart>("New 1");
    bool driven = false;
    whenModal<BirthDataDialog>([&](BirthDataDialog& dialog) {
        const Controls c(dialog);
        typeMoscowBirth(c, dialog);
        // What the dialog shows before OK: the day from the calendar, the coordinates of the
        // place typed in lower case, and Greenwich 8:40 (summer time, four hours).
        EXPECT_EQ(c.text("day"), "15");
        EXPECT_EQ(c.text("latitudeDegrees"), "55");
        EXPECT_EQ(c.text("latitudeMinutes"), "45");
        EXPECT_EQ(c.text("longitudeDegrees"), "37");
        EXPECT_EQ(c.text("longitudeMinutes"), "37");
        EXPECT_TRUE(c.radio("north")->isChecked());
        EXPECT_TRUE(c.radio("east")->isChecked());
        EXPECT_EQ(c.text("gmtDay"), "15");
        EXPECT_EQ(c.text("gmtMonth"), "Июнь");
        EXPECT_EQ(c.text("gmtYear"), "1999");
        EXPECT_EQ(c.text("gmtHour"), "8");
        EXPECT_EQ(c.text("gmtMinute"), "40");
        EXPECT_EQ(c.text("greenwichHours"), "4");
        EXPECT_EQ(c.label("dateErrorLine")->text(), "");
        EXPECT_EQ(c.label("missingDataLine")->text(), "");
        driven = true;
        click(c.button("ok"));
    });
    ASSERT_TRUE(BirthDataCommands::newChart(*chart, context_, nullptr, files_));
    ASSERT_TRUE(driven);

    const NatalChart& natal = chart->doc().natal();
    const BirthData& b = natal.birth;
    EXPECT_EQ(b.entered, 1);
    EXPECT_EQ(b.name, "Петров Пётр");
    EXPECT_EQ(b.place, "москва");
    EXPECT_EQ(b.day, 15);
    EXPECT_EQ(b.month, 6);
    EXPECT_EQ(b.year, 1999);
    EXPECT_EQ(b.hour, 12);
    EXPECT_EQ(b.minute, 40);
    EXPECT_EQ(b.gmtHour, 8);
    EXPECT_EQ(b.gmtMinute, 40);
    EXPECT_EQ(b.diffGreenwich, 4.0);
    EXPECT_EQ(b.diffMoscow, 0.0);
    EXPECT_EQ(b.latitude, 55.75);
    EXPECT_DOUBLE_EQ(b.longitude, 37.0 + 37.0 / 60.0);
    EXPECT_EQ(b.houseSystemName, "Koch");
    EXPECT_EQ(natal.houseSystem, 1);
    EXPECT_EQ(natal.chart.housesUnavailable, 0);
    EXPECT_EQ(natal.autoGreenwich, 1);
    EXPECT_TRUE(chart->doc().isModified());
    // The chart is computed for that moment. The Sun reached 90° at the solstice of 21 June
    // 1999, 19:49 UT, and moves about 0.953° a day in June, so 6.46 days before it stood near
    // 83.8°, in Gemini.
    EXPECT_NEAR(natal.chart[1].longitude, 83.8, 0.5);
    EXPECT_EQ(natal.chart[1].sign, 3);
    EXPECT_EQ(ChartBarTexts::birthMoment(natal), "15.6.1999 12:40  дома Koch");

    // The last place and house system are left in the initialisation file, its other keys kept.
    IniFile ini;
    ASSERT_TRUE(ini.load(files_.ini.readPath()));
    EXPECT_EQ(ini.value("Last", "Place"), "москва");
    EXPECT_EQ(ini.value("Last", "House"), "Koch");
    EXPECT_EQ(ini.value("Last", "f_MSSansSerif"), "MS Sans Serif");
    EXPECT_TRUE(messages_.empty());
}

TEST_F(BirthDataDialogTest, ChangingBirthDataRedrawsTheBarsAndAnUnchangedOkDoesNothing) {
    auto chart = std::make_shared<OpenChart>("New 1");
    whenModal<BirthDataDialog>([](BirthDataDialog& dialog) {
        const Controls c(dialog);
        typeMoscowBirth(c, dialog);
        click(c.button("ok"));
    });
    ASSERT_TRUE(BirthDataCommands::newChart(*chart, context_, nullptr, files_));
    chart->setModified(false);
    CBornChildFrame frame(chart, context_.resources);
    const auto bar = [&frame](const char* placeholder) {
        for (QLineEdit* field : frame.infoBar()->findChildren<QLineEdit*>()) {
            if (field->placeholderText() == placeholder) return field->text();
        }
        return QString();
    };
    EXPECT_EQ(bar("<NAME>"), "Петров Пётр");
    int hints = 0;
    const int subscription = chart->doc().subscribe([&hints](int) { ++hints; });

    // OK with nothing changed closes the dialog and leaves the chart as it was.
    const double sun = chart->doc().natal().chart[1].longitude;
    whenModal<BirthDataDialog>([](BirthDataDialog& dialog) {
        const Controls c(dialog);
        EXPECT_EQ(c.text("name"), "Петров Пётр");
        EXPECT_EQ(c.combo("place")->currentText(), "москва");
        EXPECT_EQ(c.combo("houseSystem")->currentIndex(), 1);
        EXPECT_TRUE(c.radio("horoscope")->isChecked());
        click(c.button("ok"));
    });
    EXPECT_FALSE(BirthDataCommands::changeBirthData(*chart, context_, nullptr, files_));
    EXPECT_EQ(hints, 0);
    EXPECT_FALSE(chart->doc().isModified());

    // "Отмена" changes nothing either, whatever was typed.
    whenModal<BirthDataDialog>([](BirthDataDialog& dialog) {
        const Controls c(dialog);
        retype(c.edit("name"), "Сидоров");
        click(c.button("cancel"));
    });
    EXPECT_FALSE(BirthDataCommands::changeBirthData(*chart, context_, nullptr, files_));
    EXPECT_EQ(chart->doc().natal().birth.name, "Петров Пётр");
    EXPECT_EQ(hints, 0);

    // A new name and an hour later: recomputed, marked modified, bars and views told.
    whenModal<BirthDataDialog>([](BirthDataDialog& dialog) {
        const Controls c(dialog);
        retype(c.edit("name"), "Сидоров Сидор");
        retype(c.edit("hour"), "13");
        click(c.button("ok"));
    });
    EXPECT_TRUE(BirthDataCommands::changeBirthData(*chart, context_, nullptr, files_));
    EXPECT_GT(hints, 0);
    EXPECT_TRUE(chart->doc().isModified());
    EXPECT_EQ(chart->doc().natal().birth.gmtHour, 9);
    // The Sun moves about 2.4' an hour.
    EXPECT_NEAR(chart->doc().natal().chart[1].longitude - sun, 0.953 / 24.0, 0.005);
    EXPECT_EQ(bar("<NAME>"), "Сидоров Сидор");
    EXPECT_EQ(bar("<DATE>"), "15.6.1999 13:40  дома Koch");
    chart->doc().unsubscribe(subscription);
}

TEST_F(BirthDataDialogTest, WrongDateBlinksTheFirstLineAndOkIsRefused) {
    auto dialog = open();
    const Controls c(*dialog);
    c.combo("month")->setCurrentIndex(3);  // Апрель
    retype(c.edit("day"), "31");
    QLabel* line = c.label("dateErrorLine");
    EXPECT_EQ(line->text(), "Дата или время задано неверно...");
    ASSERT_NE(c.timer("dateErrorTimer"), nullptr);
    EXPECT_EQ(c.timer("dateErrorTimer")->interval(), 500);
    EXPECT_TRUE(c.timer("dateErrorTimer")->isActive());
    // The line alternates between the text and nothing.
    EXPECT_TRUE(waitFor([line] { return line->text().isEmpty(); }));
    EXPECT_TRUE(waitFor([line] { return !line->text().isEmpty(); }));

    click(c.button("ok"));
    EXPECT_EQ(messages_, std::vector<std::string>{"Дата или время задано неверно..."});
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);

    // An emptied number field counts as a wrong date; no message interrupts the typing, OK
    // asks for an integer.
    messages_.clear();
    retype(c.edit("day"), "30");
    EXPECT_FALSE(c.timer("dateErrorTimer")->isActive());
    EXPECT_EQ(line->text(), "");
    c.edit("day")->selectAll();
    pressKey(c.edit("day"), Qt::Key_Backspace);
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(line->text(), "Дата или время задано неверно...");
    EXPECT_TRUE(c.timer("dateErrorTimer")->isActive());
    click(c.button("ok"));
    EXPECT_EQ(messages_, std::vector<std::string>{"Введите целое число."});
    EXPECT_TRUE(dialog->isVisible());
    retype(c.edit("day"), "30");
    EXPECT_EQ(line->text(), "");
}

// A latitude the chart file could not hold is refused by OK in the file reader's words, not as
// a polar latitude, and nothing reaches the chart.
TEST_F(BirthDataDialogTest, LatitudeBeyondThePoleIsRefusedByOk) {
    auto dialog = open();
    const Controls c(*dialog);
    typeMoscowBirth(c, *dialog);
    retype(c.edit("latitudeDegrees"), "95");  // Moscow's 45' stay: 95.75
    click(c.button("ok"));
    EXPECT_EQ(messages_, std::vector<std::string>{"широта 95.75 вне допустимого (-90 … 90)"});
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->record().birth.entered, 0);
}

TEST_F(BirthDataDialogTest, MissingTimeChangeDataBlinksTheSecondLineUntilTheEditorAddsIt) {
    context_.timeChanges.clear();
    context_.timeChanges.add(change(21, 6, 1930, 0, 3));
    auto dialog = open();
    const Controls c(*dialog);
    retype(c.edit("moscowHours"), "0");
    retype(c.edit("year"), "1925");
    QLabel* line = c.label("missingDataLine");
    EXPECT_EQ(line->text(), "На эту дату нет данных в базе \"Разница...\"");
    EXPECT_EQ(c.timer("missingDataTimer")->interval(), 300);
    EXPECT_TRUE(waitFor([line] { return line->text().isEmpty(); }));
    EXPECT_TRUE(waitFor([line] { return !line->text().isEmpty(); }));
    EXPECT_EQ(c.text("greenwichHours"), "0");

    // "Изменения": the user adds the change of 1 January 1860 to three hours and says OK.
    whenModal<TimeChangeDialog>([](TimeChangeDialog& editor) {
        const Controls e(editor);
        click(e.button("add"));
        retype(e.edit("day"), "1");
        e.combo("month")->setCurrentIndex(0);
        retype(e.edit("year"), "1860");
        retype(e.edit("difference"), "3");
        click(e.button("ok"));
    });
    click(c.button("timeChanges"));
    EXPECT_EQ(line->text(), "");
    EXPECT_FALSE(c.timer("missingDataTimer")->isActive());
    EXPECT_EQ(c.text("greenwichHours"), "3");
    EXPECT_EQ(context_.timeChanges.size(), 2);
    TimeChangeBase saved;
    ASSERT_EQ(saved.load(files_.timeChanges.readPath()), LoadStatus::Loaded);
    EXPECT_EQ(saved.size(), 2);
    EXPECT_EQ(saved.records()[0].year, 1860);
}

TEST_F(BirthDataDialogTest, ChartKindAndAutomaticSwitchTheirControls) {
    auto dialog = open();
    const Controls c(*dialog);
    // A new chart starts as a cosmogram: no place, coordinates or house system.
    EXPECT_TRUE(c.radio("cosmogram")->isChecked());
    const std::vector<QWidget*> placeControls = {
        c.combo("houseSystem"),    c.combo("place"),           c.edit("latitudeDegrees"),
        c.edit("latitudeMinutes"), c.edit("longitudeDegrees"), c.edit("longitudeMinutes"),
        c.radio("north"),          c.radio("south"),           c.radio("east"),
        c.radio("west"),           c.button("storePlace"),
    };
    for (QWidget* control : placeControls) EXPECT_FALSE(control->isEnabled());
    click(c.radio("horoscope"));
    for (QWidget* control : placeControls) EXPECT_TRUE(control->isEnabled());
    for (const char* name : {"day", "year", "hour", "minute"}) {
        EXPECT_TRUE(c.edit(name)->isEnabled()) << name;
    }
    EXPECT_FALSE(c.button("removePlace")->isVisible());
    EXPECT_FALSE(c.button("removePlace")->isEnabled());

    // Automatic: the Moscow difference is typed and the Greenwich one derived.
    EXPECT_TRUE(c.automatic()->isChecked());
    EXPECT_TRUE(c.edit("moscowHours")->isEnabled());
    EXPECT_FALSE(c.edit("greenwichHours")->isEnabled());
    retype(c.edit("moscowHours"), "2");
    click(c.automatic());
    EXPECT_FALSE(c.edit("moscowHours")->isEnabled());
    EXPECT_TRUE(c.edit("greenwichMinutes")->isEnabled());
    EXPECT_EQ(c.text("moscowHours"), "0");
    EXPECT_EQ(c.text("moscowMinutes"), "0");

    // By hand: -5 h 30 m at 23:00 on 31 December 1999 is 4:30 on 1 January 2000.
    retype(c.edit("greenwichHours"), "-5");
    retype(c.edit("greenwichMinutes"), "30");
    c.combo("month")->setCurrentIndex(11);
    retype(c.edit("year"), "1999");
    retype(c.edit("day"), "31");
    retype(c.edit("hour"), "23");
    retype(c.edit("minute"), "0");
    EXPECT_EQ(c.text("gmtDay"), "1");
    EXPECT_EQ(c.text("gmtMonth"), "Январь");
    EXPECT_EQ(c.text("gmtYear"), "2000");
    EXPECT_EQ(c.text("gmtHour"), "4");
    EXPECT_EQ(c.text("gmtMinute"), "30");
    // The calendar follows the typed date.
    EXPECT_EQ(dialog->entry().grid().month(), 12);
    EXPECT_EQ(dialog->entry().grid().selectedDay(), 31);
}

TEST_F(BirthDataDialogTest, PolarLatitudeIsRefusedNorthAndSouth) {
    auto dialog = open();
    const Controls c(*dialog);
    click(c.radio("horoscope"));
    // Murmansk from the list, with "Placidus".
    pressKey(c.combo("place"), Qt::Key_Down);
    pressKey(c.combo("place"), Qt::Key_Down);
    ASSERT_EQ(c.combo("place")->currentText(), "Мурманск");
    EXPECT_EQ(c.text("latitudeDegrees"), "68");
    EXPECT_EQ(c.text("latitudeMinutes"), "58");
    EXPECT_EQ(c.text("longitudeMinutes"), "5");
    click(c.button("ok"));
    EXPECT_EQ(messages_,
              std::vector<std::string>{"Для заполярья эта система домов не пригодна..."});
    EXPECT_TRUE(dialog->isVisible());

    // The same latitude south is refused too.
    click(c.radio("south"));
    click(c.button("ok"));
    EXPECT_EQ(messages_.size(), 2u);
    EXPECT_TRUE(dialog->isVisible());

    // "Whole" signs divide nothing by the diurnal arc and are accepted.
    c.combo("houseSystem")->setCurrentIndex(11);
    click(c.button("ok"));
    EXPECT_EQ(messages_.size(), 2u);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_DOUBLE_EQ(dialog->record().birth.latitude, -(68.0 + 58.0 / 60.0));
}

TEST_F(BirthDataDialogTest, StoringAPlaceAsksBeforeItOverwrites) {
    auto dialog = open();
    const Controls c(*dialog);
    std::vector<QString> questions;
    bool answer = false;
    dialog->setQuestion([&](const QString& question) {
        questions.push_back(question);
        return answer;
    });
    click(c.radio("horoscope"));
    // A new place, 56° 52' N 35° 55' E, joins the list in its sorted place.
    typeText(c.combo("place")->lineEdit(), "Тверь");
    EXPECT_EQ(c.text("latitudeDegrees"), "0");
    retype(c.edit("latitudeDegrees"), "56");
    retype(c.edit("latitudeMinutes"), "52");
    retype(c.edit("longitudeDegrees"), "35");
    retype(c.edit("longitudeMinutes"), "55");
    click(c.button("storePlace"));
    EXPECT_TRUE(questions.empty());
    QComboBox* place = c.combo("place");
    ASSERT_EQ(place->count(), 3);
    EXPECT_EQ(place->itemText(0), "Москва");
    EXPECT_EQ(place->itemText(1), "Мурманск");
    EXPECT_EQ(place->itemText(2), "Тверь");
    EXPECT_EQ(place->currentText(), "Тверь");
    PlaceBase stored;
    ASSERT_EQ(stored.load(files_.places.readPath()), LoadStatus::Loaded);
    ASSERT_EQ(stored.size(), 3);
    EXPECT_DOUBLE_EQ(stored.records()[2].latitude, 56.0 + 52.0 / 60.0);

    // Stored again with other coordinates: No leaves the file, Yes overwrites.
    retype(c.edit("latitudeMinutes"), "51");
    const auto before = stored.toBytes();
    click(c.button("storePlace"));
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0], "Сохранить с новыми координатами?");
    ASSERT_EQ(stored.load(files_.places.readPath()), LoadStatus::Loaded);
    EXPECT_EQ(stored.toBytes(), before);
    answer = true;
    click(c.button("storePlace"));
    ASSERT_EQ(stored.load(files_.places.readPath()), LoadStatus::Loaded);
    EXPECT_DOUBLE_EQ(stored.records()[2].latitude, 56.0 + 51.0 / 60.0);
    EXPECT_EQ(stored.size(), 3);
}

// Installed: the bases delivered read-only beside the marker, the user's folder under
// XDG_DATA_HOME. Opening and reading copy nothing; each store copies only the file it writes.
TEST_F(BirthDataDialogTest, InstalledBasesAreCopiedForTheUserOnlyByAStore) {
    const auto delivered = scratch_ / "lib";
    std::filesystem::create_directories(delivered);
    std::ofstream(delivered / AppFolder::kInstalledMarker) << "";
    for (const auto* name : {"Place.PLB", "ORVANTA.INI"}) {
        std::filesystem::rename(scratch_ / name, delivered / name);
    }
    ASSERT_TRUE(context_.timeChanges.save(delivered / "Timechg.tch"));
    const auto deliveredPlaces = testing::ScratchFolder::read(delivered / "Place.PLB");
    const auto user = scratch_ / "xdg" / "orvanta";
    setenv("XDG_DATA_HOME", (scratch_ / "xdg").c_str(), 1);
    AppFolder::setOverride(delivered);
    files_ = BirthDataDialog::Files::standard();
    const auto inUsersFolder = [&](const char* name) {
        return std::filesystem::exists(user / name);
    };

    auto dialog = open();
    const Controls c(*dialog);
    EXPECT_EQ(c.combo("place")->count(), 2);  // the delivered places were read
    EXPECT_FALSE(inUsersFolder("Place.PLB"));
    EXPECT_FALSE(inUsersFolder("Timechg.tch"));
    EXPECT_FALSE(inUsersFolder("ORVANTA.INI"));

    // "Сохранить" writes the user's copy: the delivered places and the new one.
    click(c.radio("horoscope"));
    typeText(c.combo("place")->lineEdit(), "Тверь");
    retype(c.edit("latitudeDegrees"), "56");
    retype(c.edit("longitudeDegrees"), "35");
    click(c.button("storePlace"));
    PlaceBase stored;
    ASSERT_EQ(stored.load(user / "Place.PLB"), LoadStatus::Loaded);
    EXPECT_EQ(stored.size(), 3);
    EXPECT_EQ(testing::ScratchFolder::read(delivered / "Place.PLB"), deliveredPlaces);
    EXPECT_FALSE(inUsersFolder("Timechg.tch"));

    // The time-change editor's OK writes the user's copy of that base.
    whenModal<TimeChangeDialog>([](TimeChangeDialog& editor) {
        const Controls e(editor);
        click(e.button("ok"));
    });
    click(c.button("timeChanges"));
    EXPECT_TRUE(inUsersFolder("Timechg.tch"));
    EXPECT_FALSE(inUsersFolder("ORVANTA.INI"));
}

TEST_F(BirthDataDialogTest, TypedPlaceOffersAtlasCitiesAndTheChosenOneBringsItsClock) {
    auto dialog = open();
    const Controls c(*dialog);
    click(c.radio("horoscope"));
    retype(c.edit("day"), "15");
    c.combo("month")->setCurrentIndex(6);
    retype(c.edit("year"), "1985");
    retype(c.edit("hour"), "12");
    retype(c.edit("minute"), "0");
    typeText(c.combo("place")->lineEdit(), "Екат");
    QCompleter* offers = dialog->placeOffers();
    ASSERT_GE(offers->completionModel()->rowCount(), 1);
    const QModelIndex first = offers->completionModel()->index(0, 0);
    EXPECT_EQ(first.data().toString(), "Екатеринбург — Свердловская область, Россия");
    QAbstractItemView* list = offers->popup();
    EXPECT_TRUE(list->isVisible());
    list->setCurrentIndex(first);
    pressKey(list, Qt::Key_Return);
    // GeoNames puts the city at 56.8519° N 60.6122° E; Sverdlovsk's clock in the summer of
    // 1985 was six hours ahead of Greenwich and two ahead of Moscow.
    ASSERT_TRUE(waitFor([&] { return c.combo("place")->currentText() == "Екатеринбург"; }));
    EXPECT_EQ(c.text("latitudeDegrees"), "56");
    EXPECT_EQ(c.text("latitudeMinutes"), "51");
    EXPECT_EQ(c.text("longitudeDegrees"), "60");
    EXPECT_EQ(c.text("longitudeMinutes"), "37");
    EXPECT_EQ(c.text("greenwichHours"), "6");
    EXPECT_EQ(c.text("moscowHours"), "2");
    EXPECT_EQ(c.text("gmtHour"), "6");
    EXPECT_FALSE(c.edit("moscowHours")->isEnabled());
}

TEST_F(BirthDataDialogTest, MoscowIsOnMoscowTimeOnAComputerSetToUtc) {
    const char* zone = std::getenv("TZ");
    const std::string previous = zone != nullptr ? zone : "";
    setenv("TZ", "UTC", 1);
    tzset();
    auto dialog = open();
    const Controls c(*dialog);
    // A new chart starts from the computer's zone, three hours west of Moscow...
    EXPECT_EQ(c.text("moscowHours"), "-3");
    click(c.radio("horoscope"));
    retype(c.edit("day"), "12");
    c.combo("month")->setCurrentIndex(3);
    retype(c.edit("year"), "1961");
    // ...but the stored Moscow is the atlas city and runs on Moscow's clock: +3 in 1961.
    typeText(c.combo("place")->lineEdit(), "Москва");
    EXPECT_EQ(c.text("moscowHours"), "0");
    EXPECT_EQ(c.text("greenwichHours"), "3");
    dialog.reset();
    if (zone != nullptr) {
        setenv("TZ", previous.c_str(), 1);
    } else {
        unsetenv("TZ");
    }
    tzset();
}

TEST_F(BirthDataDialogTest, CharactersWindows1251CannotHoldAreRefusedWhereTyped) {
    auto dialog = open();
    const Controls c(*dialog);
    click(c.radio("horoscope"));
    retype(c.edit("name"), "Müller");
    EXPECT_EQ(c.text("name"), "Mller");
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_NE(messages_[0].find("«ü»"), std::string::npos);
    EXPECT_NE(messages_[0].find("Windows-1251"), std::string::npos);

    typeText(c.combo("place")->lineEdit(), "Łódź");
    EXPECT_EQ(c.combo("place")->currentText(), "d");
    EXPECT_EQ(messages_.size(), 4u);
}

TEST_F(BirthDataDialogTest, MainFrameCommandsOpenTheEntry) {
    QSettings().clear();
    CMainFrame frame(context_);
    frame.show();
    // "Отмена" on a new chart opens nothing.
    bool seen = false;
    whenModal<BirthDataDialog>([&seen](BirthDataDialog& dialog) {
        seen = true;
        click(Controls(dialog).button("cancel"));
    });
    frame.action(Command::New)->trigger();
    EXPECT_TRUE(seen);
    EXPECT_EQ(frame.chartCount(), 0);
    EXPECT_EQ(frame.action(Command::New)->shortcut(), QKeySequence::New);
    // Without a chart there are no birth data to change.
    EXPECT_FALSE(frame.commandAction(command::kChangeBirthData)->isEnabled());

    const auto sample = scratch_ / "sample.map";
    std::filesystem::copy_file(ORVANTA_SAMPLE_MAP, sample);
    ASSERT_TRUE(frame.openChart(QString::fromStdString(sample.string())));
    QAction* change = frame.commandAction(command::kChangeBirthData);
    EXPECT_TRUE(change->isEnabled());
    EXPECT_EQ(change->text(), "По календарю...");
    std::string shownName;
    whenModal<BirthDataDialog>([&shownName](BirthDataDialog& dialog) {
        shownName = Controls(dialog).text("name").toStdString();
        click(Controls(dialog).button("cancel"));
    });
    change->trigger();
    EXPECT_EQ(shownName, frame.activeChart()->doc().natal().birth.name);
    EXPECT_FALSE(frame.activeChart()->doc().isModified());
}

}  // namespace
}  // namespace orvanta
