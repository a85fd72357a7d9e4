#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "common/PictureImport.h"
#include "support/BitmapBuilder.h"

namespace orvanta {
namespace {

using testing::BitmapFields;
using testing::packedBitmap;

constexpr std::uint32_t kRed = 0x00FF0000, kGreen = 0x0000FF00, kBlue = 0x000000FF;
constexpr std::uint32_t kAlpha = 0xFF000000;

// The packed bitmap with the larger header an image editor writes: the 40-byte fields, the
// four colour masks, then colour-space fields (and for 124 bytes the profile fields) as zeros.
std::vector<std::uint8_t> withLargeHeader(const BitmapFields& f, std::uint32_t headerSize,
                                          std::uint32_t alphaMask) {
    auto plain = packedBitmap(f);
    std::vector<std::uint8_t> out(plain.begin(), plain.begin() + 40);
    out[0] = static_cast<std::uint8_t>(headerSize);
    for (std::uint32_t mask : {kRed, kGreen, kBlue, alphaMask}) testing::putLe(out, mask, 4);
    out.resize(headerSize, 0);
    out.insert(out.end(), plain.begin() + 40, plain.end());
    return out;
}

// A 2 x 1 bitmap of 32-bit pixels with colour masks; the second pixel's alpha is given.
BitmapFields maskedPixels(std::uint8_t secondAlpha) {
    BitmapFields f;
    f.width = 2;
    f.bitCount = 32;
    f.compression = 3;
    f.imageSize = 8;
    f.bits = {0x10, 0x20, 0x30, 0xFF, 0x40, 0x50, 0x60, secondAlpha};
    return f;
}

std::filesystem::path writeBmp(const std::string& name, const std::vector<std::uint8_t>& packed) {
    const auto folder = std::filesystem::temp_directory_path() /
                        ("orvanta-import-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const auto path = folder / name;
    auto bytes = testing::fileHeader(static_cast<std::uint32_t>(packed.size()), 0);
    bytes.insert(bytes.end(), packed.begin(), packed.end());
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return path;
}

TEST(PictureImport, LargerHeadersBecomeTheFortyByteFormWhenNothingDrawnIsLost) {
    BitmapFields palette;
    palette.width = 3;
    palette.bitCount = 8;
    palette.coloursUsed = 2;
    palette.palette = {0xFFFFFF, 0x000000};
    palette.bits = {0, 1, 0, 0};
    const BitmapFields trueColour = testing::markedTrueColour(3, 2, 0x00C08040);

    for (std::uint32_t size : {PictureImport::kV4HeaderSize, PictureImport::kV5HeaderSize}) {
        for (const BitmapFields& f : {palette, trueColour}) {
            const auto converted = PictureImport::withInfoHeader(withLargeHeader(f, size, 0));
            ASSERT_TRUE(converted) << size;
            EXPECT_EQ(*converted, packedBitmap(f)) << size << " " << f.bitCount;
        }
    }

    // Bit-field masks move behind the header; a colour profile after the pixels is dropped.
    const BitmapFields opaque = maskedPixels(0xFF);
    auto large = withLargeHeader(opaque, PictureImport::kV5HeaderSize, kAlpha);
    large.insert(large.end(), {'p', 'r', 'o', 'f'});
    auto expected = packedBitmap(BitmapFields{opaque.headerSize, 2, 1, 32, 3, 8, 0, {}, {}});
    for (std::uint32_t mask : {kRed, kGreen, kBlue}) testing::putLe(expected, mask, 4);
    expected.insert(expected.end(), opaque.bits.begin(), opaque.bits.end());
    const auto converted = PictureImport::withInfoHeader(large);
    ASSERT_TRUE(converted);
    EXPECT_EQ(*converted, expected);

    // A pixel that is not fully opaque would be drawn differently.
    EXPECT_FALSE(PictureImport::withInfoHeader(
        withLargeHeader(maskedPixels(0x80), PictureImport::kV4HeaderSize, kAlpha)));
    EXPECT_TRUE(PictureImport::withInfoHeader(
        withLargeHeader(maskedPixels(0x80), PictureImport::kV4HeaderSize, 0)));
    BitmapFields jpeg = trueColour;
    jpeg.compression = 4;
    EXPECT_FALSE(PictureImport::withInfoHeader(withLargeHeader(jpeg, 124, 0)));
}

TEST(PictureImport, UnusableFileIsRefusedAndThePictureStays) {
    Picture target;
    ASSERT_TRUE(target.assign(packedBitmap(testing::markedTrueColour(2, 2, 0xFFFFFF))));
    const auto before = target.bytes();

    const auto transparent = writeBmp(
        "transparent.bmp", withLargeHeader(maskedPixels(0), PictureImport::kV4HeaderSize, kAlpha));
    const auto text = writeBmp("text.bmp", {'h', 'e', 'l', 'l', 'o'});
    for (const auto& path : {transparent, text, text.parent_path() / "missing.bmp"}) {
        EXPECT_EQ(PictureImport::loadInto(path, target).messages,
                  std::vector<std::string>{PictureImport::refusalMessage(path)});
        EXPECT_EQ(target.bytes(), before);
    }

    const BitmapFields f = testing::markedTrueColour(3, 2, 0x00C08040);
    const auto loaded = PictureImport::loadInto(
        writeBmp("editor.bmp", withLargeHeader(f, PictureImport::kV4HeaderSize, 0)), target);
    EXPECT_TRUE(loaded.loaded());
    EXPECT_TRUE(loaded.messages.empty());
    EXPECT_EQ(target.bytes(), packedBitmap(f));
    std::filesystem::remove_all(text.parent_path());
}

}  // namespace
}  // namespace orvanta
