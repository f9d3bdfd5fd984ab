// hoopvale-cli trade and trade-suggest: the verdict, a trade made and saved, and refusals that save nothing.
#include <gtest/gtest.h>

#include <algorithm>

#include "personnel/trade_value.h"
#include "support/cli_test.h"
#include "support/trade_league.h"

namespace hv {
namespace {

class CliTrade : public test::CliTest {
  protected:
    void SetUp() override {
        home.CopyInstalledData();
        test::TradeLeague t;
        Save(t.league, "Test");
        // Loading recomputes the ratings from the players' skills: the Hawks' two best by trade rating and
        // the Owls' worst make a trade the Owls take.
        const auto league = Load("Test");
        const TradeRater rater(*league);
        std::vector<int> hawks = RosterOf(*league, 1), owls = RosterOf(*league, 2);
        auto byRating = [&](int a, int b) { return rater.Rating(a) > rater.Rating(b); };
        std::sort(hawks.begin(), hawks.end(), byRating);
        std::sort(owls.begin(), owls.end(), byRating);
        best = hawks[0], second = hawks[1], worst = owls.back();
        generous = {"--team", "hawks",
                    "--with", "Owls",
                    "--give", std::to_string(best),
                    "--give", league->player(second).Name,
                    "--give", "Hawks 2006 1",
                    "--get",  std::to_string(worst)};
        bestName = league->player(best).Name;
    }
    std::vector<std::string> Generous(std::vector<std::string> head) const {
        head.insert(head.end(), generous.begin(), generous.end());
        return head;
    }
    int best = 0, second = 0, worst = 0;
    std::vector<std::string> generous;
    std::string bestName;
};

TEST_F(CliTrade, AVerdictThenTheTradeIsMadeAndSaved) {
    const std::string before = Bytes("Test");
    const test::CliResult eval = Run(Generous({"trade", "Test", "--evaluate"}));
    const std::string texts[] = {
        "Hawks give:", bestName + " (",           "2006 Round 1 draft pick",
        "Owls give:",  " Salaries: $2,000,000\n", "Would you like to proceed with the trade?\n"};
    for (const std::string& text : texts)
        EXPECT_TRUE(eval.Says(text)) << text;
    EXPECT_TRUE(Bytes("Test") == before);

    const test::CliResult made = Run(Generous({"trade", "Test"}));
    // The places the departed players held in the human Hawks' line-up are filled, and said so.
    EXPECT_EQ(made.err.rfind("Trade: Would you like to proceed with the trade? [yes]\nTrade: Trade Accepted\n"
                             "Line-up: The Hawks line-up had open places, which the computer filled: ",
                             0),
              0u)
        << made.err;
    EXPECT_TRUE(made.Says(" and one draft pick to the Owls for "));
    const auto league = Load("Test");
    EXPECT_EQ(
        std::make_tuple(league->player(best).Team, league->player(second).Team, league->player(worst).Team),
        std::make_tuple("Owls", "Owls", "Hawks"));
    EXPECT_EQ(league->tables.draftPick(1001).OwnedBy, 2);
}

TEST_F(CliTrade, RefusalsExitOneAndSaveNothing) {
    const std::vector<std::string> deal = {"trade", "Test", "--team", "Hawks", "--with", "Owls"};
    auto with = [&](std::vector<std::string> tail) {
        std::vector<std::string> args = deal;
        args.insert(args.end(), tail.begin(), tail.end());
        return args;
    };
    ExpectRefusals(
        "Test",
        {{Generous({"--no", "trade", "Test"}), 1, "Trade: Would you like to proceed with the trade? [no]\n"},
         {with({"--evaluate", "--give", "13"}), 1, "Trade Error: Player13 C is not on the Hawks roster.\n"},
         {with({"--give", "Hawks 2010 1"}), 1, "Error: The Hawks have no Round 1 draft pick in 2010.\n"},
         {with({"--get", "13", "--get", "14", "--get", "15"}), 1,
          "Trade Rejected: The Owls will need you to improve your offer"},
         {{"trade-suggest", "Test", "--team", "Owls", "--with", "Hawks", "--get", "1"},
          1,
          "Error: Suggestions are made for a human team's offer to a computer team.\n"},
         {{"trade", "Test", "--with", "Owls"}, 2, ""}});
}

TEST_F(CliTrade, SuggestNamesTheAddition) {
    EXPECT_EQ(
        Run({"trade-suggest", "Test", "--team", "Hawks", "--with", "Owls", "--get", std::to_string(worst)})
            .out.rfind("Adding ", 0),
        0u);
    EXPECT_EQ(Run(Generous({"trade-suggest", "Test"})).out, "The Owls accept this trade as it is.\n");
}

} // namespace
} // namespace hv
