// The off-season commands of hoopvale-cli: a league from free agency through the training camps to the next
// season, each step saved and loaded again, with one case of each command's refusals and the re-signing.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_app.h"
#include "league/save_file.h"
#include "personnel/free_agency.h"
#include "personnel/resign.h"
#include "platform/scripted_host.h"
#include "support/temp_home.h"

namespace hv {
namespace {

struct CliResult {
    int status;
    std::string out, err;
};

class CliOffseason : public ::testing::Test {
  protected:
    void SetUp() override {
        home.CopyInstalledData();
        ASSERT_EQ(Run({"new", "Off", "--human", "Ospreys"}).status, 0);
    }

    CliResult Run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--home", home.path().string(), "--seed", "17"});
        std::ostringstream out, err;
        int status = RunCli(args, out, err, HOOPVALE_CLI_PATH);
        return {status, out.str(), err.str()};
    }

    League Load() {
        League league;
        league.programFolder = home.path();
        ScriptedHost host;
        EXPECT_TRUE(LoadLeague(league, "Off.sav", host)) << host.LastMessage();
        return league;
    }

    static bool Has(const CliResult& r, const std::string& text) {
        return r.out.find(text) != std::string::npos || r.err.find(text) != std::string::npos;
    }

    test::TempHome home;
};

TEST_F(CliOffseason, FreeAgencyCampsAndTheNextSeason) {
    const int best = FreeAgentsByRating(Load(), 1).at(0);
    const std::string player = std::to_string(best);

    CliResult list = Run({"free-agents", "Off"});
    ASSERT_EQ(list.status, 0) << list.err;
    EXPECT_TRUE(Has(list, "Asking"));
    CliResult room = Run({"cap-room", "Off", "--csv"});
    ASSERT_EQ(room.status, 0);
    EXPECT_TRUE(Has(room, "Providence Ospreys"));
    CliResult contracts = Run({"contracts", "Off", "--team", "ospreys"});
    ASSERT_EQ(contracts.status, 0);
    EXPECT_TRUE(Has(contracts, "Player Contracts: Providence Ospreys"));
    EXPECT_EQ(Run({"potential-fas", "Off", "--team", "Nobody"}).status, 1);

    CliResult refused = Run({"bid", "Off", "Ospreys", player, "--amount", "1"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(Has(refused, "Illegal Contract: Year 1 is lower than the minimum salary"));
    EXPECT_EQ(Run({"bid", "Off", "Ospreys", player}).status, 2);
    EXPECT_EQ(Run({"bid", "Off", "Ospreys", player, "--amount", "lots"}).status, 2);
    CliResult bid = Run({"bid", "Off", "Ospreys", player, "--years", "2", "--amount", "min"});
    ASSERT_EQ(bid.status, 0) << bid.err;
    EXPECT_TRUE(Has(bid, "Bid placed"));
    EXPECT_NE(FindBid(Load(), best, 2), nullptr);
    CliResult bids = Run({"free-agency", "Off", "--bids", player});
    ASSERT_EQ(bids.status, 0);
    EXPECT_TRUE(Has(bids, "Ospreys"));

    EXPECT_EQ(Run({"camps", "Off"}).status, 1) << "camps come after free agency";
    CliResult day = Run({"free-agency", "Off", "--day"});
    ASSERT_EQ(day.status, 0) << day.err;
    EXPECT_TRUE(Has(day, "Season 2003 - Free Agency Day 2"));
    EXPECT_EQ(Load().state.SeasonDay, 181);
    CliResult rest = Run({"free-agency", "Off", "--all"});
    ASSERT_EQ(rest.status, 0) << rest.err;
    EXPECT_TRUE(Has(rest, "Sign "));
    EXPECT_TRUE(Has(rest, "Season 2003 - Training Camps"));
    EXPECT_EQ(Load().state.SeasonDay, Phase::TrainingCamps);
    EXPECT_EQ(Run({"free-agency", "Off", "--day"}).status, 1);

    CliResult camps = Run({"camps", "Off"});
    ASSERT_EQ(camps.status, 0) << camps.err;
    EXPECT_TRUE(Has(camps, "Training camps done: Season 2003 - Begin Season"));
    EXPECT_TRUE(Has(camps, "Before"));
    EXPECT_EQ(Load().state.SeasonDay, Phase::BeforeSeason);
}

TEST_F(CliOffseason, ResigningWaitsForTheUser) {
    // Two Ospreys whose contracts have run out and who wait for the user.
    League league = Load();
    std::vector<int> waiting;
    for (int id = 1; id <= kLastLeaguePlayer && waiting.size() < 2; ++id) {
        Player& p = league.player(id);
        if (p.Team != "Ospreys") continue;
        league.team(2).TotalSalary -= p.contract1;
        p.LastSalary = p.contract1;
        for (int y = 1; y <= 8; ++y)
            p.Contract(y) = 0;
        p.ResignDemand = {700000, 700000};
        p.BirdYears = 3; // the cap never stands in the way
        waiting.push_back(id);
    }
    ScriptedHost host;
    ASSERT_TRUE(SaveLeague(league, "Off", host)) << host.LastMessage();

    CliResult list = Run({"resign", "Off", "Ospreys"});
    ASSERT_EQ(list.status, 0);
    EXPECT_TRUE(Has(list, league.player(waiting[0]).Name));
    CliResult waits = Run({"free-agency", "Off", "--day"});
    EXPECT_EQ(waits.status, 1);
    EXPECT_TRUE(Has(waits, "2 players wait for a re-signing decision"));
    EXPECT_EQ(Run({"resign", "Off", "Ospreys", std::to_string(waiting[0])}).status, 2);

    CliResult yes = Run({"resign", "Off", "Ospreys", std::to_string(waiting[0]), "--yes"});
    ASSERT_EQ(yes.status, 0) << yes.err;
    EXPECT_TRUE(Has(yes, "resigns for $700,000 over 2 years"));
    CliResult no = Run({"resign", "Off", "Ospreys", std::to_string(waiting[1]), "--no"});
    ASSERT_EQ(no.status, 0) << no.err;
    EXPECT_TRUE(Has(no, "is a free agent"));
    League after = Load();
    EXPECT_EQ(after.player(waiting[0]).contract2, 700000);
    EXPECT_EQ(after.player(waiting[1]).Team, "FA");
    EXPECT_TRUE(PlayersAwaitingResign(after).empty());
    EXPECT_EQ(Run({"resign", "Off", "Ospreys", std::to_string(waiting[0]), "--yes"}).status, 1);
}

} // namespace
} // namespace hv
