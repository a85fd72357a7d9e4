#include "birthdata/BirthDataEntry.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <tuple>
#include <utility>

#include "birthdata/ClockChangeText.h"
#include "birthdata/CoordinateFields.h"
#include "birthdata/IntegerField.h"
#include "birthdata/TimeChangeBase.h"
#include "birthdata/WorldAtlas.h"
#include "birthdata/ZoneHistory.h"
#include "calc/BirthDataLimits.h"
#include "calc/HouseSystems.h"
#include "calc/MonthNames.h"
#include "common/MessageSink.h"
#include "common/ValueCheck.h"
#include "common/Windows1251.h"

namespace orvanta {
namespace {

// Moscow's standard offset east of Greenwich, in minutes.
constexpr int kMoscowOffsetMinutes = 180;

// A clock is never more than two days off Greenwich; a typed difference beyond that is cut
// so that the shift of the time stays defined arithmetic.
constexpr double kLargestShift = 48.0;

// The first `count` characters of a UTF-8 text.
std::string firstCharacters(const std::string& text, int count) {
    std::size_t end = 0;
    for (int i = 0; i < count && end < text.size(); ++i) {
        ++end;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
    }
    return text.substr(0, end);
}

DateTime shifted(double shift, const DateTime& from) {
    return Calendar::hourShift(std::clamp(shift, -kLargestShift, kLargestShift), from);
}

}  // namespace

BirthDataEntry::Clock BirthDataEntry::Clock::system() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    tzset();
    Clock clock;
    clock.now = DateTime{local.tm_hour, local.tm_min, local.tm_mday, local.tm_mon + 1,
                         local.tm_year + 1900};
    // The C library keeps the standard offset in seconds west of Greenwich.
    clock.standardOffsetMinutes = static_cast<int>(-timezone / 60);
    return clock;
}

BirthDataEntry::BirthDataEntry(const Record& record, const TimeChangeBase* timeChanges,
                               const Clock& clock)
    : record_(record), timeChanges_(timeChanges), grid_(1, 1, 2000), doubledChoice_(record.birth) {
    const BirthData& birth = record.birth;
    if (birth.entered != 0) {
        values_.name = birth.name;
        for (const auto& [stored, shown] : kClockFields) values_.*shown = birth.*stored;
        std::tie(values_.greenwichHours, values_.greenwichMinutes) =
            splitHours(birth.diffGreenwich);
        std::tie(values_.moscowHours, values_.moscowMinutes) = splitHours(birth.diffMoscow);
        const CoordinateFields latitude = CoordinateFields::fromValue(birth.latitude);
        const CoordinateFields longitude = CoordinateFields::fromValue(birth.longitude);
        values_.latitudeDegrees = latitude.degrees;
        values_.latitudeMinutes = latitude.minutes;
        south_ = latitude.negative;
        values_.longitudeDegrees = longitude.degrees;
        values_.longitudeMinutes = longitude.minutes;
        west_ = longitude.negative;
        chartKind_ = record.housesUnavailable ? kCosmogram : kHoroscope;
        automatic_ = record.autoGreenwich;
        houseSystem_ = record.houseSystem;
        place_ = birth.place;
    } else {
        values_.name = kDefaultName;
        values_.day = clock.now.day;
        values_.month = clock.now.month;
        values_.year = clock.now.year;
        values_.hour = clock.now.hour;
        values_.minute = clock.now.minute;
        // The difference with Moscow of the computer's standard time. Split from the whole
        // difference in minutes, so that a zone half an hour west of a whole hour keeps
        // its half hour with the sign of the hours.
        const int fromMoscow = clock.standardOffsetMinutes - kMoscowOffsetMinutes;
        values_.moscowHours = fromMoscow / 60;
        values_.moscowMinutes = std::abs(fromMoscow % 60);
        chartKind_ = kCosmogram;
        automatic_ = true;
        houseSystem_ = 0;
    }
    grid_.setDate(values_.day, values_.month, values_.year);
    showFields();
    recompute();
}

void BirthDataEntry::loadPlaces(const DataFile& file) {
    placesFile_ = file;
    places_.loadForEntry(file);
}

std::vector<std::string> BirthDataEntry::placeNames() const {
    return places_.namesInListOrder();
}

