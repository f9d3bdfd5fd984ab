// The new-league, draft and off-season commands of hoopvale-cli, each run once, with one refusal of each.
#include <gtest/gtest.h>

#include "personnel/free_agency.h"
#include "personnel/resign.h"
#include "setup/player_import.h"
#include "support/cli_test.h"

namespace hv {
namespace {

class CliDraft : public test::CliTest {
  protected:
    void SetUp() override {
        home.CopyInstalledData();
        seed = "11";
    }
};

TEST_F(CliDraft, NewFromEachSource) {
    EXPECT_TRUE(
        Run({"new", "Kept", "--first-season", "1700"}).Says("Created Kept: Season 1891 - Free Agency Day 1"));
    EXPECT_TRUE(Run({"new", "Made Up", "--source", "fictional", "--type", "draft", "--human", "ospreys"})
                    .Says("Human teams: Ospreys"));
    home.Write(
        "import/few.csv",
        ImportHeader(ImportFormat::League) +
            "\nAl,Bo,80,220,25,C,U,3,FA,50,50,50,50,50,50,50,50,50,50,50,50,50,50,50,70,0,0,0,0,0,0,0\n");
    EXPECT_TRUE(Run({"new", "Rules", "--type", "draft", "--engine", "calibrated", "--trades", "shrewd"})
                    .Says("Game engine: Calibrated, trade judgement: Shrewd"));
    EXPECT_EQ(std::make_pair(Load("Rules")->state.Engine, Load("Rules")->state.Trades),
              std::make_pair(GameEngine::Calibrated, TradeJudgement::Shrewd));
    EXPECT_EQ(Load("Kept")->state.Engine, GameEngine::AsSpecified);
    ASSERT_EQ(Run({"new", "Imported", "--source", "few.csv", "--randomization", "none"}).status, 0);
    EXPECT_EQ(Load("Imported")->player(1).Name, "Al Bo");
    ExpectRefusals("Kept", {{{"new", "Kept"}, 1, ""},
                            {{"new", "Nope", "--human", "Nobody"}, 1, "no team named \"Nobody\""},
                            {{"new", "Nope", "--trades", "sharp"}, 2, "--trades"}});
}

TEST_F(CliDraft, CreationDraftFromTheCommandLine) {
    ASSERT_EQ(Run({"new", "Pool", "--type", "draft", "--human", "Gulls"}).status, 0);
    EXPECT_TRUE(Run({"draft-order", "Pool", "--shuffle"}).Says("Creation Draft Order"));
    EXPECT_TRUE(Run({"draft", "Pool", "--auto", "--to-user"}).Says("On the clock: Gulls"));
    EXPECT_TRUE(Run({"draft", "Pool", "--list"}).Says("Best available:"));
    const auto pool = Load("Pool");
    std::vector<int> prospects;
    for (int id = 1; id <= kLastLeaguePlayer; ++id)
        if (pool->player(id).Team == kDraft) prospects.push_back(id);
    const int prospect = prospects[0];
    // The user's draft list, by ID or name; a name that is no prospect changes nothing.
    const std::string computer = pool->team(pool->team(1).Name == "Gulls" ? 2 : 1).Name;
    const std::string listed = std::to_string(prospects[2]) + ", " + pool->player(prospects[1]).Name;
    EXPECT_TRUE(Run({"draft", "Pool", "--prefer", listed}).Says("Draft List: Gulls\n"));
    ExpectRefusals("Pool", {{{"draft", "Pool", "--prefer", listed + ",Nobody At All"}, 1, "Nobody At All"},
                            {{"draft", "Pool", "--prefer", std::to_string(prospects[3]), "--team", computer},
                             1,
                             "run by the computer"}});
    EXPECT_EQ(Load("Pool")->team(pool->FindTeam("Gulls")).DraftList,
              (std::vector<int16_t>{int16_t(prospects[2]), int16_t(prospects[1])}));
    EXPECT_TRUE(Run({"draft", "Pool", "--list"}).Says(pool->player(prospects[1]).Name));
    EXPECT_EQ(Run({"draft", "Pool", "--pick", std::to_string(prospect)}).out.rfind("Gulls take ", 0), 0u);
    EXPECT_TRUE(Run({"draft", "Pool", "--auto"}).Says("The draft is over: Season 2003 - Begin Season"));
    EXPECT_EQ(Run({"draft", "Pool", "--auto"}).status, 1) << "no draft at day 0";
    const std::string preview = Run({"prospects", "Pool", "--csv"}).out;
    EXPECT_EQ(std::count(preview.begin(), preview.end(), '\n'), 101); // the next class
}

TEST_F(CliDraft, RookieDraftLotteryAndHistory) {
    ASSERT_EQ(Run({"new", "Rookies"}).status, 0);
    auto league = Load("Rookies");
    league->state.Season = 2004;
    league->state.SeasonDay = Phase::RookieDraft;
    Save(*league, "Rookies");
    EXPECT_EQ(Run({"draft", "Rookies", "--pick", "1"}).status, 1) << "a computer team is on the clock";
    const test::CliResult lottery = Run({"lottery", "Rookies"});
    EXPECT_TRUE(lottery.Says("Draft lottery, 2004\nPick 1: "));
    EXPECT_EQ(lottery.out.substr(lottery.out.find("Draft Order\n")), Run({"draft-order", "Rookies"}).out)
        << "the lottery is drawn once";
    EXPECT_TRUE(Run({"draft", "Rookies", "--auto"}).Says("---- Round 2 ----"));
    EXPECT_TRUE(Run({"first-picks", "Rookies"}).Says("2004"));
    EXPECT_EQ(Run({"lottery", "Rookies"}).status, 1) << "no lottery in free agency";
}

TEST_F(CliDraft, ResetAndImportRookies) {
    ASSERT_EQ(Run({"new", "Again"}).status, 0);
    home.Write("import/class.csv",
               ImportHeader(ImportFormat::Draft) +
                   "\nNew,Kid,75,180,19,PG,High School,50,50,50,50,50,50,50,50,50,50,50,50,50,50,50,90\n");
    home.Write("elsewhere/class.csv", "any file the user may read");
    ExpectRefusals("Again", {{{"import-rookies", "Again", (home / "elsewhere/class.csv").string()},
                              1,
                              "Import Error: Only the files of the import folder"},
                             {{"new", "Other", "--source", (home / "elsewhere/class.csv").string()},
                              1,
                              "Import Error: Only the files of the import folder"}});
    EXPECT_EQ(Run({"import-rookies", "Again", "class.csv"}).out, "Imported 1 prospects.\n");
    EXPECT_EQ(Run({"--no", "reset", "Again"}).status, 1);
    EXPECT_EQ(Run({"reset", "Again"}).out, "Season 2003 - Creation Draft\n");
    EXPECT_EQ(Load("Again")->team(3).NumPlayers, 0);
}

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
    for (const std::vector<std::string>& list : {std::vector<std::string>{"free-agents", "Off"},
                                                 {"cap-room", "Off", "--csv"},
                                                 {"contracts", "Off", "--team", "ospreys"}})
        EXPECT_TRUE(Run(list).Says(list[0] == "free-agents" ? "Asking" : "Providence Ospreys")) << list[0];
    ExpectRefusals("Off", {{{"potential-fas", "Off", "--team", "Nobody"}, 1, "no team named"},
                           {{"bid", "Off", "Ospreys", player, "--amount", "1"},
                            1,
                            "Illegal Contract: Year 1 is lower than the minimum salary"},
                           {{"bid", "Off", "Ospreys", player, "--amount", "lots"}, 2, ""},
                           {{"camps", "Off"}, 1, ""}});
    EXPECT_TRUE(Run({"bid", "Off", "Ospreys", player, "--years", "2", "--amount", "min"}).Says("Bid placed"));
    EXPECT_TRUE(Run({"free-agency", "Off", "--bids", player}).Says("Ospreys"));
    EXPECT_TRUE(Run({"free-agency", "Off", "--day"}).Says("Season 2003 - Free Agency Day 2"));
    EXPECT_TRUE(Run({"free-agency", "Off", "--all"}).Says("Season 2003 - Training Camps"));
    EXPECT_EQ(Run({"free-agency", "Off", "--day"}).status, 1);
    EXPECT_TRUE(Run({"camps", "Off"}).Says("Training camps done: Season 2003 - Begin Season"));
    EXPECT_EQ(Load("Off")->state.SeasonDay, Phase::BeforeSeason);
}

TEST_F(CliOffseason, ResigningWaitsForTheUser) {
    // An Osprey whose contract has run out waits for the user.
    auto league = Load("Off");
    int id = 1;
    while (league->player(id).Team != "Ospreys")
        ++id;
    Player& p = league->player(id);
    league->team(2).TotalSalary -= p.contract1;
    p.LastSalary = p.contract1;
    for (int y = 1; y <= 8; ++y)
        p.Contract(y) = 0;
    p.ResignDemand = {700000, 700000};
    p.BirdYears = 3; // the cap never stands in the way
    Save(*league, "Off");
    EXPECT_TRUE(Run({"resign", "Off", "Ospreys"}).Says(p.Name));
    ExpectRefusals("Off", {{{"free-agency", "Off", "--day"}, 1, "1 player waits for a re-signing decision"},
                           {{"resign", "Off", "Ospreys", std::to_string(id)}, 2, ""}});
    EXPECT_TRUE(Run({"resign", "Off", "Ospreys", std::to_string(id), "--yes"})
                    .Says("resigns for $700,000 over 2 years"));
    EXPECT_TRUE(PlayersAwaitingResign(*Load("Off")).empty());
}

} // namespace
} // namespace hv
