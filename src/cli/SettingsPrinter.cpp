#include "cli/SettingsPrinter.h"

#include <charconv>
#include <cstdio>

#include "cli/JsonWriter.h"
#include "cli/TextTable.h"

namespace orvanta::cli {
namespace {

std::string number(double value) {
    return JsonWriter::number(value);
}

void writePicture(JsonWriter& json, const char* key, const Picture& picture) {
    json.key(key).beginObject().key("present").value(!picture.isEmpty());
    if (!picture.isEmpty()) {
        // clang-format off
        json.key("width").value(picture.width())
            .key("height").value(picture.height())
            .key("colours").value(picture.colourCount())
            .key("bytes").value(static_cast<int>(picture.bytes().size()));
        // clang-format on
    }
    json.endObject();
}

}  // namespace

std::string SettingsPrinter::colourText(std::uint32_t colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", colour & 0xFF, (colour >> 8) & 0xFF,
                  (colour >> 16) & 0xFF);
    return text;
}

std::string SettingsPrinter::pictureText(const Picture& picture) {
    if (picture.isEmpty()) return "-";
    return std::to_string(picture.width()) + "x" + std::to_string(picture.height()) + ", " +
           std::to_string(picture.colourCount()) + " цв.";
}

std::string SettingsPrinter::aspectsJson(const std::vector<AspectSetting>& records) {
    JsonWriter json;
    json.beginObject().key("file").value("aspects").key("records").beginArray();
    for (std::size_t i = 0; i < records.size(); ++i) {
        const AspectSetting& a = records[i];
        // clang-format off
        json.beginObject()
            .key("number").value(static_cast<int>(i))
            .key("colour").value(colourText(a.colour))
            .key("line_width").value(a.lineWidth)
            .key("line_style").value(a.lineStyle)
            .key("angle").value(a.angle)
            .key("orb").value(a.orb)
            .key("included").value(a.included)
            .key("label").value(a.label);
        // clang-format on
        writePicture(json, "symbol", a.symbol);
        writePicture(json, "pictogram", a.pictogram);
        json.endObject();
    }
    json.endArray().endObject();
    return json.text() + "\n";
}

std::string SettingsPrinter::aspectsText(const std::vector<AspectSetting>& records) {
    TextTable table(
        {"№", "Угол", "Орбис", "Да", "Цвет", "Толщ.", "Линия", "Символ", "Пиктограмма", "Метка"});
    for (std::size_t i = 0; i < records.size(); ++i) {
        const AspectSetting& a = records[i];
        table.addRow({std::to_string(i), number(a.angle), number(a.orb), std::to_string(a.included),
                      colourText(a.colour), std::to_string(a.lineWidth),
                      std::to_string(a.lineStyle), pictureText(a.symbol), pictureText(a.pictogram),
                      a.label});
    }
    return table.render();
}

std::string SettingsPrinter::planetsJson(const std::vector<PlanetRecords::Record>& records) {
    JsonWriter json;
    json.beginObject().key("file").value("planets").key("records").beginArray();
    for (std::size_t i = 0; i < records.size(); ++i) {
        const ObjectPosition& p = records[i].position;
        const ObjectStyle& o = records[i].style;
        // clang-format off
        json.beginObject()
            .key("number").value(static_cast<int>(i + 1))
            .key("longitude").value(p.longitude)
            .key("degree").value(p.degreeInSign)
            .key("minutes").value(p.minutes)
            .key("retrograde").value(p.retrograde)
            .key("shown").value(o.shown)
            .key("transit_use").value(o.transitUse)
            .key("radix_use").value(o.radixUse)
            .key("identifier").value(o.identifier)
            .key("sign").value(p.sign)
            .key("name").value(o.name)
            .key("label").value(o.label);
        // clang-format on
        writePicture(json, "symbol", o.symbol);
        writePicture(json, "pictogram", o.pictogram);
        json.endObject();
    }
    json.endArray().endObject();
    return json.text() + "\n";
}

std::string SettingsPrinter::planetsText(const std::vector<PlanetRecords::Record>& records) {
    TextTable table(
        {"№", "Имя", "Карта", "Транзит", "Радикс", "Ид.", "Символ", "Пиктограмма", "Метка"});
    for (std::size_t i = 0; i < records.size(); ++i) {
        const ObjectStyle& o = records[i].style;
        table.addRow({std::to_string(i + 1), o.name, std::to_string(o.shown),
                      std::to_string(o.transitUse), std::to_string(o.radixUse),
                      std::to_string(o.identifier), pictureText(o.symbol), pictureText(o.pictogram),
                      o.label});
    }
    return table.render();
}

std::string SettingsPrinter::orientationJson(const OrientationFile::Setting& setting) {
    JsonWriter json;
    // clang-format off
    json.beginObject()
        .key("file").value("orientation")
        .key("direction").value(setting.direction)
        .key("start").value(setting.start)
        .key("angle").value(setting.angle)
        .endObject();
    // clang-format on
    return json.text() + "\n";
}

std::string SettingsPrinter::orientationText(const OrientationFile::Setting& setting) {
    static const char* const kStarts[] = {"от Асцендента", "от Овна", "произвольно"};
    return std::string("Направление: ") +
           (setting.direction == 0 ? "западная школа (против часовой стрелки)"
                                   : "авестийская школа (по часовой стрелке)") +
           "\nНачало отсчёта: " + kStarts[setting.start] + "\nУгол: " + number(setting.angle) +
           "\n";
}

}  // namespace orvanta::cli
