#include "ui/SituationLineDelegate.h"

#include <QPainter>

#include "draw/PicturePainter.h"

namespace orvanta {
namespace {

constexpr int kLineHeight = 20;

}  // namespace

SituationLineDelegate::SituationLineDelegate(const CZodiacDoc& doc, const bool& pictograms,
                                             QObject* parent)
    : QStyledItemDelegate(parent), doc_(doc), pictograms_(pictograms) {}

std::array<const Picture*, 3> SituationLineDelegate::pictures(const CZodiacDoc& doc,
                                                              const TransitSituation& situation,
                                                              bool pictograms) {
    const ObjectStyle& body = doc.eventChart().bodies().style[situation.body];
    const AspectSetting& aspect =
        doc.eventChart().aspects()[static_cast<std::size_t>(situation.aspectIndex)];
    const ObjectStyle& radix = doc.natal().chart.style[situation.radix];
    if (pictograms) return {&body.pictogram, &aspect.pictogram, &radix.pictogram};
    return {&body.symbol, &aspect.symbol, &radix.symbol};
}

void SituationLineDelegate::drawPictures(QPainter& painter,
                                         const std::array<const Picture*, 3>& pictures,
                                         QPoint corner, int size) {
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const QRect target(corner.x() + static_cast<int>(i) * size, corner.y(), size, size);
        PicturePainter::drawImage(painter, *pictures[i], target);
    }
}

void SituationLineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    const QRect r = option.rect;
    const int h = r.height() - 2;
    painter->save();
    painter->fillRect(r, Qt::white);
    QFont font("Times New Roman Cyr");
    // A face height of h in the old units is the cell height; the em is about four fifths.
    font.setPixelSize(std::max(1, h * 4 / 5));
    font.setWeight(QFont::Normal);
    painter->setFont(font);
    painter->setPen(Qt::black);
    const QString text = index.data(Qt::DisplayRole).toString();
    int offset = index.data(kPictureOffsetRole).toInt();
    if (!text.isEmpty()) {
        painter->drawText(QRect(r.left() + 5, r.top() + 1, r.width() - 5, h),
                          Qt::AlignLeft | Qt::AlignVCenter, text);
        // Pictures start after the widest text of this shape, so that they stand in one
        // column whatever the digits and whatever face stands in for the one asked for.
        QString shape = text;
        for (QChar& c : shape) {
            if (c.isDigit()) c = QLatin1Char('0');
        }
        offset = std::max(offset, painter->fontMetrics().horizontalAdvance(shape) + 6);
    }
    const auto* situation =
        reinterpret_cast<const TransitSituation*>(index.data(kSituationRole).value<quintptr>());
    if (situation != nullptr) {
        drawPictures(*painter, pictures(doc_, *situation, pictograms_),
                     QPoint(r.left() + 5 + offset, r.top() + 1), h);
    }
    if (option.state & QStyle::State_Selected) {
        painter->setPen(QPen(Qt::black, 1));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(r.adjusted(0, 0, -1, -1));
    }
    painter->restore();
}

QSize SituationLineDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const {
    return {200, kLineHeight};
}

}  // namespace orvanta
