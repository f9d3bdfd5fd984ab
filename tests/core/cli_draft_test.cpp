// The new-league and draft commands of hoopvale-cli: one run of each, wired to the core.
#include <gtest/gtest.h>

#include "league/player_import.h"
#include "support/trim_a_cli.h"

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
    ASSERT_EQ(Run({"new", "Imported", "--source", "few.csv", "--randomization", "none"}).status, 0);
    EXPECT_EQ(Load("Imported")->player(1).Name, "Al Bo");
    ExpectRefusals("Kept", {{{"new", "Kept"}, 1, ""},
                            {{"new", "Nope", "--human", "Nobody"}, 1, "no team named \"Nobody\""}});
}

TEST_F(CliDraft, CreationDraftFromTheCommandLine) {
    ASSERT_EQ(Run({"new", "Pool", "--type", "draft", "--human", "Gulls"}).status, 0);
    EXPECT_TRUE(Run({"draft-order", "Pool", "--shuffle"}).Says("Creation Draft Order"));
    EXPECT_TRUE(Run({"draft", "Pool", "--auto", "--to-user"}).Says("On the clock: Gulls"));
    EXPECT_TRUE(Run({"draft", "Pool", "--list"}).Says("Best available:"));
    const auto pool = Load("Pool");
    int prospect = 0;
    for (int id = 1; id <= kLastLeaguePlayer && !prospect; ++id)
        if (pool->player(id).Team == kDraft) prospect = id;
    EXPECT_EQ(Run({"draft", "Pool", "--pick", std::to_string(prospect)}).out.rfind("Gulls take ", 0), 0u);
    EXPECT_TRUE(Run({"draft", "Pool", "--auto"}).Says("The draft is over: Season 2003 - Begin Season"));
    EXPECT_EQ(Run({"draft", "Pool", "--auto"}).status, 1) << "no draft at day 0";
    const std::string prospects = Run({"prospects", "Pool", "--csv"}).out;
    EXPECT_EQ(std::count(prospects.begin(), prospects.end(), '\n'), 101); // the next class
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
    EXPECT_EQ(Load("Rookies")->state.SeasonDay, Phase::FirstFreeAgency);
    EXPECT_TRUE(Run({"first-picks", "Rookies"}).Says("2004"));
    EXPECT_EQ(Run({"lottery", "Rookies"}).status, 1) << "no lottery in free agency";
}

TEST_F(CliDraft, ResetAndImportRookies) {
    ASSERT_EQ(Run({"new", "Again"}).status, 0);
    home.Write("import/class.csv",
               ImportHeader(ImportFormat::Draft) +
                   "\nNew,Kid,75,180,19,PG,High School,50,50,50,50,50,50,50,50,50,50,50,50,50,50,50,90\n");
    EXPECT_EQ(Run({"import-rookies", "Again", "class.csv"}).out, "Imported 1 prospects.\n");
    EXPECT_EQ(Run({"--no", "reset", "Again"}).status, 1);
    EXPECT_EQ(Run({"reset", "Again"}).out, "Season 2003 - Creation Draft\n");
    EXPECT_EQ(Load("Again")->team(3).NumPlayers, 0);
}

} // namespace
} // namespace hv
