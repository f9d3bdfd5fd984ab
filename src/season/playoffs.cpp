#include "season/playoffs.h"

#include <algorithm>
#include <vector>

#include "league/season_archive.h"
#include "season/award_record.h"
#include "season/injuries.h"
#include "season/performance_rating.h"
#include "season/roster_checks.h"
#include "season/roster_manager.h"
#include "season/schedule.h"
#include "season/season_hooks.h"
#include "season/standings.h"

namespace hv {

namespace {

constexpr int kFinals = 15;
constexpr int kLastPlayoffSeasonDay = 169;
constexpr int kPlayoffMVPPoints = 500;

// The game days of each stage, and whose home each is: 2-2-1-1-1, the finals 2-3-2.
struct GameDay {
    int day;
    char home;
};
constexpr std::array<std::array<GameDay, 7>, 4> kStageGameDays{{
    {{{122, 'A'}, {123, 'A'}, {125, 'B'}, {126, 'B'}, {128, 'A'}, {130, 'B'}, {131, 'A'}}},
    {{{133, 'A'}, {134, 'A'}, {136, 'B'}, {137, 'B'}, {139, 'A'}, {141, 'B'}, {143, 'A'}}},
    {{{145, 'A'}, {146, 'A'}, {148, 'B'}, {149, 'B'}, {151, 'A'}, {153, 'B'}, {155, 'A'}}},
    {{{157, 'A'}, {158, 'A'}, {160, 'B'}, {161, 'B'}, {162, 'B'}, {164, 'A'}, {165, 'A'}}},
}};

// The first-stage pairings of each conference, by seed, the better seed first.
constexpr std::array<std::array<int, 2>, 4> kFirstStagePairs{{{1, 8}, {4, 5}, {2, 7}, {3, 6}}};

PlayoffSeries& Series(League& league, int number) {
    return league.tables.playoffTree.at(static_cast<size_t>(number));
}

// The series of the current stage between these two teams that is still open; null when there is none.
PlayoffSeries* OpenSeriesOf(League& league, int a, int b) {
    for (int n = 1; n <= kPlayoffSeries; ++n) {
        PlayoffSeries& s = Series(league, n);
        if (s.Finished) continue;
        if ((s.TeamA == a && s.TeamB == b) || (s.TeamA == b && s.TeamB == a)) return &s;
    }
    return nullptr;
}

// The champion's honours and the season's final in the archive.
void CrownChampion(League& league, Host& host) {
    const PlayoffSeries& final = Series(league, kFinals);
    const int champion = SeriesWinner(final);
    if (champion == 0) return;
    const int runnerUp = champion == final.TeamA ? final.TeamB : final.TeamA;
    Team& winner = league.team(champion);
    ++winner.Championships;
    ++winner.FinalsAppearances;
    ++league.team(runnerUp).FinalsAppearances;
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        Player& p = league.player(id);
        if (!p.IsEmpty() && p.Team == winner.Name) ++p.Championships;
    }
    SeasonArchive& archive = ArchiveOf(league, league.state.Season);
    archive.Champion = winner.Name;
    archive.RunnerUp = league.team(runnerUp).Name;
    archive.ChampionWins = champion == final.TeamA ? final.WinsA : final.WinsB;
    archive.RunnerUpWins = champion == final.TeamA ? final.WinsB : final.WinsA;
    NamePlayoffMVP(league, host);
}

} // namespace

PlayoffDay PlayoffCalendar(int day) {
    for (size_t stage = 0; stage < kStageGameDays.size(); ++stage)
        for (const GameDay& g : kStageGameDays[stage])
            if (g.day == day) return {static_cast<int>(stage) + 1, g.home};
    return {};
}

std::array<int, kPlayoffSeeds + 1> PlayoffSeeds(const League& league, const std::string& conference) {
    std::vector<int> teams;
    for (int t = 1; t <= kLeagueTeams; ++t)
        if (league.team(t).Conference == conference && league.team(t).ConfRank >= 1) teams.push_back(t);
    std::stable_sort(teams.begin(), teams.end(),
                     [&](int a, int b) { return league.team(a).ConfRank < league.team(b).ConfRank; });
    std::array<int, kPlayoffSeeds + 1> seeds{};
    if (teams.size() < static_cast<size_t>(kPlayoffSeeds)) return seeds;
    std::vector<int> seeded(teams.begin(), teams.begin() + kPlayoffSeeds);

    const std::string& firstDivision = league.team(seeded[0]).Division;
    if (league.team(seeded[1]).Division == firstDivision) {
        auto other = std::find_if(seeded.begin() + 2, seeded.end(),
                                  [&](int t) { return league.team(t).Division != firstDivision; });
        if (other != seeded.end()) {
            // The best-placed team of the other division moves up to seed 2, the teams between move down.
            std::rotate(seeded.begin() + 1, other, other + 1);
        } else {
            // Nobody of the other division qualified: its leader enters as seed 2 and the eighth drops out.
            auto leader = std::find_if(teams.begin(), teams.end(), [&](int t) {
                return league.team(t).Division != firstDivision && league.team(t).DivRank == 1;
            });
            if (leader != teams.end()) {
                seeded.insert(seeded.begin() + 1, *leader);
                seeded.pop_back();
            }
        }
    }
    for (int s = 1; s <= kPlayoffSeeds; ++s)
        seeds[static_cast<size_t>(s)] = seeded[static_cast<size_t>(s - 1)];
    return seeds;
}

