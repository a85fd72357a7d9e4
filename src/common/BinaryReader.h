#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "common/FormatError.h"

namespace orvanta {

// Reads little-endian fields from a block of untrusted bytes. Every read is checked against
// the bytes that remain; a read past the end throws FormatError and consumes nothing.
class BinaryReader {
  public:
    explicit BinaryReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::size_t position() const { return position_; }
    std::size_t remaining() const { return bytes_.size() - position_; }
    bool atEnd() const { return position_ == bytes_.size(); }

    std::uint8_t readUInt8();
    std::uint16_t readUInt16();
    std::uint32_t readUInt32();
    std::int32_t readInt32();
    double readDouble();
    std::vector<std::uint8_t> readBytes(std::size_t count);
    // Throws unless at least count bytes remain.
    void require(std::size_t count) const;

  private:
    std::uint64_t readLittleEndian(std::size_t size);

    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

}  // namespace orvanta
