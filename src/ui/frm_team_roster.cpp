#include "frm_team_roster.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "cautious_host.h"
#include "league/coaching_names.h"
#include "league/lineup.h"
#include "league/transactions.h"
#include "reports/player_search.h"
#include "reports/roster_report.h"
#include "season/roster_checks.h"
#include "season/user_moves.h"
#include "table_screen.h"

namespace hv {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

QComboBox* SettingBox(QWidget* parent, const char* name, CoachingSetting setting) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    for (int v : CoachingSettingValues(setting))
        box->addItem(QString::fromStdString(CoachingSettingName(setting, v)), v);
    return box;
}

// Selects the item whose data is `value`; an unknown value is added so that the stored line-up shows as is.
void Select(QComboBox* box, int value, const QString& unknownText) {
    int index = box->findData(value);
    if (index < 0) {
        box->addItem(unknownText, value);
        index = box->count() - 1;
    }
    box->setCurrentIndex(index);
}

int16_t Chosen(const QComboBox* box) {
    return static_cast<int16_t>(box->currentData().toInt());
}

} // namespace

frmTeamRoster::frmTeamRoster(League& league, Host& host, QWidget* parent)
    : QDialog(parent), league_(league), host_(host) {
    setWindowTitle(QStringLiteral("Team Roster"));
    setSizeGripEnabled(true);

    teams_ = new QComboBox(this);
    teams_->setObjectName(QStringLiteral("cboTeam"));
    for (int t = 1; t <= kLeagueTeams; ++t)
        teams_->addItem(Q(league.team(t).City + " " + league.team(t).Name), t);
    auto* teamLabel = new QLabel(QStringLiteral("&Team:"), this);
    teamLabel->setBuddy(teams_);
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("lblSummary"));
    counts_ = new QLabel(this);
    counts_->setObjectName(QStringLiteral("lblCounts"));
    auto* top = new QHBoxLayout;
    top->addWidget(teamLabel);
    top->addWidget(teams_);
    top->addSpacing(12);
    top->addWidget(summary_, 1);
    top->addWidget(counts_);

    roster_ = new ReportView(this);
    roster_->setObjectName(QStringLiteral("lstRoster"));

    auto* depthGroup = new QGroupBox(QStringLiteral("Depth Chart"), this);
    auto* depthGrid = new QGridLayout(depthGroup);
    auto* settingsGroup = new QGroupBox(QStringLiteral("Key Players and Coaching"), this);
    auto* settingsForm = new QFormLayout(settingsGroup);
    BuildLineupWidgets(depthGrid, settingsForm);
    auto* lineupRow = new QHBoxLayout;
    lineupRow->addWidget(depthGroup, 3);
    lineupRow->addWidget(settingsGroup, 2);

    auto button = [this](const char* name, const QString& text) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        return b;
    };
    activate_ = button("cmdActivate", QStringLiteral("&Activate"));
    reserve_ = button("cmdReserve", QStringLiteral("Place on &IR"));
    cut_ = button("cmdCut", QStringLiteral("C&ut"));
    sign_ = button("cmdSign", QStringLiteral("&Sign Free Agent..."));
    auto_ = button("cmdAuto", QStringLiteral("Auto &Line-up"));
    save_ = button("cmdSave", QStringLiteral("Sa&ve Line-up"));
    auto* close = button("cmdClose", QStringLiteral("&Close"));
    connect(activate_, &QPushButton::clicked, this, [this] { Move(UserActivate); });
    connect(reserve_, &QPushButton::clicked, this, [this] { Move(UserPlaceOnIR); });
    connect(cut_, &QPushButton::clicked, this, [this] { Move(UserCut); });
    connect(sign_, &QPushButton::clicked, this, [this] { OpenFreeAgents(); });
    connect(auto_, &QPushButton::clicked, this, [this] {
        if (AutoLineup(league_, team_, host_)) Reload();
    });
    connect(save_, &QPushButton::clicked, this, [this] {
        if (SaveChosenLineup()) Reload();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {activate_, reserve_, cut_, sign_})
        buttons->addWidget(b);
    buttons->addStretch();
    for (QPushButton* b : {auto_, save_, close})
        buttons->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(roster_, 1);
    layout->addLayout(lineupRow);
    layout->addLayout(buttons);

    connect(teams_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!ChooseTeam(teams_->itemData(index).toInt())) {
            QSignalBlocker block(teams_);
            teams_->setCurrentIndex(teams_->findData(team_));
        }
    });
    connect(roster_, &ReportView::selectedKeyChanged, this, [this] { UpdateButtons(); });
    // The user's own team first, when he runs one.
    for (int t = kLeagueTeams; t >= 1; --t)
        if (IsHuman(league.team(t))) team_ = t;
    {
        QSignalBlocker block(teams_);
        teams_->setCurrentIndex(teams_->findData(team_));
    }
    Reload();
    resize(std::max(roster_->ContentWidth() + 40, sizeHint().width()), 720);
}

