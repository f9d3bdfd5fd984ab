#include "frm_sim_games.h"

#include "frm_all_star.h"
#include "league/status_line.h"
#include "reports/schedule_table.h"

namespace hv {

frmSimGames::frmSimGames(League& league, Host& host, QWidget* parent)
    : SimScreen(league, host, QStringLiteral("Sim Games"), parent) {
    setObjectName(QStringLiteral("frmSimGames"));
    games_ = new ReportView(this);
    games_->setObjectName(QStringLiteral("lstGames"));
    // Today's games at first; any other day's, played or to come, on the day chooser.
    day_ = new QSpinBox(this);
    day_->setObjectName(QStringLiteral("spnDay"));
    day_->setRange(1, kScheduleDays);
    day_->setToolTip(
        QStringLiteral("Show the games of another day; a played game's row opens its box score"));
    connect(day_, &QSpinBox::valueChanged, this, [this] { ShowDay(); });
    auto* gamesLabel = new QLabel(QStringLiteral("Games of &day:"), this);
    gamesLabel->setBuddy(day_);
    auto* dayRow = new QHBoxLayout;
    dayRow->addWidget(gamesLabel);
    dayRow->addWidget(day_);
    dayRow->addStretch();
    lists_->addLayout(dayRow);
    lists_->addWidget(games_);

    html_ = new QCheckBox(QStringLiteral("&HTML"), this);
    html_->setObjectName(QStringLiteral("chkHtml"));
    html_->setToolTip(
        QStringLiteral("Write the league site's day pages and box-score pages while simulating"));
    html_->setChecked(league.state.SiteDuringSim);
    connect(html_, &QCheckBox::toggled, this, [this](bool on) { league_.state.SiteDuringSim = on; });
    options_->addWidget(html_);
    options_->addStretch();

    auto span = [this](SimSpan s) {
        return [this, s] { return RunSimCommand(league_, RunHost(), run_, s); };
    };
    AddCommand("cmdSim", QStringLiteral("&Sim"), span(SimSpan::Day));
    AddCommand("cmdSimWeek", QStringLiteral("Sim &Week"), span(SimSpan::Week));
    AddCommand("cmdSimMonth", QStringLiteral("Sim &Month"), span(SimSpan::Month));
    AddCommand("cmdSimHalf", QStringLiteral("Sim H&alf"), span(SimSpan::Half));
    AddCommand("cmdSimSeason", QStringLiteral("Sim S&eason"), span(SimSpan::Season));
    AddCommand("cmdSimGame", QStringLiteral("Sim &Game"), [this]() -> SimReport {
        const int key = games_->SelectedKey();
        if (DayOfGameKey(key) != league_.state.SeasonDay) {
            host_.ShowMessage("Select one of today's games first.", "Sim Game", MessageIcon::Information);
            return {};
        }
        return RunSimGame(league_, RunHost(), run_, GameOfGameKey(key));
    });
    // The weekend of day 60 step by step; Sim Week and the longer spans play it at once.
    auto* allStar = AddCommand("cmdAllStar", QStringLiteral("A&ll-Star"), [this]() -> SimReport {
        const bool played = OpenAllStarScreen(league_, host_, this);
        return {played ? SimOutcome::Done : SimOutcome::Refused, 0};
    });
    allStar->setToolTip(QStringLiteral("Play the All-Star weekend step by step"));
    AddViewButton("cmdBox", QStringLiteral("&Box Score"), [this] { OpenBox(games_->SelectedKey()); });

    Refresh();
    heading_->setWordWrap(true);
    resize(760, 620);
}

void frmSimGames::ShowHeading() {
    QString heading = QString::fromStdString(StatusLine(league_.state));
    if (league_.state.SeasonDay == Phase::AllStarDay && !Running())
        heading +=
            QStringLiteral(" - the All-Star break: press All-Star to play the weekend step by step, or "
                           "Sim Week to play it at once.");
    heading_->setText(heading);
}

void frmSimGames::RunMoved() {
    // The heading and the day's games follow the league's day as a run goes on.
    ShowHeading();
    const int day = league_.state.SeasonDay;
    {
        QSignalBlocker quiet(day_);
        day_->setValue(day >= 1 && day <= kScheduleDays ? day : 1);
    }
    ShowDay();
}

void frmSimGames::Refresh() {
    const int day = league_.state.SeasonDay;
    RunMoved();
    const bool regular = RegularSeasonDay(league_);
    for (const char* name : {"cmdSim", "cmdSimWeek", "cmdSimMonth", "cmdSimSeason", "cmdSimGame"})
        EnableCommand(name, regular);
    EnableCommand("cmdSimHalf", regular && day < Phase::AllStarDay);
    EnableCommand("cmdAllStar", day == Phase::AllStarDay);
}

void frmSimGames::ShowDay() {
    games_->SetTable(ScheduleTable(league_, 0, day_->value()));
    games_->resizeColumnsToContents();
}

} // namespace hv
