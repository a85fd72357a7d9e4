#pragma once

#include <QAbstractButton>
#include <QPainter>

namespace orvanta {

// A small button that draws itself: a white rectangle with a black outline and, inside it,
// what the subclass shows (a picture, a line sample or a colour).
class OwnerDrawnButton : public QAbstractButton {
    Q_OBJECT
  public:
    explicit OwnerDrawnButton(QWidget* parent = nullptr);

    QSize sizeHint() const override { return {34, 24}; }
    QSize minimumSizeHint() const override { return {24, 18}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    // inner: the rectangle inside the outline.
    virtual void paintInside(QPainter& painter, const QRect& inner) = 0;
};

}  // namespace orvanta
