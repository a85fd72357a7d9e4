#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

// What the readers of the settings files share: the file names, loading a whole file, and
// the message for a damaged file.
class SettingsFile {
  public:
    static constexpr std::string_view kNatalAspects = "default.asp";
    static constexpr std::string_view kTransitAspects = "default.ta";
    static constexpr std::string_view kRadixPlanets = "default.rxp";
    static constexpr std::string_view kTransitPlanets = "default.trp";
    static constexpr std::string_view kOrientation = "Default.rnd";

    // The whole file; empty when it does not exist or cannot be read, which the readers skip
    // silently, as they do with a file too large to be one of ours.
    static std::optional<std::vector<std::uint8_t>> load(const std::filesystem::path& path);

    // What the user is told of a damaged settings file; the records keep their values.
    static std::string damageMessage(const std::filesystem::path& path, const std::string& reason);
};

}  // namespace orvanta
