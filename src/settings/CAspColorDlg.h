#pragma once

#include <QColorDialog>
#include <cstdint>

namespace orvanta {

// The standard colour chooser over a colour of the document's records (a Windows colour
// value): it starts at that colour and writes the chosen one back when the user confirms.
class CAspColorDlg : public QColorDialog {
    Q_OBJECT
  public:
    CAspColorDlg(std::uint32_t& colour, QWidget* parent = nullptr);

    // True when a colour was chosen and written.
    bool run();

    static QColor toQColor(std::uint32_t colourValue);
    static std::uint32_t toColourValue(const QColor& colour);

  private:
    std::uint32_t& colour_;
};

}  // namespace orvanta
