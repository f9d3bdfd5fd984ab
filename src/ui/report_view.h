// A sortable list view over a ReportTable, the one list of every screen. Sorting uses the raw keys; the
// selection is a row's key. Double-click or Enter on a row opens what it names (see row_links.h) when its
// table says what its keys are.
#pragma once

#include <QSortFilterProxyModel>
#include <QTableView>

#include "report_table_model.h"

namespace hv {

class ReportView : public QTableView {
    Q_OBJECT
  public:
    explicit ReportView(QWidget* parent = nullptr);

    // Shows a new table, keeping the sort order and the selected row's key.
    void SetTable(ReportTable table);
    const ReportTable& Table() const { return model_->Table(); }
    // The key of the selected row, 0 when nothing is selected.
    int SelectedKey() const;
    void SelectKey(int key);
    // The width the columns need, with the frame and a scroll bar.
    int ContentWidth() const;
    // The column of this title takes the width the others leave; a text too long for it is cut short,
    // whole in its tip.
    void SetStretchColumn(const QString& title);
    // Columns as narrow as their cells and titles: no room beside each title for a sort arrow (the style
    // draws it over the title's margin), so that a wide table fits beside other lists.
    void SetCompactColumns(bool compact);

  signals:
    void selectedKeyChanged();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void OpenSelectedRow();
    // Sizes the columns to their contents, compact and stretched as asked.
    void FitColumns();

    ReportTableModel* model_;
    QSortFilterProxyModel* proxy_;
    QString stretchTitle_;
    bool compact_ = false;
};

// A report view with the object name by which its screen's tests find it.
ReportView* NewReportView(const char* name, QWidget* parent);

} // namespace hv
