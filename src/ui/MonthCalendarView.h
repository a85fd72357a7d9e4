#pragma once

#include <QString>
#include <QWidget>

#include "birthdata/MonthCalendarGrid.h"

namespace orvanta {

// The area of a dialog that shows a month grid. The grid belongs to the dialog's logic; the
// view paints it on every paint and passes mouse clicks on as points in its rectangle.
class MonthCalendarView : public QWidget {
    Q_OBJECT
  public:
    MonthCalendarView(const MonthCalendarGrid& grid, QString fontFamily, QWidget* parent = nullptr);

    // The rectangle the grid is laid out in: the whole view less a margin of one pixel at the
    // top and left, where the shadow lines of the grid fall.
    Rect gridRect() const;
    // The middle of the cell of a day of the shown month, for whoever wants to click it.
    QPoint centreOfDay(int day) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  signals:
    void clicked(int x, int y);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    const MonthCalendarGrid& grid_;
    QString fontFamily_;
};

}  // namespace orvanta
