#include "frm_edit_league.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "dialog_fit.h"
#include "frm_import_stats.h"
#include "league/league_options.h"
#include "league/ratings.h"
#include "setup/default_league_edit.h"

namespace hv {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

bool IsSkillOrPotential(const std::string& field) {
    static const char* const names[] = {
        "InsideScoring", "JumpShot",     "ThreePointShot", "Scoring",          "Handling",
        "Passing",       "Quickness",    "PostDefense",    "PerimeterDefense", "DriveDefense",
        "Stealing",      "ShotBlocking", "OffenseRebound", "DefenseRebound",   "Jumping",
        "Strength",      "Potential",    "KnownPotential"};
    for (const char* name : names)
        if (field == name) return true;
    return false;
}

QSpinBox* Spin(int lo, int hi, QWidget* parent) {
    auto* spin = new QSpinBox(parent);
    spin->setRange(lo, hi);
    return spin;
}

QComboBox* Choices(const QStringList& items, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->addItems(items);
    return combo;
}

// The label of a field: its name with blanks before the capitals ("PostDefense" gives "Post Defense").
QString Caption(const std::string& field) {
    QString text;
    for (size_t i = 0; i < field.size(); ++i) {
        const char c = field[i];
        if (i > 0 && c >= 'A' && c <= 'Z' && !(field[i - 1] >= 'A' && field[i - 1] <= 'Z'))
            text += QLatin1Char(' ');
        text += QLatin1Char(c);
    }
    if (!text.isEmpty()) text[0] = text[0].toUpper();
    return text + QLatin1Char(':');
}

} // namespace

std::string EditorText(const QWidget* editor) {
    if (auto* spin = qobject_cast<const QSpinBox*>(editor)) return std::to_string(spin->value());
    if (auto* combo = qobject_cast<const QComboBox*>(editor)) return combo->currentText().toStdString();
    if (auto* check = qobject_cast<const QCheckBox*>(editor)) return check->isChecked() ? "yes" : "no";
    if (auto* line = qobject_cast<const QLineEdit*>(editor)) return line->text().toStdString();
    return {};
}

void SetEditorText(QWidget* editor, const std::string& text) {
    if (auto* spin = qobject_cast<QSpinBox*>(editor)) spin->setValue(std::atoi(text.c_str()));
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        if (combo->findText(Q(text)) < 0) combo->addItem(Q(text));
        combo->setCurrentText(Q(text));
    }
    if (auto* check = qobject_cast<QCheckBox*>(editor)) check->setChecked(text == "yes");
    if (auto* line = qobject_cast<QLineEdit*>(editor)) line->setText(Q(text));
}

frmEditLeague::frmEditLeague(League& league, Host& host, QWidget* parent)
    : QDialog(parent), league_(league), host_(host) {
    setWindowTitle(QStringLiteral("Edit Current League"));
    Build();
}

frmEditLeague::frmEditLeague(League& league, Host& host, SqliteDb& database, std::function<void()> saveAs,
                             QWidget* parent)
    : QDialog(parent), league_(league), host_(host), database_(&database), saveAs_(std::move(saveAs)) {
    setWindowTitle(QStringLiteral("Edit Default League"));
    Build();
}