bool BirthDataEntry::readFields() {
    values_.name = firstCharacters(fields_.name, kLongestName);
    chartKind_ = fields_.chartKind == kHoroscope ? kHoroscope : kCosmogram;
    values_.month = monthNumber(fields_.month);
    houseSystem_ =
        HouseSystems::name(fields_.houseSystem).empty() ? HouseSystems::kNone : fields_.houseSystem;
    place_ = fields_.place;
    south_ = fields_.south;
    west_ = fields_.west;
    automatic_ = fields_.automatic;

    // Numbers are read in the order of the controls; the first that is no number stops the
    // reading, and the fields after it keep their values.
    bool readable = true;
    const auto read = [&readable](const std::string& text, int& target) {
        if (!readable) return;
        if (const std::optional<int> value = IntegerField::parse(text)) {
            target = *value;
        } else {
            readable = false;
        }
    };
    read(fields_.day, values_.day);
    read(fields_.year, values_.year);
    read(fields_.hour, values_.hour);
    read(fields_.minute, values_.minute);
    read(fields_.latitudeDegrees, values_.latitudeDegrees);
    read(fields_.latitudeMinutes, values_.latitudeMinutes);
    read(fields_.longitudeDegrees, values_.longitudeDegrees);
    read(fields_.longitudeMinutes, values_.longitudeMinutes);
    read(fields_.moscowHours, values_.moscowHours);
    read(fields_.moscowMinutes, values_.moscowMinutes);
    read(fields_.greenwichHours, values_.greenwichHours);
    read(fields_.greenwichMinutes, values_.greenwichMinutes);
    unreadable_ = !readable;

    const bool valid = readable &&
                       Calendar::isValidDate(Date{values_.day, values_.month, values_.year}) &&
                       Calendar::isValidTime(values_.hour, values_.minute);
    if (!valid) {
        setDateError(true);
    } else {
        // A skipped local time stays an error until the next recomputation clears it.
        setDateError(!skippedText_.empty(), skippedText_);
    }
    return valid;
}

void BirthDataEntry::recompute() {
    if (!readFields()) return;
    const DateTime local{values_.hour, values_.minute, values_.day, values_.month, values_.year};
    DateTime greenwich;
    zone_ = automatic_ ? PlaceFinder(places_, atlas_).zoneOf(place_, latitude(), longitude())
                       : std::string();
    skippedText_.clear();
    doubled_.reset();
    setDateError(false);
    const std::optional<DateTime> byZone = zone_.empty() ? std::nullopt : greenwichFromZone(local);
    if (byZone) {
        greenwich = *byZone;
        setMissingData(false);
        setDateError(!skippedText_.empty(), skippedText_);
    } else if (automatic_) {
        zone_.clear();
        const double fromMoscow = joinHours(values_.moscowHours, values_.moscowMinutes);
        const DateTime moscow = shifted(-fromMoscow, local);
        std::optional<TimeChange> change;
        if (timeChanges_ != nullptr) {
            change = timeChanges_->lookup(moscow.day, moscow.month, moscow.year, moscow.hour,
                                          moscow.minute);
        }
        const int moscowAhead = change ? change->difference : 0;
        setMissingData(!change.has_value());
        greenwich = shifted(-moscowAhead, moscow);
        std::tie(values_.greenwichHours, values_.greenwichMinutes) =
            splitHours(fromMoscow + moscowAhead);
    } else {
        // The time-change base is not asked, so nothing can be missing from it.
        setMissingData(false);
        greenwich = shifted(-joinHours(values_.greenwichHours, values_.greenwichMinutes), local);
    }
    values_.gmtDay = greenwich.day;
    values_.gmtMonth = greenwich.month;
    values_.gmtYear = greenwich.year;
    values_.gmtHour = greenwich.hour;
    values_.gmtMinute = greenwich.minute;
    showFields();
}

std::optional<DateTime> BirthDataEntry::greenwichFromZone(const DateTime& local) {
    const std::optional<ZoneHistory::Reading> reading = ZoneHistory::atLocal(zone_, local);
    if (!reading) return std::nullopt;
    double offset = reading->offsetHours;
    if (reading->kind == ZoneHistory::Kind::Skipped) {
        skippedText_ = ClockChangeText::skipped(*reading);
    } else if (reading->kind == ZoneHistory::Kind::Repeated) {
        const std::optional<Occurrence> meant = doubledChoice_.meant(*reading, local, zone_);
        if (!meant) {
            doubled_ = DoubledTime{ClockChangeText::doubled(*reading, local),
                                   ClockChangeText::earlierChoice(*reading),
                                   ClockChangeText::laterChoice(*reading)};
        } else if (*meant == Occurrence::Later) {
            offset = reading->laterOffsetHours;
        }
    }
    const DateTime greenwich = shifted(-offset, local);
    // Moscow's own clock at the same moment, so that the difference with Moscow follows both
    // histories; a zone database without Moscow leaves its standard offset.
    const double moscow = ZoneHistory::offsetAtUniversal(ZoneHistory::kMoscowZone, greenwich)
                              .value_or(kMoscowOffsetMinutes / 60.0);
    std::tie(values_.greenwichHours, values_.greenwichMinutes) = splitHours(offset);
    std::tie(values_.moscowHours, values_.moscowMinutes) = splitHours(offset - moscow);
    return greenwich;
}

