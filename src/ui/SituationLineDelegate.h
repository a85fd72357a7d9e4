#pragma once

#include <QStyledItemDelegate>
#include <array>

#include "common/Picture.h"
#include "doc/CZodiacDoc.h"
#include "events/TransitSituation.h"

namespace orvanta {

// Draws the lines of the analysis window's lists: a time (and date) text in "Times New Roman
// Cyr", then the pictures of the transiting body, the aspect and the natal object, on white;
// the selected line is outlined in black. Each item carries its situation and where its
// pictures start.
class SituationLineDelegate : public QStyledItemDelegate {
  public:
    static constexpr int kSituationRole = Qt::UserRole;
    static constexpr int kPictureOffsetRole = Qt::UserRole + 1;

    SituationLineDelegate(const CZodiacDoc& doc, const bool& pictograms, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The three pictures of a situation in the chosen symbol mode.
    static std::array<const Picture*, 3> pictures(const CZodiacDoc& doc,
                                                  const TransitSituation& situation,
                                                  bool pictograms);
    // Draws the three pictures side by side, each size x size, from the given corner.
    static void drawPictures(QPainter& painter, const std::array<const Picture*, 3>& pictures,
                             QPoint corner, int size);

  private:
    const CZodiacDoc& doc_;
    const bool& pictograms_;
};

}  // namespace orvanta
