#include "draw/BitmapEncoder.h"

#include "common/BinaryWriter.h"

namespace orvanta {

std::vector<std::uint8_t> BitmapEncoder::header(const QImage& image, int bitCount, int colours,
                                                std::size_t imageSize) {
    BinaryWriter writer;
    writer.writeUInt32(40);
    writer.writeInt32(image.width());
    writer.writeInt32(image.height());
    writer.writeUInt16(1);
    writer.writeUInt16(static_cast<std::uint16_t>(bitCount));
    writer.writeUInt32(0);  // uncompressed
    writer.writeUInt32(static_cast<std::uint32_t>(imageSize));
    writer.writeUInt32(3780);  // 96 dots per inch
    writer.writeUInt32(3780);
    writer.writeUInt32(static_cast<std::uint32_t>(colours));
    writer.writeUInt32(0);
    return writer.take();
}

std::vector<std::uint8_t> BitmapEncoder::greys(const QImage& image) {
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    const std::size_t row = ((8 * static_cast<std::size_t>(grey.width()) + 31) / 32) * 4;
    auto out = header(grey, 8, 256, row * static_cast<std::size_t>(grey.height()));
    for (int level = 0; level < 256; ++level) {
        const auto v = static_cast<std::uint8_t>(level);
        out.insert(out.end(), {v, v, v, 0});
    }
    // Rows are stored bottom row first.
    for (int y = grey.height() - 1; y >= 0; --y) {
        const uchar* line = grey.constScanLine(y);
        out.insert(out.end(), line, line + grey.width());
        out.resize(out.size() + row - static_cast<std::size_t>(grey.width()), 0);
    }
    return out;
}

std::vector<std::uint8_t> BitmapEncoder::trueColour(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const std::size_t row = ((24 * static_cast<std::size_t>(rgb.width()) + 31) / 32) * 4;
    auto out = header(rgb, 24, 0, row * static_cast<std::size_t>(rgb.height()));
    for (int y = rgb.height() - 1; y >= 0; --y) {
        const std::size_t start = out.size();
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb pixel = rgb.pixel(x, y);
            out.insert(out.end(), {static_cast<std::uint8_t>(qBlue(pixel)),
                                   static_cast<std::uint8_t>(qGreen(pixel)),
                                   static_cast<std::uint8_t>(qRed(pixel))});
        }
        out.resize(start + row, 0);
    }
    return out;
}

}  // namespace orvanta
