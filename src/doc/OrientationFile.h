#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "calc/ZodiacOrientation.h"
#include "common/LoadStatus.h"

namespace orvanta {

// The orientation defaults "Default.rnd": one line of text in exactly 100 bytes, "direction
// start angle " with the angle in six decimals, padded with zero bytes.
class OrientationFile {
  public:
    static constexpr std::size_t kFileSize = 100;

    enum Start : std::int32_t { FromAscendant = 0, FromAries = 1, ArbitraryAngle = 2 };

    struct Setting {
        std::int32_t direction = 0;  // 0 Western (counter-clockwise), 1 Avestan (clockwise)
        std::int32_t start = FromAries;
        double angle = 0.0;  // used with ArbitraryAngle only
    };

    // Throws FormatError when the text does not hold a direction of 0 or 1, a start of 0 to 2
    // and a finite angle.
    static Setting parse(std::span<const std::uint8_t> bytes);
    // Throws FormatError for an angle whose text does not fit the file.
    static std::vector<std::uint8_t> format(const Setting& setting);

    // Missing (no message) or Damaged (with the message for the user) leaves the setting as
    // it was.
    static LoadResult read(const std::filesystem::path& path, Setting& setting);
    static bool write(const std::filesystem::path& path, const Setting& setting,
                      std::string* error = nullptr);

    // Direction copied; start 0 or 1 sets its switch, clears the other and the angle; start 2
    // clears both switches and takes the angle.
    static void apply(const Setting& setting, ZodiacOrientation& orientation);
    // The start that a chart's switches stand for.
    static Setting fromOrientation(const ZodiacOrientation& orientation);

  private:
    static std::optional<std::vector<std::uint8_t>> loadHead(const std::filesystem::path& path);
};

}  // namespace orvanta
