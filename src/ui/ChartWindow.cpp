#include "ui/ChartWindow.h"

namespace orvanta {

bool ChartWindow::savePicture(const std::filesystem::path&, std::string& reason) {
    reason = "в этом окне нет рисунка";
    return false;
}

}  // namespace orvanta
