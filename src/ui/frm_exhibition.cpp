#include "frm_exhibition.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "dialog_fit.h"
#include "exhibition/coach_tables.h"
#include "frm_coach_game.h"
#include "league/coaching_names.h"
#include "league/lineup_edit.h"

namespace hv {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// An exhibition team's depth chart, key players and coaching settings, edited as a league team's are.
class ExhibitionRosterDialog : public QDialog {
  public:
    ExhibitionRosterDialog(Exhibition& exhibition, int which, Host& host, QWidget* parent)
        : QDialog(parent), exhibition_(exhibition), which_(which), host_(host) {
        setObjectName(QStringLiteral("frmExhibitionRoster"));
        const Team& team = exhibition.Stage().team(Exhibition::TeamSlot(which));
        setWindowTitle(QStringLiteral("Exhibition Roster - %1 %2").arg(Q(team.City), Q(team.Name)));
        const LineupChoice current = LineupOf(team);
        auto* grid = new QGridLayout;
        for (int pos = 1; pos <= 5; ++pos)
            for (int row = 1; row <= 3; ++row) {
                auto* box = PlayerBox(current.Depth(pos, row));
                box->setObjectName(Q("cboDepth" + DepthSlotName(pos, row)));
                depth_[static_cast<size_t>((pos - 1) * 3 + row - 1)] = box;
                grid->addWidget(new QLabel(Q(DepthSlotName(pos, row)), this), pos - 1, 2 * (row - 1));
                grid->addWidget(box, pos - 1, 2 * (row - 1) + 1);
            }
        auto* form = new QFormLayout;
        for (int k = 0; k < 3; ++k) {
            keys_[static_cast<size_t>(k)] = PlayerBox(current.keys[static_cast<size_t>(k)]);
            form->addRow(QStringLiteral("Key player %1").arg(k + 1), keys_[static_cast<size_t>(k)]);
        }
        const std::pair<CoachingSetting, int16_t> settings[] = {{CoachingSetting::Pace, current.Pace},
                                                                {CoachingSetting::Trap, current.Trap},
                                                                {CoachingSetting::Press, current.Press},
                                                                {CoachingSetting::Offense, current.Offense}};
        const char* names[] = {"Pace", "Trap", "Press", "Offense"};
        for (size_t i = 0; i < 4; ++i) {
            auto* box = new QComboBox(this);
            for (int value : CoachingSettingValues(settings[i].first))
                box->addItem(Q(CoachingSettingName(settings[i].first, value)), value);
            box->setCurrentIndex(std::max(0, box->findData(settings[i].second)));
            settings_[i] = box;
            form->addRow(QLatin1String(names[i]), box);
        }
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
        connect(buttons, &QDialogButtonBox::accepted, this, [this] {
            if (Store()) accept();
        });
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(new QLabel(QStringLiteral("Depth chart"), this));
        layout->addLayout(grid);
        layout->addLayout(form);
        layout->addWidget(buttons);
        FitToContents(*this);
    }

  private:
    QComboBox* PlayerBox(int16_t current) {
        auto* box = new QComboBox(this);
        box->addItem(QStringLiteral("(none)"), 0);
        for (int16_t id : exhibition_.Players(which_))
            if (id != 0) {
                const Player& p = exhibition_.Stage().player(id);
                box->addItem(Q(p.DefaultPosition + " " + p.Name), id);
            }
        box->setCurrentIndex(std::max(0, box->findData(current)));
        return box;
    }
    bool Store() {
        LineupChoice choice;
        for (int pos = 1; pos <= 5; ++pos)
            for (int row = 1; row <= 3; ++row)
                choice.Depth(pos, row) = static_cast<int16_t>(
                    depth_[static_cast<size_t>((pos - 1) * 3 + row - 1)]->currentData().toInt());
        for (size_t k = 0; k < 3; ++k)
            choice.keys[k] = static_cast<int16_t>(keys_[k]->currentData().toInt());
        choice.Pace = static_cast<int16_t>(settings_[0]->currentData().toInt());
        choice.Trap = static_cast<int16_t>(settings_[1]->currentData().toInt());
        choice.Press = static_cast<int16_t>(settings_[2]->currentData().toInt());
        choice.Offense = static_cast<int16_t>(settings_[3]->currentData().toInt());
        return SaveLineup(exhibition_.Stage(), Exhibition::TeamSlot(which_), choice, host_);
    }

    Exhibition& exhibition_;
    int which_;
    Host& host_;
    std::array<QComboBox*, 15> depth_{};
    std::array<QComboBox*, 3> keys_{};
    std::array<QComboBox*, 4> settings_{};
};

} // namespace

