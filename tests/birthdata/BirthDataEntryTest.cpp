#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "birthdata/BirthDataEntry.h"
#include "birthdata/TimeChangeBase.h"
#include "common/MessageSink.h"
#include "support/ByteLayout.h"
#include "support/MessageRecorder.h"
#include "support/ScratchFolder.h"

namespace orvanta {
namespace {

using Entry = BirthDataEntry;
using testing::ByteLayout;
using testing::ScratchFolder;

// What the code reported, as texts.
struct Messages : testing::MessageRecorder {
    std::vector<std::string>& texts = messages;
};

TimeChange change(int day, int month, int year, int hour, int difference) {
    TimeChange c;
    c.day = day;
    c.month = month;
    c.year = year;
    c.hour = hour;
    c.difference = difference;
    return c;
}

// Moscow's difference from Greenwich as the decrees of the 1990s had it: standard time +3 from
// 1992, summer time +4 from the last Sunday of March at 2:00 to the last Sunday of October at
// 3:00 (1999: 28 March and 31 October).
TimeChangeBase moscowNineties() {
    TimeChangeBase base;
    base.add(change(19, 1, 1992, 2, 3));
    base.add(change(28, 3, 1999, 2, 4));
    base.add(change(31, 10, 1999, 3, 3));
    return base;
}

// A base that knows nothing before 1930.
TimeChangeBase fromNineteenThirty() {
    TimeChangeBase base;
    base.add(change(21, 6, 1930, 0, 3));
    return base;
}

Entry::Clock moscowClock() {
    return {DateTime{12, 0, 1, 7, 2020}, 180};
}

Entry::Record newRecord() {
    return {};
}

// Types a local date and time and both differences into the fields, as the dialog would.
Entry::Fields typed(Entry::Fields fields, int day, const char* month, int year, int hour,
                    int minute) {
    fields.day = std::to_string(day);
    fields.month = month;
    fields.year = std::to_string(year);
    fields.hour = std::to_string(hour);
    fields.minute = std::to_string(minute);
    return fields;
}

void expectGreenwich(const Entry::Fields& f, int day, const char* month, int year, int hour,
                     int minute) {
    EXPECT_EQ(f.gmtDay, std::to_string(day));
    EXPECT_EQ(f.gmtMonth, month);
    EXPECT_EQ(f.gmtYear, std::to_string(year));
    EXPECT_EQ(f.gmtHour, std::to_string(hour));
    EXPECT_EQ(f.gmtMinute, std::to_string(minute));
}

TEST(BirthDataEntryTest, NewChartStartsFromTheComputerClockAndItsStandardZone) {
    const TimeChangeBase base = moscowNineties();
    struct Zone {
        int offsetMinutes;
        const char* hours;
        const char* minutes;
    };
    // The difference with Moscow is the zone's standard offset less Moscow's three hours.
    const std::vector<Zone> zones = {
        {180, "0", "0"},    // Moscow
        {-300, "-8", "0"},  // New York: -5 - 3
        {60, "-2", "0"},    // Paris
        {330, "2", "30"},   // India: 5:30 - 3
        {345, "2", "45"},   // Nepal: 5:45 - 3
        {210, "0", "30"},   // Iran: 3:30 - 3
        // Newfoundland, -3:30 - 3 = -6:30: the half hour keeps the sign of the hours.
        {-210, "-6", "30"},
    };
    for (const Zone& zone : zones) {
        SCOPED_TRACE(zone.offsetMinutes);
        const Entry entry(newRecord(), &base, {DateTime{14, 25, 9, 5, 1999}, zone.offsetMinutes});
        const Entry::Fields& f = entry.fields();
        EXPECT_EQ(f.moscowHours, zone.hours);
        EXPECT_EQ(f.moscowMinutes, zone.minutes);
        EXPECT_EQ(f.name, "Неизвестный");
        EXPECT_EQ(f.chartKind, Entry::kCosmogram);
        EXPECT_TRUE(f.automatic);
        EXPECT_EQ(f.houseSystem, 0);
        EXPECT_EQ(f.place, "");
        EXPECT_EQ(f.latitudeDegrees, "0");
        EXPECT_EQ(f.longitudeMinutes, "0");
        EXPECT_FALSE(f.south);
        EXPECT_FALSE(f.west);
        EXPECT_EQ(f.day, "9");
        EXPECT_EQ(f.month, "Май");
        EXPECT_EQ(f.year, "1999");
        EXPECT_EQ(f.hour, "14");
        EXPECT_EQ(f.minute, "25");
        EXPECT_EQ(entry.grid().selectedDay(), 9);
        EXPECT_EQ(entry.grid().month(), 5);
        EXPECT_EQ(entry.grid().year(), 1999);
        EXPECT_FALSE(entry.dateError());
        EXPECT_TRUE(entry.moscowDifferenceEnabled());
        EXPECT_FALSE(entry.greenwichDifferenceEnabled());
        EXPECT_FALSE(entry.placeControlsEnabled());
    }
    // In Moscow itself the Greenwich time is derived at once: 9 May 1999 is summer time (+4).
    const Entry moscow(newRecord(), &base, {DateTime{14, 25, 9, 5, 1999}, 180});
    expectGreenwich(moscow.fields(), 9, "Май", 1999, 10, 25);
    EXPECT_EQ(moscow.fields().greenwichHours, "4");
}

TEST(BirthDataEntryTest, LocalDateMustExistInTheProgramCalendar) {
    const TimeChangeBase base = moscowNineties();
    Entry entry(newRecord(), &base, moscowClock());
    struct Case {
        int day;
        const char* month;
        int year;
        int hour;
        int minute;
        bool valid;
    };
    const std::vector<Case> cases = {
        {30, "Апрель", 1999, 12, 0, true},   {31, "Апрель", 1999, 12, 0, false},
        {31, "Декабрь", 1999, 12, 0, true},  {29, "Февраль", 1900, 12, 0, false},
        {29, "Февраль", 2000, 12, 0, true},  {28, "Февраль", 1999, 12, 0, true},
        {29, "Февраль", 1999, 12, 0, false}, {29, "Февраль", 2100, 12, 0, false},
        {1, "Январь", 1860, 0, 0, true},     {31, "Декабрь", 1859, 12, 0, false},
        {31, "Декабрь", 2130, 23, 59, true}, {1, "Январь", 2131, 12, 0, false},
        {0, "Май", 1999, 12, 0, false},      {15, "Май", 1999, 24, 0, false},
        {15, "Май", 1999, 23, 60, false},    {32, "Январь", 1999, 12, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.day) + " " + c.month + " " + std::to_string(c.year) + " " +
                     std::to_string(c.hour) + ":" + std::to_string(c.minute));
        entry.setFields(typed(entry.fields(), c.day, c.month, c.year, c.hour, c.minute));
        entry.timeFieldsChanged();
        EXPECT_EQ(entry.dateError(), !c.valid);
        EXPECT_EQ(entry.dateErrorLine(), c.valid ? "" : "Дата или время задано неверно...");
    }
}

TEST(BirthDataEntryTest, WrongDateBlinksItsLineAndKeepsTheDerivedTimeAndGrid) {
    const TimeChangeBase base = moscowNineties();
    Entry entry(newRecord(), &base, moscowClock());
    entry.setFields(typed(entry.fields(), 15, "Апрель", 1999, 12, 0));
    entry.timeFieldsChanged();
    const Entry::Fields before = entry.fields();

    Entry::Fields wrong = before;
    wrong.day = "31";
    entry.setFields(wrong);
    entry.timeFieldsChanged();
    EXPECT_TRUE(entry.dateError());
    EXPECT_EQ(entry.fields().gmtDay, before.gmtDay);
    EXPECT_EQ(entry.grid().selectedDay(), 15);

    // Each tick alternates the line between the text and nothing.
    entry.blinkDateError();
    EXPECT_EQ(entry.dateErrorLine(), "");
    entry.blinkDateError();
    EXPECT_EQ(entry.dateErrorLine(), "Дата или время задано неверно...");

    // OK is refused with the same text.
    Messages messages;
    EXPECT_EQ(entry.accept(), Entry::Verdict::Stay);
    EXPECT_EQ(messages.texts, std::vector<std::string>{"Дата или время задано неверно..."});

    // Mended, the line goes and stops blinking.
    entry.setFields(before);
    entry.timeFieldsChanged();
    EXPECT_FALSE(entry.dateError());
    entry.blinkDateError();
    EXPECT_EQ(entry.dateErrorLine(), "");
}

// A message in the middle of typing would interrupt it: typing only lights the error line, and
// OK (or "Сохранить") says what is wrong, once, with a beep.
TEST(BirthDataEntryTest, NumberThatCannotBeReadMarksTheFieldAndIsReportedOnOk) {
    const TimeChangeBase base = moscowNineties();
    Entry entry(newRecord(), &base, moscowClock());
    for (const char* text : {"", "-", "1 2", "99999999999"}) {
        SCOPED_TRACE(text);
        Messages messages;
        Entry::Fields f = typed(entry.fields(), 15, "Май", 1999, 12, 0);
        f.moscowHours = text;
        entry.setFields(f);
        entry.timeFieldsChanged();
        EXPECT_TRUE(messages.texts.empty());
        EXPECT_TRUE(entry.dateError());
        EXPECT_FALSE(entry.takeBeep());
        EXPECT_EQ(entry.accept(), Entry::Verdict::Stay);
        EXPECT_EQ(messages.texts, std::vector<std::string>{"Введите целое число."});
        EXPECT_TRUE(entry.takeBeep());
        EXPECT_FALSE(entry.takeBeep());
        messages.texts.clear();
        EXPECT_FALSE(entry.storePlace([] { return true; }));
        EXPECT_EQ(messages.texts, std::vector<std::string>{"Введите целое число."});
        EXPECT_TRUE(entry.takeBeep());
        EXPECT_EQ(entry.record().birth.entered, 0);
    }
    // Signs and spaces around a number are read.
    Messages messages;
    Entry::Fields f = typed(entry.fields(), 15, "Май", 1999, 12, 0);
    f.moscowHours = " +1 ";
    entry.setFields(f);
    entry.timeFieldsChanged();
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_FALSE(entry.dateError());
    EXPECT_EQ(entry.fields().moscowHours, "1");
}

TEST(BirthDataEntryTest, AutomaticGreenwichTimeComesFromTheMoscowClockAndTheBase) {
    const TimeChangeBase base = moscowNineties();
    Entry entry(newRecord(), &base, moscowClock());
    struct Case {
        int moscowHours, moscowMinutes;
        int day;
        const char* month;
        int year, hour, minute;
        // Hand-worked: Moscow = local - difference with Moscow; Greenwich = Moscow - change.
        int gmtDay;
        const char* gmtMonth;
        int gmtYear, gmtHour, gmtMinute;
        const char* greenwichHours;
        const char* greenwichMinutes;
    };
    const std::vector<Case> cases = {
        // Moscow in winter 1999: 12:00 - 3 = 9:00.
        {0, 0, 15, "Январь", 1999, 12, 0, 15, "Январь", 1999, 9, 0, "3", "0"},
        // Summer: 12:40 - 4.
        {0, 0, 15, "Июнь", 1999, 12, 40, 15, "Июнь", 1999, 8, 40, "4", "0"},
        // Back over midnight and the year's end: 1:30 on 1 January 2000 is 22:30 the day before.
        {0, 0, 1, "Январь", 2000, 1, 30, 31, "Декабрь", 1999, 22, 30, "3", "0"},
        // Kaliningrad, an hour behind Moscow: 0:30 is 1:30 in Moscow, 22:30 the day before in
        // Greenwich, and 2000 is a leap year.
        {-1, 0, 1, "Март", 2000, 0, 30, 29, "Февраль", 2000, 22, 30, "2", "0"},
        // Samara, an hour ahead: 2:30 local on 28 March 1999 is 1:30 in Moscow, still before
        // the change at 2:00, so the winter difference holds.
        {1, 0, 28, "Март", 1999, 2, 30, 27, "Март", 1999, 22, 30, "4", "0"},
        // An hour later the Moscow clock has passed 2:00: 3:30 - 1 - 4 = 22:30.
        {1, 0, 28, "Март", 1999, 3, 30, 27, "Март", 1999, 22, 30, "5", "0"},
        // Before 3:00 on 31 October the summer difference still holds (Moscow 2:59).
        {0, 0, 31, "Октябрь", 1999, 2, 59, 30, "Октябрь", 1999, 22, 59, "4", "0"},
        {0, 0, 31, "Октябрь", 1999, 3, 10, 31, "Октябрь", 1999, 0, 10, "3", "0"},
        // India, 2:30 ahead of Moscow, in winter: 12:00 - 2:30 - 3 = 6:30.
        {2, 30, 15, "Январь", 1999, 12, 0, 15, "Январь", 1999, 6, 30, "5", "30"},
        // Forward over the year's end: New York, 8 hours behind Moscow, 20:00 + 8 - 3 = 1:00
        // of the next day.
        {-8, 0, 31, "Декабрь", 1999, 20, 0, 1, "Январь", 2000, 1, 0, "-5", "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.day) + " " + c.month + " " + std::to_string(c.hour) + ":" +
                     std::to_string(c.minute) + " Moscow " + std::to_string(c.moscowHours));
        Entry::Fields f = typed(entry.fields(), c.day, c.month, c.year, c.hour, c.minute);
        f.moscowHours = std::to_string(c.moscowHours);
        f.moscowMinutes = std::to_string(c.moscowMinutes);
        f.automatic = true;
        entry.setFields(f);
        entry.timeFieldsChanged();
        EXPECT_FALSE(entry.missingData());
        expectGreenwich(entry.fields(), c.gmtDay, c.gmtMonth, c.gmtYear, c.gmtHour, c.gmtMinute);
        EXPECT_EQ(entry.fields().greenwichHours, c.greenwichHours);
        EXPECT_EQ(entry.fields().greenwichMinutes, c.greenwichMinutes);
    }
}

TEST(BirthDataEntryTest, ManualGreenwichTimeComesFromTheTypedDifference) {
    const TimeChangeBase base = moscowNineties();
    Entry entry(newRecord(), &base, moscowClock());
    struct Case {
        const char* hours;
        const char* minutes;
        int day;
        const char* month;
        int year, hour, minute;
        int gmtDay;
        const char* gmtMonth;
        int gmtYear, gmtHour, gmtMinute;
    };
    const std::vector<Case> cases = {
        // 23:00 + 5:30 = 28:30, that is 4:30 on the next day, in the next year.
        {"-5", "30", 31, "Декабрь", 1999, 23, 0, 1, "Январь", 2000, 4, 30},
        // 5:00 - 10:00 goes back to 19:00 of the last day of the year before.
        {"10", "0", 1, "Январь", 2000, 5, 0, 31, "Декабрь", 1999, 19, 0},
        // Back over the end of February of a leap year and of a common one.
        {"3", "0", 1, "Март", 2000, 1, 0, 29, "Февраль", 2000, 22, 0},
        {"3", "0", 1, "Март", 1900, 1, 0, 28, "Февраль", 1900, 22, 0},
        {"0", "45", 10, "Май", 1999, 12, 15, 10, "Май", 1999, 11, 30},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.hours) + " h " + c.minutes + " m");
        Entry::Fields f = typed(entry.fields(), c.day, c.month, c.year, c.hour, c.minute);
        f.automatic = false;
        f.greenwichHours = c.hours;
        f.greenwichMinutes = c.minutes;
        entry.setFields(f);
        entry.timeFieldsChanged();
        expectGreenwich(entry.fields(), c.gmtDay, c.gmtMonth, c.gmtYear, c.gmtHour, c.gmtMinute);
        EXPECT_FALSE(entry.moscowDifferenceEnabled());
        EXPECT_TRUE(entry.greenwichDifferenceEnabled());
    }
}

