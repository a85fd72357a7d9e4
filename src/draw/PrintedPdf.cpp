#include "draw/PrintedPdf.h"

#include <QBuffer>
#include <span>

#include "common/AtomicFile.h"

namespace orvanta {

bool PrintedPdf::write(const QPageSize& pageSize, QPageLayout::Orientation orientation,
                       const QString& title, const Paint& paint, const std::filesystem::path& path,
                       std::string* error) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kResolution);
        writer.setPageLayout(QPageLayout(pageSize, orientation, QMarginsF()));
        writer.setTitle(title);
        QPainter painter;
        if (!painter.begin(&writer)) {
            if (error != nullptr) *error = "the PDF could not be started";
            return false;
        }
        const bool drawn = paint(writer, painter, error);
        painter.end();
        if (!drawn) return false;
    }
    buffer.close();
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    return AtomicFile::write(
        path, std::span<const std::uint8_t>(data, static_cast<std::size_t>(bytes.size())), error);
}

}  // namespace orvanta
