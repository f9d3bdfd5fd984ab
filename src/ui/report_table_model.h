// A list view's model over a ReportTable: display texts, alignment, and the raw sort keys under kSortRole so
// that a sort proxy orders heights by inches and money by dollars.
#pragma once

#include <QAbstractTableModel>

#include "reports/report_table.h"

namespace hv {

class ReportTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    static constexpr int kSortRole = Qt::UserRole + 1;
    static constexpr int kKeyRole = Qt::UserRole + 2; // the row's key (a player ID, a team slot...)

    using QAbstractTableModel::QAbstractTableModel;

    void SetTable(ReportTable table);
    const ReportTable& Table() const { return table_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    ReportTable table_;
};

} // namespace hv
