// What every use of hoopvale-cli can count on: --version, the teams list, team names in any case, help
// examples that survive a shell, "TITLE: TEXT" messages and control characters that never reach the terminal.
#include <gtest/gtest.h>

#include <regex>

#include "platform/program_folder.h"
#include "reports/teams_table.h"
#include "support/build_paths.h"
#include "support/cli_test.h"
#include "support/sample_league.h"

namespace hv {
namespace {

class CliConventions : public test::CliTest {
  protected:
    void SetUp() override {
        home.CopyInstalledData();
        testing::FillSampleLeague(league, {.gameLogEntries = 1, .seasonHistoryEntries = 0});
        // Team 3 ("Öwls") holds exactly two players, with salaries easy to add up by hand.
        for (int id = 1; id <= kLastLeaguePlayer; ++id)
            if (league.player(id).Team == "Öwls") league.player(id).Team = kFreeAgent;
        for (auto [id, salary] : {std::pair{21, 1000000}, std::pair{22, 2500000}})
            league.player(id).Team = "Öwls", league.player(id).contract1 = salary;
        league.player(4).Name = "Evil \x1b[31mRed";
        league.state.Password = "pw";
        Save(league, "Cup");
    }
    std::string Output(std::vector<std::string> args) {
        const test::CliResult r = Run(args);
        return r.out + r.err;
    }
    League league;
};

TEST_F(CliConventions, VersionNeedsNoProgramFolder) {
    std::ostringstream out, err;
    EXPECT_EQ(RunCli({"--home", "/nonexistent/place", "--version"}, out, err, hv::build_paths::kCli), 0);
    EXPECT_EQ(out.str() + err.str(), "Hoopvale Version " + VersionText() + "\n");
}

TEST_F(CliConventions, TeamsListsEverySlotWithRosterAndPayroll) {
    ReportTable table = TeamsTable(league);
    std::vector<std::string> third;
    for (const auto& cell : table.rows.at(2))
        third.push_back(cell.text);
    EXPECT_EQ(third, (std::vector<std::string>{"3", "Ciudad 3", "Öwls", "East", "Atlantic", "Computer", "2",
                                               "$3,500,000"}));
    EXPECT_EQ(table.rows.size(), size_t(kLeagueTeams));
    EXPECT_NE(Output({"teams", "Cup"}).find("$3,500,000"), std::string::npos);
}

TEST_F(CliConventions, TeamNamesMatchInAnyCaseAndAMismatchListsTheValidOnes) {
    for (const char* team : {"Ciudad 1 hawks", "fa", "NEXTDRAFT"})
        EXPECT_EQ(Run({"players", "Cup", "--team", team, "--csv"}).status, 0) << team;
    EXPECT_NE(Output({"players", "Cup", "--team", "hAwKs", "--csv"}).find(",Hawks,"), std::string::npos);
    const test::CliResult r = Run({"players", "Cup", "--team", "Hawk"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(
        std::regex_match(r.err, std::regex("Error: There is no team named \"Hawk\"\\. The teams are: "
                                           "Hawks, Bulls, .*, Ravens II; or FA, Draft or NextDraft\\.\n")))
        << r.err;
}

TEST_F(CliConventions, HelpExamplesSurviveTheShell) {
    const std::string help = Output({"options", "--help"});
    EXPECT_NE(help.find("--salary-cap"), std::string::npos);
    // Inside double quotes a shell expands "$4" to nothing.
    EXPECT_FALSE(std::regex_search(help, std::regex("\"[^\"\\n]*\\$[^\"\\n]*\""))) << help;
}

TEST_F(CliConventions, EveryMessageHasATitleAndNoControlCharacterReachesTheTerminal) {
    std::string all = Output({"--commish", "wrong", "options", "Cup", "--injuries", "on"}) +
                      Output({"password", "Cup"}) + Output({"show", "Missing"});
    EXPECT_EQ(all.rfind("Hoopvale: Login Failed\n", 0), 0u) << all;
    std::istringstream lines(all);
    for (std::string line; std::getline(lines, line);)
        EXPECT_TRUE(std::regex_match(line, std::regex("[A-Z][A-Za-z/! ]*: [^ ].*"))) << line;
    for (auto args : {std::vector<std::string>{"players", "Cup"},
                      std::vector<std::string>{"players", "Cup", "--team", "No\x1b]0;title\x07where"}}) {
        const std::string output = Output(args);
        EXPECT_EQ(output.find_first_of("\x1b\x07"), std::string::npos) << args.back();
        EXPECT_NE(output.find("^["), std::string::npos) << args.back();
    }
}

} // namespace
} // namespace hv
