// The new-league and draft commands of hoopvale-cli: one run of each, wired to the core, from a fresh
// program folder through a creation draft to the season's start, and a rookie draft.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_app.h"
#include "league/player_import.h"
#include "league/save_file.h"
#include "personnel/draft_picks.h"
#include "platform/scripted_host.h"
#include "support/temp_home.h"

namespace hv {
namespace {

struct CliResult {
    int status;
    std::string out, err;
};

class CliDraft : public ::testing::Test {
  protected:
    void SetUp() override { home.CopyInstalledData(); }

    CliResult Run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--home", home.path().string(), "--seed", "11"});
        std::ostringstream out, err;
        int status = RunCli(args, out, err, HOOPVALE_CLI_PATH);
        return {status, out.str(), err.str()};
    }

    League Load(const std::string& name) {
        League league;
        league.programFolder = home.path();
        ScriptedHost host;
        EXPECT_TRUE(LoadLeague(league, name + ".sav", host)) << host.LastMessage();
        return league;
    }

    test::TempHome home;
};

TEST_F(CliDraft, NewFromEachSource) {
    CliResult keep = Run({"new", "Kept", "--first-season", "1700"});
    ASSERT_EQ(keep.status, 0) << keep.err;
    EXPECT_NE(keep.out.find("Created Kept: Season 1891 - Free Agency Day 1"), std::string::npos) << keep.out;
    EXPECT_EQ(Load("Kept").state.SeasonDay, Phase::FirstFreeAgency);

    CliResult fictional =
        Run({"new", "Made Up", "--source", "fictional", "--type", "draft", "--human", "ospreys"});
    ASSERT_EQ(fictional.status, 0) << fictional.err;
    EXPECT_NE(fictional.out.find("Human teams: Ospreys"), std::string::npos) << fictional.out;

    home.Write(
        "import/few.csv",
        ImportHeader(ImportFormat::League) +
            "\nAl,Bo,80,220,25,C,U,3,FA,50,50,50,50,50,50,50,50,50,50,50,50,50,50,50,70,0,0,0,0,0,0,0\n");
    CliResult imported = Run({"new", "Imported", "--source", "few.csv", "--randomization", "none"});
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(Load("Imported").player(1).Name, "Al Bo");

    CliResult again = Run({"new", "Kept"});
    EXPECT_EQ(again.status, 1) << "an existing save is never overwritten";
    CliResult badTeam = Run({"new", "Nope", "--human", "Nobody"});
    EXPECT_EQ(badTeam.status, 1);
    EXPECT_NE(badTeam.err.find("There is no team named \"Nobody\""), std::string::npos);
}

TEST_F(CliDraft, CreationDraftFromTheCommandLine) {
    ASSERT_EQ(Run({"new", "Pool", "--type", "draft", "--human", "Gulls"}).status, 0);
    CliResult order = Run({"draft-order", "Pool", "--shuffle"});
    ASSERT_EQ(order.status, 0) << order.err;
    EXPECT_NE(order.out.find("Creation Draft Order"), std::string::npos);

    CliResult toUser = Run({"draft", "Pool", "--auto", "--to-user"});
    ASSERT_EQ(toUser.status, 0) << toUser.err;
    EXPECT_NE(toUser.out.find("On the clock: Gulls"), std::string::npos) << toUser.out;
    CliResult list = Run({"draft", "Pool", "--list"});
    ASSERT_EQ(list.status, 0);
    EXPECT_NE(list.out.find("Best available:"), std::string::npos);

    League pool = Load("Pool");
    int prospect = 0;
    for (int id = 1; id <= kLastLeaguePlayer && !prospect; ++id)
        if (pool.player(id).Team == kDraft) prospect = id;
    CliResult pick = Run({"draft", "Pool", "--pick", std::to_string(prospect)});
    ASSERT_EQ(pick.status, 0) << pick.err;
    EXPECT_EQ(pick.out.rfind("Gulls take ", 0), 0u) << pick.out;

    CliResult rest = Run({"draft", "Pool", "--auto"});
    ASSERT_EQ(rest.status, 0) << rest.err;
    EXPECT_NE(rest.out.find("----Round 12----"), std::string::npos);
    EXPECT_NE(rest.out.find("The draft is over: Season 2003 - Begin Season"), std::string::npos) << rest.out;
    League done = Load("Pool");
    for (int t = 1; t <= kLeagueTeams; ++t)
        EXPECT_GE(done.team(t).NumPlayers, 12);
    EXPECT_EQ(Run({"draft", "Pool", "--auto"}).status, 1) << "no draft at day 0";
    CliResult prospects = Run({"prospects", "Pool", "--csv"});
    ASSERT_EQ(prospects.status, 0);
    EXPECT_EQ(std::count(prospects.out.begin(), prospects.out.end(), '\n'), 101);
}

TEST_F(CliDraft, RookieDraftLotteryAndHistory) {
    ASSERT_EQ(Run({"new", "Rookies"}).status, 0);
    League league = Load("Rookies");
    league.state.Season = 2004;
    league.state.SeasonDay = Phase::RookieDraft;
    ScriptedHost host;
    ASSERT_TRUE(SaveLeague(league, "Rookies", host)) << host.LastMessage();

    EXPECT_EQ(Run({"draft", "Rookies", "--pick", "1"}).status, 1) << "a computer team is on the clock";
    CliResult lottery = Run({"lottery", "Rookies"});
    ASSERT_EQ(lottery.status, 0) << lottery.err;
    EXPECT_NE(lottery.out.find("Draft lottery, 2004\nPick 1: "), std::string::npos) << lottery.out;
    CliResult order = Run({"draft-order", "Rookies"});
    EXPECT_EQ(order.status, 0);
    EXPECT_EQ(lottery.out.substr(lottery.out.find("Draft Order\n")), order.out)
        << "the lottery is drawn once";
    CliResult draft = Run({"draft", "Rookies", "--auto"});
    ASSERT_EQ(draft.status, 0) << draft.err;
    EXPECT_NE(draft.out.find("---- Round 2 ----"), std::string::npos);
    EXPECT_EQ(Load("Rookies").state.SeasonDay, Phase::FirstFreeAgency);
    CliResult first = Run({"first-picks", "Rookies"});
    ASSERT_EQ(first.status, 0);
    EXPECT_NE(first.out.find("2004"), std::string::npos) << first.out;
    EXPECT_EQ(Run({"lottery", "Rookies"}).status, 1) << "no lottery in free agency";
}

TEST_F(CliDraft, ResetAndImportRookies) {
    ASSERT_EQ(Run({"new", "Again"}).status, 0);
    home.Write("import/class.csv",
               ImportHeader(ImportFormat::Draft) +
                   "\nNew,Kid,75,180,19,PG,High School,50,50,50,50,50,50,50,50,50,50,50,50,50,50,50,90\n");
    // Free agency is no draft: rookies may be imported.
    CliResult imported = Run({"import-rookies", "Again", "class.csv"});
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(imported.out, "Imported 1 prospects.\n");
    EXPECT_EQ(Run({"--no", "reset", "Again"}).status, 1);
    CliResult reset = Run({"reset", "Again"});
    ASSERT_EQ(reset.status, 0) << reset.err;
    EXPECT_EQ(reset.out, "Season 2003 - Creation Draft\n");
    EXPECT_EQ(Load("Again").team(3).NumPlayers, 0);
}

} // namespace
} // namespace hv
