#pragma once

#include "common/Picture.h"
#include "settings/OwnerDrawnButton.h"

namespace orvanta {

// Shows a picture of the document's records stretched into the button; nothing when empty.
class PictureButton : public OwnerDrawnButton {
    Q_OBJECT
  public:
    PictureButton(Picture& picture, QWidget* parent = nullptr);

    Picture& picture() { return picture_; }

    // Square, so that a 32-pixel pictogram is copied pixel for pixel and a larger symbol is
    // scaled evenly.
    QSize sizeHint() const override { return {34, 34}; }

  protected:
    void paintInside(QPainter& painter, const QRect& inner) override;

  private:
    Picture& picture_;
};

}  // namespace orvanta