TEST(BirthDataEntryTest, MissingTimeChangeDataBlinksButDoesNotStopOk) {
    const TimeChangeBase base = fromNineteenThirty();
    Entry entry(newRecord(), &base, moscowClock());
    ASSERT_FALSE(entry.missingData());
    ASSERT_EQ(entry.grid().year(), 2020);

    entry.setFields(typed(entry.fields(), 10, "Март", 1925, 12, 0));
    entry.timeFieldsChanged();
    EXPECT_TRUE(entry.missingData());
    EXPECT_EQ(entry.missingDataLine(), "На эту дату нет данных в базе \"Разница...\"");
    // Without data the difference with Moscow stands alone: 12:00 Moscow counts as Greenwich.
    expectGreenwich(entry.fields(), 10, "Март", 1925, 12, 0);
    EXPECT_EQ(entry.fields().greenwichHours, "0");
    // The grid waits for a date the base knows.
    EXPECT_EQ(entry.grid().year(), 2020);

    entry.blinkMissingData();
    EXPECT_EQ(entry.missingDataLine(), "");
    entry.blinkMissingData();
    EXPECT_EQ(entry.missingDataLine(), "На эту дату нет данных в базе \"Разница...\"");

    Messages messages;
    EXPECT_EQ(entry.accept(), Entry::Verdict::Accepted);
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(entry.record().birth.diffGreenwich, 0.0);

    // A date the base knows clears the line and moves the grid.
    entry.setFields(typed(entry.fields(), 10, "Март", 1935, 12, 0));
    entry.timeFieldsChanged();
    EXPECT_FALSE(entry.missingData());
    EXPECT_EQ(entry.missingDataLine(), "");
    EXPECT_EQ(entry.grid().year(), 1935);

    // Typing the difference by hand never asks the base.
    entry.setFields(typed(entry.fields(), 10, "Март", 1925, 12, 0));
    entry.timeFieldsChanged();
    ASSERT_TRUE(entry.missingData());
    Entry::Fields manual = entry.fields();
    manual.automatic = false;
    entry.setFields(manual);
    entry.automaticToggled();
    EXPECT_FALSE(entry.missingData());
    EXPECT_EQ(entry.grid().year(), 1925);
}

