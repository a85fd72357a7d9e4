#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "birthdata/DoubledTimeChoice.h"
#include "birthdata/HourFields.h"
#include "birthdata/MonthCalendarGrid.h"
#include "birthdata/PlaceBase.h"
#include "birthdata/PlaceFinder.h"
#include "calc/BirthData.h"
#include "calc/Calendar.h"
#include "calc/HouseSystems.h"
#include "calc/MonthNames.h"
#include "common/DataFile.h"

namespace orvanta {

class TimeChangeBase;
class WorldAtlas;

// Everything the birth-data entry decides: it reads and checks what the user typed, derives the
// Greenwich date and time from the local time (through the time-change base, or from the
// difference typed by hand), keeps the month grid and the places base, and decides what OK
// writes. The dialog hands it the texts of its controls and shows the texts it gives back.
class BirthDataEntry {
  public:
    static constexpr const char* kDateErrorText = "Дата или время задано неверно...";
    static constexpr const char* kMissingDataText = "На эту дату нет данных в базе \"Разница...\"";
    static constexpr const char* kPolarMessage = HouseSystems::kPolarMessage;
    static constexpr const char* kOverwriteQuestion = "Сохранить с новыми координатами?";
    static constexpr const char* kDefaultName = "Неизвестный";
    // What OK leaves in the initialisation file; nothing reads it back.
    static constexpr const char* kLastSection = "Last";
    static constexpr const char* kPlaceKey = "Place";
    static constexpr const char* kHouseKey = "House";

    static constexpr int kLongestName = 60;
    static constexpr double kPolarLatitude = HouseSystems::kPolarLatitude;
    static constexpr int kDateErrorBlinkMs = 500;
    static constexpr int kMissingDataBlinkMs = 300;
    // Places the list offers while the user types.
    static constexpr std::size_t kSuggestionCount = 12;

    enum ChartKind { kHoroscope = 0, kCosmogram = 1 };

    // The birth data of a chart together with the fields of the chart record the entry writes
    // beside them.
    struct Record {
        BirthData birth;
        int houseSystem = 0;  // 0 to 11, or -1 for none
        bool housesUnavailable = false;
        bool autoGreenwich = false;
    };

    // The computer's local date and time and its standard offset east of Greenwich, which
    // a new chart starts from.
    struct Clock {
        DateTime now;
        int standardOffsetMinutes = 0;
        static Clock system();
    };

    // The controls of the dialog as texts: what the user typed, or what the entry shows.
    struct Fields {
        std::string name;
        int chartKind = kCosmogram;
        std::string day, month, year, hour, minute;  // the month by its name
        std::string gmtDay, gmtMonth, gmtYear, gmtHour, gmtMinute;
        int houseSystem = 0;  // list position, -1 for none
        std::string place;
        std::string latitudeDegrees, latitudeMinutes;
        bool south = false;
        std::string longitudeDegrees, longitudeMinutes;
        bool west = false;
        std::string moscowHours, moscowMinutes;
        std::string greenwichHours, greenwichMinutes;
        bool automatic = true;
    };

    // Which of the two readings of a doubled local time was meant.
    using Occurrence = DoubledTimeChoice::Occurrence;
    struct DoubledTime {
        std::string question;
        std::string earlier;  // the answer for the first reading
        std::string later;    // the answer for the second
    };
    // Asks which reading was meant; nothing when the user declines to answer.
    using OccurrenceQuestion = std::function<std::optional<Occurrence>(const DoubledTime&)>;

    enum class Verdict {
        Stay,       // a message was shown; the dialog stays open
        Unchanged,  // nothing differs from the chart; closes as if cancelled
        Accepted,   // record() holds the new data
    };

    // A record that was never entered starts from the defaults of a new chart.
    BirthDataEntry(const Record& record, const TimeChangeBase* timeChanges,
                   const Clock& clock = Clock::system());

    // Loads the places base the way the entry opens it: a missing file is reported and created.
    // "Сохранить" writes the base back through the same file.
    void loadPlaces(const DataFile& file);
    // The names of the places, in the order the place list shows them.
    std::vector<std::string> placeNames() const;
    const PlaceBase& places() const { return places_; }

    // The world atlas: its cities join the places offered, and a place that is one of its
    // cities takes that city's historical clock for the automatic Greenwich time. Without it
    // (nullptr) every place goes through the time-change base.
    void setAtlas(const WorldAtlas* atlas);
    // The places offered for the text typed so far: the user's places, then the atlas.
    std::vector<PlaceSuggestion> suggestPlaces(std::string_view typed) const;
    // A place chosen from the offered ones: its name and coordinates go into the fields.
    void placeChosen(const PlaceSuggestion& place);
    // The IANA zone of the place in the fields when it is an atlas city (the city of that
    // name within 20 km of the coordinates) and automatic is on; empty otherwise.
    const std::string& zone() const { return zone_; }

    const Fields& fields() const { return fields_; }
    // Every operation below works on the texts last handed in here.
    void setFields(const Fields& fields) { fields_ = fields; }

    // Reads and checks the fields; false when the date or time is wrong or a number cannot be
    // read. Both only light the date error line, since a message would interrupt the typing;
    // OK and "Сохранить" report an unreadable number.
    bool readFields();
    // Derives the Greenwich date and time and the shown differences; nothing when the date
    // is wrong.
    void recompute();

