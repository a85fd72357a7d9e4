#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "common/Picture.h"

namespace orvanta {

// A ".bmp" file the user chose as a symbol or pictogram. Image editors write the larger
// information headers (108 and 124 bytes) by default; such a bitmap is taken in the packed
// form with the 40-byte header when that loses nothing the drawing uses. A file that cannot
// be used is refused with a message and the picture stays as it was.
class PictureImport {
  public:
    static constexpr std::uint32_t kV4HeaderSize = 108;
    static constexpr std::uint32_t kV5HeaderSize = 124;

    // The same bitmap with a 40-byte header: colour masks (of a bit-field bitmap) moved behind
    // the header, colour-space fields and any colour profile left out. Empty for another header
    // size, for a compression the drawing does not know, and for pixels that are not fully
    // opaque under an alpha mask, since the drawing shows no transparency.
    static std::optional<std::vector<std::uint8_t>> withInfoHeader(
        std::span<const std::uint8_t> packed);

    // Loads the file into the target; a file that cannot be used answers Damaged with the
    // refusal message and leaves the target as it was.
    static LoadResult loadInto(const std::filesystem::path& path, Picture& target);

    static std::string refusalMessage(const std::filesystem::path& path);

  private:
    static std::optional<std::vector<std::uint8_t>> packedFromFile(
        const std::filesystem::path& path);
    static bool isOpaque(std::span<const std::uint8_t> packed, std::uint32_t alphaMask);
};

}  // namespace orvanta
