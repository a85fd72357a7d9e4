#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "common/BinaryReader.h"
#include "common/BinaryWriter.h"
#include "common/Picture.h"
#include "support/BitmapBuilder.h"
#include "support/MessageRecorder.h"

namespace orvanta {
namespace {

using testing::BitmapFields;
using testing::MessageRecorder;

const std::vector<std::string> kLoadError = {"Load DIB Error..."};

// A 4-bit bitmap of 3 x 2 pixels with three colours in use: rows of 4 bytes.
BitmapFields threeColourBitmap() {
    BitmapFields f;
    f.width = 3;
    f.height = 2;
    f.bitCount = 4;
    f.coloursUsed = 3;
    f.imageSize = 8;
    f.palette = {0xFFFFFF, 0xFF0000, 0x000000};
    f.bits = {0x01, 0x20, 0, 0, 0x12, 0x00, 0, 0};
    return f;
}

std::vector<std::uint8_t> writeEmbedded(const Picture& picture) {
    BinaryWriter writer;
    EXPECT_TRUE(picture.writeEmbedded(writer));
    return writer.take();
}

std::filesystem::path scratchFile(const std::string& name) {
    const auto folder = std::filesystem::temp_directory_path() /
                        ("orvanta-picture-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    return folder / name;
}

void writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

TEST(Picture, DerivesSizeAndColoursFromEitherHeader) {
    Picture empty;
    EXPECT_EQ(empty.width(), 1);
    EXPECT_EQ(empty.height(), 1);

    Picture used;
    ASSERT_TRUE(used.assign(testing::packedBitmap(threeColourBitmap())));
    EXPECT_EQ(used.width(), 3);
    EXPECT_EQ(used.height(), 2);
    EXPECT_EQ(used.colourCount(), 3);  // the colours-used count wins over the bit count
    EXPECT_EQ(used.colourTableSize(), 12u);

    BitmapFields mono;
    mono.width = 9;
    mono.height = 1;
    mono.bitCount = 1;
    mono.palette = {0, 0xFFFFFF};
    mono.bits = {0xFF, 0x80, 0, 0};
    Picture byBitCount;
    ASSERT_TRUE(byBitCount.assign(testing::packedBitmap(mono)));
    EXPECT_EQ(byBitCount.colourCount(), 2);
    EXPECT_EQ(byBitCount.colourTableSize(), 8u);

    mono.headerSize = 12;  // core header: three bytes per colour
    Picture core;
    ASSERT_TRUE(core.assign(testing::packedBitmap(mono)));
    EXPECT_EQ(core.width(), 9);
    EXPECT_EQ(core.colourCount(), 2);
    EXPECT_EQ(core.colourTableSize(), 6u);

    Picture trueColour;
    ASSERT_TRUE(
        trueColour.assign(testing::packedBitmap(testing::markedTrueColour(5, 3, 0xFFFFFF))));
    EXPECT_EQ(trueColour.colourCount(), 0);
    EXPECT_EQ(trueColour.colourTableSize(), 0u);
}

TEST(Picture, EmbeddedFormRoundTripsByteForByte) {
    const auto packed = testing::packedBitmap(threeColourBitmap());
    const auto block = testing::embedded(packed, 40 + 12);
    std::vector<std::uint8_t> stream = block;
    stream.push_back(0xAB);  // the next field of the file

    BinaryReader reader(stream);
    Picture picture;
    picture.readEmbedded(reader);
    ASSERT_FALSE(picture.isEmpty());
    EXPECT_EQ(reader.remaining(), 1u);
    EXPECT_EQ(picture.bytes(), packed);
    EXPECT_EQ(writeEmbedded(picture), block);
}

TEST(Picture, WritingSetsTheImageSizeAndDropsBytesAfterTheRows) {
    BitmapFields f = testing::markedTrueColour(3, 2, 0x00FF00);
    f.imageSize = 0;  // allowed for uncompressed bitmaps
    auto packed = testing::packedBitmap(f);
    packed.push_back(0x55);  // trailing byte beyond the rows
    Picture picture;
    ASSERT_TRUE(picture.assign(packed));

    f.imageSize = ((24 * 3 + 31) / 32) * 4 * 2;  // 24 bytes
    const auto expectedPacked = testing::packedBitmap(f);
    EXPECT_EQ(writeEmbedded(picture), testing::embedded(expectedPacked, 40));
    EXPECT_EQ(picture.bytes(), packed);  // what is held stays as it was read
}

TEST(Picture, CompressedImageSizeComesFromTheHeader) {
    BitmapFields f;
    f.width = 4;
    f.height = 1;
    f.bitCount = 8;
    f.compression = 1;
    f.coloursUsed = 2;
    f.palette = {0xFFFFFF, 0};
    f.bits = {4, 1, 0, 1};  // four pixels of colour 1, end of bitmap
    f.imageSize = 4;
    Picture picture;
    ASSERT_TRUE(picture.assign(testing::packedBitmap(f)));
    EXPECT_EQ(writeEmbedded(picture), testing::embedded(testing::packedBitmap(f), 48));

    f.imageSize = 5;  // more than the block holds
    EXPECT_EQ(picture.assign(testing::packedBitmap(f)).messages, kLoadError);
}

// Left to the implementer: a core header cannot be embedded as it is, so it is written as the
// equivalent information header and the slot stays readable.
TEST(Picture, CoreHeaderIsWrittenAsAnInformationHeader) {
    BitmapFields core;
    core.headerSize = 12;
    core.width = 2;
    core.height = 2;
    core.bitCount = 1;
    core.palette = {0x102030, 0xA0B0C0};
    core.bits = {0x80, 0, 0, 0, 0x40, 0, 0, 0};
    Picture picture;
    ASSERT_TRUE(picture.assign(testing::packedBitmap(core)));

    BitmapFields info = core;
    info.headerSize = 40;
    info.imageSize = 8;
    const auto expected = testing::packedBitmap(info);
    const auto written = writeEmbedded(picture);
    EXPECT_EQ(written, testing::embedded(expected, 40 + 8));

    BinaryReader reader(written);
    Picture reread;
    reread.readEmbedded(reader);
    EXPECT_EQ(reread.bytes(), expected);
    EXPECT_EQ(reread.colourCount(), 2);
}

TEST(Picture, UnreadableBitmapsEmptyThePictureWithTheMessages) {
    MessageRecorder recorder;
    Picture picture;
    ASSERT_TRUE(picture.assign(testing::packedBitmap(threeColourBitmap())));

    BitmapFields negative = threeColourBitmap();
    negative.width = -3;
    const auto refused = picture.assign(testing::packedBitmap(negative));
    EXPECT_EQ(refused.status, LoadStatus::Damaged);
    EXPECT_TRUE(picture.isEmpty());
    EXPECT_EQ(refused.messages,
              (std::vector<std::string>{"Init DIB data Error...", "Load DIB Error..."}));

    BitmapFields faults[5] = {threeColourBitmap(), threeColourBitmap(), threeColourBitmap(),
                              threeColourBitmap(), threeColourBitmap()};
    faults[0].bitCount = 7;          // no such depth
    faults[1].coloursUsed = 100000;  // a colour table far beyond the block
    faults[2].width = 1 << 20;       // rows far beyond the block
    faults[3].headerSize = 64;       // a header kind we do not read
    faults[4].compression = 9;       // no such compression
    for (const auto& fault : faults) {
        ASSERT_TRUE(picture.assign(testing::packedBitmap(threeColourBitmap())));
        EXPECT_EQ(picture.assign(testing::packedBitmap(fault)).messages, kLoadError);
        EXPECT_TRUE(picture.isEmpty());
    }

    // Every block cut short of its rows is refused.
    const auto packed = testing::packedBitmap(threeColourBitmap());
    for (std::size_t size = 0; size < packed.size(); ++size) {
        EXPECT_EQ(
            picture.assign({packed.begin(), packed.begin() + static_cast<long>(size)}).messages,
            kLoadError)
            << size;
    }
    EXPECT_TRUE(recorder.messages.empty());  // the caller decides what to show
}

TEST(Picture, EmbeddedBlockThatRunsPastTheEndThrowsAndOneWithoutBmIsSkipped) {
    const auto packed = testing::packedBitmap(threeColourBitmap());
    const auto block = testing::embedded(packed, 52);
    for (std::size_t size = 0; size < block.size(); ++size) {
        const std::vector<std::uint8_t> cut(block.begin(), block.begin() + static_cast<long>(size));
        BinaryReader reader(cut);
        Picture picture;
        EXPECT_THROW(picture.readEmbedded(reader), FormatError) << size;
    }

    auto notBm = block;
    notBm[0] = 'X';
    notBm.push_back(0x77);
    BinaryReader reader(notBm);
    Picture picture;
    EXPECT_EQ(picture.readEmbedded(reader).messages, kLoadError);
    EXPECT_TRUE(picture.isEmpty());
    EXPECT_EQ(reader.readUInt8(), 0x77);  // reading goes on after the block
}

TEST(Picture, LoadsFilesAndTakesTheBitsAsFollowingTheColourTable) {
    MessageRecorder recorder;
    Picture picture;
    ASSERT_TRUE(picture.assign(testing::packedBitmap(threeColourBitmap())));
    const auto before = picture.bytes();

    const auto missing = picture.loadFile(scratchFile("does-not-exist.bmp"));
    EXPECT_EQ(missing.status, LoadStatus::Missing);
    EXPECT_TRUE(missing.messages.empty());
    EXPECT_EQ(picture.bytes(), before);

    const auto packed = testing::packedBitmap(testing::markedTrueColour(2, 2, 0xFFFFFF));
    auto file = testing::fileHeader(static_cast<std::uint32_t>(packed.size()), 999);
    file.insert(file.end(), packed.begin(), packed.end());
    writeFile(scratchFile("odd-offset.bmp"), file);
    EXPECT_TRUE(picture.loadFile(scratchFile("odd-offset.bmp")));
    EXPECT_EQ(picture.bytes(), packed);
    // Written back as a file, the offset says where the bits really are.
    auto fileForm = testing::fileHeader(static_cast<std::uint32_t>(packed.size()), 40);
    fileForm.insert(fileForm.end(), packed.begin(), packed.end());
    EXPECT_EQ(picture.fileForm(), fileForm);

    writeFile(scratchFile("not-a-bitmap.bmp"),
              {'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(picture.loadFile(scratchFile("not-a-bitmap.bmp")).messages, kLoadError);
    EXPECT_TRUE(picture.isEmpty());  // the previous picture is lost
    EXPECT_TRUE(recorder.messages.empty());
}

TEST(Picture, EmptyPictureCannotBeEmbedded) {
    BinaryWriter writer;
    EXPECT_FALSE(Picture().writeEmbedded(writer));
    EXPECT_TRUE(writer.bytes().empty());
}

}  // namespace
}  // namespace orvanta