TEST(BirthDataEntryTest, TotalBetweenMinusOneAndZeroHoursShowsWithoutItsSign) {
    const TimeChangeBase base = moscowNineties();
    Entry entry(newRecord(), &base, moscowClock());
    // 3:30 behind Moscow in winter: the total is -3:30 + 3 = -0:30.
    Entry::Fields f = typed(entry.fields(), 15, "Январь", 1999, 12, 0);
    f.moscowHours = "-3";
    f.moscowMinutes = "30";
    entry.setFields(f);
    entry.timeFieldsChanged();
    EXPECT_EQ(entry.fields().greenwichHours, "0");
    EXPECT_EQ(entry.fields().greenwichMinutes, "30");
    // 12:00 + 3:30 - 3 = 12:30.
    expectGreenwich(entry.fields(), 15, "Январь", 1999, 12, 30);

    // Switched off, the shown 0 h 30 m reads as half an hour ahead, and the difference with
    // Moscow becomes zero.
    Entry::Fields off = entry.fields();
    off.automatic = false;
    entry.setFields(off);
    entry.automaticToggled();
    EXPECT_EQ(entry.fields().moscowHours, "0");
    EXPECT_EQ(entry.fields().moscowMinutes, "0");
    expectGreenwich(entry.fields(), 15, "Январь", 1999, 11, 30);

    EXPECT_EQ(Entry::splitHours(-0.5), (std::pair<int, int>{0, 30}));
    EXPECT_EQ(Entry::splitHours(-5.5), (std::pair<int, int>{-5, 30}));
    EXPECT_EQ(Entry::joinHours(-5, 30), -5.5);
    EXPECT_EQ(Entry::joinHours(0, 30), 0.5);
}

