#include "cli/ShowCommand.h"

#include <algorithm>
#include <filesystem>
#include <ostream>

#include "cli/CommandLine.h"
#include "cli/JsonWriter.h"
#include "cli/LowerLayerMessage.h"
#include "cli/MapPrinter.h"
#include "cli/SettingsPrinter.h"
#include "common/AtomicFile.h"
#include "common/FormatError.h"
#include "common/MessageSink.h"
#include "doc/AspectRecords.h"
#include "doc/CZodiacDoc.h"
#include "doc/MapFile.h"
#include "doc/OrientationFile.h"
#include "doc/PlanetRecords.h"
#include "natal/AspectPatterns.h"

namespace orvanta::cli {
namespace {

// The patterns are found as the chart window would find them: with the delivered natal aspects
// and the bodies the delivered planet settings show.
std::vector<AspectPattern> patternsOf(const MapFile::Content& content) {
    CZodiacDoc doc;
    doc.readSettingsDefaults();
    MapFile::Content copy = content;
    std::move(copy).applyTo(doc.natal());
    return AspectPatterns::find(doc.natal().chart, doc.natal().aspects);
}

// The chart's JSON object with the key "patterns" added as its last member.
std::string withPatterns(std::string chartJson, const std::vector<AspectPattern>& patterns) {
    JsonWriter json;
    json.beginObject().key("patterns").beginArray();
    for (const auto& pattern : patterns) {
        json.beginObject().key("kind").value(AspectPatterns::name(pattern.kind));
        json.key("bodies").beginArray();
        for (int body : pattern.bodies) json.value(body);
        json.endArray().endObject();
    }
    json.endArray().endObject();
    const auto end = chartJson.rfind('}');
    return chartJson.substr(0, end) + "," + json.text().substr(1) + chartJson.substr(end + 1);
}

}  // namespace

ShowCommand::Kind ShowCommand::kindOf(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".map") return Kind::Chart;
    if (extension == ".asp" || extension == ".ta") return Kind::Aspects;
    if (extension == ".rxp") return Kind::RadixPlanets;
    if (extension == ".trp") return Kind::TransitPlanets;
    if (extension == ".rnd") return Kind::Orientation;
    return Kind::Unknown;
}

std::string ShowCommand::format(Kind kind, const std::vector<std::uint8_t>& bytes, bool json) {
    switch (kind) {
        case Kind::Chart: {
            const auto content = MapFile::parse(bytes);
            if (!json) return MapPrinter::text(content);
            return withPatterns(MapPrinter::json(content), patternsOf(content));
        }
        case Kind::Aspects: {
            const auto records = AspectRecords::parse(bytes);
            return json ? SettingsPrinter::aspectsJson(records)
                        : SettingsPrinter::aspectsText(records);
        }
        case Kind::RadixPlanets:
        case Kind::TransitPlanets: {
            const auto records = PlanetRecords::parse(bytes, kind == Kind::TransitPlanets
                                                                 ? PlanetRecords::Kind::Transit
                                                                 : PlanetRecords::Kind::Radix);
            return json ? SettingsPrinter::planetsJson(records)
                        : SettingsPrinter::planetsText(records);
        }
        case Kind::Orientation: {
            const auto setting = OrientationFile::parse(bytes);
            return json ? SettingsPrinter::orientationJson(setting)
                        : SettingsPrinter::orientationText(setting);
        }
        case Kind::Unknown:
            break;
    }
    return {};
}

int ShowCommand::run(const std::vector<std::string>& arguments, std::ostream& out,
                     std::ostream& err) {
    std::string path;
    bool json = false;
    try {
        CommandLine line({}, {"--json"});
        line.parse(arguments);
        if (line.operands().size() != 1) throw UsageError("ожидается один файл");
        path = line.operands()[0];
        json = line.has("--json");
        if (kindOf(path) == Kind::Unknown) {
            throw UsageError(
                "по имени «" + path +
                "» не понять, что это за файл: ожидается .map, .asp, .ta, .rxp, .trp или .rnd");
        }
    } catch (const UsageError& error) {
        err << "orvanta-cli show: " << error.what() << "\n";
        return 2;
    }

    std::string error;
    const auto bytes = AtomicFile::read(path, &error);
    if (!bytes) {
        err << "orvanta-cli show: " << error << "\n";
        return 1;
    }
    // A picture that cannot be read is reported by the picture itself and shown as absent.
    bool reported = false;
    auto previous = MessageSink::install([&](std::string_view text) {
        err << "orvanta-cli show: " << path << ": " << LowerLayerMessage::forCommandLine(text)
            << "\n";
        reported = true;
    });
    std::string text;
    try {
        text = format(kindOf(path), *bytes, json);
    } catch (const FormatError& damage) {
        err << "orvanta-cli show: " << path << " повреждён: " << damage.what() << "\n";
        reported = true;
    }
    MessageSink::install(std::move(previous));
    out << text;
    return reported ? 1 : 0;
}

}  // namespace orvanta::cli
