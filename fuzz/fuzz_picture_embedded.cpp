// A picture embedded in a settings file: marker, file header, length and packed bitmap.
#include "FuzzInput.h"
#include "common/BinaryReader.h"
#include "common/BinaryWriter.h"
#include "common/FormatError.h"
#include "doc/PictureSlot.h"

using namespace orvanta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::silenceMessages();
    BinaryReader reader(fuzz::bytesOf(data, size));
    Picture picture;
    try {
        PictureSlot::read(reader, picture);
    } catch (const FormatError&) {
        return 0;
    }
    // Written back, the picture reads as the same picture, and writing that again gives the
    // same bytes. (Bytes past the pixel rows are not carried over: the header's image size is
    // recomputed on writing.)
    const auto writeSlot = [](const Picture& held) {
        BinaryWriter writer;
        PictureSlot::write(writer, held);
        return writer.take();
    };
    const auto written = writeSlot(picture);
    BinaryReader again(written);
    Picture reread;
    PictureSlot::read(again, reread);
    fuzz::require(again.atEnd() && reread.isEmpty() == picture.isEmpty());
    fuzz::require(reread.width() == picture.width() && reread.height() == picture.height());
    fuzz::require(writeSlot(reread) == written);
    return 0;
}