// A chart entered in Moscow on 15 June 1999 at 12:40, summer time, the Greenwich moment
// worked out by hand from the base: 8:40.
Entry::Record enteredMoscowChart() {
    Entry::Record record;
    BirthData& b = record.birth;
    b.entered = 1;
    b.name = "Иванов Иван Иванович";
    b.place = "Москва";
    b.day = 15;
    b.month = 6;
    b.year = 1999;
    b.hour = 12;
    b.minute = 40;
    b.gmtDay = 15;
    b.gmtMonth = 6;
    b.gmtYear = 1999;
    b.gmtHour = 8;
    b.gmtMinute = 40;
    b.diffGreenwich = 4.0;
    b.diffMoscow = 0.0;
    b.latitude = 55.75;
    b.longitude = 37.0 + 37.0 / 60.0;
    b.houseSystemName = "Koch";
    record.houseSystem = 1;
    record.housesUnavailable = false;
    record.autoGreenwich = true;
    return record;
}

TEST(BirthDataEntryTest, OkWithNothingChangedLeavesTheChartAlone) {
    const TimeChangeBase base = moscowNineties();
    Entry entry(enteredMoscowChart(), &base, moscowClock());
    const Entry::Fields& f = entry.fields();
    EXPECT_EQ(f.name, "Иванов Иван Иванович");
    EXPECT_EQ(f.month, "Июнь");
    EXPECT_EQ(f.latitudeDegrees, "55");
    EXPECT_EQ(f.latitudeMinutes, "45");
    EXPECT_EQ(f.longitudeMinutes, "37");
    EXPECT_EQ(f.houseSystem, 1);
    EXPECT_EQ(f.chartKind, Entry::kHoroscope);
    EXPECT_EQ(f.place, "Москва");
    EXPECT_TRUE(entry.placeControlsEnabled());
    EXPECT_EQ(entry.accept(), Entry::Verdict::Unchanged);

    // Each single change is one the chart has to follow.
    const auto changedBy = [&](const std::function<void(Entry::Fields&)>& edit) {
        Entry changed(enteredMoscowChart(), &base, moscowClock());
        Entry::Fields fields = changed.fields();
        edit(fields);
        changed.setFields(fields);
        return changed.accept();
    };
    EXPECT_EQ(changedBy([](auto& f) { f.name = "Петров"; }), Entry::Verdict::Accepted);
    EXPECT_EQ(changedBy([](auto& f) { f.minute = "41"; }), Entry::Verdict::Accepted);
    EXPECT_EQ(changedBy([](auto& f) { f.place = "Химки"; }), Entry::Verdict::Accepted);
    EXPECT_EQ(changedBy([](auto& f) { f.latitudeMinutes = "46"; }), Entry::Verdict::Accepted);
    EXPECT_EQ(changedBy([](auto& f) { f.west = true; }), Entry::Verdict::Accepted);
    EXPECT_EQ(changedBy([](auto& f) { f.houseSystem = 2; }), Entry::Verdict::Accepted);
    EXPECT_EQ(changedBy([](auto& f) { f.chartKind = Entry::kCosmogram; }),
              Entry::Verdict::Accepted);
    EXPECT_EQ(changedBy([](auto& f) { f.automatic = false; }), Entry::Verdict::Accepted);
    // The difference with Moscow only counts through what it does to the Greenwich moment.
    EXPECT_EQ(changedBy([](auto& f) { f.moscowHours = "1"; }), Entry::Verdict::Accepted);

    // A chart never entered is always written, even when the fields are left as they are.
    Entry fresh(newRecord(), &base, moscowClock());
    EXPECT_EQ(fresh.accept(), Entry::Verdict::Accepted);
    EXPECT_EQ(fresh.record().birth.entered, 1);
}