void frmTeamRoster::BuildLineupWidgets(QGridLayout* depthGrid, QFormLayout* settingsForm) {
    const char* rows[] = {"Starter", "Second", "Third"};
    for (int row = 1; row <= 3; ++row)
        depthGrid->addWidget(new QLabel(QLatin1String(rows[row - 1]), this), 0, row);
    for (int pos = 1; pos <= 5; ++pos) {
        depthGrid->addWidget(new QLabel(Q(PositionText(pos)), this), pos, 0);
        for (int row = 1; row <= 3; ++row) {
            auto* box = new QComboBox(this);
            box->setObjectName(Q("cbo" + DepthSlotName(pos, row)));
            box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
            depth_[static_cast<size_t>(pos - 1)][static_cast<size_t>(row - 1)] = box;
            depthGrid->addWidget(box, pos, row);
        }
    }
    depthGrid->setRowStretch(6, 1); // the rows stay together at the top
    for (int k = 1; k <= 3; ++k) {
        auto* box = new QComboBox(this);
        box->setObjectName(Q("cboKey" + std::to_string(k)));
        keys_[static_cast<size_t>(k - 1)] = box;
        settingsForm->addRow(QStringLiteral("Key player %1:").arg(k), box);
    }
    pace_ = SettingBox(this, "cboPace", CoachingSetting::Pace);
    press_ = SettingBox(this, "cboPress", CoachingSetting::Press);
    trap_ = SettingBox(this, "cboTrap", CoachingSetting::Trap);
    offense_ = SettingBox(this, "cboOffense", CoachingSetting::Offense);
    settingsForm->addRow(QStringLiteral("Pace:"), pace_);
    settingsForm->addRow(QStringLiteral("Full-court press:"), press_);
    settingsForm->addRow(QStringLiteral("Trap:"), trap_);
    settingsForm->addRow(QStringLiteral("Offense:"), offense_);
}

bool frmTeamRoster::ChooseTeam(int team) {
    if (team == team_) return true;
    if (!KeepOrDropChanges()) return false;
    team_ = team;
    {
        QSignalBlocker block(teams_);
        teams_->setCurrentIndex(teams_->findData(team));
    }
    Reload();
    return true;
}

void frmTeamRoster::Reload() {
    ReportTable table = TeamRosterTable(league_, team_);
    summary_->setText(Q(table.title));
    // The counts against the limits, in red while the team could not play a game.
    const bool legal = RosterCountsLegal(league_, team_);
    counts_->setText(Q(RosterCounts(league_, team_)));
    counts_->setStyleSheet(legal ? QString() : QStringLiteral("color: #c00000; font-weight: bold;"));
    counts_->setToolTip(
        legal ? QString()
              : QStringLiteral("A team plays with exactly %1 active players and keeps at most %2 "
                               "on its roster: place players on injured reserve, activate, "
                               "sign or cut them.")
                    .arg(kActiveRoster)
                    .arg(kMaxRoster));
    roster_->SetTable(std::move(table));
    LoadLineup();
    UpdateButtons();
}

