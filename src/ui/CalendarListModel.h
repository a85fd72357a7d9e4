#pragma once

#include <QAbstractTableModel>
#include <optional>

#include "events/CalendarTable.h"

namespace orvanta {

// The list window's rows for a QTableView: the cells, filtering and sorting are CalendarTable's.
class CalendarListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;

    void setTable(CalendarTable table);
    const CalendarTable* table() const { return table_ ? &*table_ : nullptr; }
    void setFilter(const QString& text);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

  private:
    std::optional<CalendarTable> table_;
};

}  // namespace orvanta
