#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "common/BinaryReader.h"
#include "common/BinaryWriter.h"

namespace orvanta {
namespace {

TEST(BinaryFormat, WritesLittleEndianFields) {
    BinaryWriter writer;
    writer.writeInt32(-2);
    writer.writeUInt16(0x1234);
    writer.writeUInt8(0xAB);
    writer.writeDouble(1.0);
    const std::vector<std::uint8_t> expected = {0xFE, 0xFF, 0xFF, 0xFF, 0x34, 0x12, 0xAB, 0,
                                                0,    0,    0,    0,    0,    0xF0, 0x3F};
    EXPECT_EQ(writer.bytes(), expected);

    BinaryReader reader(writer.bytes());
    EXPECT_EQ(reader.readInt32(), -2);
    EXPECT_EQ(reader.readUInt16(), 0x1234);
    EXPECT_EQ(reader.readUInt8(), 0xAB);
    EXPECT_EQ(reader.readDouble(), 1.0);
    EXPECT_TRUE(reader.atEnd());
}

TEST(BinaryFormat, ReadingPastTheEndThrowsAndConsumesNothing) {
    const std::vector<std::uint8_t> bytes = {1, 2, 3};
    BinaryReader reader(bytes);
    EXPECT_THROW(reader.readInt32(), FormatError);
    EXPECT_EQ(reader.position(), 0u);
    EXPECT_EQ(reader.readUInt16(), 0x0201);
    EXPECT_THROW(reader.readBytes(2), FormatError);
    EXPECT_THROW(reader.readBytes(static_cast<std::size_t>(-1)), FormatError);
    EXPECT_EQ(reader.readBytes(1), std::vector<std::uint8_t>{3});
    EXPECT_TRUE(reader.atEnd());
}

}  // namespace
}  // namespace orvanta