bool BeginPlayoffs(League& league, Host& host) {
    SeasonState& state = league.state;
    if (state.SeasonDay != Phase::FirstPlayoffDay) {
        host.ShowMessage("The playoffs begin when the regular season is over (day 121).", "Playoffs",
                         MessageIcon::Warning);
        return false;
    }
    UpdateWinningPercentages(league);
    ComputeStandings(league);
    std::array<std::array<int, kPlayoffSeeds + 1>, 2> seeds{};
    for (size_t c = 0; c < kConferences.size(); ++c) {
        seeds[c] = PlayoffSeeds(league, kConferences[c]);
        if (seeds[c][kPlayoffSeeds] == 0) {
            host.ShowMessage(std::string("The ") + kConferences[c] +
                                 " conference has fewer than eight teams: the playoffs cannot be drawn.",
                             "Playoffs", MessageIcon::Warning);
            return false;
        }
    }

    auto& tree = league.tables.playoffTree;
    tree.fill(PlayoffSeries{});
    for (int t = 1; t <= kLeagueTeams; ++t)
        league.team(t).PlayoffBracket() = 0;
    for (size_t c = 0; c < seeds.size(); ++c) {
        for (size_t k = 0; k < kFirstStagePairs.size(); ++k) {
            PlayoffSeries& s = tree[c * kFirstStagePairs.size() + k + 1];
            s.TeamA = static_cast<int16_t>(seeds[c][static_cast<size_t>(kFirstStagePairs[k][0])]);
            s.TeamB = static_cast<int16_t>(seeds[c][static_cast<size_t>(kFirstStagePairs[k][1])]);
        }
    }
    // Games of an earlier run of the calendar days would be played again: the days start empty.
    for (int d = Phase::FirstPlayoffDay; d <= kScheduleDays; ++d)
        league.schedule[static_cast<size_t>(d)] = ScheduleDay{};
    SchedulePlayoffDay(league, host);
    state.SeasonDay = kFirstPlayoffGameDay;

    for (size_t c = 0; c < seeds.size(); ++c) {
        for (int k = 1; k <= static_cast<int>(kFirstStagePairs.size()); ++k) {
            const PlayoffSeries& s = tree[c * kFirstStagePairs.size() + static_cast<size_t>(k)];
            league.team(s.TeamA).PlayoffBracket() = static_cast<int16_t>(k);
            league.team(s.TeamB).PlayoffBracket() = static_cast<int16_t>(kPlayoffSeeds + 1 - k);
        }
        for (int s = 1; s <= kPlayoffSeeds; ++s) {
            Team& team = league.team(seeds[c][static_cast<size_t>(s)]);
            ++team.Playoffs;
            team.LastPlayoffYear = state.Season;
        }
    }
    PreparePlayoffRosters(league);
    return true;
}

std::unique_ptr<League> PlayoffsDrawnOnCopy(const League& league, Host& host) {
    auto copy = std::make_unique<League>(league);
    if (!BeginPlayoffs(*copy, host)) return nullptr;
    return copy;
}

int PlayoffSeedOf(const Team& team) {
    // Team A of the k-th series of its conference has bracket number k, team B 9 - k.
    const int bracket = team.PlayoffBracket();
    const int pairs = static_cast<int>(kFirstStagePairs.size());
    if (bracket >= 1 && bracket <= pairs) return kFirstStagePairs[static_cast<size_t>(bracket - 1)][0];
    if (bracket > pairs && bracket <= kPlayoffSeeds)
        return kFirstStagePairs[static_cast<size_t>(kPlayoffSeeds - bracket)][1];
    return 0;
}

void SchedulePlayoffDay(League& league, Host& host) {
    const int day = league.state.SeasonDay + 1;
    for (const PlayoffStage& stage : kPlayoffStages)
        if (day == stage.endDay) {
            AdvanceStage(league, host);
            return;
        }
    const PlayoffDay plan = PlayoffCalendar(day);
    if (plan.stage == 0) return;
    const PlayoffStage& stage = kPlayoffStages[static_cast<size_t>(plan.stage - 1)];
    for (int n = stage.firstSeries; n <= stage.lastSeries; ++n) {
        const PlayoffSeries& s = Series(league, n);
        if (s.Finished || s.TeamA == 0 || s.TeamB == 0) continue;
        const std::string& a = league.team(s.TeamA).Name;
        const std::string& b = league.team(s.TeamB).Name;
        if (plan.home == 'A')
            AddScheduledGame(league, day, a, b);
        else
            AddScheduledGame(league, day, b, a);
    }
}

