#pragma once

#include "calc/AspectSetting.h"
#include "settings/OwnerDrawnButton.h"

namespace orvanta {

// Shows an aspect's pen as a diagonal from two pixels inside the top-left corner to two
// pixels inside the bottom-right one, in the aspect's colour, width and style.
class LineButton : public OwnerDrawnButton {
    Q_OBJECT
  public:
    LineButton(AspectSetting& aspect, QWidget* parent = nullptr);

    AspectSetting& aspect() { return aspect_; }

  protected:
    void paintInside(QPainter& painter, const QRect& inner) override;

  private:
    AspectSetting& aspect_;
};

}  // namespace orvanta