void frmTeamRoster::LoadLineup() {
    // The players a line-up may list: the team's players who are not on injured reserve, by position and
    // rating.
    std::vector<int> eligible;
    for (int id : RosterOf(league_, team_))
        if (!league_.player(id).IR) eligible.push_back(id);
    std::stable_sort(eligible.begin(), eligible.end(), [&](int a, int b) {
        const Player &pa = league_.player(a), &pb = league_.player(b);
        return pa.PositionNumber != pb.PositionNumber ? pa.PositionNumber < pb.PositionNumber
                                                      : pa.CurrentRating > pb.CurrentRating;
    });
    shown_ = LineupOf(league_.team(team_));
    auto fill = [&](QComboBox* box, int current) {
        QSignalBlocker block(box);
        box->clear();
        box->addItem(QString(), 0);
        for (int id : eligible) {
            const Player& p = league_.player(id);
            box->addItem(Q(p.Name + " (" + p.DefaultPosition + ", " + std::to_string(p.CurrentRating) + ")"),
                         id);
        }
        const Player& p = league_.player(current >= 0 && current < kPlayerSlots ? current : 0);
        Select(box, current, Q(p.Name + (p.IR ? " (IR)" : " (not on the team)")));
    };
    for (int pos = 1; pos <= 5; ++pos)
        for (int row = 1; row <= 3; ++row)
            fill(DepthBox(pos, row), shown_.Depth(pos, row));
    for (int k = 1; k <= 3; ++k)
        fill(KeyBox(k), shown_.keys[static_cast<size_t>(k - 1)]);
    const std::tuple<QComboBox*, CoachingSetting, int16_t> settings[] = {
        {pace_, CoachingSetting::Pace, shown_.Pace},
        {press_, CoachingSetting::Press, shown_.Press},
        {trap_, CoachingSetting::Trap, shown_.Trap},
        {offense_, CoachingSetting::Offense, shown_.Offense}};
    for (const auto& [box, setting, value] : settings)
        Select(box, value, QString::fromStdString(CoachingSettingName(setting, value)));

    const bool editable = IsHuman(league_.team(team_));
    for (auto& column : depth_)
        for (QComboBox* box : column)
            box->setEnabled(editable);
    for (QComboBox* box : {keys_[0], keys_[1], keys_[2], pace_, press_, trap_, offense_})
        box->setEnabled(editable);
}

void frmTeamRoster::UpdateButtons() {
    const bool human = IsHuman(league_.team(team_));
    const int id = roster_->SelectedKey();
    const bool selected = id != 0 && TeamOfPlayer(league_, id) == team_;
    activate_->setEnabled(human && selected && league_.player(id).IR);
    reserve_->setEnabled(human && selected && !league_.player(id).IR);
    cut_->setEnabled(human && selected);
    sign_->setEnabled(human);
    auto_->setEnabled(human);
    save_->setEnabled(human);
}

LineupChoice frmTeamRoster::ChosenLineup() const {
    LineupChoice c;
    for (int pos = 1; pos <= 5; ++pos)
        for (int row = 1; row <= 3; ++row)
            c.Depth(pos, row) = Chosen(DepthBox(pos, row));
    for (int k = 1; k <= 3; ++k)
        c.keys[static_cast<size_t>(k - 1)] = Chosen(KeyBox(k));
    c.Pace = Chosen(pace_);
    c.Press = Chosen(press_);
    c.Trap = Chosen(trap_);
    c.Offense = Chosen(offense_);
    return c;
}

bool frmTeamRoster::SaveChosenLineup() {
    if (!SaveLineup(league_, team_, ChosenLineup(), host_)) return false;
    shown_ = ChosenLineup();
    return true;
}

bool frmTeamRoster::KeepOrDropChanges() {
    if (!IsHuman(league_.team(team_)) || !LineupChanged()) return true;
    if (!host_.AskYesNo("The " + league_.team(team_).Name + " line-up has changed. Save the changes?",
                        "Team Roster"))
        return true;
    return SaveChosenLineup();
}

void frmTeamRoster::Move(bool (*move)(League&, int, int, Host&)) {
    const int id = roster_->SelectedKey();
    if (id == 0 || !KeepOrDropChanges()) return;
    CautiousHost cautious(host_, this);
    if (move(league_, team_, id, cautious)) Reload();
}

bool frmTeamRoster::SignFreeAgent(int id) {
    if (!KeepOrDropChanges() || !UserSign(league_, team_, id, host_)) return false;
    Reload();
    return true;
}

void frmTeamRoster::OpenFreeAgents() {
    PlayerSearch freeAgents;
    freeAgents.team = kFreeAgent;
    TableScreen picker(
        QStringLiteral("Sign Free Agent"),
        [this, freeAgents](int) { return FindPlayersTable(league_, freeAgents); }, this);
    picker.AddButton(QStringLiteral("&Sign"), [this, &picker] {
        if (picker.SelectedKey() != 0 && SignFreeAgent(picker.SelectedKey())) picker.accept();
    });
    picker.Refresh();
    picker.exec();
}

void frmTeamRoster::done(int result) {
    if (!KeepOrDropChanges()) return;
    QDialog::done(result);
}

} // namespace hv
