#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "birthdata/BirthDataEntry.h"
#include "birthdata/TimeChangeBase.h"
#include "birthdata/WorldAtlas.h"
#include "support/MessageRecorder.h"
#include "support/ScratchFolder.h"

namespace orvanta {
namespace {

using Entry = BirthDataEntry;
using testing::MessageRecorder;
using testing::ScratchFolder;

// A computer whose clock is set to Universal Time.
Entry::Clock utcClock() {
    return {DateTime{12, 0, 1, 7, 2020}, 0};
}

// Moscow +3 all year: enough to tell when the base is asked instead of a zone.
TimeChangeBase moscowAlwaysThree() {
    TimeChangeBase base;
    TimeChange change;
    change.day = 1;
    change.month = 1;
    change.year = 1900;
    change.difference = 3;
    base.add(change);
    return base;
}

std::filesystem::path deliveredPlaces() {
    const char* home = std::getenv("ORVANTA_HOME");
    return std::filesystem::path(home != nullptr ? home : ".") / "Place.PLB";
}

// An entry with the atlas and a copy of the places base in its own folder.
struct Desk {
    explicit Desk(const std::filesystem::path& placesFile = {}, const Entry::Record& record = {})
        : entry(record, &base, utcClock()) {
        const auto copy = folder / "Place.PLB";
        if (placesFile.empty()) {
            ScratchFolder::write(copy, {0, 0, 0, 0});
        } else {
            std::filesystem::copy_file(placesFile, copy);
        }
        entry.loadPlaces(copy);
        entry.setAtlas(&WorldAtlas::shared());
    }
    void type(int day, const char* month, int year, int hour, int minute) {
        Entry::Fields f = entry.fields();
        f.chartKind = Entry::kHoroscope;
        f.day = std::to_string(day);
        f.month = month;
        f.year = std::to_string(year);
        f.hour = std::to_string(hour);
        f.minute = std::to_string(minute);
        entry.setFields(f);
        entry.timeFieldsChanged();
    }
    void typePlace(const std::string& place) {
        Entry::Fields f = entry.fields();
        f.place = place;
        entry.setFields(f);
        entry.placeChanged();
    }
    void choose(const std::string& typed) {
        const auto offered = entry.suggestPlaces(typed);
        ASSERT_FALSE(offered.empty()) << typed;
        entry.placeChosen(offered.front());
    }

