#include "common/PictureImport.h"

#include "common/AtomicFile.h"
#include "common/DibLayout.h"

namespace orvanta {
namespace {

constexpr std::uint32_t kRgb = 0;
constexpr std::uint32_t kRle8 = 1;
constexpr std::uint32_t kRle4 = 2;
constexpr std::uint32_t kBitFields = 3;
constexpr std::size_t kMasksOffset = 40;  // red, green, blue, alpha masks of the larger headers
constexpr std::size_t kAlphaMaskOffset = 52;

std::uint32_t field(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < size; ++i) value |= std::uint32_t{bytes[offset + i]} << (8 * i);
    return value;
}

}  // namespace

bool PictureImport::isOpaque(std::span<const std::uint8_t> packed, std::uint32_t alphaMask) {
    DibLayout layout;
    if (DibLayout::read(packed, layout) != DibLayout::Verdict::Readable) return false;
    const std::size_t pixelBytes = layout.bitCount / 8;
    const std::size_t row = DibLayout::rowSize(layout.bitCount, layout.width);
    for (std::int32_t y = 0; y < layout.height; ++y) {
        const std::size_t start = layout.bitsOffset() + static_cast<std::size_t>(y) * row;
        for (std::int32_t x = 0; x < layout.width; ++x) {
            const std::uint32_t pixel =
                field(packed, start + static_cast<std::size_t>(x) * pixelBytes, pixelBytes);
            if ((pixel & alphaMask) != alphaMask) return false;
        }
    }
    return true;
}

std::optional<std::vector<std::uint8_t>> PictureImport::withInfoHeader(
    std::span<const std::uint8_t> packed) {
    if (packed.size() < 4) return std::nullopt;
    const std::uint32_t headerSize = field(packed, 0, 4);
    if (headerSize != kV4HeaderSize && headerSize != kV5HeaderSize) return std::nullopt;
    if (packed.size() < headerSize) return std::nullopt;
    const std::uint32_t compression = field(packed, 16, 4);
    if (compression != kRgb && compression != kRle8 && compression != kRle4 &&
        compression != kBitFields) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> out(packed.begin(), packed.begin() + DibLayout::kInfoHeaderSize);
    out[0] = static_cast<std::uint8_t>(DibLayout::kInfoHeaderSize);
    out[1] = out[2] = out[3] = 0;
    if (compression == kBitFields) {
        out.insert(out.end(), packed.begin() + kMasksOffset, packed.begin() + kAlphaMaskOffset);
    }
    out.insert(out.end(), packed.begin() + headerSize, packed.end());

    DibLayout layout;
    if (DibLayout::read(out, layout) != DibLayout::Verdict::Readable) return std::nullopt;
    // A colour profile may follow the pixels; it is not drawn.
    out.resize(layout.packedSize());
    const std::uint32_t alphaMask = field(packed, kAlphaMaskOffset, 4);
    if (compression == kBitFields && alphaMask != 0 && !isOpaque(out, alphaMask)) {
        return std::nullopt;
    }
    return out;
}

std::optional<std::vector<std::uint8_t>> PictureImport::packedFromFile(
    const std::filesystem::path& path) {
    auto bytes = AtomicFile::read(path);
    if (!bytes || bytes->size() < Picture::kFileHeaderSize ||
        bytes->size() > Picture::kLargestFile || (*bytes)[0] != 'B' || (*bytes)[1] != 'M') {
        return std::nullopt;
    }
    // The bits offset of the file header is not used: the bits follow the colour table.
    bytes->erase(bytes->begin(), bytes->begin() + Picture::kFileHeaderSize);
    if (auto converted = withInfoHeader(*bytes)) return converted;
    DibLayout layout;
    if (DibLayout::read(*bytes, layout) != DibLayout::Verdict::Readable) return std::nullopt;
    return bytes;
}

std::string PictureImport::refusalMessage(const std::filesystem::path& path) {
    return "Файл «" + path.filename().string() +
           "» не удалось прочитать как точечный рисунок BMP без прозрачности. "
           "Прежний рисунок оставлен.";
}

LoadResult PictureImport::loadInto(const std::filesystem::path& path, Picture& target) {
    auto packed = packedFromFile(path);
    if (!packed) return LoadResult::failed(LoadStatus::Damaged, refusalMessage(path));
    return target.assign(std::move(*packed));
}

}  // namespace orvanta
