#include "cli/BatchResultWriter.h"

#include <charconv>
#include <ostream>
#include <string_view>

#include "calc/Bodies.h"
#include "cli/ChartCommand.h"
#include "cli/JsonWriter.h"

namespace orvanta::cli {
namespace {

constexpr int kLongitudeDecimals = 6;

void appendFixed(std::string& line, double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::fixed, kLongitudeDecimals);
    line.append(buffer, result.ptr);
}

std::string objectName(int number) {
    return Bodies::isBody(number) ? std::string(Bodies::name(number))
                                  : "Дом " + std::to_string(Bodies::houseOfCusp(number));
}

}  // namespace

std::string BatchResultWriter::csvField(const std::string& text) {
    std::string field = text;
    if (!field.empty() && std::string_view("=+-@\t\r").find(field.front()) != std::string::npos) {
        field.insert(0, 1, '\'');
    }
    if (field.find_first_of(";\"\r\n") == std::string::npos) return field;
    std::string quotedField = "\"";
    for (const char c : field) {
        quotedField += c;
        if (c == '"') quotedField += '"';
    }
    return quotedField + '"';
}

bool BatchResultWriter::failed() const {
    return out_.fail();
}

void BatchResultWriter::writeHeader() {
    if (format_ != Format::Csv) return;
    line_ = "name";
    for (int number = 1; number <= Bodies::kLastCusp; ++number) {
        const std::string name = objectName(number);
        line_ += ";" + name + ";" + name + " R";
    }
    line_ += '\n';
    out_ << line_;
}

void BatchResultWriter::writeChart(const std::string& name, const ChartData& chart) {
    const int last = chart.housesUnavailable ? Bodies::kBodyCount : Bodies::kLastCusp;
    if (format_ == Format::JsonLines) {
        JsonWriter json;
        json.beginObject().key("name").value(name);
        ChartCommand::writeObjects(json, chart, last);
        json.endObject();
        out_ << json.text() << '\n';
        return;
    }
    line_ = csvField(name);
    for (int number = 1; number <= Bodies::kLastCusp; ++number) {
        line_ += ';';
        if (number > last) {
            line_ += ';';
            continue;
        }
        appendFixed(line_, chart[number].longitude);
        line_ += ';';
        line_ += static_cast<char>('0' + (chart[number].retrograde != 0 ? 1 : 0));
    }
    line_ += '\n';
    out_ << line_;
}

void BatchResultWriter::writeEmpty(const std::string& name, const std::string& error) {
    if (format_ == Format::JsonLines) {
        JsonWriter json;
        json.beginObject().key("name").value(name).key("error").value(error);
        json.key("objects").beginArray().endArray().endObject();
        out_ << json.text() << '\n';
        return;
    }
    line_ = csvField(name);
    line_.append(2 * Bodies::kLastCusp, ';');
    line_ += '\n';
    out_ << line_;
}

}  // namespace orvanta::cli