void frmEditLeague::Build() {
    setObjectName(QStringLiteral("frmEditLeague"));
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("tabsEdit"));
    tabs->addTab(BuildPlayerTab(), QStringLiteral("&Players"));
    tabs->addTab(BuildTeamTab(), QStringLiteral("&Teams"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    if (database_) {
        auto* saveAs = buttons->addButton(QStringLiteral("Save Lea&gue As..."), QDialogButtonBox::ActionRole);
        saveAs->setObjectName(QStringLiteral("cmdSaveLeagueAs"));
        connect(saveAs, &QPushButton::clicked, this, [this] {
            if (saveAs_) saveAs_();
        });
        findChild<QPushButton*>(QStringLiteral("cmdImportStats"))->hide();
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);
    FillPlayerChoice();
    ShowTeam();
    FitToContents(*this);
}

QWidget* frmEditLeague::PlayerEditorFor(const std::string& field) {
    QWidget* editor = nullptr;
    const QStringList positions{QStringLiteral("C"), QStringLiteral("PF"), QStringLiteral("SF"),
                                QStringLiteral("SG"), QStringLiteral("PG")};
    if (IsSkillOrPotential(field)) {
        editor = Spin(0, 100, this);
    } else if (field == "Position" || field == "OriginalPosition") {
        editor = Choices(positions, this);
    } else if (field == "Age") {
        editor = Spin(16, 50, this);
    } else if (field == "Height") {
        editor = Spin(60, 100, this);
        static_cast<QSpinBox*>(editor)->setSuffix(QStringLiteral(" in"));
    } else if (field == "Weight") {
        editor = Spin(100, 400, this);
        static_cast<QSpinBox*>(editor)->setSuffix(QStringLiteral(" lb"));
    } else if (field == "TimeInjured") {
        editor = Spin(0, 365, this);
        static_cast<QSpinBox*>(editor)->setSuffix(QStringLiteral(" days"));
    } else if (field == "Team") {
        QStringList teams;
        for (int t = 1; t <= kLeagueTeams; ++t)
            teams << Q(league_.team(t).Name);
        teams << QStringLiteral("FA") << QStringLiteral("Draft") << QStringLiteral("NextDraft");
        editor = Choices(teams, this);
    } else if (field == "Injury") {
        QStringList injuries{QStringLiteral("None")};
        for (const InjuryType& type : league_.injuryTypes)
            if (!type.Name.empty()) injuries << Q(type.Name);
        editor = Choices(injuries, this);
    } else if (field == "IR") {
        editor = new QCheckBox(QStringLiteral("On injured reser&ve"), this);
    } else {
        editor = new QLineEdit(this);
    }
    editor->setObjectName(Q("edit" + field));
    playerFields_[field] = editor;
    return editor;
}

QWidget* frmEditLeague::BuildPlayerTab() {
    auto* tab = new QWidget(this);
    rosterChoice_ = new QComboBox(tab);
    rosterChoice_->setObjectName(QStringLiteral("cboRoster"));
    for (int t = 1; t <= kLeagueTeams; ++t)
        rosterChoice_->addItem(Q(league_.team(t).City + " " + league_.team(t).Name), Q(league_.team(t).Name));
    for (const char* pseudo : {kFreeAgent, kDraft, kNextDraft})
        rosterChoice_->addItem(Q(pseudo), Q(pseudo));
    playerChoice_ = new QComboBox(tab);
    playerChoice_->setObjectName(QStringLiteral("cboPlayer"));
    playerChoice_->setMinimumContentsLength(24);
    connect(rosterChoice_, &QComboBox::currentIndexChanged, this, [this] { FillPlayerChoice(); });
    connect(playerChoice_, &QComboBox::currentIndexChanged, this, [this] { ShowPlayer(); });

    auto* pick = new QHBoxLayout;
    auto* rosterLabel = new QLabel(QStringLiteral("&Roster:"), tab);
    rosterLabel->setBuddy(rosterChoice_);
    auto* playerLabel = new QLabel(QStringLiteral("P&layer:"), tab);
    playerLabel->setBuddy(playerChoice_);
    pick->addWidget(rosterLabel);
    pick->addWidget(rosterChoice_, 1);
    pick->addWidget(playerLabel);
    pick->addWidget(playerChoice_, 1);

    // Profile, contract and health side by side, then the ratings in two columns.
    auto* profile = new QGroupBox(QStringLiteral("Profile"), tab);
    auto* profileForm = new QFormLayout(profile);
    auto* ratings = new QGroupBox(QStringLiteral("Ratings"), tab);
    auto* ratingsGrid = new QGridLayout(ratings);
    auto* contract = new QGroupBox(QStringLiteral("Contract and health"), tab);
    auto* contractForm = new QFormLayout(contract);
    int rating = 0;
    for (const std::string& field : PlayerEditFields()) {
        QWidget* editor = PlayerEditorFor(field);
        if (IsSkillOrPotential(field)) {
            const int row = rating % 9, column = rating / 9 * 2;
            ratingsGrid->addWidget(new QLabel(Caption(field), ratings), row, column);
            ratingsGrid->addWidget(editor, row, column + 1);
            ++rating;
        } else if (field.rfind("contract", 0) == 0 || field == "Injury" || field == "TimeInjured" ||
                   field == "IR") {
            const QString label = field.rfind("contract", 0) == 0
                                      ? QStringLiteral("Salary year %1:").arg(Q(field.substr(8)))
                                      : Caption(field == "TimeInjured" ? std::string("DaysOut") : field);
            contractForm->addRow(label, editor);
        } else {
            profileForm->addRow(Caption(field), editor);
        }
    }
    derived_ = new QLabel(tab);
    derived_->setObjectName(QStringLiteral("lblDerived"));
    auto* save = new QPushButton(QStringLiteral("&Save Player"), tab);
    save->setObjectName(QStringLiteral("cmdSavePlayer"));
    auto* revert = new QPushButton(QStringLiteral("Re&vert"), tab);
    revert->setObjectName(QStringLiteral("cmdRevertPlayer"));
    auto* import = new QPushButton(QStringLiteral("&Import from Statistics..."), tab);
    import->setObjectName(QStringLiteral("cmdImportStats"));
    connect(save, &QPushButton::clicked, this, [this] { SavePlayer(); });
    connect(revert, &QPushButton::clicked, this, [this] { ShowPlayer(); });
    connect(import, &QPushButton::clicked, this, [this] { OpenImport(); });
    // "On injured reserve" takes its letter from the check box; the revert button keeps its own.
    static_cast<QCheckBox*>(playerFields_.at("IR"))->setText(QStringLiteral("On injured reserve"));

    auto* right = new QVBoxLayout;
    right->addWidget(ratings);
    right->addWidget(derived_);
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addWidget(profile, 0, Qt::AlignTop);
    columns->addWidget(contract, 0, Qt::AlignTop);
    columns->addLayout(right);
    auto* actions = new QHBoxLayout;
    actions->addWidget(import);
    actions->addStretch();
    actions->addWidget(revert);
    actions->addWidget(save);
    auto* layout = new QVBoxLayout(tab);
    layout->addLayout(pick);
    layout->addLayout(columns);
    layout->addLayout(actions);
    return tab;
}

QWidget* frmEditLeague::TeamEditorFor(const std::string& field) {
    QWidget* editor = nullptr;
    if (field == "Owner") {
        editor = Choices({QStringLiteral("Human"), QStringLiteral("Computer")}, this);
    } else if (field == "CoachTeam") {
        editor = new QCheckBox(QStringLiteral("The user &coaches its games"), this);
    } else if (field == "pbp") {
        editor = new QCheckBox(QStringLiteral("Play-by-play &files"), this);
    } else if (field == "Offense") {
        editor = Choices({QStringLiteral("0"), QStringLiteral("50"), QStringLiteral("100")}, this);
    } else if (field == "Pace" || field == "Press" || field == "Trap") {
        editor = Choices({QStringLiteral("0"), QStringLiteral("25"), QStringLiteral("50"),
                          QStringLiteral("75"), QStringLiteral("100")},
                         this);
    } else if (field == "DraftFocus") {
        editor = Spin(1, 3, this);
    } else {
        editor = new QLineEdit(this);
    }
    editor->setObjectName(Q("team" + field));
    teamFields_[field] = editor;
    return editor;
}

QWidget* frmEditLeague::BuildTeamTab() {
    auto* tab = new QWidget(this);
    teamChoice_ = new QComboBox(tab);
    teamChoice_->setObjectName(QStringLiteral("cboTeam"));
    for (int t = 1; t <= kLeagueTeams; ++t)
        teamChoice_->addItem(Q(league_.team(t).City + " " + league_.team(t).Name), t);
    connect(teamChoice_, &QComboBox::currentIndexChanged, this, [this] { ShowTeam(); });
    auto* form = new QFormLayout;
    auto* teamLabel = new QLabel(QStringLiteral("Te&am:"), tab);
    teamLabel->setBuddy(teamChoice_);
    form->addRow(teamLabel, teamChoice_);
    for (const std::string& field : TeamEditFields()) {
        QWidget* editor = TeamEditorFor(field);
        const bool check = qobject_cast<QCheckBox*>(editor) != nullptr;
        if (check)
            form->addRow(QString(), editor);
        else
            form->addRow(Caption(field == "Name" ? std::string("TeamName") : field), editor);
    }
    auto* save = new QPushButton(QStringLiteral("Save T&eam"), tab);
    save->setObjectName(QStringLiteral("cmdSaveTeam"));
    connect(save, &QPushButton::clicked, this, [this] { SaveTeam(); });
    auto* layout = new QVBoxLayout(tab);
    layout->addLayout(form);
    layout->addStretch();
    auto* actions = new QHBoxLayout;
    actions->addStretch();
    actions->addWidget(save);
    layout->addLayout(actions);
    return tab;
}

void frmEditLeague::FillPlayerChoice() {
    const QString team = rosterChoice_->currentData().toString();
    const int keep = SelectedPlayer();
    QSignalBlocker block(playerChoice_);
    playerChoice_->clear();
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = league_.player(id);
        if (!p.IsEmpty() && Q(p.Team) == team)
            playerChoice_->addItem(Q(p.DefaultPosition + " " + p.Name + " (" + std::to_string(id) + ")"), id);
    }
    const int at = playerChoice_->findData(keep);
    playerChoice_->setCurrentIndex(at >= 0 ? at : 0);
    ShowPlayer();
}

