#include "common/BinaryReader.h"

#include <bit>
#include <string>

namespace orvanta {

void BinaryReader::require(std::size_t count) const {
    if (count > remaining()) {
        throw FormatError("the file ends early: " + std::to_string(count) +
                          " bytes needed at offset " + std::to_string(position_) + ", " +
                          std::to_string(remaining()) + " left");
    }
}

std::uint64_t BinaryReader::readLittleEndian(std::size_t size) {
    require(size);
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < size; ++i) {
        value |= static_cast<std::uint64_t>(bytes_[position_ + i]) << (8 * i);
    }
    position_ += size;
    return value;
}

std::uint8_t BinaryReader::readUInt8() {
    return static_cast<std::uint8_t>(readLittleEndian(1));
}

std::uint16_t BinaryReader::readUInt16() {
    return static_cast<std::uint16_t>(readLittleEndian(2));
}

std::uint32_t BinaryReader::readUInt32() {
    return static_cast<std::uint32_t>(readLittleEndian(4));
}

std::int32_t BinaryReader::readInt32() {
    return static_cast<std::int32_t>(readUInt32());
}

double BinaryReader::readDouble() {
    return std::bit_cast<double>(readLittleEndian(8));
}

std::vector<std::uint8_t> BinaryReader::readBytes(std::size_t count) {
    require(count);
    std::vector<std::uint8_t> out(bytes_.begin() + static_cast<std::ptrdiff_t>(position_),
                                  bytes_.begin() + static_cast<std::ptrdiff_t>(position_ + count));
    position_ += count;
    return out;
}

}  // namespace orvanta
