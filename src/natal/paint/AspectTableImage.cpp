#include "natal/paint/AspectTableImage.h"

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
#include "draw/Canvas.h"
#include "natal/AspectTableLayout.h"
#include "natal/paint/AspectTablePainter.h"

namespace orvanta {

AspectTableLayout::Rect AspectTableImage::target(QSize area) {
    return {0, 0, std::max(1, area.width()), std::max(1, area.height())};
}

AspectTableImage::Placement AspectTableImage::placement(const NatalChart& natal, QSize area) {
    const AspectTableLayout::Rect whole = target(area);
    const AspectTableLayout layout = AspectTableLayout::compute(
        natal.chart, natal.aspects, AspectTableLayout::screenArea(whole, 1));
    AspectTableLayout::Rect bounds = layout.isEmpty() ? whole : layout.bounds();
    const int left = std::min(0, bounds.left);
    const int top = std::min(0, bounds.top);
    const int right = std::max(whole.right, bounds.right);
    const int bottom = std::max(whole.bottom, bounds.bottom);
    return {QSize(right - left, bottom - top), QPoint(-left, -top)};
}

void AspectTableImage::paint(QPainter& painter, const CZodiacDoc& doc,
                             const ChartResources& resources, QSize area) {
    const Placement place = placement(doc.natal(), area);
    painter.save();
    painter.fillRect(QRect(QPoint(0, 0), place.size), Qt::white);
    painter.translate(place.origin);
    Canvas canvas(painter, Canvas::Units::Pixels);
    AspectTablePainter::paintScreen(canvas, doc, resources, target(area), 1);
    painter.restore();
}

bool AspectTableImage::save(const CZodiacDoc& doc, const ChartResources& resources, QSize area,
                            const std::filesystem::path& path, std::string* error) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (area.width() > kLargestSide || area.height() > kLargestSide) {
        return fail(error, "the picture may be at most 16384 pixels wide and high");
    }
    const QSize size = placement(doc.natal(), area).size;

    // Made in memory, then written through a temporary file: a failed write leaves an older
    // file of that name as it was.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (extension == ".png") {
        QImage image(size, QImage::Format_RGB32);
        {
            QPainter painter(&image);
            paint(painter, doc, resources, area);
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
        paint(painter, doc, resources, area);
        painter.end();
    } else if (extension == ".svg") {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(0, 0), size));
        QPainter painter;
        if (!painter.begin(&generator)) return fail(error, "the SVG could not be started");
        paint(painter, doc, resources, area);
        painter.end();
    } else {
        return fail(error, "the picture's name must end in .png, .pdf or .svg");
    }
    buffer.close();
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    return AtomicFile::write(
        path, std::span<const std::uint8_t>(data, static_cast<std::size_t>(bytes.size())), error);
}

bool AspectTableImage::fail(std::string* error, const char* reason) {
    if (error != nullptr) *error = reason;
    return false;
}

}  // namespace orvanta
