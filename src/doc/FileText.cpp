#include "doc/FileText.h"

#include <span>

#include "common/Windows1251.h"
#include "doc/FileDamage.h"

namespace orvanta {
namespace {

constexpr std::uint8_t kLongForm = 255;
constexpr std::uint16_t kUnusedShortLength = 65534;
constexpr std::uint16_t kWideForm = 65535;

std::span<const std::uint8_t> asBytes(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

}  // namespace

std::string FileText::readBytes(BinaryReader& reader, std::uint64_t length) {
    if (length > reader.remaining()) {
        throw FileDamage("длина строки " + std::to_string(length) +
                         " больше, чем осталось байт в файле (" +
                         std::to_string(reader.remaining()) + ")");
    }
    const auto bytes = reader.readBytes(static_cast<std::size_t>(length));
    return Windows1251::toUtf8(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

std::string FileText::readVariable(BinaryReader& reader) {
    const std::uint8_t shortLength = reader.readUInt8();
    if (shortLength != kLongForm) return readBytes(reader, shortLength);
    const std::uint16_t length = reader.readUInt16();
    if (length == kUnusedShortLength) {
        throw FileDamage("неизвестная форма длины строки (" + std::to_string(length) + ")");
    }
    if (length != kWideForm) return readBytes(reader, length);
    return readBytes(reader, reader.readUInt32());
}

void FileText::writeVariable(BinaryWriter& writer, std::string_view utf8) {
    const std::string bytes = encode(utf8);
    if (bytes.size() < kLongForm) {
        writer.writeUInt8(static_cast<std::uint8_t>(bytes.size()));
    } else if (bytes.size() < kUnusedShortLength) {
        writer.writeUInt8(kLongForm);
        writer.writeUInt16(static_cast<std::uint16_t>(bytes.size()));
    } else {
        writer.writeUInt8(kLongForm);
        writer.writeUInt16(kWideForm);
        writer.writeUInt32(static_cast<std::uint32_t>(bytes.size()));
    }
    writer.writeBytes(asBytes(bytes));
}

std::string FileText::readCounted(BinaryReader& reader) {
    const std::int32_t length = reader.readInt32();
    if (length < 0) throw FileDamage("отрицательная длина строки (" + std::to_string(length) + ")");
    return readBytes(reader, static_cast<std::uint64_t>(length));
}

void FileText::writeCounted(BinaryWriter& writer, std::string_view utf8) {
    const std::string bytes = encode(utf8);
    writer.writeInt32(static_cast<std::int32_t>(bytes.size()));
    writer.writeBytes(asBytes(bytes));
}

std::string FileText::encode(std::string_view utf8) {
    if (auto bytes = Windows1251::fromUtf8(utf8)) return *std::move(bytes);
    const std::string bad = Windows1251::firstUnencodable(utf8);
    throw FileDamage("символ «" + bad + "» нельзя записать в кодировке Windows-1251");
}

}  // namespace orvanta
