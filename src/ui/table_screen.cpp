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
    view_ = NewReportView("lstTable", this);
    connect(view_, &ReportView::selectedKeyChanged, this, &TableScreen::selectionChanged);

    heading_ = new QLabel(this);
    heading_->setObjectName(QStringLiteral("lblHeading"));
    heading_->setVisible(false);
    top_ = new QHBoxLayout;
    buttons_ = new QHBoxLayout;
    buttons_->addStretch();
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    // Enter on a row opens what the row names; it never presses a button of the screen.
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    buttons_->addWidget(close);

    layout_ = new QVBoxLayout(this);
    layout_->addLayout(top_);
    layout_->addWidget(heading_);
    layout_->addWidget(view_, 1);
    layout_->addLayout(buttons_);
}

void TableScreen::AddBeside(QWidget* widget, int stretch) {
    if (!beside_) {
        const int at = layout_->indexOf(view_);
        layout_->removeWidget(view_);
        beside_ = new QHBoxLayout;
        beside_->addWidget(view_, 1);
        layout_->insertLayout(at, beside_, 1);
    }
    beside_->addWidget(widget, stretch);
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

QComboBox* TableScreen::AddFilter(const QString& label, const QStringList& items, const char* name) {
    auto* filter = new QComboBox(this);
    filter->setObjectName(QLatin1String(name));
    filter->addItems(items);
    auto* caption = new QLabel(label, this);
    caption->setBuddy(filter);
    // Before the stretch that ends the row of choices, when there is one.
    int at = top_->count();
    if (at > 0 && top_->itemAt(at - 1)->spacerItem()) --at;
    top_->insertWidget(at, caption);
    top_->insertWidget(at + 1, filter);
    connect(filter, &QComboBox::currentIndexChanged, this, [this] { Refresh(); });
    return filter;
}

QPushButton* TableScreen::AddButton(const QString& text, std::function<void()> action) {
    auto* button = new QPushButton(text, this);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [action] { action(); });
    buttons_->insertWidget(buttons_->count() - 2, button);
    return button;
}

void TableScreen::SetHeading(const QString& text) {
    heading_->setText(text);
    heading_->setVisible(!text.isEmpty());
}

void TableScreen::Refresh() {
    view_->SetTable(builder_ ? builder_(Choice()) : ReportTable{});
    if (!Table().title.empty()) SetHeading(QString::fromStdString(Table().title));
    if (!fitted_) FitToContents();
}

void TableScreen::FitToContents() {
    fitted_ = true;
    int width = view_->ContentWidth() + 40;
    int rows = std::min(static_cast<int>(Table().rows.size()), 25);
    int height = view_->horizontalHeader()->height() + rows * view_->verticalHeader()->defaultSectionSize() +
                 2 * view_->frameWidth() + 120;
    QSize available = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableSize()
                                                       : QSize(1280, 800);
    int least = std::max(360, TitleWidth(*this)); // never cutting the title
    resize(std::clamp(width, least, std::max(least, available.width() - 40)),
           std::clamp(height, 240, available.height() - 60));
}

} // namespace hv
