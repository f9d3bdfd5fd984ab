#include "frm_coach_game.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QScrollBar>
#include <QSplitter>
#include <QVBoxLayout>

#include "dialog_fit.h"
#include "engine/box_score.h"
#include "exhibition/coach_tables.h"
#include "league/coaching_names.h"
#include "reports/box_score_report.h"

namespace hv {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

constexpr const char* kSlotText[5] = {"C", "PF", "SF", "SG", "PG"};

// Delay between two play-by-play lines at each step of the speed slider, slowest first; the last is instant.
constexpr int kDelays[frmCoachGame::kInstant + 1] = {1200, 900, 650, 450, 300, 200, 120, 70, 35, 12, 0};

QComboBox* SettingChoice(CoachingSetting setting, const char* name, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    for (int value : CoachingSettingValues(setting))
        box->addItem(Q(CoachingSettingName(setting, value)), value);
    return box;
}

void SelectValue(QComboBox* box, int value) {
    int best = 0;
    for (int i = 0; i < box->count(); ++i)
        if (box->itemData(i).toInt() <= value) best = i;
    box->setCurrentIndex(best);
}

// A list just tall enough for its rows.
void FitRows(ReportView* view, int rows) {
    view->setMinimumHeight(view->horizontalHeader()->sizeHint().height() +
                           rows * view->verticalHeader()->defaultSectionSize() + 2 * view->frameWidth() + 2);
}

} // namespace

frmCoachGame::frmCoachGame(CoachedGame& game, Host& host, QWidget* parent)
    : QDialog(parent), game_(game), host_(host) {
    setObjectName(QStringLiteral("frmCoachGame"));
    setWindowTitle(Q(game.Caption()));
    setSizeGripEnabled(true);
    Build();
    for (const std::string& line : game_.Game().PlayByPlay())
        if (line != clsGame::kBlankLine) pbp_->addItem(Q(line));
    game_.onLine = [this](const std::string& line) {
        if (line != clsGame::kBlankLine && !line.empty()) queue_.push_back(Q(line));
    };
    timer_ = new QTimer(this);
    connect(timer_, &QTimer::timeout, this, &frmCoachGame::ShowNextLine);
    timer_->start(DelayMs());
    Refresh();
    ResizeWithinScreen(*this, QSize(1280, 720));
}

bool frmCoachGame::PlayScheduled(League& league, Host& host, int game, int home, int away, const char* type,
                                 QWidget* parent) {
    CoachedGame coached(league, home, away, game, type);
    frmCoachGame screen(coached, host, parent);
    screen.exec();
    if (!coached.Finished()) {
        try {
            coached.Finish();
        } catch (const std::exception& e) {
            host.ShowMessage(std::string("The game's files could not be written: ") + e.what(), "Error",
                             MessageIcon::Critical);
        }
    }
    return true;
}