TEST(BirthDataEntryTest, OkWritesEveryFieldIntoTheRecord) {
    const TimeChangeBase base = moscowNineties();
    Entry entry(newRecord(), &base, moscowClock());
    Entry::Fields f = typed(entry.fields(), 15, "Июнь", 1999, 12, 40);
    f.name = "Сидорова Анна";
    f.chartKind = Entry::kHoroscope;
    f.houseSystem = 5;
    f.place = "Рио-де-Жанейро";
    f.latitudeDegrees = "22";
    f.latitudeMinutes = "54";
    f.south = true;
    f.longitudeDegrees = "43";
    f.longitudeMinutes = "12";
    f.west = true;
    f.moscowHours = "-6";
    f.moscowMinutes = "0";
    entry.setFields(f);
    ASSERT_EQ(entry.accept(), Entry::Verdict::Accepted);

    const Entry::Record& r = entry.record();
    const BirthData& b = r.birth;
    EXPECT_EQ(b.entered, 1);
    EXPECT_EQ(b.name, "Сидорова Анна");
    EXPECT_EQ(b.place, "Рио-де-Жанейро");
    EXPECT_EQ(b.day, 15);
    EXPECT_EQ(b.month, 6);
    EXPECT_EQ(b.year, 1999);
    EXPECT_EQ(b.hour, 12);
    EXPECT_EQ(b.minute, 40);
    // 12:40 + 6 = 18:40 Moscow, summer time: 14:40 Greenwich; -6 + 4 = -2 hours.
    EXPECT_EQ(b.gmtDay, 15);
    EXPECT_EQ(b.gmtMonth, 6);
    EXPECT_EQ(b.gmtYear, 1999);
    EXPECT_EQ(b.gmtHour, 14);
    EXPECT_EQ(b.gmtMinute, 40);
    EXPECT_EQ(b.diffMoscow, -6.0);
    EXPECT_EQ(b.diffGreenwich, -2.0);
    EXPECT_DOUBLE_EQ(b.latitude, -22.9);
    EXPECT_DOUBLE_EQ(b.longitude, -43.2);
    EXPECT_EQ(b.houseSystemName, "Regiomontanus");
    EXPECT_EQ(r.houseSystem, 5);
    EXPECT_FALSE(r.housesUnavailable);
    EXPECT_TRUE(r.autoGreenwich);

    Entry cosmogram(newRecord(), &base, moscowClock());
    ASSERT_EQ(cosmogram.accept(), Entry::Verdict::Accepted);
    EXPECT_TRUE(cosmogram.record().housesUnavailable);
    EXPECT_EQ(cosmogram.record().birth.houseSystemName, "Placidus");
}

