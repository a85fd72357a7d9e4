// A ".bmp" file chosen as a picture: loaded, and when it loads, written back and loaded again.
#include "FuzzInput.h"
#include "common/Picture.h"

using namespace orvanta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::silenceMessages();
    Picture picture;
    if (!picture.loadFile(fuzz::scratchFile("picture.bmp", data, size))) return 0;
    const auto form = picture.fileForm();
    Picture again;
    fuzz::require(
        again.loadFile(fuzz::scratchFile("again.bmp", form.data(), form.size())).loaded());
    fuzz::require(again.width() == picture.width() && again.height() == picture.height());
    return 0;
}