void frmCoachGame::Build() {
    caption_ = new QLabel(this);
    caption_->setObjectName(QStringLiteral("lblScore"));
    QFont big = caption_->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    caption_->setFont(big);
    clock_ = new QLabel(this);
    clock_->setObjectName(QStringLiteral("lblClock"));
    QFont clockFont = clock_->font();
    clockFont.setPointSize(clockFont.pointSize() + 3);
    clockFont.setBold(true);
    clock_->setFont(clockFont);
    score_ = NewReportView("lstScore", this);
    score_->SetTable(CoachScoreTable(game_));
    FitRows(score_, 2);
    score_->setFixedHeight(score_->minimumHeight() + 2);
    score_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tabsCoach"));
    tabs_->addTab(BuildCourtPage(), QStringLiteral("Co&urt"));
    tabs_->addTab(BuildSettingsPage(CoachSide::Away), Q(game_.SettingsHeading(CoachSide::Away)));
    tabs_->addTab(BuildSettingsPage(CoachSide::Home), Q(game_.SettingsHeading(CoachSide::Home)));
    tabs_->addTab(BuildBoxPage(), QStringLiteral("&Box Score"));

    pbp_ = new QListWidget(this);
    pbp_->setObjectName(QStringLiteral("lstPlayByPlay"));
    pbp_->setUniformItemSizes(true);
    speed_ = new QSlider(Qt::Horizontal, this);
    speed_->setObjectName(QStringLiteral("sldSpeed"));
    speed_->setRange(0, kInstant);
    speed_->setValue(6);
    speed_->setPageStep(1);
    speed_->setTickPosition(QSlider::TicksBelow);
    speedText_ = new QLabel(this);
    auto* speedLabel = new QLabel(QStringLiteral("&Speed:"), this);
    speedLabel->setBuddy(speed_);
    connect(speed_, &QSlider::valueChanged, this, [this] {
        speedText_->setText(speed_->value() == kInstant
                                ? QStringLiteral("instant")
                                : QStringLiteral("%1 s a line").arg(DelayMs() / 1000.0));
        timer_->setInterval(std::max(DelayMs(), 1));
    });
    speedText_->setText(QStringLiteral("%1 s a line").arg(kDelays[6] / 1000.0));

    auto* right = new QWidget(this);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(new QLabel(QStringLiteral("Play-by-play"), right));
    rightLayout->addWidget(pbp_, 1);
    auto* speedRow = new QHBoxLayout;
    speedRow->addWidget(speedLabel);
    speedRow->addWidget(speed_, 1);
    speedRow->addWidget(speedText_);
    rightLayout->addLayout(speedRow);

    auto* left = new QWidget(this);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    auto* board = new QHBoxLayout;
    board->addWidget(caption_, 1);
    board->addWidget(clock_);
    leftLayout->addLayout(board);
    leftLayout->addWidget(score_);
    leftLayout->addWidget(tabs_, 1);

    auto* split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(left);
    split->addWidget(right);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);

    auto* commands = new QHBoxLayout;
    struct {
        const char* name;
        const char* caption;
        std::function<void()> act;
    } const buttons[] = {
        {"cmdSimPossession", "Sim &Possession", [this] { Simulate(CoachSim::Possession); }},
        {"cmdSimQuarter", "Sim &Quarter", [this] { Simulate(CoachSim::Quarter); }},
        {"cmdSimGame", "Sim &Game", [this] { Simulate(CoachSim::Game); }},
        {"cmdStop", "S&top", [this] { stop_ = true; }},
        {"cmdExit", "E&xit", [this] { reject(); }},
    };
    for (const auto& b : buttons) {
        auto* button = new QPushButton(QLatin1String(b.caption), this);
        button->setObjectName(QLatin1String(b.name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, b.act);
        if (std::string(b.name) == "cmdStop") commands->addStretch(1);
        commands->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(split, 1);
    layout->addLayout(commands);
}

QWidget* frmCoachGame::BuildCourtPage() {
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    for (CoachSide side : {CoachSide::Away, CoachSide::Home}) {
        SidePanel& s = side_[Index(side)];
        const int column = side == CoachSide::Away ? 0 : 1;
        s.heading = new QLabel(page);
        QFont bold = s.heading->font();
        bold.setBold(true);
        s.heading->setFont(bold);
        s.lineup = NewReportView(side == CoachSide::Home ? "lstHomeLineup" : "lstAwayLineup", page);
        s.lineup->SetCompactColumns(true);
        s.timeout = new QPushButton(side == CoachSide::Home ? QStringLiteral("&Home Timeout")
                                                            : QStringLiteral("&Away Timeout"),
                                    page);
        s.timeout->setObjectName(side == CoachSide::Home ? QStringLiteral("cmdHomeTimeout")
                                                         : QStringLiteral("cmdAwayTimeout"));
        s.timeout->setAutoDefault(false);
        connect(s.timeout, &QPushButton::clicked, this, [this, side] { CallTimeOut(side); });
        grid->addWidget(s.heading, 0, column);
        grid->addWidget(s.lineup, 1, column);
        grid->addWidget(s.timeout, 2, column, Qt::AlignLeft);
    }
    grid->setRowStretch(1, 1);
    return page;
}

QWidget* frmCoachGame::BuildSettingsPage(CoachSide side) {
    SidePanel& s = side_[Index(side)];
    const std::string prefix = side == CoachSide::Home ? "Home" : "Away";
    auto name = [&](const char* what) { return QByteArray::fromStdString(prefix + what); };
    auto* page = new QWidget(this);
    auto* outer = new QVBoxLayout(page);
    auto* heading = new QLabel(Q(game_.SettingsHeading(side)), page);
    heading->setObjectName(QString::fromLatin1(name("SettingsHeading")));
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    heading->setFont(bold);
    outer->addWidget(heading);
    s.coach = new QCheckBox(
        QStringLiteral("Coach this team (otherwise the computer substitutes and sets the pace)"), page);
    s.coach->setObjectName(QString::fromLatin1(name("Coach")));
    outer->addWidget(s.coach);

    auto* columns = new QHBoxLayout;
    auto* style = new QGroupBox(QStringLiteral("Style"), page);
    auto* styleForm = new QFormLayout(style);
    s.pace = SettingChoice(CoachingSetting::Pace, name("Pace").constData(), style);
    s.trap = SettingChoice(CoachingSetting::Trap, name("Trap").constData(), style);
    s.press = SettingChoice(CoachingSetting::Press, name("Press").constData(), style);
    s.offense = SettingChoice(CoachingSetting::Offense, name("Offense").constData(), style);
    styleForm->addRow(QStringLiteral("Pace"), s.pace);
    styleForm->addRow(QStringLiteral("Trap"), s.trap);
    styleForm->addRow(QStringLiteral("Press"), s.press);
    styleForm->addRow(QStringLiteral("Offense"), s.offense);
    auto* keys = new QGroupBox(QStringLiteral("Key players"), page);
    auto* keyForm = new QFormLayout(keys);
    for (int k = 0; k < 3; ++k) {
        s.keys[static_cast<size_t>(k)] = new QComboBox(keys);
        s.keys[static_cast<size_t>(k)]->setObjectName(QString::fromLatin1(name("Key")) +
                                                      QString::number(k + 1));
        keyForm->addRow(QStringLiteral("Key player %1").arg(k + 1), s.keys[static_cast<size_t>(k)]);
    }
    auto* styleColumn = new QVBoxLayout;
    styleColumn->addWidget(style);
    styleColumn->addWidget(keys);
    styleColumn->addStretch(1);

    auto* court = new QGroupBox(QStringLiteral("On the court (and whom each guards)"), page);
    auto* courtGrid = new QGridLayout(court);
    for (int slot = 1; slot <= 5; ++slot) {
        const size_t i = static_cast<size_t>(slot - 1);
        s.court[i] = new QComboBox(court);
        s.court[i]->setObjectName(QString::fromLatin1(name("Slot")) + QLatin1String(kSlotText[i]));
        s.court[i]->setMinimumContentsLength(18);
        s.matchups[i] = new QComboBox(court);
        s.matchups[i]->setObjectName(QString::fromLatin1(name("Guards")) + QLatin1String(kSlotText[i]));
        for (const char* text : kSlotText)
            s.matchups[i]->addItem(QStringLiteral("guards %1").arg(QLatin1String(text)));
        courtGrid->addWidget(new QLabel(QLatin1String(kSlotText[i]), court), slot - 1, 0);
        courtGrid->addWidget(s.court[i], slot - 1, 1);
        courtGrid->addWidget(s.matchups[i], slot - 1, 2);
    }
    columns->addWidget(court, 3);
    columns->addLayout(styleColumn, 2);
    outer->addLayout(columns);
    outer->addStretch(1);
    Connect(side);
    return page;
}

QWidget* frmCoachGame::BuildBoxPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    for (CoachSide side : {CoachSide::Away, CoachSide::Home}) {
        SidePanel& s = side_[Index(side)];
        s.box = NewReportView(side == CoachSide::Home ? "lstHomeBox" : "lstAwayBox", page);
        s.box->SetCompactColumns(true);
        layout->addWidget(new QLabel(Q(game_.Name(side)), page));
        layout->addWidget(s.box, 1);
    }
    return page;
}