void BirthDataEntry::setAtlas(const WorldAtlas* atlas) {
    atlas_ = atlas;
    recompute();
}

std::vector<PlaceSuggestion> BirthDataEntry::suggestPlaces(std::string_view typed) const {
    return PlaceFinder(places_, atlas_).suggest(typed, kSuggestionCount);
}

void BirthDataEntry::placeChosen(const PlaceSuggestion& place) {
    readFields();
    place_ = place.name;
    setCoordinates(place.latitude, place.longitude);
    showFields();
    recompute();
}

void BirthDataEntry::setCoordinates(double latitude, double longitude) {
    const CoordinateFields north = CoordinateFields::fromValue(latitude);
    const CoordinateFields east = CoordinateFields::fromValue(longitude);
    values_.latitudeDegrees = north.degrees;
    values_.latitudeMinutes = north.minutes;
    south_ = north.negative;
    values_.longitudeDegrees = east.degrees;
    values_.longitudeMinutes = east.minutes;
    west_ = east.negative;
}

void BirthDataEntry::timeFieldsChanged() {
    recompute();
    if (!dateError_ && !missingData_) moveGridToLocalDate();
}

void BirthDataEntry::automaticToggled() {
    timeFieldsChanged();
    if (!automatic_) {
        values_.moscowHours = 0;
        values_.moscowMinutes = 0;
        showFields();
    }
}

void BirthDataEntry::calendarClicked(const Rect& rect, int x, int y) {
    readFields();
    grid_.click(rect, x, y);
    values_.day = grid_.selectedDay();
    showFields();
    recompute();
}

void BirthDataEntry::chartKindChanged() {
    readFields();
}

void BirthDataEntry::placeChanged() {
    readFields();
    // Only the user's places fill in on typing; an atlas city is taken when it is chosen.
    const std::optional<PlaceSuggestion> place = PlaceFinder(places_, nullptr).exact(place_);
    setCoordinates(place ? place->latitude : 0.0, place ? place->longitude : 0.0);
    showFields();
    // The place may bring its own clock.
    recompute();
}

bool BirthDataEntry::storePlace(const std::function<bool()>& confirmOverwrite) {
    readFields();
    // Coordinates that could not be read are not stored as the ones read before them.
    if (reportUnreadable()) return false;
    if (const std::string refused = refusedCharacterMessage(place_); !refused.empty()) {
        MessageSink::report(refused);
        return false;
    }
    if (const std::optional<int> index = places_.find(place_)) {
        if (!confirmOverwrite()) return false;
        PlaceRecord* place = places_.recordAt(*index);
        place->latitude = latitude();
        place->longitude = longitude();
    } else if (!place_.empty()) {
        places_.append(PlaceRecord{place_, longitude(), latitude()});
    }
    std::string error;
    const bool saved = places_.save(placesFile_.writePath(), &error);
    if (!saved) {
        MessageSink::report("Не удается сохранить базу населенных пунктов: " + error +
                            ". Прежнее содержимое файла не изменено.");
    }
    showFields();
    return saved;
}

BirthDataEntry::Verdict BirthDataEntry::accept(const OccurrenceQuestion& ask) {
    if (!readFields()) {
        if (!reportUnreadable()) MessageSink::report(kDateErrorText);
        return Verdict::Stay;
    }
    for (const std::string* text : {&values_.name, &place_}) {
        if (const std::string refused = refusedCharacterMessage(*text); !refused.empty()) {
            MessageSink::report(refused);
            return Verdict::Stay;
        }
    }
    recompute();
    if (!skippedText_.empty()) {
        MessageSink::report(skippedText_);
        return Verdict::Stay;
    }
    if (doubled_) {
        const std::optional<Occurrence> answer = ask ? ask(*doubled_) : std::nullopt;
        if (!answer) {
            if (!ask) MessageSink::report(doubled_->question);
            return Verdict::Stay;
        }
        doubledChoice_.answer(
            *answer,
            DateTime{values_.hour, values_.minute, values_.day, values_.month, values_.year},
            zone_);
        recompute();
    }
    // A value the chart file's reader would refuse is refused here, in the reader's words,
    // before the polar rule can give a wrong reason for it.
    try {
        BirthDataLimits::check(enteredBirth());
    } catch (const ValueCheck::Error& refused) {
        MessageSink::report(refused.what());
        return Verdict::Stay;
    }
    if (record_.birth.entered != 0 && sameAsRecord()) return Verdict::Unchanged;

    // Nothing reaches the record before every check has passed, so a refused OK followed by
    // "Отмена" leaves the chart's data as they were.
    if (HouseSystems::unfitAt(houseSystem_, latitude())) {
        MessageSink::report(kPolarMessage);
        return Verdict::Stay;
    }

    record_.birth = enteredBirth();
    record_.houseSystem = houseSystem_;
    record_.housesUnavailable = chartKind_ == kCosmogram;
    record_.autoGreenwich = automatic_;
    return Verdict::Accepted;
}