TEST(BirthDataEntryTest, PolarRuleRefusesArcSystemsBeyondThePolarCirclesOnBothSides) {
    const TimeChangeBase base = moscowNineties();
    struct Case {
        int degrees, minutes;
        bool south;
        int houseSystem;
        bool accepted;
    };
    const std::vector<Case> cases = {
        {66, 33, false, 0, true},                             // 66.55 exactly is still allowed
        {66, 34, false, 0, false}, {66, 34, true, 0, false},  // the southern polar circle too
        {70, 0, true, 0, false},   {70, 0, false, 1, false}, {70, 0, false, 3, false},
        {70, 0, false, 5, false},  {70, 0, false, 6, false}, {70, 0, false, 8, false},
        {70, 0, false, 10, false}, {70, 0, false, 2, true},  {70, 0, false, 4, true},
        {70, 0, false, 7, true},   {70, 0, false, 9, true},  {70, 0, false, 11, true},
        {66, 33, true, 10, true},  {89, 59, true, 11, true},
    };
    for (const Case& c : cases) {
        for (const int kind : {Entry::kHoroscope, Entry::kCosmogram}) {
            SCOPED_TRACE(std::to_string(c.degrees) + "°" + std::to_string(c.minutes) +
                         (c.south ? " S " : " N ") + std::to_string(c.houseSystem) + " kind " +
                         std::to_string(kind));
            Entry entry(enteredMoscowChart(), &base, moscowClock());
            Entry::Fields f = entry.fields();
            f.chartKind = kind;
            f.latitudeDegrees = std::to_string(c.degrees);
            f.latitudeMinutes = std::to_string(c.minutes);
            f.south = c.south;
            f.houseSystem = c.houseSystem;
            entry.setFields(f);
            Messages messages;
            const Entry::Verdict verdict = entry.accept();
            if (c.accepted) {
                EXPECT_EQ(verdict, Entry::Verdict::Accepted);
                EXPECT_TRUE(messages.texts.empty());
            } else {
                EXPECT_EQ(verdict, Entry::Verdict::Stay);
                EXPECT_EQ(messages.texts, std::vector<std::string>{
                                              "Для заполярья эта система домов не пригодна..."});
                // Refused, the record keeps the chart's data untouched.
                EXPECT_EQ(entry.record().birth.latitude, 55.75);
                EXPECT_EQ(entry.record().houseSystem, 1);
                EXPECT_EQ(entry.record().birth.houseSystemName, "Koch");
            }
        }
    }
}

