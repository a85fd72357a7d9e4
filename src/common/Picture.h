#pragma once

#include <cstdint>
#include <vector>

namespace orvanta {

// A packed device-independent bitmap (header, colour table and pixels in one block), kept
// byte for byte as it was read so that it is written back unchanged.
class Picture {
public:
    Picture() = default;
    explicit Picture(std::vector<std::uint8_t> packedBytes) : bytes_(std::move(packedBytes)) {}

    bool isEmpty() const { return bytes_.empty(); }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    void clear() { bytes_.clear(); }

private:
    std::vector<std::uint8_t> bytes_;
};

}  // namespace orvanta
