#include "frm_team_control.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "league/team_control.h"

namespace hv {

frmTeamControl::frmTeamControl(League& league, QWidget* parent) : QDialog(parent), league_(league) {
    setWindowTitle(QStringLiteral("Team Control"));
    grid_ = new QTableWidget(kLeagueTeams, kColumns, this);
    grid_->setObjectName(QStringLiteral("grdTeams"));
    grid_->setHorizontalHeaderLabels({QStringLiteral("Team"), QStringLiteral("Human"),
                                      QStringLiteral("Coach"), QStringLiteral("Play-by-Play")});
    grid_->verticalHeader()->setVisible(false);
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setAlternatingRowColors(true);
    Load();
    grid_->resizeColumnsToContents();
    connect(grid_, &QTableWidget::itemChanged, this, &frmTeamControl::OnItemChanged);

    auto button = [this](const char* name, const QString& text, auto action) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, action] {
            action();
            Load();
        });
        return b;
    };
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(
        button("cmdAllHuman", QStringLiteral("All &Human"), [this] { SetEveryOwner(league_, true); }));
    buttons->addWidget(
        button("cmdAllComputer", QStringLiteral("All Co&mputer"), [this] { SetEveryOwner(league_, false); }));
    buttons->addWidget(button("cmdPbpOn", QStringLiteral("Play-by-Play &On"),
                              [this] { SetEveryPlayByPlay(league_, true); }));
    buttons->addWidget(button("cmdPbpOff", QStringLiteral("Play-by-Play O&ff"),
                              [this] { SetEveryPlayByPlay(league_, false); }));
    buttons->addStretch();
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_, 1);
    layout->addLayout(buttons);

    int width = 2 * grid_->frameWidth() + 24;
    for (int c = 0; c < kColumns; ++c)
        width += grid_->columnWidth(c);
    resize(std::max(width + 24, sizeHint().width()),
           grid_->horizontalHeader()->height() +
               kLeagueTeams * grid_->verticalHeader()->defaultSectionSize() + 80);
}

void frmTeamControl::Load() {
    QSignalBlocker block(grid_);
    for (int t = 1; t <= kLeagueTeams; ++t) {
        const Team& team = league_.team(t);
        auto* name = new QTableWidgetItem(QString::fromStdString(team.City + " " + team.Name));
        name->setFlags(Qt::ItemIsEnabled);
        grid_->setItem(t - 1, kTeam, name);
        const bool states[] = {IsHuman(team), team.CoachTeam, team.pbp};
        for (int c = kHuman; c <= kPbp; ++c) {
            auto* box = new QTableWidgetItem;
            box->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            box->setCheckState(states[c - kHuman] ? Qt::Checked : Qt::Unchecked);
            grid_->setItem(t - 1, c, box);
        }
    }
}

void frmTeamControl::OnItemChanged(QTableWidgetItem* item) {
    Team& team = league_.team(item->row() + 1);
    const bool on = item->checkState() == Qt::Checked;
    switch (item->column()) {
    case kHuman:
        SetHuman(team, on);
        break;
    case kCoach:
        team.CoachTeam = on;
        break;
    case kPbp:
        team.pbp = on;
        break;
    default:
        break;
    }
}

} // namespace hv
