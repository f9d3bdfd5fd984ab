// The user's roster moves and position changes: refusals with their messages, and moves made.
#include <gtest/gtest.h>

#include <functional>

#include "league/lineup_edit.h"
#include "league/ratings.h"
#include "league/transactions.h"
#include "platform/scripted_host.h"
#include "season/user_moves.h"
#include "support/roster_test_support.h"

namespace hv {
namespace {

class UserMoves : public ::testing::Test {
  protected:
    void SetUp() override {
        first = rl.Fill(1, 12);
        owl = rl.Fill(2, 12);
        SetHuman(rl.league.team(1), true);
        fa = rl.Add(0, 5, 50);
        hurt = rl.Add(1, 3, 60, 10, true);
    }
    std::string Name(int id) const { return rl.league.player(id).Name; }
    test::RosterLeague rl;
    ScriptedHost host;
    int first = 0, owl = 0, fa = 0, hurt = 0;
};

TEST_F(UserMoves, EachRefusalHasItsMessageAndChangesNothing) {
    struct Case {
        const char* what;
        std::function<bool()> move;
        std::string message;
        int16_t day = 10;
    };
    auto& L = rl.league;
    const Case cases[] = {
        {"sign a rostered player", [&] { return UserSign(L, 1, owl, host); },
         Name(owl) + " is not a free agent."},
        {"sign before the season", [&] { return UserSign(L, 1, fa, host); },
         "Free agents can only be signed during the regular season and the playoffs.", 0},
        {"cut at the season's end", [&] { return UserCut(L, 1, first, host); },
         "Players cannot be cut at this point of the season.", 168},
        {"cut another team's player", [&] { return UserCut(L, 1, owl, host); },
         Name(owl) + " is not on the Hawks roster."},
        {"activate an active player", [&] { return UserActivate(L, 1, first, host); },
         Name(first) + " is not on injured reserve."},
        {"reserve a reserved player", [&] { return UserPlaceOnIR(L, 1, hurt, host); },
         Name(hurt) + " is already on injured reserve."},
        {"move a computer team's player", [&] { return UserChangePosition(L, owl, 2, host); },
         "Only players of human teams can change position."},
        {"move to no position", [&] { return UserChangePosition(L, first, 6, host); },
         "The position must be C, PF, SF, SG or PG."},
        {"move during a creation draft", [&] { return UserChangePosition(L, first, 2, host); },
         "Positions cannot be changed at this point of the season.", -5}};
    for (const Case& c : cases) {
        rl.league.state.SeasonDay = c.day;
        host.messages.clear();
        EXPECT_FALSE(c.move()) << c.what;
        ASSERT_EQ(host.messages.size(), 1u) << c.what;
        EXPECT_EQ(host.messages[0].title + ": " + host.messages[0].text, "Error: " + c.message);
        EXPECT_TRUE(rl.league.tables.transactions.empty() && rl.league.player(first).PositionNumber == 1)
            << c.what;
    }
    test::ExpectCountsAgree(rl.league, 1);
    rl.league.state.SeasonDay = 10;
    rl.Add(1, 4, 40);
    rl.Add(1, 4, 40);
    EXPECT_FALSE(UserSign(rl.league, 1, fa, host)) << "15 players";
    EXPECT_EQ(host.LastMessage() + " " + rl.league.player(fa).Team,
              "The Hawks already have 15 players; cut a player before signing another. FA");
}

TEST_F(UserMoves, MovesThatFitAreMadeLoggedAndCounted) {
    ASSERT_TRUE(UserSign(rl.league, 1, fa, host));
    ASSERT_TRUE(UserActivate(rl.league, 1, hurt, host));
    EXPECT_TRUE(host.messages.empty()) << "no place of the line-up opened";
    ASSERT_TRUE(UserPlaceOnIR(rl.league, 1, first + 1, host));
    host.answers = {true};
    ASSERT_TRUE(UserCut(rl.league, 1, first + 2, host));
    EXPECT_EQ(host.questions.size(), 1u);
    // Each move opened places in the line-up, which were filled.
    EXPECT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(LineupProblem(rl.league, 1, LineupOf(rl.league.team(1))), std::nullopt);
    std::vector<std::string> starts;
    for (const Transaction& t : rl.league.tables.transactions)
        starts.push_back(t.Action.substr(0, t.Action.find(' ')));
    EXPECT_EQ(starts, (std::vector<std::string>{"Sign", "Activate", "Place", "Cut"}));

    Player& p = rl.league.player(first); // a centre
    const int16_t fitPG = p.FitPG;
    ASSERT_TRUE(UserChangePosition(rl.league, first, 5, host));
    EXPECT_EQ(std::tie(p.PositionNumber, p.DefaultPosition, p.FitPG), std::make_tuple(5, "PG", fitPG));
    EXPECT_EQ(p.CurrentRating, PositionRating(p, 5)) << "rated again as a point guard";
    ASSERT_TRUE(UserChangePosition(rl.league, first + 1, 1, host)) << "a player on injured reserve";
    test::ExpectCountsAgree(rl.league, 1);
}

// The Hawks' chart as set: C first, +5, +10; PF +1, +6, +11; SF +2, +7; SG +3, +8; PG +4, +9.
TEST_F(UserMoves, APlaceAMoveOpensIsFilledAsTheComputerWouldAndTheUserIsTold) {
    Team& hawks = rl.league.team(1);
    hawks.keyplayer1 = int16_t(first), hawks.keyplayer2 = int16_t(first + 1),
    hawks.keyplayer3 = int16_t(first + 3);
    hawks.Pace = 75, hawks.Offense = 0;
    const LineupChoice before = LineupOf(hawks);
    ASSERT_EQ(std::tie(before.depth[1][0], before.depth[1][1], before.depth[1][2]),
              std::make_tuple(first + 1, first + 6, first + 11));

    ASSERT_TRUE(UserPlaceOnIR(rl.league, 1, first + 1, host)); // the starting PF and key player 2
    const LineupChoice after = LineupOf(hawks);
    // His backups move up; the third place takes the best PF fit of the others, as the computer's does.
    int third = 0;
    for (int id = first; id < first + 12; ++id)
        if (id != first + 1 && id != first + 6 && id != first + 11 &&
            (third == 0 || FitAt(rl.league.player(id), 2) > FitAt(rl.league.player(third), 2)))
            third = id;
    EXPECT_EQ(std::tie(after.depth[1][0], after.depth[1][1], after.depth[1][2]),
              std::make_tuple(first + 6, first + 11, third));
    // Everything else stays as the user chose it.
    EXPECT_EQ(std::make_tuple(after.depth[0], after.depth[2], after.keys[0], after.keys[2], after.Pace,
                              after.Offense),
              std::make_tuple(before.depth[0], before.depth[2], first, first + 3, 75, 0));
    EXPECT_EQ(LineupProblem(rl.league, 1, after), std::nullopt);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Line-up");
    EXPECT_EQ(host.messages[0].text.rfind(
                  "The Hawks line-up had open places, which the computer filled: PF1 " + Name(first + 6) +
                      ", PF2 " + Name(first + 11) + ", PF3 " + Name(third) + ", key player 2 ",
                  0),
              0u);
}

} // namespace
} // namespace hv
