#include "ui/SituationPanel.h"

#include <QPainter>

#include "ui/SituationLineDelegate.h"

namespace orvanta {

constexpr int kPictureSize = 18;

SituationPanel::SituationPanel(const CZodiacDoc& doc, const bool& pictograms, QWidget* parent)
    : QWidget(parent), doc_(doc), pictograms_(pictograms) {
    setFixedSize(5 + 3 * kPictureSize + 8, kPictureSize + 6);
}

void SituationPanel::showSituation(const TransitSituation* situation) {
    shown_ = situation != nullptr;
    if (shown_) situation_ = *situation;  // a copy: the lists behind it may be refilled
    update();
}

void SituationPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(Qt::gray);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (!shown_) return;
    SituationLineDelegate::drawPictures(
        painter, SituationLineDelegate::pictures(doc_, situation_, pictograms_), QPoint(5, 3),
        kPictureSize);
}

}  // namespace orvanta
