#pragma once

#include "common/BinaryReader.h"
#include "common/BinaryWriter.h"
#include "common/Picture.h"

namespace orvanta {

// A picture inside a settings record: the two characters "Ok" and the embedded picture, or
// "No" for an empty picture.
class PictureSlot {
  public:
    // Throws FileDamage for any other marker and FormatError when the bytes run out.
    static void read(BinaryReader& reader, Picture& picture);
    static void write(BinaryWriter& writer, const Picture& picture);

  private:
    static std::string describeMarker(std::uint8_t first, std::uint8_t second);
};

}  // namespace orvanta
