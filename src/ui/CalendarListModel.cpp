#include "ui/CalendarListModel.h"

#include <QFont>
#include <QFontMetrics>

namespace orvanta {

bool CalendarListModel::drawable(const QString& text) {
    const QFontMetrics metrics{QFont(kGlyphFamily)};
    for (const char32_t c : text.toUcs4()) {
        if (!metrics.inFontUcs4(c)) return false;
    }
    return true;
}

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
        const auto row = static_cast<std::size_t>(index.row());
        const QString text = QString::fromStdString(table_->cell(row, index.column()));
        const CalendarEvent& event = table_->event(row);
        if (index.column() == CalendarTable::Aspect && event.kind == CalendarEvent::Kind::Aspect &&
            !drawable(text)) {
            return QString("%1°").arg(event.aspectAngle);
        }
        return text;
    }
    // The sextile and the minor aspects' glyphs are missing from many interface fonts.
    if (role == Qt::FontRole && index.column() == CalendarTable::Aspect) {
        return QFont(kGlyphFamily);
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
