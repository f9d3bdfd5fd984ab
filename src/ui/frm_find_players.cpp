#include "frm_find_players.h"

#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QVBoxLayout>

namespace hv {

frmFindPlayers::frmFindPlayers(const League& league, QWidget* parent) : QDialog(parent), league_(league) {
    setWindowTitle(QStringLiteral("Find Players"));
    setSizeGripEnabled(true);
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("txtName"));
    name_->setPlaceholderText(QStringLiteral("any part of the name"));
    position_ = new QComboBox(this);
    position_->setObjectName(QStringLiteral("cboPosition"));
    position_->addItem(QStringLiteral("Any"), 0);
    for (int pos = 1; pos <= 5; ++pos)
        position_->addItem(QString::fromStdString(PositionText(pos)), pos);
    team_ = new QComboBox(this);
    team_->setObjectName(QStringLiteral("cboTeam"));
    team_->addItem(QStringLiteral("Any"), QString());
    for (int t = 1; t <= kLeagueTeams; ++t)
        team_->addItem(QString::fromStdString(league.team(t).City + " " + league.team(t).Name),
                       QString::fromStdString(league.team(t).Name));
    team_->addItem(QStringLiteral("Free Agents"), QString::fromLatin1(kFreeAgent));
    team_->addItem(QStringLiteral("Draft Prospects"), QString::fromLatin1(kDraft));
    team_->addItem(QStringLiteral("Next Year's Prospects"), QString::fromLatin1(kNextDraft));
    search_ = new QPushButton(QStringLiteral("&Search"), this);
    search_->setObjectName(QStringLiteral("cmdSearch"));
    search_->setDefault(true);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Name:"), name_);
    form->addRow(QStringLiteral("&Position:"), position_);
    form->addRow(QStringLiteral("&Team:"), team_);
    auto* top = new QHBoxLayout;
    top->addLayout(form, 1);
    top->addWidget(search_, 0, Qt::AlignBottom);

    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("lblCount"));
    results_ = new ReportView(this);
    results_->setObjectName(QStringLiteral("lstPlayers"));
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(count_, 1);
    bottom->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(results_, 1);
    layout->addLayout(bottom);

    connect(search_, &QPushButton::clicked, this, &frmFindPlayers::Search);
    connect(position_, &QComboBox::currentIndexChanged, this, &frmFindPlayers::Search);
    connect(team_, &QComboBox::currentIndexChanged, this, &frmFindPlayers::Search);
    Search();
    QSize available = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableSize()
                                                       : QSize(1280, 800);
    resize(std::min(results_->ContentWidth() + 40, available.width() - 40),
           std::min(640, available.height() - 60));
}

PlayerSearch frmFindPlayers::CurrentSearch() const {
    PlayerSearch s;
    s.name = name_->text().trimmed().toStdString();
    s.position = position_->currentData().toInt();
    s.team = team_->currentData().toString().toStdString();
    return s;
}

void frmFindPlayers::Search() {
    ReportTable table = FindPlayersTable(league_, CurrentSearch());
    count_->setText(QString::fromStdString(table.title));
    results_->SetTable(std::move(table));
}

} // namespace hv
