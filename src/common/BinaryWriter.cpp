#include "common/BinaryWriter.h"

#include <bit>

namespace orvanta {

void BinaryWriter::writeLittleEndian(std::uint64_t value, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
        bytes_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

void BinaryWriter::writeUInt8(std::uint8_t value) {
    writeLittleEndian(value, 1);
}
void BinaryWriter::writeUInt16(std::uint16_t value) {
    writeLittleEndian(value, 2);
}
void BinaryWriter::writeUInt32(std::uint32_t value) {
    writeLittleEndian(value, 4);
}
void BinaryWriter::writeInt32(std::int32_t value) {
    writeLittleEndian(static_cast<std::uint32_t>(value), 4);
}
void BinaryWriter::writeDouble(double value) {
    writeLittleEndian(std::bit_cast<std::uint64_t>(value), 8);
}
void BinaryWriter::writeBytes(std::span<const std::uint8_t> bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
}

}  // namespace orvanta
