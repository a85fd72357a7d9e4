#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "common/Windows1251.h"

// File layouts written field by field in the tests, from the field values, to compare the
// program's writers with and to feed its readers.
namespace orvanta::testing {

class ByteLayout {
  public:
    ByteLayout& u8(std::uint8_t v) { return put(v, 1); }
    ByteLayout& u16(std::uint16_t v) { return put(v, 2); }
    ByteLayout& u32(std::uint32_t v) { return put(v, 4); }
    ByteLayout& i32(std::int32_t v) { return put(static_cast<std::uint32_t>(v), 4); }
    ByteLayout& f64(double v) {
        std::uint64_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        return put(bits, 8);
    }
    ByteLayout& raw(std::string_view bytes) {
        bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
        return *this;
    }
    ByteLayout& raw(const std::vector<std::uint8_t>& bytes) {
        bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
        return *this;
    }
    // Settings file text: 32-bit length and Windows-1251 bytes.
    ByteLayout& counted(std::string_view utf8) {
        const std::string bytes = *Windows1251::fromUtf8(utf8);
        return i32(static_cast<std::int32_t>(bytes.size())).raw(bytes);
    }
    // Chart file text: 1, 3 or 7 bytes of length before the Windows-1251 bytes.
    ByteLayout& variable(std::string_view utf8) {
        const std::string bytes = *Windows1251::fromUtf8(utf8);
        if (bytes.size() <= 254) {
            u8(static_cast<std::uint8_t>(bytes.size()));
        } else if (bytes.size() <= 65533) {
            u8(255).u16(static_cast<std::uint16_t>(bytes.size()));
        } else {
            u8(255).u16(65535).u32(static_cast<std::uint32_t>(bytes.size()));
        }
        return raw(bytes);
    }

    ByteLayout& zeros(std::size_t count) {
        bytes_.insert(bytes_.end(), count, 0);
        return *this;
    }
    // Drops the last bytes, for files that end early.
    ByteLayout& cut(std::size_t count) {
        bytes_.resize(bytes_.size() - count);
        return *this;
    }

    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    std::size_t size() const { return bytes_.size(); }

  private:
    ByteLayout& put(std::uint64_t value, int size) {
        for (int i = 0; i < size; ++i)
            bytes_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
        return *this;
    }

    std::vector<std::uint8_t> bytes_;
};

}  // namespace orvanta::testing
