// The CSV exports: each kind's header and lines byte for byte, the scopes, the refusals and the files.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/scripted_host.h"
#include "reports/csv_export.h"
#include "support/file_bytes.h"
#include "support/temp_home.h"

namespace hv {
namespace {

namespace fs = std::filesystem;

// A player with a different value in every exported field.
Player FixturePlayer() {
    Player p;
    p.Name = "Marcus Van Horn";
    p.DefaultPosition = "SF";
    p.PositionNumber = 3;
    p.Team = "Hawks";
    p.Height = 80, p.Weight = 231, p.Age = 27, p.Experience = 5;
    p.College = "Smith, Jr. College";
    p.InsideScoring = 61, p.JumpShot = 62, p.ThreePointShot = 63, p.Handling = 64, p.Passing = 65;
    p.Quickness = 66, p.PostDefense = 67, p.PerimeterDefense = 68, p.DriveDefense = 69, p.Stealing = 70;
    p.ShotBlocking = 71, p.OffenseRebound = 72, p.DefenseRebound = 73, p.Jumping = 74, p.Strength = 75;
    p.Potential = 76, p.PotentialGrade = "B";
    p.RatingInsideScoring = 90, p.RatingOutsideScoring = 3, p.RatingHandling = 55, p.RatingDefense = 72;
    p.RatingRebounding = 33;
    p.contract1 = 1000001, p.contract2 = 1000002, p.contract3 = 1000003, p.contract4 = 1000004;
    p.contract5 = 1000005, p.contract6 = 1000006, p.contract7 = 1000007, p.contract8 = 1000008;
    SeasonTotals& s = p.SeasonStats;
    s.Games = 70, s.GamesStarted = 65, s.Minutes = 2100, s.FG = 401, s.FGA = 802, s.FT = 150, s.FTA = 180;
    s.ThreeP = 40, s.ThreePA = 110, s.Rebounds = 300, s.Assists = 250, s.Steals = 60, s.Blocks = 20;
    s.Turnovers = 120, s.Fouls = 170, s.Points = 992;
    return p;
}

TEST(CsvExport, HeadersAreTheExactLines) {
    EXPECT_EQ(CsvHeader(CsvKind::Statistics),
              "Name,Position,Team,Games,Minutes,FG,FGA,FT,FTA,3P,3PA,Rebounds,"
              "Assists,Steals,Blocks,Turnovers,Fouls,Points");
    EXPECT_EQ(
        CsvHeader(CsvKind::Attributes),
        "Name,Position,Team,Age,Height,Weight,Inside Scoring,Outside Scoring,Handling,Defense,Rebounding,"
        "Potential,Salary1,Salary2,Salary3,Salary4,Salary5,Salary6,Salary7");
    EXPECT_EQ(
        CsvHeader(CsvKind::LeagueImport),
        "FirstName,LastName,Height,Weight,Age,Position,College,Experience,Team,InsideScoring,Jumpshot,3P,"
        "Handling,Passing,Quickness,PostD,PerimeterD,DriveD,Stealing,Blocking,Oreb,Dreb,Jumping,Strength,"
        "Potential,Salary1,Salary2,Salary3,Salary4,Salary5,Salary6,Salary7");
    EXPECT_EQ(
        CsvHeader(CsvKind::DraftFile),
        "FirstName,LastName,Height,Weight,Age,Position,College,InsideScoring,Jumpshot,3P,Handling,Passing,"
        "Quickness,PostD,PerimeterD,DriveD,Stealing,Blocking,Oreb,Dreb,Jumping,Strength,Potential");
}

TEST(CsvExport, PlayerLinesOfEveryKind) {
    const Player p = FixturePlayer();
    EXPECT_EQ(CsvPlayerLine(p, CsvKind::Statistics),
              "Marcus Van Horn,SF,Hawks,70,2100,401,802,150,180,40,110,300,250,60,20,120,170,992");
    EXPECT_EQ(CsvPlayerLine(p, CsvKind::Attributes),
              "Marcus Van Horn,SF,Hawks,27,80,231,A,F-,C+,B+,C-,B,1000001,1000002,1000003,1000004,1000005,"
              "1000006,1000007");
    EXPECT_EQ(
        CsvPlayerLine(p, CsvKind::LeagueImport),
        "Marcus,Van Horn,80,231,27,SF,Smith Jr. College,5,Hawks,61,62,63,64,65,66,67,68,69,70,71,72,73,74,75,"
        "76,1000001,1000002,1000003,1000004,1000005,1000006,1000007");
    EXPECT_EQ(
        CsvPlayerLine(p, CsvKind::DraftFile),
        "Marcus,Van Horn,80,231,27,SF,Smith Jr. College,61,62,63,64,65,66,67,68,69,70,71,72,73,74,75,76");
}

TEST(CsvExport, OneWordNameAndCommas) {
    Player p = FixturePlayer();
    p.Name = "Zeus";
    p.College = "A,,B, C";
    EXPECT_EQ(CsvPlayerLine(p, CsvKind::DraftFile).substr(0, 19), ",,80,231,27,SF,AB C");
    EXPECT_EQ(CsvPlayerLine(p, CsvKind::LeagueImport).substr(0, 2), ",,");
    EXPECT_EQ(CollegeWithoutCommas("Smith, Jr. College"), "Smith Jr. College");
}

// A league of three players (a team's, a prospect, a free agent) around an empty "N/A" slot.
struct CsvLeague {
    test::TempHome home;
    League league;
    ScriptedHost host;