void frmCoachGame::Connect(CoachSide side) {
    SidePanel& s = side_[Index(side)];
    connect(s.coach, &QCheckBox::toggled, this, [this, side](bool on) {
        if (filling_) return;
        game_.SetCoach(side, on);
        Refresh();
    });
    auto setting = [this](QComboBox* box, std::function<void(int)> set) {
        connect(box, &QComboBox::activated, this, [this, set](int index) {
            if (filling_) return;
            set(index);
            Refresh();
        });
    };
    setting(s.pace, [this, side](int i) { game_.SetPace(side, i); });
    setting(s.trap, [this, side](int i) { game_.SetTrap(side, i); });
    setting(s.press, [this, side](int i) { game_.SetPress(side, i); });
    setting(s.offense, [this, side](int i) { game_.SetOffense(side, i); });
    for (int slot = 1; slot <= 5; ++slot) {
        QComboBox* player = s.court[static_cast<size_t>(slot - 1)];
        setting(player, [this, side, slot, player](int i) {
            game_.SetLineUp(side, slot, static_cast<int16_t>(player->itemData(i).toInt()));
        });
        setting(s.matchups[static_cast<size_t>(slot - 1)],
                [this, side, slot](int i) { game_.SetMatchUp(side, slot, i); });
    }
    for (int k = 1; k <= 3; ++k) {
        QComboBox* key = s.keys[static_cast<size_t>(k - 1)];
        setting(key, [this, side, k, key](int i) {
            game_.SetKeyPlayer(side, k, static_cast<int16_t>(key->itemData(i).toInt()));
        });
    }
}