// What the chart file's reader refuses never reaches the record; the message is the reader's
// own (MapFileTest quotes the same words), also where the polar rule would have spoken first.
TEST(BirthDataEntryTest, ValuesTheChartFileRefusesAreRefusedInTheReadersWords) {
    const TimeChangeBase base = moscowNineties();
    struct Case {
        const char* latitudeDegrees;
        const char* latitudeMinutes;
        const char* longitudeDegrees;
        bool west;
        int houseSystem;
        const char* refusal;  // empty: accepted
    };
    const std::vector<Case> cases = {
        {"95", "0", "37", false, 2, "широта 95 вне допустимого (-90 … 90)"},
        {"95", "0", "37", false, 0, "широта 95 вне допустимого (-90 … 90)"},
        {"55", "45", "200", true, 2, "долгота -200 вне допустимого (-180 … 180)"},
        {"90", "0", "180", true, 2, ""},  // the limits themselves are stored
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.latitudeDegrees) + " " + c.longitudeDegrees);
        Entry entry(enteredMoscowChart(), &base, moscowClock());
        Entry::Fields f = entry.fields();
        f.latitudeDegrees = c.latitudeDegrees;
        f.latitudeMinutes = c.latitudeMinutes;
        f.longitudeDegrees = c.longitudeDegrees;
        f.longitudeMinutes = "0";
        f.west = c.west;
        f.houseSystem = c.houseSystem;
        entry.setFields(f);
        Messages messages;
        const Entry::Verdict verdict = entry.accept();
        if (*c.refusal == '\0') {
            EXPECT_EQ(verdict, Entry::Verdict::Accepted);
            EXPECT_TRUE(messages.texts.empty());
            continue;
        }
        EXPECT_EQ(verdict, Entry::Verdict::Stay);
        EXPECT_EQ(messages.texts, std::vector<std::string>{c.refusal});
        EXPECT_EQ(entry.record().birth.latitude, 55.75);
    }
    // A difference typed by hand beyond a day.
    Entry manual(enteredMoscowChart(), &base, moscowClock());
    Entry::Fields f = manual.fields();
    f.automatic = false;
    f.greenwichHours = "-25";
    f.greenwichMinutes = "30";
    manual.setFields(f);
    Messages messages;
    EXPECT_EQ(manual.accept(), Entry::Verdict::Stay);
    EXPECT_EQ(messages.texts,
              std::vector<std::string>{"разница с Гринвичем -25.5 вне допустимого (-24 … 24)"});
}

TEST(BirthDataEntryTest, CalendarClickPicksTheLocalDay) {
    const TimeChangeBase base = moscowNineties();
    Entry entry(newRecord(), &base, moscowClock());
    entry.setFields(typed(entry.fields(), 15, "Январь", 2000, 1, 30));
    entry.timeFieldsChanged();
    // January 2000 begins on a Saturday: 6 week rows, 7 rows of 40 pixels in 280, columns of
    // 50 in 350. Day 24 is a Monday: row 5, column 0.
    const Rect rect{0, 0, 350, 280};
    entry.calendarClicked(rect, 25, 5 * 40 + 20);
    EXPECT_EQ(entry.fields().day, "24");
    EXPECT_EQ(entry.grid().selectedDay(), 24);
    // The Greenwich time follows: 1:30 - 3 goes back to the 23rd.
    expectGreenwich(entry.fields(), 23, "Январь", 2000, 22, 30);

    // The head row and the cells before the 1st pick nothing.
    entry.calendarClicked(rect, 25, 20);
    entry.calendarClicked(rect, 25, 60);
    EXPECT_EQ(entry.fields().day, "24");
}

