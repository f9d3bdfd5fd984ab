// A human team's own line-up: the checks and their messages, storing, and the computer's choice on request.
#include <gtest/gtest.h>

#include <functional>

#include "league/lineup_edit.h"
#include "league/transactions.h"
#include "platform/scripted_host.h"
#include "support/roster_test_support.h"

namespace hv {
namespace {

class LineupEdit : public ::testing::Test {
  protected:
    void SetUp() override {
        first = rl.Fill(1, 12);
        rl.Fill(2, 12);
        SetHuman(rl.league.team(1), true);
        // A hand-made line-up: player first + k at slot k (C1, C2, C3, PF1 ...) until the twelve are used,
        // then the first three again as third-stringers of SG3, PG2 and PG3.
        const int order[15] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0, 11, 1, 2};
        for (int slot = 0; slot < 15; ++slot)
            choice.Depth(slot / 3 + 1, slot % 3 + 1) = static_cast<int16_t>(first + order[slot]);
        choice.keys = {static_cast<int16_t>(first + 4), static_cast<int16_t>(first + 7),
                       static_cast<int16_t>(first + 1)};
        choice.Pace = 75, choice.Press = 25, choice.Trap = 100, choice.Offense = 50;
    }
    test::RosterLeague rl;
    ScriptedHost host;
    LineupChoice choice;
    int first = 0;
};

TEST_F(LineupEdit, AValidChoiceIsStoredAsIsAndTheComputerChoosesOnRequestWithSevenActive) {
    ASSERT_TRUE(SaveLineup(rl.league, 1, choice, host)) << host.LastMessage();
    const Team& t = rl.league.team(1);
    EXPECT_EQ(std::tie(t.C1, t.PF1, t.SG3, t.PG3, t.keyplayer1, t.keyplayer3, t.Pace, t.Press, t.Trap),
              std::make_tuple(first, first + 3, first, first + 2, first + 4, first + 1, 75, 25, 100));
    EXPECT_EQ(LineupOf(t), choice);

    ASSERT_TRUE(AutoLineup(rl.league, 1, host));
    EXPECT_NE(LineupOf(rl.league.team(1)), choice);
    EXPECT_TRUE(LineupSettingsValid(rl.league.team(1)));
    for (int id = first; id < first + 6; ++id)
        PlaceOnIR(rl.league, id);
    EXPECT_FALSE(AutoLineup(rl.league, 1, host));
    EXPECT_EQ(host.LastMessage(), "The Hawks need at least 7 active players before a line-up can be chosen.");
}

TEST_F(LineupEdit, EachFaultHasItsMessageAndNothingIsStored) {
    const std::string name0 = rl.league.player(first).Name, name3 = rl.league.player(first + 3).Name;
    const std::string owl = rl.league.player(13).Name;
    struct Case {
        std::function<void(LineupChoice&)> spoil;
        std::string message;
    };
    const Case cases[] = {
        {[](LineupChoice& c) { c.Depth(2, 3) = 0; }, "The PF3 slot of the depth chart is empty."},
        {[](LineupChoice& c) { c.Depth(3, 2) = 13; }, owl + " is not on the Hawks roster."},
        {[&](LineupChoice& c) { c.Depth(1, 3) = static_cast<int16_t>(first); },
         name0 + " is listed twice at C."},
        {[&](LineupChoice& c) { c.Depth(5, 1) = static_cast<int16_t>(first + 3); },
         name3 + " starts at two positions."},
        {[](LineupChoice& c) { c.keys[1] = 0; }, "Key player 2 is not chosen."},
        {[&](LineupChoice& c) { c.keys[2] = static_cast<int16_t>(first + 4); },
         rl.league.player(first + 4).Name + " is chosen twice as a key player."},
        {[](LineupChoice& c) { c.keys[0] = 14; }, rl.league.player(14).Name + " is not on the Hawks roster."},
        {[](LineupChoice& c) { c.Pace = 30; }, "Pace must be 0, 25, 50, 75 or 100."},
        {[](LineupChoice& c) { c.Press = -25; }, "Press must be 0, 25, 50, 75 or 100."},
        {[](LineupChoice& c) { c.Trap = 125; }, "Trap must be 0, 25, 50, 75 or 100."},
        {[&](LineupChoice&) { PlaceOnIR(rl.league, first + 6); }, // last: it changes the roster
         rl.league.player(first + 6).Name +
             " is on injured reserve; activate him before listing him in the line-up."}};
    const LineupChoice stored = LineupOf(rl.league.team(1));
    for (const Case& c : cases) {
        LineupChoice spoilt = choice;
        c.spoil(spoilt);
        host.messages.clear();
        EXPECT_FALSE(SaveLineup(rl.league, 1, spoilt, host)) << c.message;
        ASSERT_EQ(host.messages.size(), 1u) << c.message;
        EXPECT_EQ(host.messages[0].title + ": " + host.messages[0].text, "Roster Error: " + c.message);
        EXPECT_EQ(LineupOf(rl.league.team(1)), stored);
    }
}

} // namespace
} // namespace hv