void frmCoachGame::RefreshChoices(CoachSide side) {
    SidePanel& s = side_[Index(side)];
    const League& league = game_.GameLeague();
    s.coach->setChecked(game_.Coached(side));
    SelectValue(s.pace, game_.Pace(side));
    SelectValue(s.trap, game_.Trap(side));
    SelectValue(s.press, game_.Press(side));
    SelectValue(s.offense, game_.Offense(side));
    const std::vector<int16_t> dressed = game_.Dressed(side);
    auto fill = [&](QComboBox* box, int16_t current) {
        box->clear();
        for (int16_t id : dressed) {
            const Player& p = league.player(id);
            QString text = Q(p.DefaultPosition + " " + p.Name);
            if (p.Game.Fouls >= 6) text += QStringLiteral(" (fouled out)");
            if (p.TimeInjured > 0) text += QStringLiteral(" (injured)");
            box->addItem(text, id);
        }
        box->setCurrentIndex(box->findData(current));
    };
    for (int slot = 1; slot <= 5; ++slot) {
        fill(s.court[static_cast<size_t>(slot - 1)], game_.OnCourt(side, slot));
        s.matchups[static_cast<size_t>(slot - 1)]->setCurrentIndex(game_.MatchUp(side, slot) - 1);
    }
    for (int k = 1; k <= 3; ++k)
        fill(s.keys[static_cast<size_t>(k - 1)], game_.KeyPlayer(side, k));
}

// The scoreboard and the line-ups, after every possession of a run.
void frmCoachGame::RefreshBoard() {
    const clsGame& g = game_.Game();
    caption_->setText(QStringLiteral("%1 %2  @  %3 %4")
                          .arg(Q(g.AwayName()))
                          .arg(g.AwayScore())
                          .arg(Q(g.HomeName()))
                          .arg(g.HomeScore()));
    const int period = game_.Period();
    QString when = game_.Over()  ? QStringLiteral("Final")
                   : period <= 4 ? QStringLiteral("Quarter %1  %2").arg(period).arg(Q(g.DisplayTime()))
                                 : QStringLiteral("Overtime %1  %2").arg(period - 4).arg(Q(g.DisplayTime()));
    if (!game_.Over() && g.TimeRemaining() > 0)
        when += QStringLiteral("   %1 ball").arg(Q(g.Possession() == "Home" ? g.HomeName() : g.AwayName()));
    clock_->setText(when);
    score_->SetTable(CoachScoreTable(game_));
    for (CoachSide side : {CoachSide::Away, CoachSide::Home}) {
        SidePanel& s = side_[Index(side)];
        s.heading->setText(Q(game_.Name(side)) + (game_.Coached(side) ? QStringLiteral(" (you coach)")
                                                                      : QStringLiteral(" (computer)")));
        s.lineup->SetTable(CoachLineupTable(game_, side));
    }
}

void frmCoachGame::RefreshBox() {
    const BoxScore box = BuildBoxScore(game_.GameLeague(), game_.Game().Finished(), 0);
    side_[0].box->SetTable(BoxPlayersTable(box.Home));
    side_[1].box->SetTable(BoxPlayersTable(box.Away));
}

void frmCoachGame::Refresh() {
    RefreshBoard();
    RefreshBox();
    filling_ = true;
    for (CoachSide side : {CoachSide::Away, CoachSide::Home})
        RefreshChoices(side);
    filling_ = false;
    EnableCommands();
}

void frmCoachGame::EnableCommands() {
    const bool running = game_.Running();
    const bool playable = !running && !game_.Over();
    for (const char* name : {"cmdSimPossession", "cmdSimQuarter", "cmdSimGame"})
        Command(name)->setEnabled(playable);
    Command("cmdStop")->setEnabled(running);
    Command("cmdExit")->setEnabled(!running);
    const clsGame& g = game_.Game();
    for (CoachSide side : {CoachSide::Away, CoachSide::Home}) {
        SidePanel& s = side_[Index(side)];
        const int left = side == CoachSide::Home ? g.HomeTimeOuts() : g.AwayTimeOuts();
        s.timeout->setEnabled(!game_.Over() && left > 0 && pendingTimeout_ < 0);
        const bool editable = playable;
        s.coach->setEnabled(editable);
        for (QComboBox* box : {s.pace, s.trap, s.press, s.offense})
            box->setEnabled(editable);
        for (QComboBox* box : s.keys)
            box->setEnabled(editable);
        for (size_t i = 0; i < 5; ++i) {
            s.court[i]->setEnabled(editable && game_.Coached(side));
            s.matchups[i]->setEnabled(editable);
        }
    }
}

