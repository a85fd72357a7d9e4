#include "ui/CalendarListModel.h"

namespace orvanta {

void CalendarListModel::setTable(CalendarTable table) {
    beginResetModel();
    table_ = std::move(table);
    endResetModel();
}

void CalendarListModel::setFilter(const QString& text) {
    if (!table_) return;
    beginResetModel();
    table_->setFilter(text.toStdString());
    endResetModel();
}

int CalendarListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !table_ ? 0 : static_cast<int>(table_->rowCount());
}

int CalendarListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : CalendarTable::ColumnCount;
}

QVariant CalendarListModel::data(const QModelIndex& index, int role) const {
    if (!table_ || !index.isValid()) return {};
    if (role == Qt::DisplayRole) {
        return QString::fromStdString(
            table_->cell(static_cast<std::size_t>(index.row()), index.column()));
    }
    if (role == Qt::TextAlignmentRole && index.column() >= CalendarTable::Aspect &&
        index.column() <= CalendarTable::Pass && index.column() != CalendarTable::Point) {
        return int(Qt::AlignCenter);
    }
    return {};
}

QVariant CalendarListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return QString::fromUtf8(CalendarTable::header(section));
}

void CalendarListModel::sort(int column, Qt::SortOrder order) {
    if (!table_) return;
    emit layoutAboutToBeChanged();
    table_->sortBy(column, order == Qt::AscendingOrder);
    emit layoutChanged();
}

}  // namespace orvanta