int frmEditLeague::SelectedPlayer() const {
    return playerChoice_ && playerChoice_->currentIndex() >= 0 ? playerChoice_->currentData().toInt() : 0;
}

int frmEditLeague::SelectedTeam() const {
    return teamChoice_->currentIndex() >= 0 ? teamChoice_->currentData().toInt() : 0;
}

void frmEditLeague::ShowPlayer() {
    const int id = SelectedPlayer();
    for (auto& [field, editor] : playerFields_) {
        editor->setEnabled(id != 0);
        if (id == 0) continue;
        const std::string text = PlayerFieldText(league_.player(id), field);
        // Salaries as the other screens show them; the editor reads "$1,250,000" back as it is shown.
        SetEditorText(editor, field.rfind("contract", 0) == 0 ? SalaryCapText(std::stoll(text)) : text);
    }
    if (id == 0) {
        derived_->setText(QStringLiteral("No player on this roster."));
        return;
    }
    const Player& p = league_.player(id);
    derived_->setText(QStringLiteral("Overall %1 (%2), future %3; inside %4, outside %5, handling %6, "
                                     "defense %7, rebounding %8")
                          .arg(p.CurrentRating)
                          .arg(Q(LetterGrade(p.CurrentRating)))
                          .arg(p.FutureRating)
                          .arg(p.RatingInsideScoring)
                          .arg(p.RatingOutsideScoring)
                          .arg(p.RatingHandling)
                          .arg(p.RatingDefense)
                          .arg(p.RatingRebounding));
    derived_->setWordWrap(true);
}

