#include "report_view.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyleOptionHeader>

#include "row_links.h"

namespace hv {

ReportView::ReportView(QWidget* parent) : QTableView(parent) {
    model_ = new ReportTableModel(this);
    proxy_ = new QSortFilterProxyModel(this);
    proxy_->setSourceModel(model_);
    proxy_->setSortRole(ReportTableModel::kSortRole);
    setModel(proxy_);
    setSortingEnabled(true);
    sortByColumn(-1, Qt::AscendingOrder); // the table's own order until a header is clicked
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(true);
    verticalHeader()->setVisible(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setHighlightSections(false);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &ReportView::selectedKeyChanged);
    connect(this, &QTableView::doubleClicked, this, [this] { OpenSelectedRow(); });
}

void ReportView::OpenSelectedRow() {
    OpenRow(window(), Table().rowKind, SelectedKey());
}

void ReportView::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && Table().rowKind != RowKind::None && SelectedKey() > 0) {
        OpenSelectedRow();
        return;
    }
    QTableView::keyPressEvent(event);
}

void ReportView::SetTable(ReportTable table) {
    int selected = SelectedKey();
    model_->SetTable(std::move(table));
    FitColumns();
    if (selected) SelectKey(selected);
    emit selectedKeyChanged();
}

int ReportView::SelectedKey() const {
    QModelIndexList rows = selectionModel()->selectedRows();
    if (rows.isEmpty()) return 0;
    return rows.first().data(ReportTableModel::kKeyRole).toInt();
}

void ReportView::SelectKey(int key) {
    for (int r = 0; r < proxy_->rowCount(); ++r) {
        QModelIndex index = proxy_->index(r, 0);
        if (index.data(ReportTableModel::kKeyRole).toInt() == key) {
            // Scrolled first: a listener of the new selection may rebuild the list, and the index with it.
            scrollTo(index);
            selectRow(r);
            return;
        }
    }
}

int ReportView::ContentWidth() const {
    int width = verticalScrollBar()->sizeHint().width() + 2 * frameWidth();
    // A stretched column counts at its contents' width, not at the width it has been given.
    for (int c = 0; c < model_->columnCount(); ++c)
        width += horizontalHeader()->sectionResizeMode(c) == QHeaderView::Stretch
                     ? std::max(sizeHintForColumn(c), horizontalHeader()->sectionSizeHint(c))
                     : columnWidth(c);
    return width;
}

void ReportView::SetStretchColumn(const QString& title) {
    stretchTitle_ = title;
    FitColumns();
}

void ReportView::SetCompactColumns(bool compact) {
    compact_ = compact;
    FitColumns();
}

void ReportView::FitColumns() {
    QHeaderView* header = horizontalHeader();
    const int columns = model_->columnCount();
    for (int c = 0; c < columns; ++c)
        header->setSectionResizeMode(c, QHeaderView::Interactive);
    resizeColumnsToContents();
    if (compact_) {
        QStyleOptionHeader option;
        option.initFrom(header);
        const int margin = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, &option, header) + 4;
        for (int c = 0; c < columns; ++c) {
            const QString title = model_->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
            setColumnWidth(
                c, std::max(sizeHintForColumn(c), header->fontMetrics().horizontalAdvance(title) + margin));
        }
    }
    int stretch = -1;
    for (int c = 0; c < columns; ++c)
        if (!stretchTitle_.isEmpty() &&
            model_->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString() == stretchTitle_)
            stretch = c;
    if (stretch >= 0) header->setSectionResizeMode(stretch, QHeaderView::Stretch);
}

ReportView* NewReportView(const char* name, QWidget* parent) {
    auto* view = new ReportView(parent);
    view->setObjectName(QLatin1String(name));
    return view;
}

} // namespace hv
