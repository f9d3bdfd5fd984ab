// The checks before a game: human teams are told and stopped, computer teams repaired.
#include <gtest/gtest.h>

#include <functional>

#include "league/transactions.h"
#include "platform/scripted_host.h"
#include "season/roster_checks.h"
#include "support/roster_test_support.h"

namespace hv {
namespace {

using Check = bool (*)(League&, int, Host&);

struct Broken {
    const char* what;
    Check check;
    std::function<void(test::RosterLeague&)> breakIt;
    const char* message;
};

const Broken kBroken[] = {
    {"13 active", CheckRosterSize, [](test::RosterLeague& rl) { rl.Add(1, 3, 40); },
     "Hawks have too many players. They have 13 active players; a team dresses exactly 12. Place players on "
     "injured reserve or release them on Team Roster."},
    {"11 active", CheckRosterSize, [](test::RosterLeague& rl) { PlaceOnIR(rl.league, 5); },
     "Hawks don't have enough players. They have 11 active players; a team dresses exactly 12. Activate "
     "players from injured reserve or sign free agents on Team Roster."},
    {"5 of 12 hurt", CheckDressable,
     [](test::RosterLeague& rl) {
         for (int id = 1; id <= 5; ++id)
             rl.league.player(id).TimeInjured = 3;
     },
     "Hawks must have atleast 8 players available to dress for the game. They have 7 healthy active players. "
     "Sign free agents on Team Roster and place the injured on injured reserve."},
    {"an empty depth slot", CheckLineupSettings, [](test::RosterLeague& rl) { rl.league.team(1).SG3 = 0; },
     "Hawks roster settings invalid, please fix before simming. Fill every depth-chart and key-player slot "
     "on "
     "Team Roster, or press Auto Line-up there."},
    {"no third key player", CheckLineupSettings,
     [](test::RosterLeague& rl) { rl.league.team(1).keyplayer3 = 0; },
     "Hawks roster settings invalid, please fix before simming. Fill every depth-chart and key-player slot "
     "on "
     "Team Roster, or press Auto Line-up there."}};

TEST(RosterChecks, AHumanTeamIsToldAndAComputerTeamRepaired) {
    for (bool human : {true, false})
        for (const Broken& b : kBroken) {
            SCOPED_TRACE(std::string(b.what) + (human ? ", human" : ", computer"));
            test::RosterLeague rl;
            rl.Fill(1, 12);
            rl.FreeAgents(3);
            SetHuman(rl.league.team(1), human);
            b.breakIt(rl);
            const auto before =
                std::make_pair(rl.league.team(1).ActivePlayers, rl.league.tables.transactions.size());
            ScriptedHost host;
            EXPECT_EQ(b.check(rl.league, 1, host), !human);
            EXPECT_EQ(host.StopRequested(), human);
            test::ExpectCountsAgree(rl.league, 1);
            if (!human) {
                EXPECT_TRUE(host.messages.empty()) << host.LastMessage();
                EXPECT_TRUE(rl.league.team(1).ActivePlayers == 12 && LineupSettingsValid(rl.league.team(1)));
                continue;
            }
            ASSERT_EQ(host.messages.size(), 1u);
            EXPECT_EQ(host.messages[0].title + ": " + host.messages[0].text,
                      std::string("Roster Error: ") + b.message);
            EXPECT_EQ(std::make_pair(rl.league.team(1).ActivePlayers, rl.league.tables.transactions.size()),
                      before);
        }
}

// The counts Team Roster shows and the warning before the season name the limits: 12 active, 15 at most.
TEST(RosterChecks, CountsAgainstTheLimits) {
    test::RosterLeague rl;
    rl.Fill(1, 12);
    SetHuman(rl.league.team(1), true);
    EXPECT_EQ(RosterCounts(rl.league, 1), "12 of exactly 12 active / 12 of at most 15 on the roster");
    EXPECT_TRUE(RosterCountsLegal(rl.league, 1));
    EXPECT_EQ(IllegalHumanRosters(rl.league), "");
    rl.Add(1, 3, 40);
    EXPECT_EQ(RosterCounts(rl.league, 1), "13 of exactly 12 active / 13 of at most 15 on the roster");
    EXPECT_FALSE(RosterCountsLegal(rl.league, 1));
    EXPECT_EQ(IllegalHumanRosters(rl.league),
              "The Hawks have 13 of exactly 12 active / 13 of at most 15 on the roster.\n");
    SetHuman(rl.league.team(1), false); // a computer team is the roster manager's to put right
    EXPECT_EQ(IllegalHumanRosters(rl.league), "");
}

// Eight can still dress; a player on injured reserve does not dress, healthy or not.
TEST(RosterChecks, ALegalTeamPassesEveryCheck) {
    test::RosterLeague rl;
    rl.Fill(1, 12);
    SetHuman(rl.league.team(1), true);
    for (int id = 1; id <= 4; ++id)
        rl.league.player(id).TimeInjured = 2;
    rl.Add(1, 1, 60, 0, true);
    EXPECT_EQ(DressablePlayers(rl.league, 1), 8);
    ScriptedHost host;
    for (Check check : {CheckRosterSize, CheckDressable, CheckLineupSettings})
        EXPECT_TRUE(check(rl.league, 1, host));
    EXPECT_TRUE(host.messages.empty());
}

TEST(RosterChecks, EveryTeamIsCheckedBeforeTheScheduleOpens) {
    test::RosterLeague rl;
    for (int t = 1; t <= kLeagueTeams; ++t)
        rl.Fill(t, 12);
    rl.FreeAgents(2);
    SetHuman(rl.league.team(2), true);
    rl.league.team(2).PG2 = 0;
    rl.Add(1, 1, 30); // a computer team with 13 active
    rl.Add(2, 1, 30); // the human team too
    ScriptedHost host;
    EXPECT_FALSE(CheckEveryTeam(rl.league, host));
    std::vector<std::string> texts;
    for (const auto& m : host.messages)
        texts.push_back(m.text);
    EXPECT_EQ(texts,
              (std::vector<std::string>{
                  "Owls roster settings invalid, please fix before simming. Fill every depth-chart and "
                  "key-player slot on Team Roster, or press Auto Line-up there.",
                  "Owls have too many players. They have 13 active players; a team dresses exactly 12. "
                  "Place players on injured reserve or release them on Team Roster."}));
    EXPECT_EQ(rl.league.team(1).ActivePlayers, 12);
}

} // namespace
} // namespace hv
