// hoopvale-cli trade and trade-suggest on a saved league: the verdict shown, a trade made and saved, refusals
// that exit 1 and leave the file as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "cli/cli_app.h"
#include "personnel/trade_value.h"
#include "platform/scripted_host.h"
#include "season/lineup.h"
#include "support/temp_home.h"
#include "support/trade_league.h"

namespace hv {
namespace {

using test::PlayerOf;

class CliTrade : public ::testing::Test {
  protected:
    void SetUp() override {
        home.CopyInstalledData();
        test::TradeLeague t;
        t.league.programFolder = home.path();
        ScriptedHost host;
        ASSERT_TRUE(SaveLeague(t.league, "Test", host)) << host.LastMessage();
        // Loading recomputes the ratings from the players' skills: the Hawks' two best by trade rating and
        // the Owls' worst make a trade the Owls take.
        const League league = Load();
        const TradeRater rater(league);
        std::vector<int> hawks = RosterOf(league, 1), owls = RosterOf(league, 2);
        auto byRating = [&](int a, int b) { return rater.Rating(a) > rater.Rating(b); };
        std::sort(hawks.begin(), hawks.end(), byRating);
        std::sort(owls.begin(), owls.end(), byRating);
        best = hawks[0], second = hawks[1], worst = owls.back();
        generous = {"--team", "hawks",
                    "--with", "Owls",
                    "--give", std::to_string(best),
                    "--give", league.player(second).Name,
                    "--give", "Hawks 2006 1",
                    "--get",  std::to_string(worst)};
        names = {league.player(best).Name, league.player(second).Name, league.player(worst).Name};
    }

    struct Result {
        int status;
        std::string out, err;
    };
    Result Run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--home", home.path().string()});
        std::ostringstream out, err;
        int status = RunCli(args, out, err, HOOPVALE_CLI_PATH);
        return {status, out.str(), err.str()};
    }
    std::string Bytes() {
        std::ifstream in(home / "save/Test.sav", std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), {});
    }
    League Load() {
        League league;
        league.programFolder = home.path();
        ScriptedHost host;
        EXPECT_TRUE(LoadLeague(league, "Test.sav", host)) << host.LastMessage();
        return league;
    }

    test::TempHome home;
    int best = 0, second = 0, worst = 0;
    std::vector<std::string> generous, names;
};

std::vector<std::string> Args(std::vector<std::string> head, const std::vector<std::string>& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

TEST_F(CliTrade, AVerdictThenTheTradeIsMadeAndSaved) {
    const std::string before = Bytes();
    Result eval = Run(Args({"trade", "Test", "--evaluate"}, generous));
    ASSERT_EQ(eval.status, 0) << eval.err;
    EXPECT_NE(eval.out.find("Hawks give:"), std::string::npos);
    EXPECT_NE(eval.out.find(names[0] + " ("), std::string::npos);
    EXPECT_NE(eval.out.find("2006 Round 1 draft pick"), std::string::npos);
    EXPECT_NE(eval.out.find("Owls give:"), std::string::npos);
    EXPECT_NE(eval.out.find(" Salaries: $2,000,000\n"), std::string::npos);
    EXPECT_NE(eval.out.find("Would you like to proceed with the trade?\n"), std::string::npos);
    EXPECT_EQ(Bytes(), before);

    Result made = Run(Args({"trade", "Test"}, generous));
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_EQ(made.err, "Trade: Would you like to proceed with the trade? [yes]\nTrade: Trade Accepted\n");
    EXPECT_NE(made.out.find(names[0] + ", "), std::string::npos);
    EXPECT_NE(made.out.find(names[1] + " and one draft pick to the Owls for "), std::string::npos);
    League league = Load();
    EXPECT_EQ(league.player(best).Team, "Owls");
    EXPECT_EQ(league.player(second).Team, "Owls");
    EXPECT_EQ(league.player(worst).Team, "Hawks");
    EXPECT_EQ(league.tables.draftPick(1001).OwnedBy, 2);
}

TEST_F(CliTrade, RefusalsExitOneAndSaveNothing) {
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string err;
    };
    const Case cases[] = {
        {Args({"--no", "trade", "Test"}, generous), 1,
         "Trade: Would you like to proceed with the trade? [no]\n"},
        {{"trade", "Test", "--team", "Hawks", "--with", "Owls", "--give", "13"},
         1,
         "Trade Error: Player13 C is not on the Hawks roster.\n"},
        {{"trade", "Test", "--team", "Hawks", "--with", "Owls", "--give", "Hawks 2010 1"},
         1,
         "Error: The Hawks have no Round 1 draft pick in 2010.\n"},
        {{"trade", "Test", "--team", "Hawks", "--with", "Owls", "--give", "1175"},
         1,
         "Error: There is no draft pick 1175: picks are numbered 1001 to 1174.\n"},
        {{"trade", "Test", "--team", "Hawks", "--with", "Owls", "--get", "13", "--get", "14", "--get", "15"},
         1,
         ""},
        {{"trade-suggest", "Test", "--team", "Owls", "--with", "Hawks", "--get", "1"},
         1,
         "Error: Suggestions are made for a human team's offer to a computer team.\n"},
        {{"trade", "Test", "--with", "Owls"}, 2, ""},
    };
    const std::string before = Bytes();
    for (const Case& c : cases) {
        Result r = Run(c.args);
        EXPECT_EQ(r.status, c.status) << r.err;
        if (!c.err.empty()) {
            EXPECT_EQ(r.err, c.err);
        }
        EXPECT_FALSE(r.err.empty());
        EXPECT_EQ(Bytes(), before);
    }
    // The greedy one is refused with the Owls' answer.
    Result greedy = Run(
        {"trade", "Test", "--team", "Hawks", "--with", "Owls", "--get", "13", "--get", "14", "--get", "15"});
    EXPECT_EQ(greedy.err.rfind("Trade Rejected: The Owls will need you to improve your offer", 0), 0u)
        << greedy.err;
}

TEST_F(CliTrade, SuggestNamesTheAddition) {
    const League league = Load();
    TradeProposal ask{{1, {}}, {2, RatedItems(league, {worst})}};
    const std::string expected = SuggestionText(league, ask, SuggestAddition(league, ask)) + "\n";
    Result r =
        Run({"trade-suggest", "Test", "--team", "Hawks", "--with", "Owls", "--get", std::to_string(worst)});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, expected);
    EXPECT_EQ(r.out.rfind("Adding ", 0), 0u);
    EXPECT_EQ(Run(Args({"trade-suggest", "Test"}, generous)).out, "The Owls accept this trade as it is.\n");
}

} // namespace
} // namespace hv
