#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Packed bitmaps and their embedded form, laid out field by field for tests, independently
// of the program's writers.
namespace orvanta::testing {

struct BitmapFields {
    std::uint32_t headerSize = 40;
    std::int32_t width = 1;
    std::int32_t height = 1;
    std::uint16_t bitCount = 24;
    std::uint32_t compression = 0;
    std::uint32_t imageSize = 0;
    std::uint32_t coloursUsed = 0;
    std::vector<std::uint32_t> palette;  // 0x00RRGGBB
    std::vector<std::uint8_t> bits;      // pixel rows, bottom row first
};

inline void putLe(std::vector<std::uint8_t>& out, std::uint64_t value, int size) {
    for (int i = 0; i < size; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

inline std::vector<std::uint8_t> packedBitmap(const BitmapFields& f) {
    std::vector<std::uint8_t> out;
    putLe(out, f.headerSize, 4);
    if (f.headerSize == 12) {
        putLe(out, static_cast<std::uint32_t>(f.width), 2);
        putLe(out, static_cast<std::uint32_t>(f.height), 2);
        putLe(out, 1, 2);
        putLe(out, f.bitCount, 2);
    } else {
        putLe(out, static_cast<std::uint32_t>(f.width), 4);
        putLe(out, static_cast<std::uint32_t>(f.height), 4);
        putLe(out, 1, 2);
        putLe(out, f.bitCount, 2);
        putLe(out, f.compression, 4);
        putLe(out, f.imageSize, 4);
        putLe(out, 0, 4);  // x pixels per metre
        putLe(out, 0, 4);  // y pixels per metre
        putLe(out, f.coloursUsed, 4);
        putLe(out, 0, 4);  // colours important
    }
    for (std::uint32_t rgb : f.palette) {
        out.push_back(static_cast<std::uint8_t>(rgb));        // blue
        out.push_back(static_cast<std::uint8_t>(rgb >> 8));   // green
        out.push_back(static_cast<std::uint8_t>(rgb >> 16));  // red
        if (f.headerSize != 12) out.push_back(0);
    }
    out.insert(out.end(), f.bits.begin(), f.bits.end());
    return out;
}

// File header "BM", size, two reserved zeros and the bits offset.
inline std::vector<std::uint8_t> fileHeader(std::uint32_t packedSize, std::uint32_t bitsOffset) {
    std::vector<std::uint8_t> out = {'B', 'M'};
    putLe(out, packedSize + 14, 4);
    putLe(out, 0, 4);
    putLe(out, 14 + bitsOffset, 4);
    return out;
}

// The embedded form: file header, 32-bit length, packed bitmap.
inline std::vector<std::uint8_t> embedded(const std::vector<std::uint8_t>& packed,
                                          std::uint32_t bitsOffset) {
    auto out = fileHeader(static_cast<std::uint32_t>(packed.size()), bitsOffset);
    putLe(out, packed.size(), 4);
    out.insert(out.end(), packed.begin(), packed.end());
    return out;
}

// A 24-bit bitmap of the given size, its image size field filled in, every pixel one colour
// except the pixel at top left, which is black.
inline BitmapFields markedTrueColour(int width, int height, std::uint32_t rgb) {
    BitmapFields f;
    f.width = width;
    f.height = height;
    f.bitCount = 24;
    const int row = ((24 * width + 31) / 32) * 4;
    f.imageSize = static_cast<std::uint32_t>(row * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < row; ++x) {
            const int pixel = x / 3;
            const bool topLeft = y == height - 1 && pixel == 0;
            const int channel = x % 3;  // blue, green, red
            std::uint8_t value = 0;
            if (pixel < width && !topLeft) value = static_cast<std::uint8_t>(rgb >> (8 * channel));
            f.bits.push_back(value);
        }
    }
    return f;
}

}  // namespace orvanta::testing
