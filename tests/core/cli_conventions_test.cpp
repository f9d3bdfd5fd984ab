// What every use of hoopvale-cli can count on: --version, the teams list, team names in any case, help
// examples that survive a shell, "TITLE: TEXT" messages and control characters that never reach the terminal.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "cli/cli_app.h"
#include "core/sample_league.h"
#include "league/save_file.h"
#include "platform/program_folder.h"
#include "platform/scripted_host.h"
#include "reports/teams_table.h"
#include "support/temp_home.h"

namespace hv {
namespace {

class CliConventions : public ::testing::Test {
  protected:
    void SetUp() override {
        home.CopyInstalledData();
        league.programFolder = home.path();
        testing::FillSampleLeague(league, {.gameLogEntries = 1, .seasonHistoryEntries = 0});
        // Team 3 ("Öwls") holds exactly two players, with salaries easy to add up by hand.
        for (int id = 1; id <= kLastLeaguePlayer; ++id)
            if (league.player(id).Team == "Öwls") league.player(id).Team = kFreeAgent;
        for (auto [id, salary] : {std::pair{21, 1000000}, std::pair{22, 2500000}})
            league.player(id).Team = "Öwls", league.player(id).contract1 = salary;
        league.player(4).Name = "Evil \x1b[31mRed";
        league.state.Password = "pw";
        ScriptedHost host;
        ASSERT_TRUE(SaveLeague(league, "Cup", host)) << host.LastMessage();
    }
    std::pair<int, std::string> Run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--home", home.path().string()});
        std::ostringstream out, err;
        int status = RunCli(args, out, err, HOOPVALE_CLI_PATH);
        return {status, out.str() + err.str()};
    }
    test::TempHome home;
    League league;
};

TEST_F(CliConventions, VersionNeedsNoProgramFolder) {
    std::ostringstream out, err;
    EXPECT_EQ(RunCli({"--home", "/nonexistent/place", "--version"}, out, err, HOOPVALE_CLI_PATH), 0);
    EXPECT_EQ(out.str() + err.str(), "Hoopvale Version " + VersionText() + "\n");
}

TEST_F(CliConventions, TeamsListsEverySlotWithRosterAndPayroll) {
    ReportTable table = TeamsTable(league);
    std::vector<std::string> titles, third;
    for (const auto& c : table.columns)
        titles.push_back(c.title);
    for (const auto& cell : table.rows.at(2))
        third.push_back(cell.text);
    EXPECT_EQ(titles, (std::vector<std::string>{"Slot", "City", "Name", "Conference", "Division", "Owner",
                                                "Players", "Payroll"}));
    EXPECT_EQ(third, (std::vector<std::string>{"3", "Ciudad 3", "Öwls", "East", "Atlantic", "Computer", "2",
                                               "$3,500,000"}));
    EXPECT_EQ(table.rows.size(), size_t(kLeagueTeams));
    auto [status, output] = Run({"teams", "Cup"});
    EXPECT_EQ(status, 0);
    EXPECT_NE(output.find("$3,500,000"), std::string::npos) << output;
}

TEST_F(CliConventions, TeamNamesMatchInAnyCaseAndAMismatchListsTheValidOnes) {
    for (const char* team : {"hAwKs", "Ciudad 1 hawks", "fa", "draft", "NEXTDRAFT"})
        EXPECT_EQ(Run({"players", "Cup", "--team", team, "--csv"}).first, 0) << team;
    EXPECT_NE(Run({"players", "Cup", "--team", "hawks", "--csv"}).second.find(",Hawks,"), std::string::npos);
    auto [status, output] = Run({"players", "Cup", "--team", "Hawk"});
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(
        std::regex_match(output, std::regex("Error: There is no team named \"Hawk\"\\. The teams are: "
                                            "Hawks, Bulls, .*, Ravens II; or FA, Draft or NextDraft\\.\n")))
        << output;
}

TEST_F(CliConventions, HelpExamplesSurviveTheShell) {
    auto [status, output] = Run({"options", "--help"});
    EXPECT_NE(output.find("--salary-cap"), std::string::npos);
    // Inside double quotes a shell expands "$4" to nothing.
    EXPECT_FALSE(std::regex_search(output, std::regex("\"[^\"\\n]*\\$[^\"\\n]*\""))) << output;
}

TEST_F(CliConventions, EveryMessageHasATitleAndNoControlCharacterReachesTheTerminal) {
    std::string all;
    for (auto args :
         {std::vector<std::string>{"--commish", "wrong", "options", "Cup", "--injuries", "on"},
          std::vector<std::string>{"password", "Cup"}, std::vector<std::string>{"show", "Missing"}})
        all += Run(args).second;
    std::istringstream lines(all);
    for (std::string line; std::getline(lines, line);)
        EXPECT_TRUE(std::regex_match(line, std::regex("[A-Z][A-Za-z/! ]*: [^ ].*"))) << line;
    EXPECT_EQ(all.rfind("Hoopvale: Login Failed\n", 0), 0u) << all;

    for (auto args :
         {std::vector<std::string>{"players", "Cup"}, std::vector<std::string>{"players", "Cup", "--csv"},
          std::vector<std::string>{"players", "Cup", "--team", "No\x1b]0;title\x07where"}}) {
        std::string output = Run(args).second;
        EXPECT_EQ(output.find_first_of("\x1b\x07"), std::string::npos) << args.back();
        EXPECT_NE(output.find("^["), std::string::npos) << args.back();
    }
}

} // namespace
} // namespace hv
