#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace orvanta {

// Appends little-endian fields to a growing block of bytes.
class BinaryWriter {
  public:
    void writeUInt8(std::uint8_t value);
    void writeUInt16(std::uint16_t value);
    void writeUInt32(std::uint32_t value);
    void writeInt32(std::int32_t value);
    void writeDouble(double value);
    void writeBytes(std::span<const std::uint8_t> bytes);

    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    std::vector<std::uint8_t> take() { return std::move(bytes_); }

  private:
    void writeLittleEndian(std::uint64_t value, std::size_t size);

    std::vector<std::uint8_t> bytes_;
};

}  // namespace orvanta
