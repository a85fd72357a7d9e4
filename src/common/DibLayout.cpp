#include "common/DibLayout.h"

namespace orvanta {
namespace {

constexpr std::uint32_t kRgb = 0;
constexpr std::uint32_t kRle8 = 1;
constexpr std::uint32_t kRle4 = 2;
constexpr std::uint32_t kBitFields = 3;
constexpr std::uint32_t kLargestColourTable = 256;

std::uint32_t field(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < size; ++i) value |= std::uint32_t{bytes[offset + i]} << (8 * i);
    return value;
}

}  // namespace

std::size_t DibLayout::rowSize(std::uint16_t bitCount, std::int32_t width) {
    return ((std::size_t{bitCount} * static_cast<std::size_t>(width) + 31) / 32) * 4;
}

std::uint32_t DibLayout::coloursByBitCount(std::uint16_t bitCount) {
    switch (bitCount) {
        case 1:
            return 2;
        case 4:
            return 16;
        case 8:
            return 256;
        default:
            return 0;
    }
}

DibLayout::Verdict DibLayout::read(std::span<const std::uint8_t> packed, DibLayout& layout) {
    if (packed.size() < 4) return Verdict::Unreadable;
    DibLayout candidate;
    Verdict verdict = Verdict::Unreadable;
    switch (field(packed, 0, 4)) {
        case kInfoHeaderSize:
            verdict = readInfoHeader(packed, candidate);
            break;
        case kCoreHeaderSize:
            verdict = readCoreHeader(packed, candidate);
            break;
        default:
            break;
    }
    if (verdict == Verdict::Readable) layout = candidate;
    return verdict;
}

DibLayout::Verdict DibLayout::readInfoHeader(std::span<const std::uint8_t> packed,
                                             DibLayout& layout) {
    if (packed.size() < kInfoHeaderSize) return Verdict::Unreadable;
    layout.headerSize = kInfoHeaderSize;
    layout.width = static_cast<std::int32_t>(field(packed, 4, 4));
    layout.height = static_cast<std::int32_t>(field(packed, 8, 4));
    layout.bitCount = static_cast<std::uint16_t>(field(packed, 14, 2));
    layout.compression = field(packed, 16, 4);
    const std::uint32_t storedImageSize = field(packed, 20, 4);
    const std::uint32_t coloursUsed = field(packed, 32, 4);
    if (layout.width < 0 || layout.height < 0) return Verdict::NegativeSize;
    layout.colourCount = coloursUsed != 0 ? coloursUsed : coloursByBitCount(layout.bitCount);
    layout.maskSize = layout.compression == kBitFields ? 12 : 0;
    layout.colourTableSize = std::size_t{layout.colourCount} * 4;
    return finish(packed, storedImageSize, layout);
}

DibLayout::Verdict DibLayout::readCoreHeader(std::span<const std::uint8_t> packed,
                                             DibLayout& layout) {
    if (packed.size() < kCoreHeaderSize) return Verdict::Unreadable;
    layout.headerSize = kCoreHeaderSize;
    layout.width = static_cast<std::int32_t>(field(packed, 4, 2));
    layout.height = static_cast<std::int32_t>(field(packed, 6, 2));
    layout.bitCount = static_cast<std::uint16_t>(field(packed, 10, 2));
    layout.colourCount = coloursByBitCount(layout.bitCount);
    layout.colourTableSize = std::size_t{layout.colourCount} * 3;
    return finish(packed, 0, layout);
}

bool DibLayout::hasSupportedDepth(const DibLayout& layout) {
    const auto bits = layout.bitCount;
    if (layout.isCoreHeader()) return bits == 1 || bits == 4 || bits == 8 || bits == 24;
    switch (layout.compression) {
        case kRgb:
            return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
        case kRle8:
            return bits == 8;
        case kRle4:
            return bits == 4;
        case kBitFields:
            return bits == 16 || bits == 32;
        default:
            return false;
    }
}

// Checks the parts against the block: each size is bounded before the next is added, so the
// sums cannot overflow.
DibLayout::Verdict DibLayout::finish(std::span<const std::uint8_t> packed,
                                     std::uint32_t storedImageSize, DibLayout& layout) {
    if (layout.width == 0 || layout.height == 0) return Verdict::Unreadable;
    if (layout.width > kLargestSide || layout.height > kLargestSide) return Verdict::Unreadable;
    if (!hasSupportedDepth(layout) || layout.colourCount > kLargestColourTable) {
        return Verdict::Unreadable;
    }
    const bool compressed = layout.compression == kRle8 || layout.compression == kRle4;
    layout.imageSize = compressed ? storedImageSize
                                  : rowSize(layout.bitCount, layout.width) *
                                        static_cast<std::size_t>(layout.height);
    if (layout.imageSize == 0 || layout.packedSize() > packed.size()) return Verdict::Unreadable;
    return Verdict::Readable;
}

}  // namespace orvanta
