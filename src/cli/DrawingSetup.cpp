#include "cli/DrawingSetup.h"

#include <cstdlib>

#include "doc/StartupSettings.h"
#include "draw/FontMapping.h"

namespace orvanta::cli {

std::unique_ptr<QGuiApplication> DrawingSetup::guiApplication() {
    if (QGuiApplication::instance() != nullptr) return nullptr;
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "orvanta-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

ChartResources DrawingSetup::loadResources() {
    ChartResources resources;
    const StartupSettings settings = StartupSettings::load();
    resources.serifFace = settings.serifFace;
    resources.monospaceFace = settings.monospaceFace;
    resources.sansFace = settings.sansFace;
    resources.degreeNotation =
        settings.degreesMinutes ? DegreeNotation::DegreesMinutes : DegreeNotation::Decimal;
    FontMapping::install(QString::fromStdString(settings.serifFace),
                         QString::fromStdString(settings.monospaceFace),
                         QString::fromStdString(settings.sansFace));
    resources.loadSignPictures();
    return resources;
}

}  // namespace orvanta::cli
