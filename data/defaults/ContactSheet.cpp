// Draws every delivered picture, read back from the application folder through the program's
// own readers and painted by its picture painter, onto one sheet for a person to look at:
// symbols stretched and combined by AND over a tinted ground, as the wheel draws them, and
// pictograms at their own size, as the lists show them.
//
//   orvanta-contact-sheet APP_FOLDER OUTPUT.png
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <string>
#include <vector>

#include "calc/Bodies.h"
#include "common/AppFolder.h"
#include "common/AtomicFile.h"
#include "doc/AspectRecords.h"
#include "doc/PlanetRecords.h"
#include "doc/SettingsFile.h"
#include "draw/Canvas.h"
#include "draw/PicturePainter.h"

namespace {

using namespace orvanta;

constexpr int kColumns = 7;
constexpr int kCellWidth = 200;
constexpr int kCellHeight = 150;
constexpr int kTitleHeight = 36;
constexpr int kSymbolSize = 72;
const QColor kTint(255, 244, 214);  // a pale ground like the zodiac ring's

struct Entry {
    QString caption;
    QString note;
    const Picture* symbol = nullptr;
    const Picture* pictogram = nullptr;
};

struct Section {
    QString title;
    std::vector<Entry> entries;
};

std::vector<std::uint8_t> load(const std::filesystem::path& folder, std::string_view name) {
    auto bytes = AtomicFile::read(AppFolder::findIn(folder, name));
    if (!bytes) throw std::runtime_error("cannot read " + std::string(name));
    return *bytes;
}

int rowsOf(const Section& section) {
    return (static_cast<int>(section.entries.size()) + kColumns - 1) / kColumns;
}

void drawEntry(Canvas& canvas, const Entry& entry, int left, int top) {
    QPainter& painter = canvas.painter();
    canvas.fillRect(left + 8, top + 8, left + 8 + kSymbolSize + 16, top + 8 + kSymbolSize + 16,
                    kTint);
    if (entry.symbol != nullptr) {
        PicturePainter::draw(canvas, *entry.symbol, left + 16, top + 16, left + 16 + kSymbolSize,
                             top + 16 + kSymbolSize);
    }
    if (entry.pictogram != nullptr) {
        const int x = left + kSymbolSize + 40;
        PicturePainter::draw(canvas, *entry.pictogram, x, top + 16, x + entry.pictogram->width(),
                             top + 16 + entry.pictogram->height());
    }
    painter.setPen(Qt::black);
    painter.setFont(QFont("DejaVu Sans", 9, QFont::Bold));
    painter.drawText(QRect(left + 8, top + kSymbolSize + 28, kCellWidth - 12, 16), Qt::AlignLeft,
                     entry.caption);
    painter.setFont(QFont("DejaVu Sans", 7));
    painter.drawText(QRect(left + 8, top + kSymbolSize + 44, kCellWidth - 12, 34),
                     Qt::AlignLeft | Qt::TextWordWrap, entry.note);
}

QImage drawSheet(const std::vector<Section>& sections) {
    int height = 0;
    for (const auto& section : sections) height += kTitleHeight + rowsOf(section) * kCellHeight;
    QImage image(kColumns * kCellWidth, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    Canvas canvas(painter, Canvas::Units::Pixels);
    int top = 0;
    for (const auto& section : sections) {
        painter.setPen(Qt::black);
        painter.setFont(QFont("DejaVu Sans", 13, QFont::Bold));
        painter.drawText(QRect(8, top, image.width() - 16, kTitleHeight), Qt::AlignVCenter,
                         section.title);
        top += kTitleHeight;
        for (std::size_t i = 0; i < section.entries.size(); ++i) {
            const int column = static_cast<int>(i) % kColumns;
            const int row = static_cast<int>(i) / kColumns;
            drawEntry(canvas, section.entries[i], column * kCellWidth, top + row * kCellHeight);
        }
        top += rowsOf(section) * kCellHeight;
    }
    return image;
}

QString angleText(double angle) {
    return QString::number(angle, 'f', angle == int(angle) ? 0 : 2);
}

Section aspectSection(const QString& title, const std::vector<AspectSetting>& aspects) {
    Section section{title, {}};
    for (const auto& aspect : aspects) {
        section.entries.push_back({QString("%1°  орбис %2%3")
                                       .arg(angleText(aspect.angle), angleText(aspect.orb),
                                            aspect.included ? "" : "  (выкл.)"),
                                   QString::fromStdString(aspect.label), &aspect.symbol,
                                   &aspect.pictogram});
    }
    return section;
}

Section planetSection(const QString& title, const std::vector<PlanetRecords::Record>& records) {
    Section section{title, {}};
    for (const auto& record : records) {
        const ObjectStyle& planet = record.style;
        section.entries.push_back({QString::fromStdString(planet.name),
                                   QString::fromStdString(planet.label), &planet.symbol,
                                   &planet.pictogram});
    }
    return section;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s APP_FOLDER OUTPUT.png\n", argv[0]);
        return 2;
    }
    QGuiApplication app(argc, argv);
    try {
        const std::filesystem::path folder = argv[1];
        std::vector<Picture> signs(12);
        Section signSection{"Знаки зодиака: BMP_ZZ/SET1/1.bmp … 12.bmp", {}};
        for (int sign = 1; sign <= 12; ++sign) {
            const auto path =
                AppFolder::findIn(folder, "BMP_ZZ/SET1/" + std::to_string(sign) + ".bmp");
            if (!signs[sign - 1].loadFile(path))
                throw std::runtime_error("cannot read " + path.string());
            signSection.entries.push_back(
                {QString("%1.bmp").arg(sign), {}, &signs[sign - 1], nullptr});
        }
        const auto rxp = PlanetRecords::parse(load(folder, SettingsFile::kRadixPlanets));
        const auto trp = PlanetRecords::parse(load(folder, SettingsFile::kTransitPlanets));
        const auto asp = AspectRecords::parse(load(folder, SettingsFile::kNatalAspects));
        const auto ta = AspectRecords::parse(load(folder, SettingsFile::kTransitAspects));
        const QImage sheet = drawSheet(
            {signSection, planetSection("default.rxp: планеты и дома карты рождения", rxp),
             planetSection("default.trp: транзитные планеты", trp),
             aspectSection("default.asp: аспекты карты рождения", asp),
             aspectSection("default.ta: транзитные аспекты", ta)});
        if (!sheet.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
            throw std::runtime_error(std::string("cannot write ") + argv[2]);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "orvanta-contact-sheet: %s\n", error.what());
        return 1;
    }
    return 0;
}
