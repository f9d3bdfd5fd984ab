#include "frm_history_screens.h"

#include "reports/awards_tables.h"
#include "reports/history_tables.h"
#include "reports/records_tables.h"
#include "team_choices.h"

namespace hv {

namespace {

// The seasons with awards of the kind, latest first; the current season when there is none yet.
std::vector<int16_t> AwardSeasons(const League& league, bool weekly) {
    std::vector<int16_t> seasons = SeasonsWithAwards(league, weekly);
    if (seasons.empty()) seasons.push_back(league.state.Season);
    return seasons;
}

std::unique_ptr<TableScreen> SeasonScreen(const League& league, const QString& title, bool weekly,
                                          ReportTable (*table)(const League&, int16_t), QWidget* parent) {
    std::vector<int16_t> seasons = AwardSeasons(league, weekly);
    auto screen = std::make_unique<TableScreen>(
        title, [&league, seasons, table](int choice) { return table(league, seasons.at(size_t(choice))); },
        parent);
    QStringList choices;
    for (int16_t s : seasons)
        choices << QString::number(s);
    screen->SetChoices(QStringLiteral("&Season:"), choices);
    return screen;
}

} // namespace

std::unique_ptr<TableScreen> MakeSeasonAwardsScreen(const League& league, QWidget* parent) {
    return SeasonScreen(league, QStringLiteral("Regular Season Awards"), false, SeasonAwardsTable, parent);
}

std::unique_ptr<TableScreen> MakeInSeasonAwardsScreen(const League& league, QWidget* parent) {
    return SeasonScreen(league, QStringLiteral("Weekly/Monthly Awards"), true, InSeasonAwardsTable, parent);
}

std::unique_ptr<TableScreen> MakeTeamPerformanceScreen(const League& league, QWidget* parent) {
    auto screen = std::make_unique<TableScreen>(
        QStringLiteral("Historical Team Performance"),
        [&league](int team) { return TeamPerformanceTable(league, team); }, parent);
    screen->SetChoices(QStringLiteral("&Team:"), AllTeamChoices(league));
    return screen;
}

std::unique_ptr<TableScreen> MakeVsOpponentsScreen(const League& league, QWidget* parent) {
    auto screen = std::make_unique<TableScreen>(
        QStringLiteral("Record Vs. Opponents"),
        [&league](int choice) { return VsOpponentsTable(league, choice + 1); }, parent);
    screen->SetChoices(QStringLiteral("&Team:"), TeamChoices(league), DefaultTeamChoice(league));
    return screen;
}

std::unique_ptr<TableScreen> MakeTeamRecordsScreen(const League& league, QWidget* parent) {
    auto screen = std::make_unique<TableScreen>(
        QStringLiteral("Team Records"), [&league](int team) { return TeamRecordsTable(league, team); },
        parent);
    screen->SetChoices(QStringLiteral("&Team:"), QStringList{QStringLiteral("League")} + TeamChoices(league));
    return screen;
}

std::unique_ptr<TableScreen> MakeAllStarWinnersScreen(const League& league, QWidget* parent) {
    auto screen = std::make_unique<TableScreen>(
        QStringLiteral("All-Star Weekend Winners"), [&league](int) { return AllStarWinnersTable(league); },
        parent);
    screen->Refresh(); // no choice box to fill it
    return screen;
}

std::unique_ptr<TableScreen> MakePlayerRecordsScreen(const League& league, RecordBookKind kind,
                                                     QWidget* parent) {
    const QString title = kind == RecordBookKind::Game     ? QStringLiteral("Player Game Records")
                          : kind == RecordBookKind::Season ? QStringLiteral("Player Season Records")
                                                           : QStringLiteral("Player Career Records");
    auto screen = std::make_unique<TableScreen>(
        title,
        [&league, kind](int category) {
            return PlayerRecordsTable(league, kind, category, RecordPositions(kind));
        },
        parent);
    QStringList categories;
    for (const RecordCategory& c : RecordCategories(kind))
        categories << QString::fromUtf8(c.title);
    screen->SetChoices(QStringLiteral("C&ategory:"), categories);
    return screen;
}

std::unique_ptr<TableScreen> MakeHallOfFameScreen(const League& league, QWidget* parent) {
    auto screen = std::make_unique<TableScreen>(
        QStringLiteral("Hall of Fame"), [&league](int) { return HallOfFameTable(league); }, parent);
    screen->Refresh(); // no choice box to fill it
    return screen;
}

} // namespace hv
