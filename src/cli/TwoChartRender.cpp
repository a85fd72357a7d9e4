#include "cli/TwoChartRender.h"

#include <ostream>

#include "cli/ChartOpening.h"
#include "cli/CommandLine.h"
#include "cli/DrawingSetup.h"
#include "cli/RenderCommand.h"
#include "doc/CZodiacDoc.h"
#include "natal/paint/TwoChartImage.h"

namespace orvanta::cli {

bool TwoChartRender::wanted(const CommandLine& line) {
    return line.has("--biwheel") || line.has("--synastry-table");
}

int TwoChartRender::run(const CommandLine& line, std::ostream& out, std::ostream& err) {
    std::pair<int, int> size;
    try {
        if (line.has("--biwheel") == line.has("--synastry-table") || line.has("--wheel") ||
            line.has("--table") || line.has("--dial") || line.operands().size() != 2) {
            throw UsageError(
                "укажите два файла карт и файл рисунка: render A.map (--biwheel | "
                "--synastry-table) B.map OUT.(png|pdf|svg) [--size WxH]");
        }
        size = RenderCommand::readSize(line);
    } catch (const UsageError& error) {
        err << "orvanta-cli render: " << error.what() << "\n";
        return 2;
    }

    auto app = DrawingSetup::guiApplication();
    const bool biWheel = line.has("--biwheel");
    const std::string secondPath = *line.value(biWheel ? "--biwheel" : "--synastry-table");
    CZodiacDoc first;
    CZodiacDoc second;
    if (!ChartOpening::open(first, line.operands()[0], "render", err) ||
        !ChartOpening::open(second, secondPath, "render", err)) {
        return 1;
    }
    const ChartResources resources = DrawingSetup::loadResources();
    const std::string output = line.operands()[1];
    std::string error;
    const auto kind = biWheel ? TwoChartImage::Kind::BiWheel : TwoChartImage::Kind::Table;
    const bool saved = TwoChartImage::save(kind, first.natal(), second.natal(), resources,
                                           QSize(size.first, size.second), output, &error);
    return RenderCommand::reportSaved(saved, output, error, out, err);
}

}  // namespace orvanta::cli
