#include "report_table_model.h"

#include <QBrush>
#include <QFont>
#include <QGuiApplication>
#include <QPalette>

namespace hv {

void ReportTableModel::SetTable(ReportTable table) {
    beginResetModel();
    table_ = std::move(table);
    endResetModel();
}

int ReportTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(table_.rows.size());
}

int ReportTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(table_.columns.size());
}

QVariant ReportTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    auto row = static_cast<size_t>(index.row());
    auto column = static_cast<size_t>(index.column());
    if (role == kKeyRole) return row < table_.rowKeys.size() ? table_.rowKeys[row] : 0;
    const auto& cells = table_.rows.at(row);
    if (column >= cells.size()) return {};
    const ReportCell& cell = cells[column];
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdString(cell.text);
    case kSortRole:
        return cell.numeric ? QVariant(cell.sortKey) : QVariant(QString::fromStdString(cell.text).toLower());
    case Qt::ToolTipRole: // the cell's own tip, else the whole text where a narrow column cuts it short
        return QString::fromStdString(cell.tip.empty() ? cell.text : cell.tip);
    case Qt::FontRole:
        if (table_.IsHighlighted(row)) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::BackgroundRole:
        // A light tint of the selection colour, readable under the text in any palette.
        if (table_.IsHighlighted(row)) {
            QColor tint = QGuiApplication::palette().color(QPalette::Highlight);
            tint.setAlpha(60);
            return QBrush(tint);
        }
        return {};
    case Qt::TextAlignmentRole:
        return table_.columns[column].align == Align::Right ? int(Qt::AlignRight | Qt::AlignVCenter)
                                                            : int(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant ReportTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    if (section < 0 || static_cast<size_t>(section) >= table_.columns.size()) return {};
    return QString::fromStdString(table_.columns[static_cast<size_t>(section)].title);
}

} // namespace hv