BirthData BirthDataEntry::enteredBirth() const {
    BirthData birth = record_.birth;
    for (const auto& [stored, shown] : kClockFields) birth.*stored = values_.*shown;
    birth.name = values_.name;
    birth.place = place_;
    birth.diffGreenwich = joinHours(values_.greenwichHours, values_.greenwichMinutes);
    birth.diffMoscow = joinHours(values_.moscowHours, values_.moscowMinutes);
    birth.latitude = latitude();
    birth.longitude = longitude();
    birth.houseSystemName = std::string(HouseSystems::name(houseSystem_));
    birth.entered = 1;
    return birth;
}

bool BirthDataEntry::reportUnreadable() {
    if (!unreadable_) return false;
    MessageSink::report(IntegerField::kNotAnIntegerMessage);
    beepPending_ = true;
    return true;
}

bool BirthDataEntry::sameAsRecord() const {
    // Only asked of a record already entered, whatever its mark says.
    BirthData entered = enteredBirth();
    entered.entered = record_.birth.entered;
    return entered == record_.birth && record_.houseSystem == houseSystem_ &&
           record_.housesUnavailable == (chartKind_ == kCosmogram) &&
           record_.autoGreenwich == automatic_;
}

void BirthDataEntry::blinkDateError() {
    if (dateError_) dateErrorLine_ = dateErrorLine_.empty() ? dateErrorText_ : "";
}

void BirthDataEntry::blinkMissingData() {
    if (missingData_) missingDataLine_ = missingDataLine_.empty() ? kMissingDataText : "";
}

bool BirthDataEntry::takeBeep() {
    return std::exchange(beepPending_, false);
}

void BirthDataEntry::showFields() {
    fields_.name = values_.name;
    fields_.chartKind = chartKind_;
    fields_.day = std::to_string(values_.day);
    fields_.month = std::string(monthName(values_.month));
    fields_.year = std::to_string(values_.year);
    fields_.hour = std::to_string(values_.hour);
    fields_.minute = std::to_string(values_.minute);
    fields_.gmtDay = std::to_string(values_.gmtDay);
    fields_.gmtMonth = std::string(monthName(values_.gmtMonth));
    fields_.gmtYear = std::to_string(values_.gmtYear);
    fields_.gmtHour = std::to_string(values_.gmtHour);
    fields_.gmtMinute = std::to_string(values_.gmtMinute);
    fields_.houseSystem = houseSystem_;
    fields_.place = place_;
    fields_.latitudeDegrees = std::to_string(values_.latitudeDegrees);
    fields_.latitudeMinutes = std::to_string(values_.latitudeMinutes);
    fields_.south = south_;
    fields_.longitudeDegrees = std::to_string(values_.longitudeDegrees);
    fields_.longitudeMinutes = std::to_string(values_.longitudeMinutes);
    fields_.west = west_;
    fields_.moscowHours = std::to_string(values_.moscowHours);
    fields_.moscowMinutes = std::to_string(values_.moscowMinutes);
    fields_.greenwichHours = std::to_string(values_.greenwichHours);
    fields_.greenwichMinutes = std::to_string(values_.greenwichMinutes);
    fields_.automatic = automatic_;
}

void BirthDataEntry::setDateError(bool on, std::string_view text) {
    dateError_ = on;
    dateErrorText_ = on ? std::string(text) : std::string(kDateErrorText);
    dateErrorLine_ = on ? dateErrorText_ : "";
}

void BirthDataEntry::setMissingData(bool on) {
    missingData_ = on;
    missingDataLine_ = on ? kMissingDataText : "";
}

void BirthDataEntry::moveGridToLocalDate() {
    grid_.setDate(values_.day, values_.month, values_.year);
}

double BirthDataEntry::latitude() const {
    return CoordinateFields{values_.latitudeDegrees, values_.latitudeMinutes, south_}.toValue();
}

double BirthDataEntry::longitude() const {
    return CoordinateFields{values_.longitudeDegrees, values_.longitudeMinutes, west_}.toValue();
}

std::string BirthDataEntry::refusedCharacterMessage(std::string_view text) {
    const std::string refused = Windows1251::firstUnencodable(text);
    if (refused.empty()) return {};
    return "Знак «" + refused +
           "» нельзя сохранить в кодировке Windows-1251, в которой программа хранит свои "
           "файлы. Он не принят; замените его другим.";
}

}  // namespace orvanta
