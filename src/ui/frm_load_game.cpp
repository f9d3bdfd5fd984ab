#include "frm_load_game.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "league/saved_games.h"

namespace hv {

frmLoadGame::frmLoadGame(League& league, Host& host, QWidget* parent)
    : QDialog(parent), league_(league), host_(host) {
    setWindowTitle(QStringLiteral("Load Game"));
    resize(360, 320);
    files_ = new QListWidget(this);
    files_->setObjectName(QStringLiteral("lstFiles"));
    load_ = new QPushButton(QStringLiteral("&Load"), this);
    delete_ = new QPushButton(QStringLiteral("&Delete"), this);
    exit_ = new QPushButton(QStringLiteral("E&xit"), this);
    load_->setDefault(true);
    connect(load_, &QPushButton::clicked, this, &frmLoadGame::OnLoad);
    connect(files_, &QListWidget::itemDoubleClicked, this, &frmLoadGame::OnLoad);
    connect(delete_, &QPushButton::clicked, this, &frmLoadGame::OnDelete);
    connect(exit_, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(load_);
    buttons->addWidget(delete_);
    buttons->addStretch();
    buttons->addWidget(exit_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(files_);
    layout->addLayout(buttons);
    Refresh();
}

void frmLoadGame::Refresh() {
    files_->clear();
    for (const SavedGameEntry& entry : ListSavedGames(league_.programFolder))
        files_->addItem(QString::fromStdString(entry.fileName));
    if (files_->count() > 0) files_->setCurrentRow(0);
}

std::string frmLoadGame::Selected() const {
    auto* item = files_->currentItem();
    return item && item->isSelected() ? item->text().toStdString() : std::string();
}

void frmLoadGame::OnLoad() {
    std::string file = Selected();
    if (file.empty()) return;
    load_->setEnabled(false);
    delete_->setEnabled(false);
    exit_->setEnabled(false);
    bool loaded = LoadSavedGame(league_, file, host_);
    load_->setEnabled(true);
    delete_->setEnabled(true);
    exit_->setEnabled(true);
    if (loaded) accept();
}

void frmLoadGame::OnDelete() {
    if (DeleteSavedGame(league_.programFolder, Selected(), host_)) Refresh();
}

} // namespace hv
