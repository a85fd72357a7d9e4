// Writes the settings defaults of the application folder from the readable source tables:
// "default.asp", "default.ta", "default.rxp", "default.trp" and "Default.rnd".
//
//   orvanta-defaults-generator SOURCE_FOLDER PICTURE_FOLDER APP_FOLDER
#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>

#include "DefaultsBuilder.h"
#include "calc/Bodies.h"
#include "doc/AspectRecords.h"
#include "doc/OrientationFile.h"
#include "doc/PlanetRecords.h"
#include "doc/SettingsFile.h"

namespace {

using orvanta::SettingsFile;
using Chart = orvanta::defaults::DefaultsBuilder::Chart;

void check(bool written, const std::string& error) {
    if (!written) throw std::runtime_error(error);
}

void generate(const orvanta::defaults::DefaultsBuilder& builder, const std::filesystem::path& app) {
    std::string error;
    check(orvanta::AspectRecords::write(app / SettingsFile::kNatalAspects,
                                        builder.aspects(Chart::Natal), &error),
          error);
    check(orvanta::AspectRecords::write(app / SettingsFile::kTransitAspects,
                                        builder.aspects(Chart::Transit), &error),
          error);
    check(orvanta::PlanetRecords::write(app / SettingsFile::kRadixPlanets,
                                        builder.planets(Chart::Natal), orvanta::Bodies::kLastCusp,
                                        &error),
          error);
    check(orvanta::PlanetRecords::write(app / SettingsFile::kTransitPlanets,
                                        builder.planets(Chart::Transit),
                                        orvanta::Bodies::kBodyCount, &error),
          error);
    check(orvanta::OrientationFile::write(app / SettingsFile::kOrientation, builder.orientation(),
                                          &error),
          error);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s SOURCE_FOLDER PICTURE_FOLDER APP_FOLDER\n", argv[0]);
        return 2;
    }
    try {
        generate(orvanta::defaults::DefaultsBuilder(argv[1], argv[2]), argv[3]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "orvanta-defaults-generator: %s\n", error.what());
        return 1;
    }
    return 0;
}
