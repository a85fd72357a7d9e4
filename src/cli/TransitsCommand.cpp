#include "cli/TransitsCommand.h"

#include <ostream>

#include "birthdata/TimeChangeBase.h"
#include "cli/ChartOpening.h"
#include "cli/CommandLine.h"
#include "cli/DateText.h"
#include "cli/JsonWriter.h"
#include "common/AppFolder.h"
#include "doc/CZodiacDoc.h"
#include "events/ComputeTransits.h"
#include "events/TransitDay.h"
#include "events/TransitPhrase.h"

namespace orvanta::cli {
namespace {

constexpr double kLargestDifference = 48.0;

double readDifference(const CommandLine& line, const std::string& option) {
    const auto text = line.value(option);
    if (!text) return 0.0;
    const double hours = CommandLine::toDouble(option, *text);
    if (!(hours >= -kLargestDifference && hours <= kLargestDifference)) {
        throw UsageError(option + ": " + *text + " не число часов от -48 до 48");
    }
    return hours;
}

int readPrecision(const CommandLine& line) {
    const auto text = line.value("--steps");
    if (!text) return 0;
    const int steps = CommandLine::toInt("--steps", *text);
    for (int index = 0; index < TransitRequest::kPrecisionCount; ++index) {
        if (TransitRequest::stepsPerDay(index) == steps) return index;
    }
    throw UsageError("--steps: " + *text + " не одно из 1, 2, 3, 4, 6, 8, 12, 24");
}

// One line of a day list: time, transiting body, aspect and natal object.
std::string situationLine(const CZodiacDoc& doc, const TransitSituation& record, double dayStart,
                          bool withTime) {
    std::string line = "  ";
    if (withTime) line += TransitDay::timeText(record.moment - dayStart) + "  ";
    line += doc.eventChart().bodies().style[record.body].name + "  ";
    line += doc.eventChart().aspects()[static_cast<std::size_t>(record.aspectIndex)].label + "  ";
    line += doc.natal().chart.style[record.radix].name;
    return line + "\n";
}

void writeFields(JsonWriter& json, const TransitSituation& record) {
    json.key("moment")
        .value(record.moment)
        .key("body")
        .value(record.body)
        .key("radix")
        .value(record.radix)
        .key("aspect")
        .value(record.aspectIndex)
        .key("angle")
        .value(record.aspectAngle)
        .key("orb")
        .value(record.orb)
        .key("point")
        .value(record.point)
        .key("duration")
        .value(record.duration);
}

void writeList(JsonWriter& json, const TransitList& list) {
    json.beginArray();
    for (const auto& record : list) {
        json.beginObject();
        writeFields(json, record);
        json.endObject();
    }
    json.endArray();
}

// A day list: every record with the phrase the analysis window shows for it.
void writeDayList(JsonWriter& json, const CZodiacDoc& doc,
                  const std::vector<const TransitSituation*>& list, SituationKind kind) {
    json.beginArray();
    for (const auto* record : list) {
        json.beginObject();
        writeFields(json, *record);
        const auto labels = TransitPhrase::labelsOf(*record, doc.eventChart().bodies(),
                                                    doc.eventChart().aspects(), doc.natal().chart);
        json.key("phrase").value(TransitPhrase::build(kind, *record, labels));
        json.endObject();
    }
    json.endArray();
}

std::string dateText(Date date) {
    return std::to_string(date.day) + "." + std::to_string(date.month) + "." +
           std::to_string(date.year);
}

}  // namespace

EventChartSettings TransitsCommand::readSettings(const CommandLine& line) {
    EventChartSettings settings;
    settings.date = DateText::readOption("--date", line.required("--date"));
    settings.precisionIndex = readPrecision(line);
    settings.moscowDifference = readDifference(line, "--moscow");
    settings.greenwichDifference = readDifference(line, "--greenwich");
    settings.autoGreenwich = line.has("--manual") ? 0 : 1;
    return settings;
}

bool TransitsCommand::build(const std::string& path, const EventChartSettings& settings,
                            CZodiacDoc& doc, std::string_view command, std::ostream& err) {
    static TimeChangeBase timeChanges;
    const LoadStatus base = timeChanges.load(AppFolder::find(TimeChangeBase::kFileName));
    if (base == LoadStatus::Damaged || base == LoadStatus::Unreadable) {
        err << "orvanta-cli " << command << ": " << timeChanges.lastError() << "\n";
        return false;
    }
    return ChartOpening::open(doc, path, command, err, [&] {
        doc.setTimeChanges(&timeChanges);
        doc.eventChart().state().setSettings(settings);
        return doc.rebuildEventChart();
    });
}

std::string TransitsCommand::formatText(const CZodiacDoc& doc) {
    const auto& state = doc.eventChart().state();
    const TransitDay day(state.situations, state.orbTransits, state.date);
    std::string text = "Карта событий на " + dateText(state.date) + ", шагов в день: " +
                       std::to_string(TransitRequest::stepsPerDay(state.precisionIndex)) + "\n";
    text += "Транзиты \"не Луны\":\n";
    for (const auto* record : day.situations())
        text += situationLine(doc, *record, day.start(), true);
    text += "Транзиты Луны:\n";
    for (const auto* record : day.moon()) text += situationLine(doc, *record, day.start(), true);
    text += "Фоновые:\n";
    for (const auto* record : day.orbTransits()) {
        text += situationLine(doc, *record, day.start(), false);
    }
    return text;
}

std::string TransitsCommand::formatJson(const CZodiacDoc& doc) {
    const auto& state = doc.eventChart().state();
    const TransitDay day(state.situations, state.orbTransits, state.date);
    JsonWriter json;
    json.beginObject()
        .key("date")
        .value(dateText(state.date))
        .key("steps")
        .value(TransitRequest::stepsPerDay(state.precisionIndex))
        .key("day_start")
        .value(day.start());
    json.key("situations");
    writeList(json, state.situations);
    json.key("orb_transits");
    writeList(json, state.orbTransits);
    json.key("day").beginObject().key("situations");
    writeDayList(json, doc, day.situations(), SituationKind::Day);
    json.key("moon");
    writeDayList(json, doc, day.moon(), SituationKind::Moon);
    json.key("orb");
    writeDayList(json, doc, day.orbTransits(), SituationKind::Orb);
    json.endObject().endObject();
    return json.text() + "\n";
}

int TransitsCommand::run(const std::vector<std::string>& arguments, std::ostream& out,
                         std::ostream& err) {
    EventChartSettings settings;
    std::string path;
    bool json = false;
    try {
        CommandLine line({"--date", "--steps", "--moscow", "--greenwich"}, {"--manual", "--json"});
        line.parse(arguments);
        if (line.operands().size() != 1) throw UsageError("ожидается один файл карты");
        path = line.operands()[0];
        settings = readSettings(line);
        json = line.has("--json");
    } catch (const UsageError& error) {
        err << "orvanta-cli transits: " << error.what() << "\n";
        return 2;
    }
    CZodiacDoc doc;
    if (!build(path, settings, doc, "transits", err)) return 1;
    out << (json ? formatJson(doc) : formatText(doc));
    return 0;
}

}  // namespace orvanta::cli