    // A local date or time field, a difference or the month changed: recompute, and move the
    // grid to the local date when nothing is wrong.
    void timeFieldsChanged();
    // The automatic switch was flipped; turned off, the difference with Moscow becomes zero.
    void automaticToggled();
    // A click into the calendar rectangle picks the local day.
    void calendarClicked(const Rect& rect, int x, int y);
    // The chart kind was chosen; the place controls follow it.
    void chartKindChanged();

    // A place picked from the list, or typed: its coordinates are filled in when the places
    // base knows it, otherwise they become zero. Then the Greenwich time follows the place.
    void placeChanged();
    // "Сохранить": stores the typed place with the typed coordinates. A place the base knows
    // is overwritten only when `confirmOverwrite` says yes. False when nothing was written.
    bool storePlace(const std::function<bool()>& confirmOverwrite);

    // OK. A local time the clock showed twice is settled by `ask`; without it OK stays and
    // reports the question. A chart that was stored with that time keeps the reading its
    // difference from Greenwich names, and nobody is asked again. A value the chart file's
    // reader would refuse (BirthDataLimits) is reported in the reader's words and OK stays.
    Verdict accept(const OccurrenceQuestion& ask = {});

    // Both error lines and their blink: the flags say whether the timers run; each tick
    // alternates its line between the text and nothing.
    bool dateError() const { return dateError_; }
    bool missingData() const { return missingData_; }
    const std::string& dateErrorLine() const { return dateErrorLine_; }
    const std::string& missingDataLine() const { return missingDataLine_; }
    void blinkDateError();
    void blinkMissingData();
    // A reported number that could not be read asks for a beep once; the dialog takes it.
    bool takeBeep();

    // Which controls take input: the place, coordinates, house system and "Сохранить" only for
    // a horoscope; the Moscow difference when automatic, the Greenwich difference otherwise.
    bool placeControlsEnabled() const { return chartKind_ == kHoroscope; }
    // With a zone from the atlas both differences are derived.
    bool moscowDifferenceEnabled() const { return automatic_ && zone_.empty(); }
    bool greenwichDifferenceEnabled() const { return !automatic_; }

    const MonthCalendarGrid& grid() const { return grid_; }
    const Record& record() const { return record_; }

    // The message for a name or place holding a character Windows-1251 cannot store, or empty.
    static std::string refusedCharacterMessage(std::string_view text);
    // "Январь" ... "Декабрь" for 1 to 12, empty otherwise; 0 for a text that is no month name.
    static std::string_view monthName(int month) { return MonthNames::name(month); }
    static int monthNumber(std::string_view name) { return MonthNames::number(name); }
    // A difference in hours as the two edits show it (HourFields).
    static std::pair<int, int> splitHours(double hours) { return HourFields::split(hours); }
    static double joinHours(int hours, int minutes) { return HourFields::join(hours, minutes); }

  private:
    struct Values {
        std::string name;
        int day = 1, month = 1, year = 2000, hour = 0, minute = 0;
        int gmtDay = 1, gmtMonth = 1, gmtYear = 1996, gmtHour = 0, gmtMinute = 0;
        int latitudeDegrees = 0, latitudeMinutes = 0;
        int longitudeDegrees = 0, longitudeMinutes = 0;
        int moscowHours = 0, moscowMinutes = 0;
        int greenwichHours = 0, greenwichMinutes = 0;
    };
    // The local and Greenwich date and time: kept in the fields as the record holds them.
    static constexpr std::array<std::pair<std::int32_t BirthData::*, int Values::*>, 10>
        kClockFields = {{{&BirthData::day, &Values::day},
                         {&BirthData::month, &Values::month},
                         {&BirthData::year, &Values::year},
                         {&BirthData::hour, &Values::hour},
                         {&BirthData::minute, &Values::minute},
                         {&BirthData::gmtDay, &Values::gmtDay},
                         {&BirthData::gmtMonth, &Values::gmtMonth},
                         {&BirthData::gmtYear, &Values::gmtYear},
                         {&BirthData::gmtHour, &Values::gmtHour},
                         {&BirthData::gmtMinute, &Values::gmtMinute}}};

    void showFields();
    void setDateError(bool on, std::string_view text = kDateErrorText);
    // The Greenwich time by the zone's own clock history; nothing when the system's time
    // zone database lacks the zone.
    std::optional<DateTime> greenwichFromZone(const DateTime& local);
    void setCoordinates(double latitude, double longitude);
    void setMissingData(bool on);
    void moveGridToLocalDate();
    double latitude() const;
    double longitude() const;
    bool sameAsRecord() const;
    // The record's birth data with the values of the fields.
    BirthData enteredBirth() const;
    // Reports the unreadable number of the last reading, if any; true when it did.
    bool reportUnreadable();

    Record record_;
    const TimeChangeBase* timeChanges_;
    PlaceBase places_;
    DataFile placesFile_;
    MonthCalendarGrid grid_;
    Fields fields_;
    Values values_;
    int chartKind_ = kCosmogram;
    int houseSystem_ = 0;
    std::string place_;
    bool south_ = false;
    bool west_ = false;
    bool automatic_ = true;
    bool dateError_ = false;
    bool missingData_ = false;
    bool beepPending_ = false;
    bool unreadable_ = false;
    std::string dateErrorLine_;
    std::string dateErrorText_ = kDateErrorText;
    const WorldAtlas* atlas_ = nullptr;
    std::string zone_;
    // A local time the clock skipped: the message; empty otherwise.
    std::string skippedText_;
    // A local time the clock showed twice and no answer yet for it.
    std::optional<DoubledTime> doubled_;
    DoubledTimeChoice doubledChoice_;
    std::string missingDataLine_;
};

}  // namespace orvanta
