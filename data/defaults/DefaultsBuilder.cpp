#include "DefaultsBuilder.h"

#include <fstream>
#include <stdexcept>

#include "SourceTable.h"
#include "calc/Bodies.h"
#include "common/FormatError.h"

namespace orvanta::defaults {
namespace {

enum AspectColumn {
    kAspectName,
    kAngle,
    kNatalOrb,
    kNatalIncluded,
    kTransitOrb,
    kTransitIncluded,
    kColour,
    kWidth,
    kStyle,
    kAspectSymbol,
    kAspectPictogram,
    kAspectLabel,
    kAspectColumns
};
enum PlanetColumn {
    kNumber,
    kPlanetName,
    kPlanetSymbol,
    kPlanetPictogram,
    kPlanetLabel,
    kPlanetColumns
};

}  // namespace

DefaultsBuilder::DefaultsBuilder(std::filesystem::path sources, std::filesystem::path pictures)
    : sources_(std::move(sources)), pictures_(std::move(pictures)) {}

Picture DefaultsBuilder::picture(const std::string& kind, const std::string& name) const {
    const auto path = pictures_ / kind / (name + ".bmp");
    Picture picture;
    if (!picture.loadFile(path))
        throw std::runtime_error("cannot read the picture " + path.string());
    return picture;
}

AspectTable DefaultsBuilder::aspects(Chart chart) const {
    const auto path = sources_ / "aspects.tsv";
    const auto rows = SourceTable::read(path, kAspectColumns);
    if (rows.size() != kAspectCount)
        throw std::runtime_error(path.string() + ": 18 aspects expected");
    const bool natal = chart == Chart::Natal;
    AspectTable table;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto& row = rows[i];
        AspectSetting& aspect = table[i];
        aspect.angle = SourceTable::number(path, row, kAngle);
        aspect.orb = SourceTable::number(path, row, natal ? kNatalOrb : kTransitOrb);
        aspect.included =
            SourceTable::integer(path, row, natal ? kNatalIncluded : kTransitIncluded);
        aspect.colour = SourceTable::colour(path, row, kColour);
        aspect.lineWidth = SourceTable::integer(path, row, kWidth);
        aspect.lineStyle = SourceTable::integer(path, row, kStyle);
        aspect.label = row.fields[kAspectLabel];
        aspect.symbol = picture("symbol", row.fields[kAspectSymbol]);
        aspect.pictogram = picture("pictogram", row.fields[kAspectPictogram]);
        if (aspect.angle < 0 || aspect.angle > 180 || aspect.lineStyle < 0 ||
            aspect.lineStyle > 4) {
            SourceTable::fail(path, row.line, "angle or line style out of range");
        }
    }
    return table;
}

ChartData DefaultsBuilder::planets(Chart chart) const {
    const bool natal = chart == Chart::Natal;
    const auto path = sources_ / (natal ? "bodies.tsv" : "transit_bodies.tsv");
    const auto rows = SourceTable::read(path, kPlanetColumns);
    const int count = natal ? Bodies::kLastCusp : Bodies::kBodyCount;
    if (static_cast<int>(rows.size()) != count) {
        throw std::runtime_error(path.string() + ": " + std::to_string(count) + " rows expected");
    }
    ChartData data;
    for (int number = 1; number <= count; ++number) {
        const auto& row = rows[static_cast<std::size_t>(number - 1)];
        if (SourceTable::integer(path, row, kNumber) != number ||
            (Bodies::isBody(number) && row.fields[kPlanetName] != Bodies::name(number))) {
            SourceTable::fail(path, row.line, "rows must follow the body numbering and names");
        }
        ObjectStyle& object = data.style[number];
        object.identifier = number;
        object.name = row.fields[kPlanetName];
        object.label = row.fields[kPlanetLabel];
        object.symbol = picture("symbol", row.fields[kPlanetSymbol]);
        object.pictogram = picture("pictogram", row.fields[kPlanetPictogram]);
    }
    return data;
}

OrientationFile::Setting DefaultsBuilder::orientation() const {
    const auto path = sources_ / "orientation.txt";
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        try {
            return OrientationFile::parse(
                {reinterpret_cast<const std::uint8_t*>(line.data()), line.size()});
        } catch (const FormatError& error) {
            throw std::runtime_error(path.string() + ": " + error.what());
        }
    }
    throw std::runtime_error("cannot read " + path.string());
}

}  // namespace orvanta::defaults
