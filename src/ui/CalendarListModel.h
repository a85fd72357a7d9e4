#pragma once

#include <QAbstractTableModel>
#include <optional>

#include "events/CalendarTable.h"

namespace orvanta {

// The list window's rows for a QTableView: the cells, filtering and sorting are CalendarTable's.
class CalendarListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    // A family that has every aspect glyph.
    static constexpr const char* kGlyphFamily = "DejaVu Sans";

    using QAbstractTableModel::QAbstractTableModel;

    void setTable(CalendarTable table);
    const CalendarTable* table() const { return table_ ? &*table_ : nullptr; }
    void setFilter(const QString& text);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

    // Whether the glyph family has every character; the sextile and some minor aspects are
    // missing from the fonts of many systems, and then the angle stands for the glyph.
    static bool drawable(const QString& text);

  private:
    std::optional<CalendarTable> table_;
};

}  // namespace orvanta
