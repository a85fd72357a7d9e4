#pragma once

#include <cstdint>

#include "settings/OwnerDrawnButton.h"

namespace orvanta {

// Shows a colour of the document's records (a Windows colour value) as a filled rectangle.
class ColourButton : public OwnerDrawnButton {
    Q_OBJECT
  public:
    ColourButton(std::uint32_t& colour, QWidget* parent = nullptr);

    std::uint32_t& colour() { return colour_; }

  protected:
    void paintInside(QPainter& painter, const QRect& inner) override;

  private:
    std::uint32_t& colour_;
};

}  // namespace orvanta
