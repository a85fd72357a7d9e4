#pragma once

#include <string>
#include <vector>

#include "calc/AspectSetting.h"
#include "doc/OrientationFile.h"
#include "doc/PlanetRecords.h"

namespace orvanta::cli {

// The records of the settings files, every field with the sizes of the pictures, as JSON or
// as a table.
class SettingsPrinter {
  public:
    static std::string aspectsJson(const std::vector<AspectSetting>& records);
    static std::string aspectsText(const std::vector<AspectSetting>& records);
    static std::string planetsJson(const std::vector<PlanetRecords::Record>& records);
    static std::string planetsText(const std::vector<PlanetRecords::Record>& records);
    static std::string orientationJson(const OrientationFile::Setting& setting);
    static std::string orientationText(const OrientationFile::Setting& setting);

    // "#RRGGBB" of a Windows colour value.
    static std::string colourText(std::uint32_t colour);
    // "96x96, 256 цв." or "-" for an empty picture.
    static std::string pictureText(const Picture& picture);
};

}  // namespace orvanta::cli
