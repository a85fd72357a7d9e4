#include "draw/ChartResources.h"

#include "common/AppFolder.h"
#include "common/MessageSink.h"

namespace orvanta {

const Picture& ChartResources::signPicture(int sign) const {
    static const Picture kNone;
    if (sign < 1 || sign > 12) return kNone;
    return signPictures[static_cast<std::size_t>(sign - 1)];
}

void ChartResources::loadSignPictures() {
    for (int sign = 1; sign <= 12; ++sign) {
        auto& picture = signPictures[static_cast<std::size_t>(sign - 1)];
        picture.clear();
        const auto file = AppFolder::find("BMP_ZZ\\SET1\\" + std::to_string(sign) + ".bmp");
        for (const auto& message : picture.loadFile(file).messages) MessageSink::report(message);
    }
}

}  // namespace orvanta
