#include "cli/LowerLayerMessage.h"

#include "common/MessageSink.h"
#include "common/Picture.h"

namespace orvanta::cli {

std::string LowerLayerMessage::forCommandLine(std::string_view text) {
    std::string said(text);
    if (text == Picture::kLoadError) {
        said = "рисунок не читается и оставлен пустым";
    } else if (text == Picture::kInitError) {
        said = "у рисунка отрицательные размеры";
    }
    const std::string where = MessageSink::context();
    return where.empty() ? said : where + ": " + said;
}

}  // namespace orvanta::cli
