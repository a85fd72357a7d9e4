// Draws the pictures delivered with the program from the glyph table: the sign pictures into
// the application folder, the symbols and pictograms into a work folder from which the
// settings defaults embed them.
//
//   orvanta-picture-generator TABLE APP_FOLDER WORK_FOLDER
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>
#include <exception>

#include "common/AtomicFile.h"
#include "common/Picture.h"
#include "draw/BitmapEncoder.h"
#include "draw/GlyphPainter.h"
#include "draw/GlyphTable.h"

namespace {

using orvanta::GlyphRow;

void writePicture(const GlyphRow& row, const QString& folder) {
    using orvanta::BitmapEncoder;
    const QImage image = orvanta::GlyphPainter::paint(row);
    orvanta::Picture picture;
    if (!picture.assign(row.kind == "pictogram" ? BitmapEncoder::trueColour(image)
                                                : BitmapEncoder::greys(image))) {
        throw std::runtime_error(row.file.toStdString() + ": the bitmap is not readable");
    }
    const QString path = QDir(folder).filePath(row.file);
    QDir().mkpath(QFileInfo(path).absolutePath());
    std::string error;
    if (!orvanta::AtomicFile::write(path.toStdString(), picture.fileForm(), &error)) {
        throw std::runtime_error(error);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s TABLE APP_FOLDER WORK_FOLDER\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    try {
        for (const GlyphRow& row : orvanta::GlyphTable::read(argv[1])) {
            writePicture(row, row.kind == "sign" ? argv[2] : argv[3]);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "orvanta-picture-generator: %s\n", error.what());
        return 1;
    }
    return 0;
}
