#include "cli/CalendarCommand.h"

#include <algorithm>
#include <ctime>
#include <memory>
#include <ostream>
#include <sstream>

#include "birthdata/PlaceBase.h"
#include "birthdata/PlaceFinder.h"
#include "birthdata/WorldAtlas.h"
#include "calc/EngineEphemeris.h"
#include "cli/CalendarListing.h"
#include "cli/ChartOpening.h"
#include "cli/CommandLine.h"
#include "cli/DateText.h"
#include "cli/JsonWriter.h"
#include "common/AppFolder.h"
#include "common/AtomicFile.h"
#include "doc/CZodiacDoc.h"
#include "events/CalendarMoment.h"
#include "events/CalendarWording.h"
#include "events/CalendarZone.h"
#include "events/IcsCalendar.h"
#include "events/TransitCalendar.h"

namespace orvanta::cli {
namespace {

constexpr double kLargestZone = 14.0;
constexpr int kLongestPeriodYears = 200;

std::vector<std::string> listItems(const std::string& option, const std::string& text) {
    std::vector<std::string> items;
    std::stringstream stream(text);
    std::string item;
    while (std::getline(stream, item, ',')) items.push_back(item);
    if (items.empty()) throw UsageError(option + ": пустой список");
    return items;
}

std::vector<int> numberList(const CommandLine& line, const std::string& option) {
    std::vector<int> numbers;
    for (const auto& item : listItems(option, *line.value(option))) {
        numbers.push_back(CommandLine::toInt(option, item));
    }
    return numbers;
}

void checkPeriod(const CalendarCommand::Options& options) {
    if (Calendar::isBefore(options.to, options.from)) {
        throw UsageError("--to: период кончается (" + options.toText +
                         ") раньше, чем начинается (" + options.fromText + ")");
    }
    const Date limit{options.from.day, options.from.month, options.from.year + kLongestPeriodYears};
    const double end =
        CalendarMoment::julianDay(options.to.day, options.to.month, options.to.year, 24.0);
    if (end > CalendarMoment::julianDay(limit.day, limit.month, limit.year, 0.0)) {
        throw UsageError("период длиннее 200 лет");
    }
}

CalendarCommand::Format readFormat(const CommandLine& line) {
    const int chosen =
        (line.has("--json") ? 1 : 0) + (line.has("--csv") ? 1 : 0) + (line.has("--ics") ? 1 : 0);
    if (chosen > 1) throw UsageError("--json, --csv и --ics исключают друг друга");
    if (line.has("--json")) return CalendarCommand::Format::Json;
    if (line.has("--csv")) return CalendarCommand::Format::Csv;
    if (line.has("--ics")) return CalendarCommand::Format::Ics;
    return CalendarCommand::Format::Text;
}

void readZone(const CommandLine& line, CalendarCommand::Options& options) {
    if (line.has("--zone") && line.has("--place")) {
        throw UsageError("--zone и --place исключают друг друга");
    }
    if (const auto text = line.value("--zone")) {
        const double hours = CommandLine::toDouble("--zone", *text);
        if (!(hours >= -kLargestZone && hours <= kLargestZone)) {
            throw UsageError("--zone: " + *text + " не число часов от -14 до 14");
        }
        options.zoneHours = hours;
    }
    options.place = line.value("--place").value_or("");
}

double now() {
    return CalendarMoment::kUnixEpochJulianDay + static_cast<double>(std::time(nullptr)) / 86400.0;
}

int writeOutput(const CalendarCommand::Options& options, const CZodiacDoc& doc,
                const CalendarZone& zone, const std::vector<CalendarEvent>& events,
                std::ostream& out, std::ostream& err) {
    const std::string chart = doc.natal().birth.name;
    if (options.format == CalendarCommand::Format::Ics) {
        const std::string ics =
            IcsCalendar(chart, IcsCalendar::chartKey(doc.natal().birth), zone, now()).build(events);
        std::string error;
        if (!AtomicFile::write(options.icsPath, ics, &error)) {
            err << "orvanta-cli calendar: не удалось записать " << options.icsPath << ": " << error
                << "\n";
            return 1;
        }
        out << options.icsPath << ": событий: " << events.size() << "\n";
        return 0;
    }
    const CalendarListing listing({chart, options.fromText, options.toText}, zone, events);
    if (options.format == CalendarCommand::Format::Json) {
        out << listing.json();
    } else if (options.format == CalendarCommand::Format::Csv) {
        out << listing.csv();
    } else {
        out << listing.text();
    }
    return 0;
}

}  // namespace

CalendarCommand::Options CalendarCommand::readOptions(const std::vector<std::string>& arguments) {
    CommandLine line(
        {"--from", "--to", "--bodies", "--aspects", "--points", "--zone", "--place", "--ics"},
        {"--moon", "--json", "--csv"});
    line.parse(arguments);
    if (line.operands().size() != 1) throw UsageError("ожидается один файл карты");
    Options options;
    options.path = line.operands()[0];
    options.fromText = line.required("--from");
    options.toText = line.required("--to");
    options.from = DateText::readOption("--from", options.fromText);
    options.to = DateText::readOption("--to", options.toText);
    checkPeriod(options);
    if (line.has("--bodies")) {
        options.bodies = numberList(line, "--bodies");
        for (const int body : *options.bodies) {
            if (!Bodies::isBody(body)) {
                throw UsageError("--bodies: " + std::to_string(body) + " не номер планеты (1–16)");
            }
        }
    }
    if (line.has("--points")) options.points = numberList(line, "--points");
    if (const auto text = line.value("--aspects")) {
        options.aspects.emplace();
        for (const auto& item : listItems("--aspects", *text)) {
            options.aspects->push_back(CommandLine::toDouble("--aspects", item));
        }
    }
    options.moon = line.has("--moon");
    readZone(line, options);
    options.format = readFormat(line);
    options.icsPath = line.value("--ics").value_or("");
    return options;
}

CalendarZone CalendarCommand::zoneFor(const Options& options) {
    if (options.zoneHours) return CalendarZone::fixed(*options.zoneHours);
    if (options.place.empty()) return CalendarZone::computer();
    PlaceBase userPlaces;
    userPlaces.load(AppFolder::find(PlaceBase::kFileName));  // none or unreadable: atlas only
    const auto found = PlaceFinder(userPlaces, &WorldAtlas::shared()).resolve(options.place);
    if (!found) {
        throw UsageError("--place: «" + options.place + "» нет ни в " +
                         std::string(PlaceBase::kFileName) + ", ни в атласе");
    }
    if (found->zone.empty()) {
        throw UsageError("--place: «" + found->name +
                         "» не город атласа, и его часовой пояс неизвестен; задайте --zone");
    }
    auto zone = CalendarZone::named(found->zone);
    if (!zone) {
        throw UsageError("--place: часового пояса " + found->zone +
                         " нет в базе часовых поясов системы; задайте --zone");
    }
    return *zone;
}

CalendarRequest CalendarCommand::requestFor(const Options& options, const CZodiacDoc& doc,
                                            const CalendarZone& zone) {
    const ChartData& natal = doc.natal().chart;
    CalendarRequest request;
    request.from = zone.startOfDay(options.from.day, options.from.month, options.from.year);
    const Date after = Calendar::nextDay(options.to);
    request.to = zone.startOfDay(after.day, after.month, after.year);
    request.bodies = CalendarRequest::bodiesOf(doc.eventChart().bodies(), options.moon);
    if (options.bodies) {
        request.bodies = *options.bodies;
        if (options.moon &&
            std::find(request.bodies.begin(), request.bodies.end(), 2) == request.bodies.end()) {
            request.bodies.push_back(Bodies::Moon);
        }
    }
    request.points = CalendarRequest::pointsOf(natal);
    if (options.points) {
        const auto points = CalendarRequest::pointsOf(natal, *options.points);
        if (!points) {
            throw UsageError("--points: у карты только точки от 1 до " +
                             std::to_string(CalendarRequest::lastPoint(natal)));
        }
        request.points = *points;
    }
    request.aspects = CalendarRequest::aspectsOf(doc.eventChart().aspects());
    if (options.aspects) {
        request.aspects.clear();
        for (const double angle : *options.aspects) {
            const auto aspect = CalendarRequest::aspectOf(doc.eventChart().aspects(), angle);
            if (!aspect) {
                throw UsageError("--aspects: " + JsonWriter::number(angle) +
                                 " не угол таблицы транзитных аспектов");
            }
            request.aspects.push_back(*aspect);
        }
    }
    return request;
}

int CalendarCommand::run(const std::vector<std::string>& arguments, std::ostream& out,
                         std::ostream& err) {
    return runOver(arguments, nullptr, out, err);
}

int CalendarCommand::runOver(const std::vector<std::string>& arguments, const Ephemeris* ephemeris,
                             std::ostream& out, std::ostream& err) {
    Options options;
    std::optional<CalendarZone> zone;
    try {
        options = readOptions(arguments);
        zone = zoneFor(options);
    } catch (const UsageError& error) {
        err << "orvanta-cli calendar: " << error.what() << "\n";
        return 2;
    }
    CZodiacDoc doc;
    if (!ChartOpening::open(doc, options.path, "calendar", err)) return 1;
    CalendarRequest request;
    try {
        request = requestFor(options, doc, *zone);
    } catch (const UsageError& error) {
        err << "orvanta-cli calendar: " << error.what() << "\n";
        return 2;
    }
    std::unique_ptr<EngineEphemeris> engine;
    if (ephemeris == nullptr) {
        engine = EngineEphemeris::openInApplicationFolder();
        if (!engine) {
            err << "orvanta-cli calendar: не удалось загрузить модуль эфемерид\n";
            return 1;
        }
        ephemeris = engine.get();
    }
    std::vector<CalendarEvent> events;
    try {
        events = TransitCalendar(*ephemeris, request).run();
    } catch (const BodyTrack::Unavailable& error) {
        err << "orvanta-cli calendar: эфемериды не дают положения тела «"
            << CalendarWording::bodyName(error.body) << "» на "
            << CalendarMoment::isoText(CalendarMoment::toSecond(error.time)) << "\n";
        return 1;
    }
    return writeOutput(options, doc, *zone, events, out, err);
}

}  // namespace orvanta::cli
