#include "draw/PictureExport.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cctype>
#include <span>

#include "common/AtomicFile.h"

namespace orvanta {

bool PictureExport::fail(std::string* error, const char* reason) {
    if (error != nullptr) *error = reason;
    return false;
}

bool PictureExport::save(QSize size, const Paint& paint, const std::filesystem::path& path,
                         std::string* error) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (extension == ".png") {
        QImage image(size, QImage::Format_RGB32);
        {
            QPainter painter(&image);
            paint(painter);
        }
        if (!image.save(&buffer, "PNG")) return fail(error, "the PNG image could not be encoded");
    } else if (extension == ".pdf") {
        // One point to a pixel: a page the size of the picture.
        QPdfWriter writer(&buffer);
        writer.setResolution(72);
        writer.setPageLayout(QPageLayout(QPageSize(QSizeF(size), QPageSize::Point),
                                         QPageLayout::Portrait, QMarginsF()));
        QPainter painter;
        if (!painter.begin(&writer)) return fail(error, "the PDF could not be started");
        paint(painter);
        painter.end();
    } else if (extension == ".svg") {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(0, 0), size));
        QPainter painter;
        if (!painter.begin(&generator)) return fail(error, "the SVG could not be started");
        paint(painter);
        painter.end();
    } else {
        return fail(error, "the picture's name must end in .png, .pdf or .svg");
    }
    buffer.close();
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    return AtomicFile::write(
        path, std::span<const std::uint8_t>(data, static_cast<std::size_t>(bytes.size())), error);
}

}  // namespace orvanta