bool PlayPlayoffGame(League& league, Host& host, SimRun& run, int day, int game) {
    if (day != league.state.SeasonDay || game < 1 || game > kGamesPerDay) return false;
    const ScheduledGame& entry =
        league.schedule.at(static_cast<size_t>(day)).Games[static_cast<size_t>(game)];
    const bool playedBefore = entry.Played;
    if (!PlayGameOfDay(league, host, run, day, game, "Playoff")) return false;
    if (playedBefore || !entry.Played) return true;
    const int home = league.FindTeam(entry.HomeTeam);
    const int away = league.FindTeam(entry.AwayTeam);
    if (PlayoffSeries* s = OpenSeriesOf(league, home, away)) {
        const int winner = entry.HomeScore > entry.AwayScore ? home : away;
        int16_t& wins = winner == s->TeamA ? s->WinsA : s->WinsB;
        ++wins;
        if (wins >= kWinsToAdvance) s->Finished = true;
    }
    return true;
}

void EndPlayoffDay(League& league, Host& host) {
    SeasonState& state = league.state;
    if (state.SiteDuringSim) WriteDailyPage(league, host);
    if (state.SeasonDay < Phase::LastPlayoffDay) SchedulePlayoffDay(league, host);
    if (state.SeasonDay < kLastPlayoffSeasonDay) ++state.SeasonDay;
    ReportInjuries(league, host);
    HealOneDayPlayoffs(league);
}

DayResult SimPlayoffDay(League& league, Host& host, SimRun& run, int day) {
    SeasonState& s = league.state;
    const int last = std::min(day, kPlayoffsOver - 1);
    while (s.SeasonDay >= kFirstPlayoffGameDay && s.SeasonDay <= last && !host.StopRequested()) {
        const int today = s.SeasonDay;
        const ScheduleDay& games = league.schedule.at(static_cast<size_t>(today));
        if (!CheckHumanTeamsOfDay(league, host, today)) return DayResult::Stopped;
        if (run.onDayStart) run.onDayStart(today);
        if (games.NumGames == 0 && !run.unattended && run.onResult) run.onResult("No games today.", 0);
        bool stopped = false;
        for (int g = 1; g <= std::min<int>(games.NumGames, kGamesPerDay) && !stopped; ++g) {
            if (games.Games[static_cast<size_t>(g)].Played) continue;
            stopped = !PlayPlayoffGame(league, host, run, today, g);
            host.PumpEvents();
        }
        if (!GameFilesWritten(host, run) || stopped) return DayResult::Stopped;
        EndPlayoffDay(league, host);
    }
    return DayResult::Completed;
}

int SeriesWinner(const PlayoffSeries& s) {
    if (s.TeamA == 0 || s.TeamB == 0) return 0;
    return s.WinsB > s.WinsA ? s.TeamB : s.TeamA;
}

void AdvanceStage(League& league, Host& host) {
    const int day = league.state.SeasonDay;
    if (day == kPlayoffStages.back().endDay - 1) {
        CrownChampion(league, host);
        return;
    }
    for (size_t i = 0; i + 1 < kPlayoffStages.size(); ++i) {
        const PlayoffStage& ending = kPlayoffStages[i];
        if (day != ending.endDay - 1) continue;
        int next = kPlayoffStages[i + 1].firstSeries;
        for (int n = ending.firstSeries; n < ending.lastSeries; n += 2, ++next) {
            const int first = SeriesWinner(Series(league, n));
            const int second = SeriesWinner(Series(league, n + 1));
            const bool secondAtHome = league.team(second).Wins() > league.team(first).Wins();
            PlayoffSeries& s = Series(league, next);
            s = PlayoffSeries{};
            s.TeamA = static_cast<int16_t>(secondAtHome ? second : first);
            s.TeamB = static_cast<int16_t>(secondAtHome ? first : second);
        }
        return;
    }
}

int NamePlayoffMVP(League& league, Host& host) {
    const int champion = PlayoffChampion(league);
    if (champion == 0) return 0;
    const std::string& name = league.team(champion).Name;
    int best = 0, bestTotal = 0;
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = league.player(id);
        if (p.IsEmpty() || p.Name == "n/a" || p.Team != name) continue;
        int total = 0;
        for (const GameLogEntry& g : p.GameLog)
            if (g.SeasonDay >= kFirstPlayoffGameDay) total += GamePerformanceRating(g);
        if (best == 0 || total > bestTotal) {
            best = id;
            bestTotal = total;
        }
    }
    if (best == 0) return 0;
    league.player(best).CAREERPOINTS += kPlayoffMVPPoints;
    RecordAward(league, host, best, "PlayoffMVP");
    AddPlayerAward(league, best, "Playoff MVP");
    return best;
}

int PlayoffChampion(const League& league) {
    const PlayoffSeries& final = league.tables.playoffTree[kFinals];
    return final.Finished ? SeriesWinner(final) : 0;
}

} // namespace hv
