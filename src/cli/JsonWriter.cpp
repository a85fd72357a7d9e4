#include "cli/JsonWriter.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace orvanta::cli {

void JsonWriter::separate() {
    if (needComma_) out_ += ',';
    needComma_ = false;
}

JsonWriter& JsonWriter::beginObject() {
    separate();
    out_ += '{';
    return *this;
}

JsonWriter& JsonWriter::endObject() {
    out_ += '}';
    needComma_ = true;
    return *this;
}

JsonWriter& JsonWriter::beginArray() {
    separate();
    out_ += '[';
    return *this;
}

JsonWriter& JsonWriter::endArray() {
    out_ += ']';
    needComma_ = true;
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name) {
    separate();
    out_ += quote(name);
    out_ += ':';
    return *this;
}

JsonWriter& JsonWriter::value(std::string_view text) {
    separate();
    out_ += quote(text);
    needComma_ = true;
    return *this;
}

JsonWriter& JsonWriter::value(double numberValue) {
    separate();
    out_ += number(numberValue);
    needComma_ = true;
    return *this;
}

JsonWriter& JsonWriter::value(int numberValue) {
    separate();
    out_ += std::to_string(numberValue);
    needComma_ = true;
    return *this;
}

JsonWriter& JsonWriter::value(bool flag) {
    separate();
    out_ += flag ? "true" : "false";
    needComma_ = true;
    return *this;
}

std::string JsonWriter::quote(std::string_view text) {
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const auto byte = static_cast<unsigned char>(c);
        // DEL and the C1 controls (U+0080 to U+009F, bytes C2 80 to C2 9F) are written as
        // escapes too, so that nothing in the text can steer a terminal.
        const bool c1 = byte == 0xC2 && i + 1 < text.size() &&
                        static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                        static_cast<unsigned char>(text[i + 1]) <= 0x9F;
        if (byte == 0x7F || c1) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\u%04x",
                          c1 ? static_cast<unsigned char>(text[++i]) : byte);
            out += buffer;
            continue;
        }
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (byte < 0x20) {
                    char buffer[8];
                    std::snprintf(buffer, sizeof buffer, "\\u%04x", byte);
                    out += buffer;
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

std::string JsonWriter::number(double value) {
    if (!std::isfinite(value)) return "null";
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

}  // namespace orvanta::cli
