#pragma once

#include <string>
#include <string_view>

#include "calc/AspectSetting.h"
#include "calc/ChartData.h"
#include "doc/CZodiacDoc.h"
#include "doc/OrientationFile.h"

namespace orvanta {

// The defaults files as the settings pages store and restore them: every write goes through
// a temporary file, and a restore from a file that is not there says so instead of passing
// over it, since the user asked for it.
class SettingsDefaults {
  public:
    static std::string cannotOpenMessage(std::string_view fileName);
    static std::string cannotWriteMessage(std::string_view fileName, const std::string& reason);

    // False after a reported failure; the old file is then as it was.
    static bool writeAspects(const CZodiacDoc& doc, std::string_view fileName,
                             const AspectTable& table);
    static bool writePlanets(const CZodiacDoc& doc, std::string_view fileName,
                             const ChartData& chart, int count);
    // Objects 1 to count, followed by the records after them that the file already holds,
    // unchanged: storing the bodies must not lose the house cusps' settings.
    static bool writeLeadingPlanets(const CZodiacDoc& doc, std::string_view fileName,
                                    const ChartData& chart, int count);
    static bool writeOrientation(const CZodiacDoc& doc, const OrientationFile::Setting& setting);

    // False, with a message, when the file is missing or damaged; the records keep their values.
    static bool readAspects(const CZodiacDoc& doc, std::string_view fileName, AspectTable& table);
    static bool readPlanets(const CZodiacDoc& doc, std::string_view fileName, ChartData& chart,
                            int count);
};

}  // namespace orvanta