    CsvLeague() {
        league.programFolder = home.path();
        league.state.LeagueName = "Test";
        league.state.Season = 2007;
        for (int t = 1; t <= kLeagueTeams; ++t)
            league.team(t).Name = "Team" + std::to_string(t);
        league.team(1).Name = "Hawks";
        league.player(1) = FixturePlayer();
        league.player(2) = FixturePlayer();
        league.player(2).Name = "N/A";
        league.player(3) = FixturePlayer();
        league.player(3).Name = "Kenji Draftee";
        league.player(3).Team = kDraft;
        league.player(5) = FixturePlayer();
        league.player(5).Name = "Ann Free";
        league.player(5).Team = kFreeAgent;
    }
    std::string Read(const std::string& name) const { return test::FileBytes(home.path() / "output" / name); }
    size_t OutputFiles() const {
        std::error_code ec;
        if (!fs::is_directory(home.path() / "output", ec)) return 0;
        return static_cast<size_t>(std::distance(fs::directory_iterator(home.path() / "output"), {}));
    }
};

TEST(CsvExport, StatisticsLeaveOutProspectsAndEmptySlots) {
    CsvLeague l;
    auto files = ExportCsv(l.league, l.host, CsvKind::Statistics, "All");
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0], l.home.path() / "output" / "TestAllPlayerStats.csv");
    const std::string line = "70,2100,401,802,150,180,40,110,300,250,60,20,120,170,992\r\n";
    EXPECT_EQ(l.Read("TestAllPlayerStats.csv"), CsvHeader(CsvKind::Statistics) + "\r\n" +
                                                    "Marcus Van Horn,SF,Hawks," + line + "Ann Free,SF,FA," +
                                                    line);
    ASSERT_EQ(l.host.messages.size(), 1u);
    EXPECT_EQ(l.host.messages[0].title, "CSV Output");
    EXPECT_EQ(l.host.messages[0].text,
              "Output Complete. File created in folder " + (l.home.path() / "output").string() + ".");
}

TEST(CsvExport, DraftFileHoldsTheProspectsAfterABlankLine) {
    CsvLeague l;
    auto files = ExportCsv(l.league, l.host, CsvKind::DraftFile, "Hawks");
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0].filename(), "TestDraftFile2007.txt");
    EXPECT_EQ(
        l.Read("TestDraftFile2007.txt"),
        CsvHeader(CsvKind::DraftFile) +
            "\r\n \r\nKenji,Draftee,80,231,27,SF,Smith Jr. College,61,62,63,64,65,66,67,68,69,70,71,72,73,74,"
            "75,76\r\n");
}

