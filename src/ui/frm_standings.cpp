#include "frm_standings.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "reports/standings_table.h"
#include "season/standings.h"

namespace hv {

namespace {

// A table exactly as tall as its rows, so that no table of the page scrolls.
void FitRows(ReportView* view) {
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int height = view->horizontalHeader()->sizeHint().height() +
                       view->model()->rowCount() * view->verticalHeader()->defaultSectionSize() +
                       2 * view->frameWidth();
    view->setFixedHeight(height);
    view->setMinimumWidth(view->ContentWidth() - view->verticalScrollBar()->sizeHint().width());
}

} // namespace

frmStandings::frmStandings(League& league, QWidget* parent) : QDialog(parent), league_(league) {
    setObjectName(QStringLiteral("frmStandings"));
    setWindowTitle(QStringLiteral("Standings"));
    setSizeGripEnabled(true);
    UpdateWinningPercentages(league);
    ComputeStandings(league);

    view_ = new QComboBox(this);
    view_->setObjectName(QStringLiteral("cboChoice"));
    view_->addItems({QStringLiteral("Division"), QStringLiteral("Conference")});
    auto* viewLabel = new QLabel(QStringLiteral("&View:"), this);
    viewLabel->setBuddy(view_);
    auto* top = new QHBoxLayout;
    top->addWidget(viewLabel);
    top->addWidget(view_);
    top->addStretch();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("&Close"));
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("cmdClose"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    grid_ = new QGridLayout;
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(grid_);
    layout->addStretch(1);
    layout->addWidget(buttons);
    ShowTables();
    connect(view_, &QComboBox::currentIndexChanged, this, [this] { ShowTables(); });
    adjustSize();
}

void frmStandings::ShowTables() {
    while (QLayoutItem* item = grid_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    tables_.clear();
    const StandingsView view =
        view_->currentIndex() == 1 ? StandingsView::Conference : StandingsView::Division;
    const std::vector<ReportTable> tables = StandingsGroupTables(league_, view);
    // East on the left, West on the right; a conference's divisions one under the other.
    const size_t perColumn = (tables.size() + 1) / 2;
    for (size_t i = 0; i < tables.size(); ++i) {
        const int column = int(i / perColumn), row = int(i % perColumn) * 2;
        auto* title =
            new QLabel(QStringLiteral("<b>%1</b>").arg(QString::fromStdString(tables[i].title)), this);
        ReportView* table = NewReportView(("lstStandings" + std::to_string(i)).c_str(), this);
        table->SetTable(tables[i]);
        FitRows(table);
        grid_->addWidget(title, row, column);
        grid_->addWidget(table, row + 1, column);
        tables_.push_back(table);
    }
}

} // namespace hv