void frmEditLeague::ShowTeam() {
    const int team = SelectedTeam();
    if (team == 0) return;
    for (auto& [field, editor] : teamFields_)
        SetEditorText(editor, TeamFieldText(league_.team(team), field));
}

bool frmEditLeague::SavePlayer() {
    const int id = SelectedPlayer();
    if (id == 0) return false;
    FieldEdits edits;
    for (const std::string& field : PlayerEditFields())
        edits.push_back({field, EditorText(playerFields_.at(field))});
    if (!EditPlayer(league_, id, edits, host_)) return false;
    WriteThrough();
    // He may have left the roster shown; the list follows him.
    const int at = rosterChoice_->findData(Q(league_.player(id).Team));
    if (at >= 0 && at != rosterChoice_->currentIndex()) {
        QSignalBlocker block(rosterChoice_);
        rosterChoice_->setCurrentIndex(at);
    }
    FillPlayerChoice();
    playerChoice_->setCurrentIndex(playerChoice_->findData(id));
    return true;
}

bool frmEditLeague::SaveTeam() {
    const int team = SelectedTeam();
    if (team == 0) return false;
    FieldEdits edits;
    for (const std::string& field : TeamEditFields())
        edits.push_back({field, EditorText(teamFields_.at(field))});
    if (!EditTeam(league_, team, edits, host_)) return false;
    WriteThrough();
    const Team& t = league_.team(team);
    teamChoice_->setItemText(teamChoice_->currentIndex(), Q(t.City + " " + t.Name));
    rosterChoice_->setItemText(team - 1, Q(t.City + " " + t.Name));
    rosterChoice_->setItemData(team - 1, Q(t.Name));
    SetEditorText(playerFields_.at("Team"), PlayerFieldText(league_.player(SelectedPlayer()), "Team"));
    return true;
}

bool frmEditLeague::WriteThrough() {
    if (!database_) return true;
    try {
        WriteDefaultLeague(*database_, league_);
    } catch (const DatabaseError& e) {
        host_.ShowMessage(std::string("The default league database could not be written: ") + e.what(),
                          "Edit Default League", MessageIcon::Critical);
        return false;
    }
    return true;
}

void frmEditLeague::OpenImport() {
    frmImportStats import(league_, host_, this);
    import.exec();
    FillPlayerChoice();
}

} // namespace hv