TEST(CsvExport, LeagueImportHoldsEveryPlayer) {
    CsvLeague l;
    ExportCsv(l.league, l.host, CsvKind::LeagueImport, "All");
    const std::string text = l.Read("TestLeagueImport2007.csv");
    EXPECT_EQ(text.substr(0, CsvHeader(CsvKind::LeagueImport).size() + 5),
              CsvHeader(CsvKind::LeagueImport) + "\r\n \r\n");
    EXPECT_NE(text.find("\r\nMarcus,Van Horn,80,231,27,SF,Smith Jr. College,5,Hawks,"), std::string::npos);
    EXPECT_NE(text.find("\r\nKenji,Draftee,80,231,27,SF,Smith Jr. College,5,Draft,"), std::string::npos);
    EXPECT_NE(text.find("\r\nAnn,Free,80,231,27,SF,Smith Jr. College,5,FA,"), std::string::npos);
    EXPECT_EQ(text.find("N/A"), std::string::npos);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 5);
}

TEST(CsvExport, ScopesWriteTheFilesTheyName) {
    CsvLeague l;
    auto teams = ExportCsv(l.league, l.host, CsvKind::Statistics, "All Teams");
    ASSERT_EQ(teams.size(), 29u);
    EXPECT_EQ(teams[0].filename(), "TestHawksStats.csv");
    EXPECT_EQ(teams[28].filename(), "TestTeam29Stats.csv");
    EXPECT_EQ(l.Read("TestTeam29Stats.csv"), CsvHeader(CsvKind::Statistics) + "\r\n");
    auto draft = ExportCsv(l.league, l.host, CsvKind::Attributes, "Draft");
    ASSERT_EQ(draft.size(), 1u);
    EXPECT_EQ(l.Read("TestDraftAttributes.csv"),
              CsvHeader(CsvKind::Attributes) + "\r\nKenji Draftee,SF,Draft,27,80,231,A,F-,C+,B+,C-,B,1000001,"
                                               "1000002,1000003,1000004,1000005,1000006,1000007\r\n");
    auto fa = ExportCsv(l.league, l.host, CsvKind::Statistics, "FA");
    ASSERT_EQ(fa.size(), 1u);
    EXPECT_EQ(fa[0].filename(), "TestFAStats.csv");
    ExportCsv(l.league, l.host, CsvKind::Attributes, "All");
    const std::string all = l.Read("TestAllPlayerAttributes.csv");
    EXPECT_EQ(std::count(all.begin(), all.end(), '\n'), 4)
        << "the prospect is among every player's attributes";
    EXPECT_EQ(l.OutputFiles(), 32u);
}

TEST(CsvExport, UnknownScopeWritesNothing) {
    CsvLeague l;
    EXPECT_TRUE(ExportCsv(l.league, l.host, CsvKind::Statistics, "Nobody").empty());
    EXPECT_EQ(l.OutputFiles(), 0u);
    EXPECT_NE(l.host.LastMessage().find("There is no team Nobody"), std::string::npos);
}

TEST(CsvExport, RestrictedKindsNeedTheCommissioner) {
    CsvLeague l;
    l.league.state.Password = "secret";
    l.league.state.CommissionerRights = false;
    EXPECT_TRUE(ExportCsv(l.league, l.host, CsvKind::LeagueImport, "All").empty());
    EXPECT_EQ(l.host.LastMessage(),
              "Only the league commissioner may output the CSV file in league import format.");
    EXPECT_TRUE(ExportCsv(l.league, l.host, CsvKind::DraftFile, "All").empty());
    EXPECT_EQ(l.host.LastMessage(),
              "Only the league commissioner may output a CSV file in draft export format.");
    EXPECT_EQ(l.OutputFiles(), 0u);
    EXPECT_EQ(ExportCsv(l.league, l.host, CsvKind::Statistics, "All").size(), 1u)
        << "the statistics are anybody's";
}

} // namespace
} // namespace hv
