// The off-season commands of hoopvale-cli: a league from free agency through the training camps to the next
// season, each step saved, with the re-signing decisions and one refusal of each command.
#include <gtest/gtest.h>

#include "personnel/free_agency.h"
#include "personnel/resign.h"
#include "support/trim_a_cli.h"

namespace hv {
namespace {

class CliOffseason : public test::CliTest {
  protected:
    void SetUp() override {
        home.CopyInstalledData();
        seed = "17";
        ASSERT_EQ(Run({"new", "Off", "--human", "Ospreys"}).status, 0);
    }
};

TEST_F(CliOffseason, FreeAgencyCampsAndTheNextSeason) {
    const int best = FreeAgentsByRating(*Load("Off"), 1).at(0);
    const std::string player = std::to_string(best);
    EXPECT_TRUE(Run({"free-agents", "Off"}).Says("Asking"));
    EXPECT_TRUE(Run({"cap-room", "Off", "--csv"}).Says("Providence Ospreys"));
    EXPECT_TRUE(Run({"contracts", "Off", "--team", "ospreys"}).Says("Player Contracts: Providence Ospreys"));
    ExpectRefusals("Off", {{{"potential-fas", "Off", "--team", "Nobody"}, 1, "no team named"},
                           {{"bid", "Off", "Ospreys", player, "--amount", "1"},
                            1,
                            "Illegal Contract: Year 1 is lower than the minimum salary"},
                           {{"bid", "Off", "Ospreys", player, "--amount", "lots"}, 2, ""},
                           {{"camps", "Off"}, 1, ""}});
    EXPECT_TRUE(Run({"bid", "Off", "Ospreys", player, "--years", "2", "--amount", "min"}).Says("Bid placed"));
    EXPECT_NE(FindBid(*Load("Off"), best, 2), nullptr);
    EXPECT_TRUE(Run({"free-agency", "Off", "--bids", player}).Says("Ospreys"));
    EXPECT_TRUE(Run({"free-agency", "Off", "--day"}).Says("Season 2003 - Free Agency Day 2"));
    EXPECT_TRUE(Run({"free-agency", "Off", "--all"}).Says("Season 2003 - Training Camps"));
    EXPECT_EQ(Run({"free-agency", "Off", "--day"}).status, 1);
    EXPECT_TRUE(Run({"camps", "Off"}).Says("Training camps done: Season 2003 - Begin Season"));
    EXPECT_EQ(Load("Off")->state.SeasonDay, Phase::BeforeSeason);
}

TEST_F(CliOffseason, ResigningWaitsForTheUser) {
    // Two Ospreys whose contracts have run out and who wait for the user.
    auto league = Load("Off");
    std::vector<std::string> waiting;
    for (int id = 1; id <= kLastLeaguePlayer && waiting.size() < 2; ++id) {
        Player& p = league->player(id);
        if (p.Team != "Ospreys") continue;
        league->team(2).TotalSalary -= p.contract1;
        p.LastSalary = p.contract1;
        for (int y = 1; y <= 8; ++y)
            p.Contract(y) = 0;
        p.ResignDemand = {700000, 700000};
        p.BirdYears = 3; // the cap never stands in the way
        waiting.push_back(std::to_string(id));
    }
    Save(*league, "Off");
    EXPECT_TRUE(Run({"resign", "Off", "Ospreys"}).Says(league->player(std::stoi(waiting[0])).Name));
    ExpectRefusals("Off", {{{"free-agency", "Off", "--day"}, 1, "2 players wait for a re-signing decision"},
                           {{"resign", "Off", "Ospreys", waiting[0]}, 2, ""}});
    EXPECT_TRUE(
        Run({"resign", "Off", "Ospreys", waiting[0], "--yes"}).Says("resigns for $700,000 over 2 years"));
    EXPECT_TRUE(Run({"resign", "Off", "Ospreys", waiting[1], "--no"}).Says("is a free agent"));
    const auto after = Load("Off");
    EXPECT_EQ(after->player(std::stoi(waiting[0])).contract2, 700000);
    EXPECT_EQ(after->player(std::stoi(waiting[1])).Team, "FA");
    EXPECT_TRUE(PlayersAwaitingResign(*after).empty());
}

} // namespace
} // namespace hv
