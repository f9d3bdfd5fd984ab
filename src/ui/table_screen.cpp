#include "table_screen.h"

#include "dialog_fit.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

namespace hv {

TableScreen::TableScreen(const QString& title, Builder builder, QWidget* parent)
    : QDialog(parent), builder_(std::move(builder)) {
    setWindowTitle(title);
    setSizeGripEnabled(true);
    model_ = new ReportTableModel(this);
    proxy_ = new QSortFilterProxyModel(this);
    proxy_->setSourceModel(model_);
    proxy_->setSortRole(ReportTableModel::kSortRole);
    view_ = new QTableView(this);
    view_->setObjectName(QStringLiteral("lstTable"));
    view_->setModel(proxy_);
    view_->setSortingEnabled(true);
    view_->sortByColumn(-1, Qt::AscendingOrder); // the builder's order until a header is clicked
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setAlternatingRowColors(true);
    view_->verticalHeader()->setVisible(false);
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
    view_->horizontalHeader()->setHighlightSections(false);
    connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TableScreen::selectionChanged);

    heading_ = new QLabel(this);
    heading_->setObjectName(QStringLiteral("lblHeading"));
    heading_->setVisible(false);
    top_ = new QHBoxLayout;
    buttons_ = new QHBoxLayout;
    buttons_->addStretch();
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    buttons_->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top_);
    layout->addWidget(heading_);
    layout->addWidget(view_, 1);
    layout->addLayout(buttons_);
}

void TableScreen::SetChoices(const QString& label, const QStringList& choices, int current) {
    if (!choices_) {
        choiceLabel_ = new QLabel(this);
        choices_ = new QComboBox(this);
        choices_->setObjectName(QStringLiteral("cboChoice"));
        choiceLabel_->setBuddy(choices_);
        top_->addWidget(choiceLabel_);
        top_->addWidget(choices_);
        top_->addStretch();
        connect(choices_, &QComboBox::currentIndexChanged, this, [this] { Refresh(); });
    }
    choiceLabel_->setText(label);
    QSignalBlocker block(choices_);
    choices_->clear();
    choices_->addItems(choices);
    choices_->setCurrentIndex(current);
    Refresh();
}

QPushButton* TableScreen::AddButton(const QString& text, std::function<void()> action) {
    auto* button = new QPushButton(text, this);
    connect(button, &QPushButton::clicked, this, [action] { action(); });
    buttons_->insertWidget(buttons_->count() - 2, button);
    return button;
}

void TableScreen::SetHeading(const QString& text) {
    heading_->setText(text);
    heading_->setVisible(!text.isEmpty());
}

void TableScreen::Refresh() {
    int selected = SelectedKey();
    model_->SetTable(builder_ ? builder_(Choice()) : ReportTable{});
    if (!model_->Table().title.empty()) SetHeading(QString::fromStdString(model_->Table().title));
    view_->resizeColumnsToContents();
    if (selected) SelectKey(selected);
    if (!fitted_) FitToContents();
}

void TableScreen::FitToContents() {
    fitted_ = true;
    int width = view_->verticalScrollBar()->sizeHint().width() + 2 * view_->frameWidth() + 40;
    for (int c = 0; c < model_->columnCount(); ++c)
        width += view_->columnWidth(c);
    int rows = std::min(model_->rowCount(), 25);
    int height = view_->horizontalHeader()->height() + rows * view_->verticalHeader()->defaultSectionSize() +
                 2 * view_->frameWidth() + 120;
    QSize available = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableSize()
                                                       : QSize(1280, 800);
    int least = std::max(360, TitleWidth(*this)); // never cutting the title
    resize(std::clamp(width, least, std::max(least, available.width() - 40)),
           std::clamp(height, 240, available.height() - 60));
}

int TableScreen::SelectedKey() const {
    QModelIndexList rows = view_->selectionModel()->selectedRows();
    if (rows.isEmpty()) return 0;
    return rows.first().data(ReportTableModel::kKeyRole).toInt();
}

void TableScreen::SelectKey(int key) {
    for (int r = 0; r < proxy_->rowCount(); ++r) {
        QModelIndex index = proxy_->index(r, 0);
        if (index.data(ReportTableModel::kKeyRole).toInt() == key) {
            view_->selectRow(r);
            view_->scrollTo(index);
            return;
        }
    }
}

} // namespace hv
