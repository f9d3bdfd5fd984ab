// What every use of hoopvale-cli can count on: --version, the teams command, team names in any case, help
// examples that survive a shell, "TITLE: TEXT" messages and control characters that never reach the terminal.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "cli/cli_app.h"
#include "core/sample_league.h"
#include "league/save_file.h"
#include "platform/program_folder.h"
#include "platform/scripted_host.h"
#include "support/temp_home.h"

namespace hv {
namespace {

class CliConventions : public ::testing::Test {
  protected:
    void SetUp() override {
        home.CopyInstalledData();
        League league;
        league.programFolder = home.path();
        testing::FillSampleLeague(league, {.gameLogEntries = 1, .seasonHistoryEntries = 0});
        // Team 3 holds exactly two players, with salaries easy to add up by hand.
        for (int id = 1; id <= kLastLeaguePlayer; ++id)
            if (league.player(id).Team == league.team(3).Name) league.player(id).Team = kFreeAgent;
        league.team(3).City = "Ciudad Tres";
        for (auto [id, salary] : {std::pair{21, 1000000}, std::pair{22, 2500000}}) {
            league.player(id).Team = league.team(3).Name;
            league.player(id).contract1 = salary;
        }
        league.player(4).Name = "Evil \x1b[31mRed";
        league.state.Password = "pw";
        ScriptedHost host;
        ASSERT_TRUE(SaveLeague(league, "Cup", host)) << host.LastMessage();
        team3 = league.team(3).Name;
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
    test::TempHome home;
    std::string team3;
};

TEST_F(CliConventions, VersionNeedsNoProgramFolder) {
    std::ostringstream out, err;
    EXPECT_EQ(RunCli({"--home", "/nonexistent/place", "--version"}, out, err, HOOPVALE_CLI_PATH), 0);
    EXPECT_EQ(out.str(), "Hoopvale Version " + VersionText() + "\n");
    EXPECT_EQ(err.str(), "");
}

TEST_F(CliConventions, TeamsListsEverySlotWithRosterAndPayroll) {
    Result r = Run({"teams", "Cup"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::istringstream lines(r.out);
    std::string header, line;
    std::getline(lines, header);
    EXPECT_EQ(header.rfind("Slot  City", 0), 0u) << header;
    for (const char* title : {"Name", "Conference", "Division", "Owner", "Players", "Payroll"})
        EXPECT_NE(header.find(title), std::string::npos) << title;
    int rows = 0;
    std::string third;
    while (std::getline(lines, line))
        if (++rows == 3) third = line;
    EXPECT_EQ(rows, kLeagueTeams);
    EXPECT_TRUE(std::regex_match(
        third, std::regex("   3  Ciudad Tres +" + team3 + " +East +Atlantic +Computer +2 +\\$3,500,000")))
        << third;
    Result csv = Run({"teams", "Cup", "--csv"});
    EXPECT_NE(csv.out.find("\n3,Ciudad Tres," + team3 + ",East,Atlantic,Computer,2,\"$3,500,000\"\n"),
              std::string::npos)
        << csv.out;
}

TEST_F(CliConventions, TeamNamesMatchInAnyCaseAndAMismatchListsTheValidOnes) {
    for (const char* team : {"hawks", "HAWKS", "Ciudad 1 hawks", "fa", "draft", "NEXTDRAFT"}) {
        Result r = Run({"players", "Cup", "--team", team, "--csv"});
        EXPECT_EQ(r.status, 0) << team << ": " << r.err;
    }
    Result hawks = Run({"players", "Cup", "--team", "hAwKs", "--csv"});
    EXPECT_NE(hawks.out.find(",Hawks,"), std::string::npos);
    Result none = Run({"players", "Cup", "--team", "Hawk"});
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.err.find("Error: There is no team named \"Hawk\". The teams are: Hawks, Bulls, "),
              std::string::npos)
        << none.err;
    EXPECT_NE(none.err.find("; or FA, Draft or NextDraft.\n"), std::string::npos) << none.err;
}

TEST_F(CliConventions, HelpExamplesSurviveTheShell) {
    Result r = Run({"options", "--help"});
    ASSERT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("--salary-cap"), std::string::npos);
    // Inside double quotes a shell expands "$4" to nothing.
    EXPECT_FALSE(std::regex_search(r.out, std::regex("\"[^\"\\n]*\\$[^\"\\n]*\""))) << r.out;
}

TEST_F(CliConventions, EveryMessageHasATitle) {
    std::vector<std::string> lines;
    for (auto args :
         {std::vector<std::string>{"--commish", "wrong", "options", "Cup", "--injuries", "on"},
          std::vector<std::string>{"password", "Cup"}, std::vector<std::string>{"show", "Missing"}}) {
        std::istringstream err(Run(args).err);
        for (std::string line; std::getline(err, line);)
            lines.push_back(line);
    }
    ASSERT_GE(lines.size(), 4u);
    for (const std::string& line : lines)
        EXPECT_TRUE(std::regex_match(line, std::regex("[A-Z][A-Za-z/! ]*: [^ ].*"))) << line;
    EXPECT_EQ(lines[0], "Hoopvale: Login Failed");
}

TEST_F(CliConventions, ControlCharactersAreShownNotSentToTheTerminal) {
    for (auto args :
         {std::vector<std::string>{"players", "Cup"}, std::vector<std::string>{"players", "Cup", "--csv"},
          std::vector<std::string>{"players", "Cup", "--team", "No\x1b]0;title\x07where"}}) {
        Result r = Run(args);
        EXPECT_EQ((r.out + r.err).find_first_of("\x1b\x07"), std::string::npos) << args.back();
        EXPECT_NE((r.out + r.err).find("^["), std::string::npos) << args.back();
    }
}

} // namespace
} // namespace hv
