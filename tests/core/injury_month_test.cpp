// A month of games with injuries: seven computer teams and one human team play every day; the day's
// injuries are reported, everybody heals, computer teams pick up free agents. Checked day by day: healing by
// exactly one day, computer teams legal before every game, IR returns on the day of recovery, the human
// team's notices.
#include <gtest/gtest.h>

#include <map>

#include "core/roster_test_support.h"
#include "engine/game.h"
#include "league/startup.h"
#include "platform/scripted_host.h"
#include "season/injuries.h"
#include "season/roster_checks.h"
#include "season/roster_manager.h"
#include "season/transactions.h"
#include "support/temp_home.h"

namespace hv {
namespace {

constexpr int kTeams = 8;
constexpr int kHuman = 8;
constexpr int kDays = 30;

// Round `round` of a round robin of kTeams teams (circle method): kTeams / 2 pairs.
std::vector<std::pair<int, int>> Round(int round) {
    std::vector<int> circle{1};
    for (int k = 0; k < kTeams - 1; ++k)
        circle.push_back(2 + (k + round) % (kTeams - 1));
    std::vector<std::pair<int, int>> games;
    for (int i = 0; i < kTeams / 2; ++i)
        games.push_back({circle[static_cast<size_t>(i)], circle[static_cast<size_t>(kTeams - 1 - i)]});
    return games;
}

int CountContaining(const std::vector<std::string>& texts, const std::string& part) {
    int n = 0;
    for (const std::string& t : texts)
        n += t.find(part) != std::string::npos;
    return n;
}

TEST(InjuryMonth, HealingReturnsAndNoticesOverThirtyDays) {
    test::TempHome home;
    test::RosterLeague rl(2024);
    League& league = rl.league;
    league.programFolder = home.path();
    league.state.LeagueName = "Month";
    EnsureLeagueFolders(home.path(), "Month");
    league.state.LeagueInjuries = true;
    league.state.ScreenInjuries = true;
    for (int t = kTeams + 1; t <= kLeagueTeams; ++t)
        SetHuman(league.team(t), true); // empty slots, left alone by the league-wide steps
    for (int t = 1; t <= kTeams; ++t)
        rl.Fill(t, 13);
    SetHuman(league.team(kHuman), true);
    // The human team starts with a player on injured reserve who is well in three days.
    const int resting = RosterOf(league, kHuman).back();
    PlaceOnIR(league, resting);
    league.player(resting).TimeInjured = 3;
    rl.FreeAgents(8, 55);
    ASSERT_TRUE(CampCuts(league));

    ScriptedHost host; // the user answers Yes to every question
    Random pick(77);
    int injuries = 0, humanLongInjuries = 0;
    for (int day = 1; day <= kDays; ++day) {
        league.state.SeasonDay = static_cast<int16_t>(day);
        for (auto [home, away] : Round(day % (kTeams - 1))) {
            for (int side : {home, away}) {
                ASSERT_TRUE(CheckRosterSize(league, side, host) || side == kHuman) << "day " << day;
                ASSERT_TRUE(CheckDressable(league, side, host) || side == kHuman) << "day " << day;
                ASSERT_TRUE(CheckLineupSettings(league, side, host) || side == kHuman) << "day " << day;
                if (side != kHuman) {
                    EXPECT_EQ(league.team(side).ActivePlayers, 12);
                }
            }
            if (host.StopRequested()) { // the human team cannot play: this game is left out
                host.ClearStop();
                continue;
            }
            clsGame game(league);
            game.StartGame(static_cast<int16_t>(home), static_cast<int16_t>(away), false, 1, "Regular");
            game.SimGame();
        }
        // Besides the games' own rare injuries, two more a day as the engine hands them over.
        for (int extra = 0; extra < 2; ++extra) {
            const int team = 1 + static_cast<int>(pick.Uniform() * kTeams);
            std::vector<int> roster = AvailablePlayersOf(league, team);
            if (roster.empty()) continue;
            const int id = roster[static_cast<size_t>(pick.Uniform() * static_cast<double>(roster.size()))];
            InjurePlayer(league, id, InjurySeverityClass(pick.Uniform()));
            league.dayInjuries.push_back({static_cast<int16_t>(id), static_cast<int16_t>(team)});
        }
        injuries += static_cast<int>(league.dayInjuries.size());
        for (const DayInjury& d : league.dayInjuries)
            humanLongInjuries += d.Team == kHuman && league.player(d.PlayerID).TimeInjured > 1;

        ReportInjuries(league, host);
        std::map<int, int16_t> daysBefore;
        std::map<int, bool> computerReserve;
        for (int id = 1; id <= kLastLeaguePlayer; ++id) {
            const Player& p = league.player(id);
            if (p.IsEmpty()) continue;
            daysBefore[id] = p.TimeInjured;
            const int team = TeamOfPlayer(league, id);
            computerReserve[id] = p.IR && p.TimeInjured == 1 && team != 0 && !IsHuman(league.team(team));
        }
        HealOneDay(league, host);
        for (const auto& [id, before] : daysBefore) {
            const Player& p = league.player(id);
            EXPECT_EQ(p.TimeInjured, std::max(0, before - 1)) << p.Name << " on day " << day;
            if (computerReserve[id]) {
                EXPECT_FALSE(p.IR) << p.Name << " is well again on day " << day;
            }
        }
        SignBetterFreeAgents(league);
        for (int t = 1; t <= kTeams; ++t) {
            test::ExpectCountsAgree(league, t);
            EXPECT_LE(league.team(t).NumPlayers, 15);
        }
        ASSERT_FALSE(HasFailure()) << "day " << day;
    }

    std::vector<std::string> actions;
    for (const Transaction& t : league.tables.transactions)
        actions.push_back(t.Action);
    EXPECT_GE(injuries, 2 * kDays);
    EXPECT_GT(CountContaining(actions, " on Injured Reserve."), 5) << "long injuries went on injured reserve";
    EXPECT_GT(CountContaining(actions, " from Injured Reserve."), 3) << "and came back";
    EXPECT_GT(CountContaining(actions, "Sign "), 0) << "free agents filled in";
    EXPECT_EQ(CountContaining(host.questions, " is injured for "), humanLongInjuries);
    EXPECT_EQ(
        CountContaining(host.questions, league.player(resting).Name + " has recovered from his injury."), 1);
    EXPECT_TRUE(league.player(resting).IR) << "the user never activated him";
}

} // namespace
} // namespace hv
