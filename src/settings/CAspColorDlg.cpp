#include "settings/CAspColorDlg.h"

namespace orvanta {

CAspColorDlg::CAspColorDlg(std::uint32_t& colour, QWidget* parent)
    : QColorDialog(toQColor(colour), parent), colour_(colour) {
    // Qt's own chooser speaks the program's language; the desktop's may not.
    setOption(QColorDialog::DontUseNativeDialog);
}

QColor CAspColorDlg::toQColor(std::uint32_t colourValue) {
    return QColor(static_cast<int>(colourValue & 0xFF), static_cast<int>((colourValue >> 8) & 0xFF),
                  static_cast<int>((colourValue >> 16) & 0xFF));
}

std::uint32_t CAspColorDlg::toColourValue(const QColor& colour) {
    return static_cast<std::uint32_t>(colour.red()) |
           (static_cast<std::uint32_t>(colour.green()) << 8) |
           (static_cast<std::uint32_t>(colour.blue()) << 16);
}

bool CAspColorDlg::run() {
    if (exec() != QDialog::Accepted) return false;
    colour_ = toColourValue(selectedColor());
    return true;
}

}  // namespace orvanta
