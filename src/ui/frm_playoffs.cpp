#include "frm_playoffs.h"

#include <QHBoxLayout>
#include <QHeaderView>

#include "dialog_fit.h"

#include "league/league_options.h"
#include "league/status_line.h"
#include "reports/playoff_tables.h"
#include "reports/schedule_table.h"
#include "season/playoffs.h"

namespace hv {

namespace {
// The series of a bracket: eight first-round series, four, two and the finals.
constexpr int kBracketRows = 15;
} // namespace

frmPlayoffs::frmPlayoffs(League& league, Host& host, QWidget* parent)
    : SimScreen(league, host, QStringLiteral("Playoffs"), parent) {
    setObjectName(QStringLiteral("frmPlayoffs"));
    champion_ = new QLabel(this);
    champion_->setObjectName(QStringLiteral("lblChampion"));

    bracket_ = new ReportView(this);
    bracket_->setObjectName(QStringLiteral("lstBracket"));
    series_ = new ReportView(this);
    series_->setObjectName(QStringLiteral("lstSeries"));
    today_ = new ReportView(this);
    today_->setObjectName(QStringLiteral("lstToday"));
    connect(bracket_, &ReportView::selectedKeyChanged, this, [this] { ShowSeries(); });

    auto* bracketPage = new QWidget(this);
    auto* bracketLayout = new QVBoxLayout(bracketPage);
    bracketLayout->addWidget(bracket_);
    auto* seriesLabel = new QLabel(QStringLiteral("Games of the s&elected series:"), bracketPage);
    seriesLabel->setBuddy(series_);
    bracketLayout->addWidget(seriesLabel);
    bracketLayout->addWidget(series_, 1);
    tabs_ = new QTabWidget(this);
    tabs_->addTab(bracketPage, QStringLiteral("Brac&ket"));
    tabs_->addTab(today_, QStringLiteral("Today's &Games"));
    lists_->addWidget(champion_);
    lists_->addWidget(tabs_);
    options_->addStretch();

    AddCommand("cmdSim", QStringLiteral("&Sim"),
               [this] { return RunPlayoffCommand(league_, RunHost(), run_, PlayoffSpan::Day); });
    AddCommand("cmdSimAll", QStringLiteral("Sim &All"),
               [this] { return RunPlayoffCommand(league_, RunHost(), run_, PlayoffSpan::All); });
    AddCommand("cmdSimGame", QStringLiteral("Sim Ga&me"), [this]() -> SimReport {
        const int game = GameToPlay();
        if (game == 0) {
            host_.ShowMessage("Every game of today has been played.", "Sim Game", MessageIcon::Information);
            return {};
        }
        return RunPlayoffGame(league_, RunHost(), run_, game);
    });
    AddViewButton("cmdBox", QStringLiteral("&Box Score"), [this] {
        OpenBox(tabs_->currentIndex() == 0 ? series_->SelectedKey() : today_->SelectedKey());
    });

    Refresh();
    bracket_->SelectKey(1);
    // The bracket shows all its series without scrolling; the result lines below take what is left.
    bracket_->setMinimumHeight(bracket_->horizontalHeader()->sizeHint().height() +
                               kBracketRows * bracket_->verticalHeader()->defaultSectionSize() +
                               2 * bracket_->frameWidth());
    series_->setMinimumHeight(series_->horizontalHeader()->sizeHint().height() +
                              3 * series_->verticalHeader()->defaultSectionSize() +
                              2 * series_->frameWidth());
    splitter_->setStretchFactor(0, 1);
    splitter_->setStretchFactor(1, 0);
    ResizeWithinScreen(*this, {860, 720});
    splitter_->setSizes({splitter_->widget(0)->minimumSizeHint().height(), height()});
}

int frmPlayoffs::GameToPlay() const {
    const int day = league_.state.SeasonDay;
    if (day < 1 || day > kScheduleDays) return 0;
    const int key = today_->SelectedKey();
    const ScheduleDay& games = league_.schedule[static_cast<size_t>(day)];
    if (DayOfGameKey(key) == day && !games.Games[static_cast<size_t>(GameOfGameKey(key))].Played)
        return GameOfGameKey(key);
    for (int g = 1; g <= std::min<int>(games.NumGames, kGamesPerDay); ++g)
        if (!games.Games[static_cast<size_t>(g)].Played) return g;
    return 0;
}

void frmPlayoffs::ShowSeries() {
    series_->SetTable(SeriesGamesTable(league_, bracket_->SelectedKey()));
    series_->resizeColumnsToContents();
}

void frmPlayoffs::Refresh() {
    const int day = league_.state.SeasonDay;
    heading_->setText(QString::fromStdString(StatusLine(league_.state)));
    QStringList champion;
    for (const std::string& line : ChampionLines(league_))
        champion << QString::fromStdString(line);
    champion_->setText(champion.join(QStringLiteral("    ")));
    champion_->setVisible(!champion.isEmpty());
    const int selected = bracket_->SelectedKey();
    bracket_->SetTable(BracketTable(league_));
    bracket_->resizeColumnsToContents();
    if (selected) bracket_->SelectKey(selected);
    ShowSeries();
    const bool gameDay = day > Phase::FirstPlayoffDay && day <= kScheduleDays;
    today_->SetTable(ScheduleTable(league_, 0, gameDay ? day : -1));
    today_->resizeColumnsToContents();
    tabs_->setTabText(1, gameDay && league_.schedule[static_cast<size_t>(day)].NumGames == 0
                             ? QStringLiteral("Today's &Games: No games today.")
                             : QStringLiteral("Today's &Games"));
    const bool open = PlayoffDayToPlay(league_);
    EnableCommand("cmdSim", open);
    EnableCommand("cmdSimAll", open);
    EnableCommand("cmdSimGame", open && GameToPlay() != 0);
}

void OpenPlayoffs(League& league, Host& host, QWidget* parent) {
    if (league.state.SeasonDay == Phase::FirstPlayoffDay) {
        if (!CheckMaySimulate(league.state, host)) return;
        if (!BeginPlayoffs(league, host)) return;
    }
    frmPlayoffs screen(league, host, parent);
    screen.exec();
}

} // namespace hv
