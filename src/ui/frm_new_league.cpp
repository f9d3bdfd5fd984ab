#include "frm_new_league.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "frm_exhibition.h"
#include "league_rules_list.h"
#include "setup/default_league_files.h"

namespace hv {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

enum TeamColumn { kTeamName, kHuman, kCoach, kPbp };

QTableWidgetItem* CheckItem(bool on) {
    auto* item = new QTableWidgetItem;
    item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    return item;
}

} // namespace

frmNewLeague::frmNewLeague(Session& session, Host& host, QWidget* parent)
    : QDialog(parent), session_(session), host_(host) {
    setWindowTitle(QStringLiteral("New League"));
    setObjectName(QStringLiteral("frmNewLeague"));

    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("txtLeagueName"));
    // The two keys that would make a name leave its folder are refused while typing.
    name_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^/\\\\]*")), name_));
    firstSeason_ = new QLineEdit(QString::number(session.settings.FirstSeason), this);
    firstSeason_->setObjectName(QStringLiteral("txtFirstSeason"));
    connect(firstSeason_, &QLineEdit::editingFinished, this, &frmNewLeague::OnFirstSeasonLeft);
    type_ = new QComboBox(this);
    type_->setObjectName(QStringLiteral("cboLeagueType"));
    for (const std::string& item : LeagueTypeItems())
        type_->addItem(Q(item));
    connect(type_, &QComboBox::currentIndexChanged, this, &frmNewLeague::OnTypeChanged);
    source_ = new QComboBox(this);
    source_->setObjectName(QStringLiteral("cboPlayerSource"));
    for (const std::string& item : PlayerSourceItems(session.league.programFolder))
        source_->addItem(Q(item));
    defaultLeague_ = new QComboBox(this);
    defaultLeague_->setObjectName(QStringLiteral("cboDefaultLeague"));
    for (const std::string& file : DefaultLeagueFiles(session.league.programFolder))
        defaultLeague_->addItem(Q(file));
    connect(defaultLeague_, &QComboBox::currentIndexChanged, this, &frmNewLeague::OnDefaultLeagueChanged);
    randomization_ = new QComboBox(this);
    randomization_->setObjectName(QStringLiteral("cboRandomization"));
    for (const std::string& item : RandomizationItems())
        randomization_->addItem(Q(item));
    password_ = new QLineEdit(this);
    password_->setObjectName(QStringLiteral("txtPassword"));
    password_->setEchoMode(QLineEdit::PasswordEchoOnEdit);
    engine_ = NewLeagueRulesList(this, "cboGameEngine", LeagueRulesKind::Engine);
    trades_ = NewLeagueRulesList(this, "cboTradeJudgement", LeagueRulesKind::Trades);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("League &name:"), name_);
    form->addRow(QStringLiteral("&First season:"), firstSeason_);
    form->addRow(QStringLiteral("League &type:"), type_);
    form->addRow(QStringLiteral("&Default league:"), defaultLeague_);
    form->addRow(QStringLiteral("Player &source:"), source_);
    form->addRow(QStringLiteral("Potential &randomization:"), randomization_);
    form->addRow(QStringLiteral("&Password:"), password_);
    form->addRow(QStringLiteral("&Game engine:"), engine_);
    form->addRow(QStringLiteral("Trade &judgement:"), trades_);

    auto* note = new QLabel(
        QStringLiteral(
            "*Note: To create a new league using players imported from a file, place the *.csv file "
            "here:\n%1\nThe file name will appear in the player source list if it is in a valid format.")
            .arg(Q((session.league.programFolder / "import").string() + "/")),
        this);
    note->setObjectName(QStringLiteral("lblNote"));
    note->setWordWrap(true);

    teamList_ = new QTableWidget(0, 4, this);
    teamList_->setObjectName(QStringLiteral("lstTeams"));
    teamList_->setHorizontalHeaderLabels({QStringLiteral("Team"), QStringLiteral("Human"),
                                          QStringLiteral("Coach"), QStringLiteral("Play-by-play")});
    teamList_->verticalHeader()->setVisible(false);
    teamList_->verticalHeader()->setDefaultSectionSize(teamList_->fontMetrics().height() + 6);
    teamList_->horizontalHeader()->setStretchLastSection(true);
    teamList_->setSelectionBehavior(QAbstractItemView::SelectRows);
    teamList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* allHuman = new QPushButton(QStringLiteral("All H&uman"), this);
    auto* allComputer = new QPushButton(QStringLiteral("All &Computer"), this);
    connect(allHuman, &QPushButton::clicked, this, [this] { SetAllOwners("Human"); });
    connect(allComputer, &QPushButton::clicked, this, [this] { SetAllOwners("Computer"); });
    auto* teamButtons = new QHBoxLayout;
    teamButtons->addWidget(new QLabel(QStringLiteral("Team control: check the teams you run."), this), 1);
    teamButtons->addWidget(allHuman);
    teamButtons->addWidget(allComputer);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setObjectName(QStringLiteral("cmdOK"));
    connect(ok_, &QPushButton::clicked, this, &frmNewLeague::OnOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* left = new QVBoxLayout;
    left->addLayout(form);
    left->addWidget(note);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addLayout(teamButtons);
    right->addWidget(teamList_, 1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(buttons);

    ready_ = ReadNewLeagueTeams(session_, host_, teams_);
    FillTeams();
    resize(860, 560);
}

void frmNewLeague::FillTeams() {
    teamList_->setRowCount(ready_ ? kLeagueTeams : 0);
    for (int t = 1; ready_ && t <= kLeagueTeams; ++t) {
        const Team& team = teams_.teams[static_cast<size_t>(t)];
        teamList_->setItem(t - 1, kTeamName, new QTableWidgetItem(Q(team.City + " " + team.Name)));
        teamList_->setItem(t - 1, kHuman, CheckItem(team.Owner == "Human"));
        teamList_->setItem(t - 1, kCoach, CheckItem(team.CoachTeam));
        teamList_->setItem(t - 1, kPbp, CheckItem(team.pbp));
    }
    teamList_->resizeColumnsToContents();
}

void frmNewLeague::SetAllOwners(const std::string& owner) {
    for (int row = 0; row < teamList_->rowCount(); ++row)
        teamList_->item(row, kHuman)->setCheckState(owner == "Human" ? Qt::Checked : Qt::Unchecked);
}

void frmNewLeague::OnDefaultLeagueChanged() {
    // The working database becomes the chosen league: its teams here, its players if they are the source.
    if (UseDefaultLeague(session_, host_, defaultLeague_->currentText().toStdString()))
        ready_ = ReadNewLeagueTeams(session_, host_, teams_);
    FillTeams();
}

void frmNewLeague::OnFirstSeasonLeft() {
    firstSeason_->setText(QString::number(FirstSeasonFromText(firstSeason_->text().toStdString())));
}

void frmNewLeague::OnTypeChanged() {
    bool exhibition = type_->currentIndex() == static_cast<int>(LeagueType::Exhibition);
    password_->setEnabled(!exhibition);
    source_->setEnabled(!exhibition);
    defaultLeague_->setEnabled(!exhibition);
}

NewLeagueChoices frmNewLeague::Choices() const {
    NewLeagueChoices c;
    c.name = name_->text().toStdString();
    c.firstSeason = FirstSeasonFromText(firstSeason_->text().toStdString());
    c.type = static_cast<LeagueType>(type_->currentIndex());
    int source = source_->currentIndex();
    c.source = source <= 0   ? PlayerSource::DefaultLeague
               : source == 1 ? PlayerSource::Fictional
                             : PlayerSource::ImportFile;
    if (c.source == PlayerSource::ImportFile) c.importFile = source_->currentText().toStdString();
    if (const std::string stats = StatsSourceFile(source_->currentText().toStdString()); !stats.empty()) {
        c.source = PlayerSource::StatsFile;
        c.importFile = stats;
    }
    c.randomization = RandomizationFromChoice(randomization_->currentText().toStdString());
    c.password = password_->text().toStdString();
    c.engine = static_cast<GameEngine>(engine_->currentIndex());
    c.trades = static_cast<TradeJudgement>(trades_->currentIndex());
    return c;
}

void frmNewLeague::OnOk() {
    // An exhibition game creates no league: its screen plays teams of the saved games, then this one closes.
    if (type_->currentIndex() == static_cast<int>(LeagueType::Exhibition)) {
        frmExhibition screen(session_.league, host_, this);
        screen.exec();
        reject();
        return;
    }
    OnFirstSeasonLeft();
    for (int t = 1; ready_ && t <= kLeagueTeams; ++t) {
        Team& team = teams_.teams[static_cast<size_t>(t)];
        team.Owner = teamList_->item(t - 1, kHuman)->checkState() == Qt::Checked ? "Human" : "Computer";
        team.CoachTeam = teamList_->item(t - 1, kCoach)->checkState() == Qt::Checked;
        team.pbp = teamList_->item(t - 1, kPbp)->checkState() == Qt::Checked;
    }
    if (!ready_) return;
    NewLeagueChoices c = Choices();
    if (!CreateNewLeague(session_, host_, c, teams_)) return;
    createdCreation_ = c.type == LeagueType::CreationDraft;
    accept();
}

} // namespace hv
