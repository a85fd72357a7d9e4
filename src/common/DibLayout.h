#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace orvanta {

// Where the parts of a packed device-independent bitmap lie: the information header (40 bytes)
// or the older core header (12 bytes), the colour masks, the colour table and the pixel rows.
// Every size is checked against the bytes of the block, so a layout that reads Readable never
// sends a reader outside the block.
struct DibLayout {
    enum class Verdict { Readable, Unreadable, NegativeSize };

    static constexpr std::uint32_t kInfoHeaderSize = 40;
    static constexpr std::uint32_t kCoreHeaderSize = 12;
    // Our pictures are symbols; a larger side is taken for a damaged header, which also keeps
    // a compressed bitmap from asking for a huge image when it is decoded.
    static constexpr std::int32_t kLargestSide = 4096;

    std::uint32_t headerSize = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t bitCount = 0;
    std::uint32_t compression = 0;
    std::uint32_t colourCount = 0;
    std::size_t maskSize = 0;         // three colour masks of a bit-field bitmap
    std::size_t colourTableSize = 0;  // colourCount entries of 4 bytes, or 3 with a core header
    std::size_t imageSize = 0;        // bytes of the pixel rows

    // Fills the layout from the start of a packed bitmap.
    static Verdict read(std::span<const std::uint8_t> packed, DibLayout& layout);

    bool isCoreHeader() const { return headerSize == kCoreHeaderSize; }
    std::size_t bitsOffset() const { return headerSize + maskSize + colourTableSize; }
    std::size_t packedSize() const { return bitsOffset() + imageSize; }

    // Bytes of one pixel row, padded to a multiple of four.
    static std::size_t rowSize(std::uint16_t bitCount, std::int32_t width);

  private:
    static Verdict readInfoHeader(std::span<const std::uint8_t> packed, DibLayout& layout);
    static Verdict readCoreHeader(std::span<const std::uint8_t> packed, DibLayout& layout);
    static bool hasSupportedDepth(const DibLayout& layout);
    static std::uint32_t coloursByBitCount(std::uint16_t bitCount);
    static Verdict finish(std::span<const std::uint8_t> packed, std::uint32_t storedImageSize,
                          DibLayout& layout);
};

}  // namespace orvanta
