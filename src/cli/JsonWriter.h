#pragma once

#include <string>
#include <string_view>

namespace orvanta::cli {

// A small writer of compact JSON for the tool's machine-readable output (UTF-8 text).
class JsonWriter {
  public:
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    JsonWriter& key(std::string_view name);
    JsonWriter& value(std::string_view text);
    JsonWriter& value(const char* text) { return value(std::string_view(text)); }
    JsonWriter& value(double number);
    JsonWriter& value(int number);
    JsonWriter& value(bool flag);

    const std::string& text() const { return out_; }

    static std::string quote(std::string_view text);
    // The shortest text that reads back as the same double; non-finite values become null.
    static std::string number(double value);

  private:
    void separate();

    std::string out_;
    bool needComma_ = false;
};

}  // namespace orvanta::cli