TEST(BirthDataEntryTest, PlacesFillTheCoordinatesAndAreStoredOnRequest) {
    ScratchFolder folder;
    const auto file = folder / "Place.PLB";
    Messages messages;
    const TimeChangeBase base = moscowNineties();
    Entry entry(newRecord(), &base, moscowClock());
    entry.loadPlaces(file);
    EXPECT_EQ(messages.texts,
              std::vector<std::string>{"Place base was not found...\ncreating empty..."});
    EXPECT_EQ(testing::ScratchFolder::read(file), ByteLayout().i32(0).bytes());

    // A new place is appended with the typed coordinates: 55° 45' N, 37° 37' E.
    Entry::Fields f = entry.fields();
    f.chartKind = Entry::kHoroscope;
    f.place = "Москва";
    f.latitudeDegrees = "55";
    f.latitudeMinutes = "45";
    f.longitudeDegrees = "37";
    f.longitudeMinutes = "37";
    entry.setFields(f);
    int questions = 0;
    const auto answer = [&questions](bool yes) {
        return [&questions, yes] {
            ++questions;
            return yes;
        };
    };
    ASSERT_TRUE(entry.storePlace(answer(true)));
    EXPECT_EQ(questions, 0);
    ByteLayout expected;
    expected.i32(1).i32(6).raw("\xCC\xEE\xF1\xEA\xE2\xE0").f64(37.0 + 37.0 / 60.0).f64(55.75);
    EXPECT_EQ(testing::ScratchFolder::read(file), expected.bytes());

    // Typed in lower case, the place is found and fills the coordinates; unknown, they go to 0.
    f = entry.fields();
    f.place = "москва";
    f.latitudeDegrees = "1";
    entry.setFields(f);
    entry.placeChanged();
    EXPECT_EQ(entry.fields().latitudeDegrees, "55");
    EXPECT_EQ(entry.fields().longitudeMinutes, "37");
    EXPECT_EQ(entry.fields().place, "москва");
    f = entry.fields();
    f.place = "Мос";
    entry.setFields(f);
    entry.placeChanged();
    EXPECT_EQ(entry.fields().latitudeDegrees, "0");
    EXPECT_EQ(entry.fields().longitudeMinutes, "0");
    EXPECT_FALSE(entry.fields().south);
    EXPECT_EQ(entry.fields().place, "Мос");

    // A known place is overwritten only after Yes.
    f = entry.fields();
    f.place = "МОСКВА";
    f.latitudeDegrees = "60";
    f.latitudeMinutes = "0";
    entry.setFields(f);
    EXPECT_FALSE(entry.storePlace(answer(false)));
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(testing::ScratchFolder::read(file), expected.bytes());
    EXPECT_TRUE(entry.storePlace(answer(true)));
    EXPECT_EQ(questions, 2);
    EXPECT_EQ(entry.places().size(), 1);
    EXPECT_EQ(entry.places().records()[0].latitude, 60.0);
    EXPECT_EQ(entry.places().records()[0].name, "Москва");

    // An empty place text adds nothing, yet the file is written again.
    f = entry.fields();
    f.place = "";
    entry.setFields(f);
    std::filesystem::remove(file);
    EXPECT_TRUE(entry.storePlace(answer(true)));
    EXPECT_EQ(entry.places().size(), 1);
    EXPECT_TRUE(std::filesystem::exists(file));
}

TEST(BirthDataEntryTest, PlaceListIsSortedWithoutRegardToLetterCase) {
    ScratchFolder folder;
    const auto file = folder / "Place.PLB";
    ByteLayout bytes;
    bytes.i32(5);
    // "Ярославль", "елец", "Ёлкино", "Абакан", "Жуковский", in Windows-1251.
    for (const char* name :
         {"\xDF\xF0\xEE\xF1\xEB\xE0\xE2\xEB\xFC", "\xE5\xEB\xE5\xF6", "\xA8\xEB\xEA\xE8\xED\xEE",
          "\xC0\xE1\xE0\xEA\xE0\xED", "\xC6\xF3\xEA\xEE\xE2\xF1\xEA\xE8\xE9"}) {
        bytes.i32(static_cast<int>(std::string_view(name).size())).raw(name).f64(0).f64(0);
    }
    testing::ScratchFolder::write(file, bytes.bytes());
    const TimeChangeBase base;
    Entry entry(newRecord(), &base, moscowClock());
    entry.loadPlaces(file);
    EXPECT_EQ(entry.placeNames(),
              (std::vector<std::string>{"Абакан", "елец", "Ёлкино", "Жуковский", "Ярославль"}));
}

TEST(BirthDataEntryTest, CharactersWindows1251CannotHoldAreRefused) {
    EXPECT_EQ(Entry::refusedCharacterMessage("Иванов-Smith №1 «Ё»"), "");
    const std::string message = Entry::refusedCharacterMessage("Łódź");
    EXPECT_NE(message.find("«Ł»"), std::string::npos);
    EXPECT_NE(message.find("Windows-1251"), std::string::npos);

    const TimeChangeBase base = moscowNineties();
    Entry entry(newRecord(), &base, moscowClock());
    Entry::Fields f = entry.fields();
    f.name = "Зоя 😀";
    entry.setFields(f);
    Messages messages;
    EXPECT_EQ(entry.accept(), Entry::Verdict::Stay);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_NE(messages.texts[0].find("«😀»"), std::string::npos);
    EXPECT_EQ(entry.record().birth.entered, 0);

    f.name = "Зоя";
    f.place = "Łódź";
    entry.setFields(f);
    EXPECT_EQ(entry.accept(), Entry::Verdict::Stay);
    EXPECT_EQ(entry.storePlace([] { return true; }), false);
    EXPECT_EQ(entry.places().size(), 0);
}

TEST(BirthDataEntryTest, NameIsCutToSixtyCharacters) {
    const TimeChangeBase base = moscowNineties();
    Entry entry(newRecord(), &base, moscowClock());
    Entry::Fields f = entry.fields();
    std::string longName;
    for (int i = 0; i < 70; ++i) longName += "Ж";
    f.name = longName;
    entry.setFields(f);
    ASSERT_EQ(entry.accept(), Entry::Verdict::Accepted);
    EXPECT_EQ(entry.record().birth.name, longName.substr(0, 60 * 2));
}

}  // namespace
}  // namespace orvanta
