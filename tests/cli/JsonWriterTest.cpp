#include <gtest/gtest.h>

#include <cmath>

#include "cli/JsonWriter.h"

namespace orvanta::cli {
namespace {

TEST(JsonWriter, NestsSeparatesAndEscapes) {
    JsonWriter json;
    json.beginObject()
        .key("a")
        .value(1)
        .key("b")
        .beginArray()
        .value(0.5)
        .value("x\"y\\z\n\x01")
        .value(true)
        .endArray()
        .key("c")
        .beginObject()
        .endObject()
        .endObject();
    EXPECT_EQ(json.text(), R"({"a":1,"b":[0.5,"x\"y\\z\n\u0001",true],"c":{}})");
}

TEST(JsonWriter, DeleteAndC1ControlsAreEscapedWhileOtherTextStays) {
    // U+009B (C2 9B) is the one-byte CSI of terminals; U+00A0 (C2 A0) is plain text.
    JsonWriter json;
    json.beginArray().value("a\x7f\xc2\x9b\xc2\xa0\xd0\x96").endArray();
    EXPECT_EQ(json.text(), "[\"a\\u007f\\u009b\xc2\xa0\xd0\x96\"]");
}

TEST(JsonWriter, NumbersReadBackExactlyAndNonFiniteBecomesNull) {
    for (double value : {255.38601234567891, 0.1, -1e-7, 1e21, 0.0}) {
        EXPECT_EQ(std::stod(JsonWriter::number(value)), value);
    }
    EXPECT_EQ(JsonWriter::number(std::nan("")), "null");
    EXPECT_EQ(JsonWriter::number(INFINITY), "null");
}

}  // namespace
}  // namespace orvanta::cli
