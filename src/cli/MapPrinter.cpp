#include "cli/MapPrinter.h"

#include "calc/Bodies.h"
#include "cli/JsonWriter.h"
#include "cli/NumberText.h"
#include "cli/TextTable.h"
#include "events/Notebook.h"

namespace orvanta::cli {
namespace {

std::string twoDigits(int value) {
    return (value >= 0 && value < 10 ? "0" : "") + std::to_string(value);
}

void writeBirth(JsonWriter& json, const BirthData& b) {
    // clang-format off
    json.key("birth").beginObject()
        .key("name").value(b.name)
        .key("place").value(b.place)
        .key("house_system_name").value(b.houseSystemName)
        .key("day").value(b.day)
        .key("month").value(b.month)
        .key("year").value(b.year)
        .key("hour").value(b.hour)
        .key("minute").value(b.minute)
        .key("gmt_day").value(b.gmtDay)
        .key("gmt_month").value(b.gmtMonth)
        .key("gmt_year").value(b.gmtYear)
        .key("gmt_hour").value(b.gmtHour)
        .key("gmt_minute").value(b.gmtMinute)
        .key("diff_greenwich").value(b.diffGreenwich)
        .key("diff_moscow").value(b.diffMoscow)
        .key("latitude").value(b.latitude)
        .key("longitude").value(b.longitude)
        .key("entered").value(b.entered)
        .endObject();
    // clang-format on
}

void writeObjects(JsonWriter& json, const ChartData& chart) {
    json.key("objects").beginArray();
    for (int number = 0; number < Bodies::kObjectCount; ++number) {
        const ObjectPosition& o = chart[number];
        const ObjectStyle& style = chart.style[number];
        // clang-format off
        json.beginObject()
            .key("number").value(number)
            .key("name").value(style.name)
            .key("longitude").value(o.longitude)
            .key("degree").value(o.degreeInSign)
            .key("minutes").value(o.minutes)
            .key("seconds").value(o.seconds)
            .key("retrograde").value(o.retrograde)
            .key("identifier").value(style.identifier)
            .key("sign").value(o.sign)
            .key("label").value(style.label)
            .endObject();
        // clang-format on
    }
    json.endArray();
}

// The notebook block in file order; a damaged block throws FormatError for the caller to report.
void writeNotebook(JsonWriter& json, const std::vector<std::uint8_t>& block) {
    const Notebook notebook = Notebook::parse(block);
    json.key("notebook").beginArray();
    for (const NotebookEntry& entry : notebook.entries()) {
        const TransitSituation& s = entry.situation;
        // clang-format off
        json.beginObject()
            .key("moment").value(s.moment)
            .key("angle").value(s.aspectAngle)
            .key("orb").value(s.orb)
            .key("point").value(s.point)
            .key("duration").value(s.duration)
            .key("body").value(s.body)
            .key("radix").value(s.radix)
            .key("aspect").value(s.aspectIndex)
            .key("text").value(entry.text)
            .endObject();
        // clang-format on
    }
    json.endArray();
}

// One line per observation: time and date, transiting body, aspect number, natal object and
// the text, its further lines indented.
std::string notebookText(const MapFile::Content& content) {
    std::string out;
    const Notebook notebook = Notebook::parse(content.notebook);
    for (const NotebookEntry& entry : notebook.entries()) {
        const TransitSituation& s = entry.situation;
        out += "  " + Notebook::momentText(s.moment) + "  " + content.chart.style[s.body].name +
               "  аспект " + std::to_string(s.aspectIndex) + " (" +
               NumberText::fixed(s.aspectAngle, 2) + "°)  " + content.chart.style[s.radix].name +
               ": ";
        for (char c : entry.text) {
            if (c == '\r') continue;
            out += c;
            if (c == '\n') out += "    ";
        }
        out += "\n";
    }
    return out;
}

}  // namespace

std::string MapPrinter::json(const MapFile::Content& content) {
    JsonWriter json;
    json.beginObject();
    writeBirth(json, content.birth);
    writeObjects(json, content.chart);
    // clang-format off
    json.key("houses_unavailable").value(content.chart.housesUnavailable)
        .key("orientation").beginObject()
        .key("direction").value(content.orientation.direction)
        .key("from_aries").value(content.orientation.fromAries)
        .key("from_ascendant").value(content.orientation.fromAscendant)
        .key("angle").value(content.orientation.angle)
        .endObject()
        .key("house_system").value(content.houseSystem)
        .key("auto_greenwich").value(content.autoGreenwich)
        .key("notebook_bytes").value(static_cast<int>(content.notebook.size()));
    // clang-format on
    writeNotebook(json, content.notebook);
    json.endObject();
    return json.text() + "\n";
}

std::string MapPrinter::text(const MapFile::Content& content) {
    const BirthData& b = content.birth;
    std::string out;
    out += "Имя: " + b.name + "\n";
    out += "Место: " + b.place + " (широта " + NumberText::fixed(b.latitude, 4) + ", долгота " +
           NumberText::fixed(b.longitude, 4) + ")\n";
    out += "Местное время: " + std::to_string(b.day) + "." + std::to_string(b.month) + "." +
           std::to_string(b.year) + " " + std::to_string(b.hour) + ":" + twoDigits(b.minute) + "\n";
    out += "По Гринвичу: " + std::to_string(b.gmtDay) + "." + std::to_string(b.gmtMonth) + "." +
           std::to_string(b.gmtYear) + " " + std::to_string(b.gmtHour) + ":" +
           twoDigits(b.gmtMinute) + " (разница с Гринвичем " +
           NumberText::fixed(b.diffGreenwich, 2) + " ч, с Москвой " +
           NumberText::fixed(b.diffMoscow, 2) + " ч)\n";
    out += "Дома: " +
           (content.chart.housesUnavailable
                ? std::string("нет (космограмма)")
                : b.houseSystemName + " (" + std::to_string(content.houseSystem) + ")") +
           "\n";
    out += "Ориентация: направление " + std::to_string(content.orientation.direction) +
           ", от Овна " + std::to_string(content.orientation.fromAries) + ", от Асцендента " +
           std::to_string(content.orientation.fromAscendant) + ", угол " +
           NumberText::fixed(content.orientation.angle, 2) + "\n";
    out += "Записная книжка: " + std::to_string(content.notebook.size()) + " байт\n";
    out += notebookText(content);
    TextTable table(
        {"№", "Объект", "Долгота", "Знак", "Градус", "Мин.", "Сек.", "R", "Ид.", "Метка"});
    for (int number = 0; number < Bodies::kObjectCount; ++number) {
        const ObjectPosition& o = content.chart[number];
        const ObjectStyle& style = content.chart.style[number];
        table.addRow({std::to_string(number), style.name, NumberText::fixed(o.longitude, 6),
                      std::to_string(o.sign), NumberText::fixed(o.degreeInSign, 6),
                      NumberText::fixed(o.minutes, 4), NumberText::fixed(o.seconds, 2),
                      std::to_string(o.retrograde), std::to_string(style.identifier), style.label});
    }
    return out + table.render();
}

}  // namespace orvanta::cli
