// The exhibition and coach commands of hoopvale-cli on a bench league.
#include <gtest/gtest.h>

#include "support/cli_test.h"

namespace hv {
namespace {

class CliCoach : public test::CliTest {
  protected:
    void SetUp() override {
        home.CopyInstalledData();
        ASSERT_EQ(Run({"bench", "--games", "10", "--seed", "9", "--save", "Demo"}).status, 0);
        ASSERT_EQ(Run({"schedule", "Demo", "--generate", "--csv"}).status, 0);
        auto league = Load("Demo");
        homeTeam = league->schedule[1].Games[1].HomeTeam;
        center = league->team(league->FindTeam(homeTeam)).Depth(1, 1);
    }
    // A script file of its own for each text.
    std::string Script(const std::string& text) {
        const std::string name = "script" + std::to_string(++scripts) + ".txt";
        home.Write(name, text);
        return (home / name).string();
    }
    int scripts = 0;
    std::string homeTeam;
    int center = 0;
};

TEST_F(CliCoach, ExhibitionPrintsTheResultAndTheBoxAndChangesNoLeague) {
    const std::string before = Bytes("Demo");
    const test::CliResult r =
        Run({"exhibition", "Demo", homeTeam, "Demo.sav", "2", "--home", "neutral", "--seed", "3"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(" @ " + homeTeam + " "), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("(neutral court)"), std::string::npos);
    EXPECT_NE(r.out.find("Player of the Game"), std::string::npos) << r.out;
    EXPECT_TRUE(Bytes("Demo") == before);
    EXPECT_EQ(Run({"exhibition", "Demo", homeTeam, "Demo", "2", "--seed", "3"}).out,
              Run({"exhibition", "Demo", homeTeam, "Demo", "2", "--seed", "3"}).out)
        << "a seed gives the same game";
    const test::CliResult missing = Run({"exhibition", "Nowhere", "1", "Demo", "2"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.Says("Error: Save file not found"));
    const test::CliResult noTeam = Run({"exhibition", "Demo", "Nobodies", "Demo", "2"});
    EXPECT_EQ(noTeam.status, 1);
    EXPECT_TRUE(noTeam.Says("has no team \"Nobodies\""));
}

TEST_F(CliCoach, AScriptCoachesAScheduledGameAndTheEngineFinishesIt) {
    ASSERT_EQ(Run({"control", "Demo", "--coach", homeTeam}).status, 0);
    const test::CliResult r =
        Run({"coach", "Demo", "--day", "1", "--game", "1", "--script",
             Script("coach home on\npace home 75\npossession\nquarter\ntimeout away\n")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("> quarter"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Quarter 1 0:00"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("The engine plays the rest of the game."), std::string::npos);
    auto league = Load("Demo");
    EXPECT_TRUE(league->schedule[1].Games[1].Played);
    EXPECT_EQ(league->team(league->FindTeam(homeTeam)).Wins() +
                  league->team(league->FindTeam(homeTeam)).Losses(),
              1);
}

TEST_F(CliCoach, BadScriptsAreToldByLineAndNothingIsSaved) {
    ASSERT_EQ(Run({"control", "Demo", "--coach", homeTeam}).status, 0);
    const std::string c = std::to_string(center);
    ExpectRefusals(
        "Demo",
        {{{"coach", "Demo", "--day", "1", "--game", "1", "--script", Script("possession\nfly home\n")},
          1,
          "Line 2: unknown command \"fly\""},
         {{"coach", "Demo", "--day", "1", "--game", "1", "--script",
           Script("coach home on\nlineup home 1 " + c + "\nlineup home 2 " + c + "\npossession\n")},
          1,
          "Line 4: Roster Error: "},
         {{"coach", "Demo", "--day", "2", "--game", "1", "--script", Script("game\n")}, 1, "current day"},
         {{"coach", "Demo", "--day", "1", "--game", "1", "--script", (home / "none.txt").string()},
          1,
          "was not found"}});
    EXPECT_FALSE(Load("Demo")->schedule[1].Games[1].Played);
}

} // namespace
} // namespace hv
