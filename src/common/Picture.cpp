#include "common/Picture.h"

#include <algorithm>
#include <atomic>
#include <fstream>
#include <system_error>

namespace orvanta {
namespace {

constexpr std::size_t kImageSizeField = 20;

void putUInt32(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

bool startsWithBm(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M';
}

std::uint64_t nextRevision() {
    static std::atomic<std::uint64_t> last{0};
    return ++last;
}

}  // namespace

const Picture::Content Picture::kEmpty{};

void Picture::clear() {
    content_.reset();
}

LoadResult Picture::fail() {
    clear();
    return LoadResult::failed(LoadStatus::Damaged, kLoadError);
}

LoadResult Picture::assign(std::vector<std::uint8_t> packed) {
    DibLayout layout;
    switch (DibLayout::read(packed, layout)) {
        case DibLayout::Verdict::Readable:
            content_ =
                std::make_shared<const Content>(Content{std::move(packed), layout, nextRevision()});
            return {};
        case DibLayout::Verdict::NegativeSize:
            clear();
            return {LoadStatus::Damaged, {kInitError, kLoadError}};
        case DibLayout::Verdict::Unreadable:
            break;
    }
    return fail();
}

LoadResult Picture::loadFile(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return {LoadStatus::Missing, {}};
    std::ifstream in(path, std::ios::binary);
    if (!in) return {LoadStatus::Unreadable, {}};
    const auto size = std::filesystem::file_size(path, ec);
    if (ec || size < kFileHeaderSize || size > kLargestFile) return fail();
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (static_cast<std::uintmax_t>(in.gcount()) != size || !startsWithBm(bytes)) return fail();
    // The bits offset of the file header is not used: the bits follow the colour table.
    bytes.erase(bytes.begin(), bytes.begin() + kFileHeaderSize);
    return assign(std::move(bytes));
}

LoadResult Picture::readEmbedded(BinaryReader& reader) {
    const auto header = reader.readBytes(kFileHeaderSize);
    const std::uint32_t length = reader.readUInt32();
    auto packed = reader.readBytes(length);
    if (!startsWithBm(header)) return fail();
    return assign(std::move(packed));
}

std::vector<std::uint8_t> Picture::coreToInfoHeader() const {
    BinaryWriter header;
    header.writeUInt32(DibLayout::kInfoHeaderSize);
    header.writeInt32(layout().width);
    header.writeInt32(layout().height);
    header.writeUInt16(1);  // planes
    header.writeUInt16(layout().bitCount);
    for (int i = 0; i < 6; ++i) header.writeUInt32(0);  // compression .. colours important
    auto out = header.take();
    // Colour table entries grow from three bytes (blue, green, red) to four.
    for (std::uint32_t i = 0; i < layout().colourCount; ++i) {
        const auto* entry = bytes().data() + layout().headerSize + std::size_t{i} * 3;
        out.insert(out.end(), entry, entry + 3);
        out.push_back(0);
    }
    return out;
}

std::vector<std::uint8_t> Picture::packedForWriting() const {
    std::vector<std::uint8_t> out;
    if (layout().isCoreHeader()) {
        out = coreToInfoHeader();
    } else {
        out.assign(bytes().begin(),
                   bytes().begin() + static_cast<std::ptrdiff_t>(layout().bitsOffset()));
    }
    putUInt32(out, kImageSizeField, static_cast<std::uint32_t>(layout().imageSize));
    const auto bits = bytes().begin() + static_cast<std::ptrdiff_t>(layout().bitsOffset());
    out.insert(out.end(), bits, bits + static_cast<std::ptrdiff_t>(layout().imageSize));
    return out;
}

void Picture::writeFileHeader(BinaryWriter& writer, std::size_t packedSize,
                              std::size_t bitsOffset) {
    writer.writeUInt8('B');
    writer.writeUInt8('M');
    writer.writeUInt32(static_cast<std::uint32_t>(packedSize + kFileHeaderSize));
    writer.writeUInt16(0);
    writer.writeUInt16(0);
    writer.writeUInt32(static_cast<std::uint32_t>(kFileHeaderSize + bitsOffset));
}

bool Picture::writeEmbedded(BinaryWriter& writer) const {
    if (isEmpty()) return false;
    const auto packed = packedForWriting();
    const std::size_t bitsOffset = packed.size() - layout().imageSize;
    writeFileHeader(writer, packed.size(), bitsOffset);
    writer.writeUInt32(static_cast<std::uint32_t>(packed.size()));
    writer.writeBytes(packed);
    return true;
}

std::vector<std::uint8_t> Picture::fileForm() const {
    if (isEmpty()) return {};
    BinaryWriter writer;
    writeFileHeader(writer, bytes().size(), layout().bitsOffset());
    writer.writeBytes(bytes());
    return writer.take();
}

}  // namespace orvanta