    ScratchFolder folder;
    TimeChangeBase base = moscowAlwaysThree();
    Entry entry;
};

// Offsets of each place from its clock history (see ZoneHistoryTest), and Moscow's at the same
// moment: +4 in the summers of 1981-1990 and 2011, +3 in the winters and in 1957.
TEST(BirthPlaceZoneTest, AtlasCityGivesTheDifferencesOfItsOwnClock) {
    struct Case {
        const char* typed;
        const char* label;
        int day;
        const char* month;
        int year;
        const char* greenwichHours;
        const char* greenwichMinutes;
        const char* moscowHours;
        const char* moscowMinutes;
        int gmtHour, gmtMinute;
    };
    const Case cases[] = {
        {"Екат", "Екатеринбург — Свердловская область, Россия", 15, "Июль", 1985, "6", "0", "2",
         "0", 6, 0},
        {"Нью-Й", "Нью-Йорк — Нью-Йорк, США", 3, "Ноябрь", 1957, "-5", "0", "-8", "0", 17, 0},
        {"Колкат", "Колката — Западная Бенгалия, Индия", 1, "Июнь", 1990, "5", "30", "1", "30", 6,
         30},
        {"Сидн", "Сидней — Новый Южный Уэльс, Австралия", 15, "Январь", 2000, "11", "0", "8", "0",
         1, 0},
    };
    for (const Case& c : cases) {
        Desk desk;
        desk.type(c.day, c.month, c.year, 12, 0);
        ASSERT_EQ(desk.entry.suggestPlaces(c.typed).front().label, c.label);
        desk.choose(c.typed);
        const Entry::Fields& f = desk.entry.fields();
        EXPECT_EQ(f.greenwichHours, c.greenwichHours) << c.typed;
        EXPECT_EQ(f.greenwichMinutes, c.greenwichMinutes) << c.typed;
        EXPECT_EQ(f.moscowHours, c.moscowHours) << c.typed;
        EXPECT_EQ(f.moscowMinutes, c.moscowMinutes) << c.typed;
        EXPECT_EQ(f.gmtHour, std::to_string(c.gmtHour)) << c.typed;
        EXPECT_EQ(f.gmtMinute, std::to_string(c.gmtMinute)) << c.typed;
        EXPECT_FALSE(desk.entry.missingData());
        // Both differences are derived, so neither can be typed.
        EXPECT_FALSE(desk.entry.moscowDifferenceEnabled());
        EXPECT_FALSE(desk.entry.greenwichDifferenceEnabled());
    }
}

TEST(BirthPlaceZoneTest, DeliveredMoscowKeepsMoscowTimeOnAComputerSetToUtc) {
    const std::vector<std::uint8_t> delivered = ScratchFolder::read(deliveredPlaces());
    ASSERT_FALSE(delivered.empty());
    Desk desk(deliveredPlaces());
    // The computer's own zone puts a new chart three hours west of Moscow.
    EXPECT_EQ(desk.entry.fields().moscowHours, "-3");
    desk.type(12, "Апрель", 1961, 9, 7);
    desk.typePlace("Москва");
    EXPECT_EQ(desk.entry.zone(), "Europe/Moscow");
    EXPECT_EQ(desk.entry.fields().moscowHours, "0");
    EXPECT_EQ(desk.entry.fields().greenwichHours, "3");
    EXPECT_EQ(desk.entry.fields().gmtHour, "6");
    desk.type(15, "Июль", 2011, 12, 0);
    EXPECT_EQ(desk.entry.fields().moscowHours, "0");
    EXPECT_EQ(desk.entry.fields().greenwichHours, "4");
    ASSERT_EQ(desk.entry.accept(), Entry::Verdict::Accepted);
    EXPECT_EQ(desk.entry.record().birth.diffMoscow, 0.0);
    EXPECT_EQ(desk.entry.record().birth.diffGreenwich, 4.0);
    EXPECT_EQ(desk.entry.record().birth.place, "Москва");

    // Choosing atlas cities and confirming never touches the places base.
    desk.choose("Екат");
    EXPECT_EQ(desk.entry.fields().place, "Екатеринбург");
    EXPECT_EQ(desk.entry.fields().latitudeDegrees, "56");
    EXPECT_EQ(desk.entry.fields().longitudeDegrees, "60");
    ASSERT_EQ(desk.entry.accept(), Entry::Verdict::Accepted);
    EXPECT_EQ(ScratchFolder::read(desk.folder / "Place.PLB"), delivered);
}

TEST(BirthPlaceZoneTest, UserPlaceComesBeforeTheAtlasCityOfTheSameName) {
    // "Екатеринбург" stored far from the city (10° N, 10° E): the user's place wins, and
    // being no atlas city it goes through the time-change base.
    ScratchFolder folder;
    const auto file = folder / "Place.PLB";
    const auto storeOne = [&file](double latitude, double longitude) {
        PlaceBase places;
        places.append({"Екатеринбург", longitude, latitude});
        ASSERT_TRUE(places.save(file));
    };
    storeOne(10.0, 10.0);
    Desk desk(file);
    desk.type(15, "Июль", 1985, 12, 0);
    const auto offered = desk.entry.suggestPlaces("екат");
    ASSERT_GE(offered.size(), 2U);
    EXPECT_TRUE(offered[0].userPlace);
    EXPECT_EQ(offered[0].label, "Екатеринбург");
    EXPECT_EQ(offered[1].label, "Екатеринбург — Свердловская область, Россия");
    desk.typePlace("Екатеринбург");
    EXPECT_EQ(desk.entry.fields().latitudeDegrees, "10");
    EXPECT_EQ(desk.entry.zone(), "");
    // Moscow difference -3 (the UTC computer) plus the base's 3.
    EXPECT_EQ(desk.entry.fields().greenwichHours, "0");

    // Stored within 20 km of the city, the user's place is the city and takes its clock; the
    // atlas does not offer the city a second time.
    storeOne(56.8333, 60.6);
    Desk near(file);
    near.type(15, "Июль", 1985, 12, 0);
    const auto nearOffered = near.entry.suggestPlaces("Екатеринбург");
    ASSERT_FALSE(nearOffered.empty());
    EXPECT_TRUE(nearOffered[0].userPlace);
    EXPECT_EQ(nearOffered[0].zone, "Asia/Yekaterinburg");
    EXPECT_TRUE(nearOffered.size() == 1 || !nearOffered[1].label.starts_with("Екатеринбург —"));
    near.typePlace("Екатеринбург");
    EXPECT_EQ(near.entry.fields().greenwichHours, "6");
}

TEST(BirthPlaceZoneTest, SkippedTimeIsRefusedAndDoubledTimeAsksWhichWasMeant) {
    // New York, 1957: 02:00-03:00 on 28 April did not happen; 01:00-02:00 on 27 October
    // happened twice, first at UTC-4, then at UTC-5.
    MessageRecorder messages;
    Desk skipped;
    skipped.choose("Нью-Й");
    skipped.type(28, "Апрель", 1957, 2, 30);
    const std::string skippedText =
        "28 апреля 1957 г. местного времени от 02:00 до 03:00 не "
        "было: часы перевели вперед. Проверьте время рождения и "
        "введите другое.";
    EXPECT_TRUE(skipped.entry.dateError());
    EXPECT_EQ(skipped.entry.dateErrorLine(), skippedText);
    EXPECT_EQ(skipped.entry.accept(), Entry::Verdict::Stay);
    EXPECT_EQ(messages.messages, std::vector<std::string>{skippedText});
    skipped.type(28, "Апрель", 1957, 3, 30);
    EXPECT_FALSE(skipped.entry.dateError());

    struct Case {
        std::optional<Entry::Occurrence> answer;
        Entry::Verdict verdict;
        double greenwich;
        int gmtHour;
    };
    const Case cases[] = {
        {Entry::Occurrence::Earlier, Entry::Verdict::Accepted, -4.0, 5},
        {Entry::Occurrence::Later, Entry::Verdict::Accepted, -5.0, 6},
        {std::nullopt, Entry::Verdict::Stay, 0.0, 0},
    };
    for (const Case& c : cases) {
        Desk doubled;
        doubled.choose("Нью-Й");
        doubled.type(27, "Октябрь", 1957, 1, 30);
        std::vector<Entry::DoubledTime> asked;
        const auto verdict = doubled.entry.accept([&](const Entry::DoubledTime& question) {
            asked.push_back(question);
            return c.answer;
        });
        ASSERT_EQ(asked.size(), 1U);
        EXPECT_EQ(asked[0].question,
                  "27 октября 1957 г. местного времени от 01:00 до 02:00 было дважды: часы "
                  "перевели назад. Какое из двух 01:30 имеется в виду?");
        EXPECT_EQ(asked[0].earlier, "Первое (UTC−4)");
        EXPECT_EQ(asked[0].later, "Второе (UTC−5)");
        ASSERT_EQ(verdict, c.verdict);
        if (verdict != Entry::Verdict::Accepted) continue;
        EXPECT_EQ(doubled.entry.record().birth.diffGreenwich, c.greenwich);
        EXPECT_EQ(doubled.entry.record().birth.gmtHour, c.gmtHour);
        EXPECT_EQ(doubled.entry.record().birth.gmtMinute, 30);
    }
    // Without anyone to ask, OK stays and says what is unclear.
    Desk unasked;
    unasked.choose("Нью-Й");
    unasked.type(27, "Октябрь", 1957, 1, 30);
    messages.messages.clear();
    EXPECT_EQ(unasked.entry.accept(), Entry::Verdict::Stay);
    ASSERT_EQ(messages.messages.size(), 1U);
    EXPECT_NE(messages.messages[0].find("было дважды"), std::string::npos);
}

// The chart keeps the second 01:30 of New York's 27 October 1957 (UTC−5, 06:30 at Greenwich):
// reopened, the entry shows that reading, and OK neither asks again nor switches to the first.
TEST(BirthPlaceZoneTest, DoubledTimeOfAStoredChartKeepsItsReading) {
    Desk first;
    first.choose("Нью-Й");
    first.type(27, "Октябрь", 1957, 1, 30);
    ASSERT_EQ(first.entry.accept([](const auto&) { return Entry::Occurrence::Later; }),
              Entry::Verdict::Accepted);
    const Entry::Record stored = first.entry.record();
    ASSERT_EQ(stored.birth.diffGreenwich, -5.0);

    int asked = 0;
    const auto ask = [&asked](const Entry::DoubledTime&) {
        ++asked;
        return std::optional<Entry::Occurrence>(Entry::Occurrence::Earlier);
    };
    Desk reopened({}, stored);
    EXPECT_EQ(reopened.entry.fields().greenwichHours, "-5");
    EXPECT_EQ(reopened.entry.fields().gmtHour, "6");
    EXPECT_EQ(reopened.entry.fields().gmtMinute, "30");
    EXPECT_EQ(reopened.entry.accept(ask), Entry::Verdict::Unchanged);

    Desk renamed({}, stored);
    Entry::Fields f = renamed.entry.fields();
    f.name = "Смит";
    renamed.entry.setFields(f);
    ASSERT_EQ(renamed.entry.accept(ask), Entry::Verdict::Accepted);
    EXPECT_EQ(renamed.entry.record().birth.diffGreenwich, -5.0);
    EXPECT_EQ(renamed.entry.record().birth.gmtHour, 6);
    EXPECT_EQ(asked, 0);

    // Another minute of the doubled hour is a new question.
    Desk moved({}, stored);
    moved.type(27, "Октябрь", 1957, 1, 40);
    EXPECT_EQ(moved.entry.accept(ask), Entry::Verdict::Accepted);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(moved.entry.record().birth.diffGreenwich, -4.0);
}

}  // namespace
}  // namespace orvanta