frmExhibition::frmExhibition(const League& current, Host& host, QWidget* parent)
    : QDialog(parent), host_(host), exhibition_(std::make_unique<Exhibition>(current)) {
    setObjectName(QStringLiteral("frmExhibition"));
    setWindowTitle(QStringLiteral("Exhibition Game"));
    setSizeGripEnabled(true);

    auto* teams = new QHBoxLayout;
    teams->addWidget(BuildTeamPanel(1));
    teams->addWidget(BuildTeamPanel(2));

    home_ = new QComboBox(this);
    home_->setObjectName(QStringLiteral("cboHome"));
    for (const std::string& item : ExhibitionHomeItems())
        home_->addItem(Q(item));
    auto* homeLabel = new QLabel(QStringLiteral("&Home court:"), this);
    homeLabel->setBuddy(home_);
    pbp_ = new QCheckBox(QStringLiteral("&Keep the play-by-play"), this);
    pbp_->setObjectName(QStringLiteral("chkPbp"));
    pbp_->setChecked(true);
    result_ = new QLabel(QStringLiteral("No game played yet."), this);
    result_->setObjectName(QStringLiteral("lblResult"));
    QFont big = result_->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    result_->setFont(big);

    auto* options = new QHBoxLayout;
    options->addWidget(homeLabel);
    options->addWidget(home_);
    options->addSpacing(20);
    options->addWidget(pbp_);
    options->addStretch(1);

    auto* commands = new QHBoxLayout;
    struct {
        const char* name;
        const char* caption;
        std::function<void()> act;
    } const buttons[] = {
        {"cmdSim", "&Sim Game", [this] { SimGame(); }},
        {"cmdCoach", "&Coach Game", [this] { CoachGame(); }},
        {"cmdRosterOne", "&Roster One", [this] { EditRoster(1); }},
        {"cmdRosterTwo", "Roster T&wo", [this] { EditRoster(2); }},
        {"cmdViewBox", "View &Box", [this] { ViewBox(); }},
        {"cmdViewPbp", "View &Play-By-Play", [this] { ViewPlayByPlay(); }},
        {"cmdClose", "Clos&e", [this] { reject(); }},
    };
    for (const auto& b : buttons) {
        auto* button = new QPushButton(QLatin1String(b.caption), this);
        button->setObjectName(QLatin1String(b.name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, b.act);
        if (std::string(b.name) == "cmdClose") commands->addStretch(1);
        commands->addWidget(button);
    }

    auto* help =
        new QLabel(QStringLiteral("Load a team of any saved game into each side. A team keeps at most "
                                  "fifteen players: when it has more, every player of its depth chart "
                                  "stays and the best of the others by current rating fill the rest. "
                                  "The league open in the program is not changed; the game's box score "
                                  "and play-by-play go to the default league's folder."),
                   this);
    help->setWordWrap(true);
    help->setObjectName(QStringLiteral("lblHelp"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(help);
    layout->addLayout(teams, 1);
    layout->addLayout(options);
    layout->addWidget(result_);
    layout->addLayout(commands);
    Refresh();
    ResizeWithinScreen(*this, QSize(1100, 640));
}

QWidget* frmExhibition::BuildTeamPanel(int which) {
    TeamPanel& t = team_[static_cast<size_t>(which - 1)];
    const QString one = which == 1 ? QStringLiteral("One") : QStringLiteral("Two");
    auto* box = new QGroupBox(QStringLiteral("Team ") + one, this);
    box->setObjectName(QStringLiteral("grpTeam") + one);
    t.save = new QComboBox(box);
    t.save->setObjectName(QStringLiteral("cboSave") + one);
    const QDir saves(Q(exhibition_->Stage().SaveFolder().string()));
    for (const QString& file : saves.entryList({QStringLiteral("*.sav")}, QDir::Files, QDir::Name))
        t.save->addItem(file);
    t.team = new QComboBox(box);
    t.team->setObjectName(QStringLiteral("cboTeam") + one);
    t.load = new QPushButton(which == 1 ? QStringLiteral("&Load Team One") : QStringLiteral("Load &Team Two"),
                             box);
    t.load->setObjectName(QStringLiteral("cmdLoad") + one);
    t.load->setAutoDefault(false);
    t.source = new QLabel(box);
    t.roster = NewReportView(which == 1 ? "lstRosterOne" : "lstRosterTwo", box);
    t.roster->SetCompactColumns(true);
    connect(t.save, &QComboBox::currentIndexChanged, this, [this, which] { FillTeams(which); });
    connect(t.load, &QPushButton::clicked, this, [this, which] { LoadChosen(which); });
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Saved game"), t.save);
    form->addRow(QStringLiteral("Team"), t.team);
    auto* layout = new QVBoxLayout(box);
    layout->addLayout(form);
    layout->addWidget(t.load, 0, Qt::AlignLeft);
    layout->addWidget(t.source);
    layout->addWidget(t.roster, 1);
    FillTeams(which);
    return box;
}

void frmExhibition::FillTeams(int which) {
    TeamPanel& t = team_[static_cast<size_t>(which - 1)];
    t.team->clear();
    if (t.save->currentIndex() < 0) return;
    const std::filesystem::path file =
        exhibition_->Stage().SaveFolder() / t.save->currentText().toStdString();
    if (std::optional<std::vector<SavedTeam>> teams = ReadSavedTeams(file, host_))
        for (const SavedTeam& team : *teams)
            t.team->addItem(Q(team.city + " " + team.name), team.slot);
}

bool frmExhibition::LoadChosen(int which) {
    TeamPanel& t = team_[static_cast<size_t>(which - 1)];
    const std::filesystem::path file =
        exhibition_->Stage().SaveFolder() / t.save->currentText().toStdString();
    const bool loaded = exhibition_->LoadTeam(which, file, t.team->currentData().toInt(), host_);
    Refresh();
    return loaded;
}

void frmExhibition::Refresh() {
    for (int which = 1; which <= 2; ++which) {
        TeamPanel& t = team_[static_cast<size_t>(which - 1)];
        t.source->setText(exhibition_->Loaded(which)
                              ? QStringLiteral("Loaded: ") + Q(exhibition_->Source(which))
                              : QStringLiteral("Not loaded."));
        t.roster->SetTable(ExhibitionRosterTable(*exhibition_, which));
    }
    const bool ready = exhibition_->Loaded(1) && exhibition_->Loaded(2);
    Command("cmdSim")->setEnabled(ready);
    Command("cmdCoach")->setEnabled(ready);
    Command("cmdRosterOne")->setEnabled(exhibition_->Loaded(1));
    Command("cmdRosterTwo")->setEnabled(exhibition_->Loaded(2));
}

QPushButton* frmExhibition::Command(const char* name) const {
    return findChild<QPushButton*>(QLatin1String(name));
}

void frmExhibition::SimGame() {
    exhibition_->home = static_cast<ExhibitionHome>(home_->currentIndex());
    exhibition_->pbp = pbp_->isChecked();
    if (std::optional<std::string> result = exhibition_->Sim(host_)) result_->setText(Q(*result));
}

void frmExhibition::CoachGame() {
    exhibition_->home = static_cast<ExhibitionHome>(home_->currentIndex());
    std::unique_ptr<CoachedGame> game = exhibition_->Coach(host_);
    if (!game) return;
    {
        frmCoachGame screen(*game, host_, this);
        screen.exec();
    }
    if (game->Finished()) {
        const clsGame& g = game->Game();
        result_->setText(Q(ExhibitionResult(g.AwayName(), g.HomeName(), g.AwayScore(), g.HomeScore())));
    }
}

void frmExhibition::EditRoster(int which) {
    if (!exhibition_->Loaded(which)) return;
    ExhibitionRosterDialog dialog(*exhibition_, which, host_, this);
    if (dialog.exec() == QDialog::Accepted) Refresh();
}

void frmExhibition::ShowLines(const QString& title, const std::vector<std::string>& lines) {
    QDialog viewer(this);
    viewer.setObjectName(QStringLiteral("frmExhibitionText"));
    viewer.setWindowTitle(title);
    viewer.setSizeGripEnabled(true);
    auto* text = new QPlainTextEdit(&viewer);
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    QString all;
    for (const std::string& line : lines)
        all += Q(line) + QLatin1Char('\n');
    text->setPlainText(all);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &viewer);
    connect(buttons, &QDialogButtonBox::rejected, &viewer, &QDialog::reject);
    auto* layout = new QVBoxLayout(&viewer);
    layout->addWidget(text);
    layout->addWidget(buttons);
    ResizeWithinScreen(viewer, QSize(1000, 640));
    viewer.exec();
}

void frmExhibition::ViewBox() {
    if (std::optional<std::vector<std::string>> lines = exhibition_->BoxLines(host_))
        ShowLines(QStringLiteral("Exhibition Box Score"), *lines);
}

void frmExhibition::ViewPlayByPlay() {
    if (std::optional<std::vector<std::string>> lines = exhibition_->PlayByPlayLines(host_))
        ShowLines(QStringLiteral("Exhibition Play-By-Play"), *lines);
}

} // namespace hv
