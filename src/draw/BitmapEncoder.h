#pragma once

#include <QImage>
#include <cstdint>
#include <vector>

namespace orvanta {

// Turns a drawn image into a packed device-independent bitmap with an information header.
class BitmapEncoder {
  public:
    // 8 bits per pixel with a table of 256 greys, dark where the image is dark.
    static std::vector<std::uint8_t> greys(const QImage& image);
    // 24 bits per pixel.
    static std::vector<std::uint8_t> trueColour(const QImage& image);

  private:
    static std::vector<std::uint8_t> header(const QImage& image, int bitCount, int colours,
                                            std::size_t imageSize);
};

}  // namespace orvanta