QPushButton* frmCoachGame::Command(const char* name) const {
    return findChild<QPushButton*>(QLatin1String(name));
}

int frmCoachGame::DelayMs() const {
    return kDelays[std::clamp(speed_ ? speed_->value() : 6, 0, kInstant)];
}

// One queued line to the list (all of them at the instant speed), the last one selected so that the list
// scrolls with the game.
void frmCoachGame::ShowNextLine() {
    if (queue_.empty()) return;
    const bool all = speed_->value() == kInstant || stop_;
    do {
        pbp_->addItem(queue_.front());
        queue_.pop_front();
    } while (all && !queue_.empty());
    pbp_->setCurrentRow(pbp_->count() - 1);
}

// The game waits for its lines: the next possession begins once the last one's lines are shown.
void frmCoachGame::WaitForTheDisplay() {
    if (speed_->value() == kInstant || stop_) {
        // No delay: the lines and a look at the events (a Stop, a timeout) every few possessions, so that
        // painting does not cost more than playing.
        if (++instantSteps_ % 12 == 0 || stop_) {
            ShowNextLine();
            QCoreApplication::processEvents();
        }
        return;
    }
    while (!queue_.empty() && !stop_ && speed_->value() != kInstant)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents, 50);
    ShowNextLine();
}

void frmCoachGame::Simulate(CoachSim span) {
    if (game_.Running() || game_.Over()) return;
    pbp_->clear();
    queue_.clear();
    stop_ = false;
    pendingTimeout_ = -1;
    if (std::optional<std::string> fault = game_.LineupFault()) {
        host_.ShowMessage(*fault, "Roster Error", MessageIcon::Warning);
        tabs_->setCurrentIndex(0);
        return;
    }
    for (const char* name : {"cmdSimPossession", "cmdSimQuarter", "cmdSimGame", "cmdExit"})
        Command(name)->setEnabled(false);
    Command("cmdStop")->setEnabled(true);
    Command("cmdStop")->setFocus();
    int possessions = 0;
    game_.Sim(span, host_, [&] {
        WaitForTheDisplay();
        // At the instant speed the screen keeps up every few possessions; a slower game after each one. The
        // box score fills while its page is shown; the choices wait for the end of the run.
        if (speed_->value() != kInstant || ++possessions % 25 == 0) {
            RefreshBoard();
            if (tabs_->currentIndex() == tabs_->count() - 1) RefreshBox();
            EnableCommands();
        }
        return !stop_;
    });
    ShowNextLine();
    if (pendingTimeout_ >= 0) {
        const CoachSide side = pendingTimeout_ == 0 ? CoachSide::Home : CoachSide::Away;
        pendingTimeout_ = -1;
        game_.TimeOut(side);
        ShowNextLine();
    }
    stop_ = false;
    Refresh();
    if (game_.Over()) Command("cmdExit")->setFocus();
    if (closeAfterRun_) reject();
}

// A timeout stops a running simulation first; it is called as soon as the possession ends.
void frmCoachGame::CallTimeOut(CoachSide side) {
    if (game_.Running()) {
        pendingTimeout_ = Index(side);
        stop_ = true;
        EnableCommands();
        return;
    }
    game_.TimeOut(side);
    ShowNextLine();
    Refresh();
}

// Leaving before the end asks; the engine then plays the rest. The play-by-play file is written and the
// statistics saved once, when the screen closes.
bool frmCoachGame::LeaveGame() {
    if (game_.Running()) {
        stop_ = true;
        closeAfterRun_ = true;
        return false;
    }
    closeAfterRun_ = false;
    if (!game_.Over() &&
        !host_.AskYesNo("The game is not over. Leave the bench now? The computer will play the rest of the "
                        "game, so that the schedule, the statistics and the game's files stay whole.",
                        "Coach Game"))
        return false;
    try {
        game_.Finish();
    } catch (const std::exception& e) {
        host_.ShowMessage(std::string("The game's files could not be written: ") + e.what(), "Error",
                          MessageIcon::Critical);
    }
    return true;
}

void frmCoachGame::reject() {
    if (LeaveGame()) QDialog::reject();
}

} // namespace hv
