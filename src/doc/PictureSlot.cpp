#include "doc/PictureSlot.h"

#include <cstdio>

#include "common/MessageSink.h"
#include "doc/FileDamage.h"

namespace orvanta {

std::string PictureSlot::describeMarker(std::uint8_t first, std::uint8_t second) {
    char text[16];
    std::snprintf(text, sizeof text, "%02X %02X", first, second);
    return text;
}

void PictureSlot::read(BinaryReader& reader, Picture& picture) {
    const std::uint8_t first = reader.readUInt8();
    const std::uint8_t second = reader.readUInt8();
    if (first == 'N' && second == 'o') {
        picture.clear();
    } else if (first == 'O' && second == 'k') {
        // A picture that is not a readable bitmap is told of at once and reading goes on.
        for (const auto& message : picture.readEmbedded(reader).messages) {
            MessageSink::report(message);
        }
    } else {
        throw FileDamage("вместо отметки рисунка «Ok» или «No» стоят байты " +
                         describeMarker(first, second));
    }
}

void PictureSlot::write(BinaryWriter& writer, const Picture& picture) {
    // Every picture held can be written, so "Ok" is always followed by a readable picture.
    if (picture.isEmpty()) {
        writer.writeUInt8('N');
        writer.writeUInt8('o');
        return;
    }
    writer.writeUInt8('O');
    writer.writeUInt8('k');
    picture.writeEmbedded(writer);
}

}  // namespace orvanta
