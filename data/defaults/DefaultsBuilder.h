#pragma once

#include <filesystem>

#include "calc/AspectSetting.h"
#include "calc/ChartData.h"
#include "doc/OrientationFile.h"

namespace orvanta::defaults {

// Builds the records of the settings defaults from the readable source tables, with the
// pictures drawn by the picture generator.
class DefaultsBuilder {
  public:
    enum class Chart { Natal, Transit };

    DefaultsBuilder(std::filesystem::path sources, std::filesystem::path pictures);

    AspectTable aspects(Chart chart) const;
    // The natal objects 1 to 28 from bodies.tsv, or the transiting bodies 1 to 16.
    ChartData planets(Chart chart) const;
    OrientationFile::Setting orientation() const;

  private:
    Picture picture(const std::string& kind, const std::string& name) const;

    std::filesystem::path sources_;
    std::filesystem::path pictures_;
};

}  // namespace orvanta::defaults
