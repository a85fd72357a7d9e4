#include <gtest/gtest.h>

#include "common/BinaryReader.h"
#include "common/BinaryWriter.h"
#include "doc/FileDamage.h"
#include "doc/FileText.h"
#include "support/ByteLayout.h"

namespace orvanta {
namespace {

std::vector<std::uint8_t> variable(const std::string& text) {
    BinaryWriter writer;
    FileText::writeVariable(writer, text);
    return writer.take();
}

std::string readVariable(const std::vector<std::uint8_t>& bytes) {
    BinaryReader reader(bytes);
    std::string text = FileText::readVariable(reader);
    EXPECT_TRUE(reader.atEnd());
    return text;
}

TEST(FileText, ChartFileLengthTakesOneThreeOrSevenBytes) {
    // The boundaries of each form: 254 and 255, 65533 and 65534 characters.
    for (std::size_t length : {0u, 1u, 254u, 255u, 300u, 65533u, 65534u, 70000u}) {
        const std::string text(length, 'a');
        const auto bytes = variable(text);
        EXPECT_EQ(bytes, testing::ByteLayout().variable(text).bytes()) << length;
        const std::size_t prefix = length <= 254 ? 1 : length <= 65533 ? 3 : 7;
        EXPECT_EQ(bytes.size(), prefix + length);
        EXPECT_EQ(readVariable(bytes), text);
    }
    // Texts are stored in the code page, one byte per letter: "Ёж" is A8 E6.
    EXPECT_EQ(variable("Ёж"), (std::vector<std::uint8_t>{2, 0xA8, 0xE6}));
    EXPECT_EQ(readVariable({2, 0xA8, 0xE6}), "Ёж");
    // A longer form than needed is still read.
    EXPECT_EQ(readVariable({255, 2, 0, 'o', 'k'}), "ok");
}

TEST(FileText, LengthsThatDoNotFitTheFileAreRefused) {
    const std::vector<std::vector<std::uint8_t>> damaged = {
        {5, 'a', 'b'},                              // five letters announced, two there
        {255, 0x10, 0x27},                          // 10000 announced, none there
        {255, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F},  // about two thousand million
        {255, 0xFE, 0xFF},                          // a length form no writer uses
    };
    for (const auto& bytes : damaged) {
        BinaryReader reader(bytes);
        EXPECT_THROW(FileText::readVariable(reader), FileDamage);
    }
    for (const auto& bytes :
         {testing::ByteLayout().i32(-1).bytes(), testing::ByteLayout().i32(3).raw("ab").bytes()}) {
        BinaryReader reader(bytes);
        EXPECT_THROW(FileText::readCounted(reader), FileDamage);
    }
}

TEST(FileText, CharacterOutsideTheCodePageIsRefusedOnWriting) {
    BinaryWriter writer;
    try {
        FileText::writeCounted(writer, "Мир ☉");
        FAIL() << "written";
    } catch (const FileDamage& damage) {
        EXPECT_NE(std::string(damage.what()).find("☉"), std::string::npos);
    }
}

}  // namespace
}  // namespace orvanta
