// The league database export: the template's tables, the rows written from a league with a value in every
// field, the rules for schedules and retired players, replacing and failing, and the documented queries.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <sstream>

#include "platform/scripted_host.h"
#include "reports/database_export.h"
#include "support/build_paths.h"
#include "support/file_bytes.h"
#include "support/sample_league.h"
#include "support/temp_home.h"

namespace hv {
namespace {

namespace fs = std::filesystem;

using Row = std::vector<std::string>;

// Read-only access to an exported file; every value as text ("NULL" for NULL).
class Db {
  public:
    explicit Db(const fs::path& file) { sqlite3_open_v2(file.c_str(), &db_, SQLITE_OPEN_READONLY, nullptr); }
    ~Db() { sqlite3_close(db_); }
    std::vector<Row> Query(const std::string& sql, const std::map<std::string, std::string>& params = {}) {
        sqlite3_stmt* stmt = nullptr;
        std::vector<Row> rows;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
            ADD_FAILURE() << sqlite3_errmsg(db_) << " in " << sql;
            return rows;
        }
        for (const auto& [name, value] : params)
            if (int index = sqlite3_bind_parameter_index(stmt, name.c_str()))
                sqlite3_bind_text(stmt, index, value.c_str(), -1, SQLITE_TRANSIENT);
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            Row row;
            for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
                const unsigned char* text = sqlite3_column_text(stmt, c);
                row.push_back(text ? reinterpret_cast<const char*>(text) : "NULL");
            }
            rows.push_back(row);
        }
        sqlite3_finalize(stmt);
        return rows;
    }
    long long Count(const std::string& table, const std::string& where = "1") {
        auto rows = Query("SELECT COUNT(*) FROM \"" + table + "\" WHERE " + where);
        return rows.empty() ? -1 : std::stoll(rows[0][0]);
    }
    Row Columns(const std::string& table) {
        Row names;
        for (const Row& r : Query("PRAGMA table_info(\"" + table + "\")"))
            names.push_back(r[1]);
        return names;
    }

  private:
    sqlite3* db_ = nullptr;
};

// The sample league in a program folder that holds the template, with rights to export.
struct ExportLeague {
    test::TempHome home;
    League league;
    ScriptedHost host;

    ExportLeague() {
        testing::FillSampleLeague(league);
        league.programFolder = home.path();
        league.state.CommissionerRights = true;
        fs::copy_file(fs::path(build_paths::kTestData) / "blank.dat", home.path() / "blank.dat");
    }
    fs::path Export() {
        auto file = ExportDatabase(league, host);
        return file ? *file : fs::path();
    }
};

// The tables and their columns in the order the export fills them; a table's columns as one text, split at
// the spaces.
const std::vector<std::pair<std::string, Row>>& ExpectedTables() {
    const std::string seasonLine =
        "ID Season Team Games Minutes FG FGA FT FTA 3P 3PA Rebounds Assists Steals "
        "Blocks Turnovers Points Fouls DQ DoubleDoubles TripleDoubles mpg FG% FT% "
        "3P% rpg apg bpg ppg tpg spg";
    const std::vector<std::pair<std::string, std::string>> written{
        {"AllStarWeekendWinners", "Season PlayerID Player Position Team Event"},
        {"DraftPicks", "ID Team year Round OwnedBy value Selection"},
        {"PlayerRecords",
         "Rank PlayerID Player Position Season Record RecordTitle PPG RPG APG BPG SPG TOPG FG FGA FGpct "
         "FT FTA FTpct 3P 3PA 3Ppct DoubleDoubles TripleDoubles Team gamePoints gameRebounds gameAssists "
         "gameBlocks gameSteals gameTurnovers gameFG gameFGA gameFT gameFTA game3P game3PA"},
        {"Player",
         "ID College Name Height Weight DisplayHeight Age Team LastTeam LastFASeason HomeTeam "
         "DefaultPosition PositionNumber OriginalPosition Round Pick Experience Championships "
         "CAREERPOINTS contract1 contract2 contract3 contract4 contract5 contract6 contract7 contract8 "
         "LastSalary Exception Signday SignYear Resign BirdYears Injury TimeInjured IR Potential "
         "KnownPotential Greed Happiness Loyalty Winner InsideScoring JumpShot ThreePointShot Scoring "
         "Handling Passing Quickness PostDefense PerimeterDefense DriveDefense Stealing ShotBlocking "
         "OffenseRebound DefenseRebound Jumping STAMINA Strength RatingInsideScoring RatingDefense "
         "RatingHandling RatingOutsideScoring RatingRebounding CurrentRating FutureRating HIGHASSISTS "
         "HIGHPOINTS HIGHREBOUNDS HIGHSTEALS HIGHBLOCKS PlayerOfGame PlayerOfWeek PlayerOfMonth"},
        {"PlayerAwards", "Season Award Player"},
        {"CareerStats",
         "ID Games GamesStarted Minutes FG FGA FT FTA 3P 3PA FG% FT% 3P% Rebounds Assists Steals Blocks "
         "Turnovers Points Fouls DQ DoubleDoubles TripleDoubles"},
        {"PlayerGameStats",
         "ID SeasonDay Starter Minutes FG FGA FT FTA ThreeP ThreePA Rebounds Assists Steals Blocks "
         "Turnovers Points Fouls Team Opponent"},
        {"SeasonStats", seasonLine},
        {"PlayoffStats", seasonLine},
        {"Playoffs", "SeriesID Games Team1 wins1 Team2 wins2"},
        {"RetiredPlayer",
         "ID Name Weight DisplayHeight DefaultPosition Round Pick Experience CAREERPOINTS RetiredSeason"},
        {"RetiredPlayerAwards", "Season Award Player"},
        {"RetiredCareerStats",
         "ID Games GamesStarted Minutes FG FGA FT FTA 3P 3PA FG% FT% 3P% Rebounds Assists Steals Blocks "
         "Turnovers Points DoubleDoubles TripleDoubles Championships PlayerOfGame PlayerOfWeek "
         "PlayerOfMonth"},
        {"RetiredStats",
         "ID Season Team Games Minutes FG FGA FT FTA 3P 3PA Rebounds Assists Steals Blocks Turnovers "
         "Points DoubleDoubles TripleDoubles mpg FG% FT% 3P% rpg apg bpg ppg tpg spg"},
        {"Schedule",
         "Day PlayerOfGame Home HomeScore Away AwayScore BoxName homeq1 homeq2 homeq3 homeq4 homeOT "
         "awayq1 awayq2 awayq3 awayq4 awayOT PlayerOfGameID HomePointsID HomePoints HomeRebID HomeRebs "
         "HomeAssistID HomeAssists AwayPointsID AwayPoints AwayRebID AwayRebs AwayAssistID AwayAssists"},
        {"Awards", "Season Award Player Position Team"},
        {"FirstOverallPicks", "Season PlayerID Player Position Team"},
        {"Champs", "Season Champ Loser ChampWins LoserWins"},
        {"InSeasonAwards", "Season week PlayerID Player Team Award"},
        {"PastStandings", "Season teamID TeamName Wins Losses HomeRecord Division Win%"},
        {"SeasonInfo", "SalaryCap Season SeasonDay"},
        {"Team",
         "ID City Name Conference Division Owner CoachTeam DraftFocus GB ConfGB DivRank ConfRank pbp "
         "DraftRank TeamRating Championships Playoffs LastPlayoffYear FinalsAppearances OldWinRating "
         "WinRating NumPlayers ActivePlayers TotalSalary CutSalary CutSalary2 CutSalary3 CutSalary4 "
         "CutSalary5 CutSalary6 CutSalary7 CutSalary8 UsedMidException UsedLowException Streak HomeWins "
         "RoadWins HomeLosses RoadLosses TotalWins TotalLosses PlayoffWins PlayoffLosses Win% Points "
         "PointsAllowed Steals Assists Rebounds Blocks Turnovers FG FGA FT FTA 3P 3PA FGAallowed "
         "FGallowed FTAallowed FTallowed 3PAallowed 3Pallowed StealsAllowed AssistsAllowed "
         "ReboundsAllowed BlocksAllowed TurnoversAllowed C1 C2 C3 PF1 PF2 PF3 SF1 SF2 SF3 SG1 SG2 SG3 PG1 "
         "PG2 PG3 keyplayer1 keyplayer2 keyplayer3 Cs PFs SFs SGs PGs Pace Press Trap Offense"},
        {"SeasonRecordByOpponent", "teamID OppID Wins Losses"},
        {"TotalRecordByOpponent", "teamID OppID Wins Losses"},
        {"TeamRecords", "Team RecordTitle Record Season"},
        {"TeamPlayerRecords", "Team RecordTitle Player Record Season"},
        {"AllTeamRecords", "Team Season Record RecordTitle"},
        {"Transactions", "ID Season Day Action Team"},
    };
    static const std::vector<std::pair<std::string, Row>> tables = [&written] {
        std::vector<std::pair<std::string, Row>> split;
        for (const auto& [table, columns] : written) {
            std::istringstream words(columns);
            split.emplace_back(table, Row(std::istream_iterator<std::string>(words), {}));
        }
        return split;
    }();
    return tables;
}

TEST(DatabaseExport, TemplateHoldsEveryTableWithItsColumnsInOrder) {
    Db db(fs::path(build_paths::kTestData) / "blank.dat");
    for (const auto& [table, columns] : ExpectedTables()) {
        EXPECT_EQ(db.Columns(table), columns) << table;
        EXPECT_EQ(db.Count(table), 0) << table;
    }
    EXPECT_EQ(db.Count("sqlite_master", "type = 'table'"), static_cast<long long>(ExpectedTables().size()));
}

TEST(DatabaseExport, StepsAndMessages) {
    ExportLeague l;
    struct StepHost : ScriptedHost {
        std::vector<std::string> captions;
        void SetProgress(const std::string& caption, int, int) override { captions.push_back(caption); }
    } host;
    auto file = ExportDatabase(l.league, host);
    ASSERT_TRUE(file);
    EXPECT_EQ(*file, l.home.path() / "output" / "Sample Ligue.sqlite");
    EXPECT_EQ(host.captions, (std::vector<std::string>{"Processing All-Stars...", "Processing Draft Picks...",
                                                       "Processing Players...", "Processing Playoffs...",
                                                       "Processing Retired Players...",
                                                       "Processing Schedule...", "Processing Awards...",
                                                       "Processing Teams...", "Processing Transactions..."}));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "File Created");
    EXPECT_EQ(host.messages[0].text, "File created: " + file->string());
}

TEST(DatabaseExport, RowCountsAgreeWithTheLeague) {
    ExportLeague l;
    const League& league = l.league;
    Db db(l.Export());
    long long players = 0, games = 0, awards = 0, records = 0;
    for (int id = 1; id <= kLastLeaguePlayer; ++id)
        players += !league.player(id).IsEmpty();
    for (int day = 1; day <= kScheduleDays; ++day)
        games += league.schedule[day].NumGames;
    // MVP, ROY, SMOY, DPY and Playoff MVP (archive places 4 to 8), then the seven five-man teams.
    for (const SeasonArchive& a : league.tables.archive) {
        for (size_t i = 4; i <= 8; ++i)
            awards += !a.Awards[i].Name.empty();
        for (const auto& team : a.Teams)
            for (const AwardSlot& slot : team)
                awards += !slot.Name.empty();
    }
    for (const auto* entries : {&league.tables.careerRecords.entries, &league.tables.seasonRecords.entries,
                                &league.tables.gameRecords.entries})
        records += static_cast<long long>(entries->size());
    // Position 0 of each category is no ranking.
    records -= 12 + 17 + 12;
    ASSERT_LT(players, kLastLeaguePlayer) << "the sample leaves slots empty";
    EXPECT_EQ(db.Count("Player"), players);
    EXPECT_EQ(db.Count("CareerStats"), players);
    EXPECT_EQ(db.Count("Schedule"), games);
    EXPECT_EQ(db.Count("Transactions"), static_cast<long long>(league.tables.transactions.size()));
    EXPECT_EQ(db.Count("Awards"), awards);
    EXPECT_EQ(db.Count("PlayerRecords"), records);
    EXPECT_EQ(db.Count("Champs"), 3);
    EXPECT_EQ(db.Count("InSeasonAwards"), 3 * (6 + 6 + 24));
    EXPECT_EQ(db.Count("SeasonRecordByOpponent"), 29 * 28);
    EXPECT_EQ(db.Count("DraftPicks"), kDraftPickCount);
    EXPECT_EQ(db.Count("Team"), kLeagueTeams);
    EXPECT_EQ(db.Count("SeasonInfo"), 1);
    EXPECT_EQ(db.Query("SELECT SalaryCap, Season, SeasonDay FROM SeasonInfo")[0],
              (Row{"43210987", "2004", "45"}));
    EXPECT_EQ(db.Query("SELECT Award FROM InSeasonAwards WHERE Season = 2001 AND week = 1 ORDER BY rowid"),
              (std::vector<Row>{{"POM"}, {"ROM"}, {"POW"}}));
    EXPECT_EQ(db.Query("SELECT DISTINCT Division FROM PastStandings WHERE Season = 2002 ORDER BY rowid"),
              (std::vector<Row>{{"Central"}, {"Atlantic"}, {"Midwest"}, {"Pacific"}}));
}

TEST(DatabaseExport, EmptySlotsAndRetiredPlayers) {
    ExportLeague l;
    Db db(l.Export());
    EXPECT_EQ(db.Count("Player", "ID = 13 OR ID = 26 OR Name = 'N/A' OR Name = ''"), 0);
    EXPECT_EQ(db.Count("RetiredPlayer"), 5);
    EXPECT_EQ(db.Count("RetiredPlayerAwards"), 10);
    for (const RetiredPlayer& r : l.league.tables.retiredPlayers) {
        EXPECT_EQ(db.Count("Player", "Name = '" + r.Name + "'"), 0) << r.Name;
        EXPECT_EQ(db.Count("RetiredCareerStats", "ID = " + std::to_string(r.ID)), 1) << r.Name;
    }
}

TEST(DatabaseExport, ScheduleRules) {
    ExportLeague l;
    League& league = l.league;
    // Day 1: game 1 played with its box file kept, game 2 played without one, game 3 not played.
    ScheduleDay& day = league.schedule[1];
    day.NumGames = 3;
    day.Games[1].Played = true, day.Games[2].Played = true, day.Games[3].Played = false;
    day.Games[1].HomePoints.Name = league.player(1).Name;
    l.home.Write("leaguedata/Sample Ligue/box/" + day.Games[1].BoxFile, "box");
    Db db(l.Export());
    auto rows = db.Query("SELECT BoxName, PlayerOfGame, HomePointsID, HomePoints, AwayRebs FROM Schedule "
                         "WHERE Day = 1 ORDER BY rowid");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0][0], "1-1.txt");
    EXPECT_EQ(rows[0][2], "1");
    EXPECT_EQ(rows[0][3], std::to_string(day.Games[1].HomePoints.Value));
    EXPECT_EQ(rows[1][0], "N/A") << "a played game whose box file is gone";
    EXPECT_EQ(rows[1][1], day.Games[2].PlayerOfGame);
    EXPECT_EQ(rows[2], (Row{"N/A", "NULL", "NULL", "NULL", "NULL"})) << "an unplayed game";
    EXPECT_EQ(db.Count("Schedule", "BoxName = 'N/A' AND PlayerOfGame IS NOT NULL AND HomeScore IS NULL"), 0);
}

TEST(DatabaseExport, ExportingTwiceReplacesTheFile) {
    ExportLeague l;
    const fs::path file = l.Export();
    const long long before = Db(file).Count("Player");
    l.league.player(1) = Player{};
    ASSERT_EQ(l.Export(), file);
    EXPECT_EQ(Db(file).Count("Player"), before - 1);
    EXPECT_EQ(std::distance(fs::directory_iterator(l.home.path() / "output"), {}), 1)
        << "nothing left beside it";
}

TEST(DatabaseExport, FailedExportLeavesThePreviousFile) {
    ExportLeague l;
    const fs::path file = l.Export();
    const std::string before = test::FileBytes(file);
    l.home.Write("blank.dat", "not a database at all, but long enough to be read as one file");
    l.host.messages.clear();
    EXPECT_TRUE(l.Export().empty());
    ASSERT_EQ(l.host.messages.size(), 1u);
    EXPECT_EQ(l.host.messages[0].title, "Error");
    EXPECT_EQ(test::FileBytes(file), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(l.home.path() / "output"), {}), 1);
}

TEST(DatabaseExport, NeedsTheCommissionerWhenTheLeagueHasAPassword) {
    ExportLeague l;
    l.league.state.CommissionerRights = false;
    EXPECT_TRUE(l.Export().empty());
    EXPECT_EQ(l.host.LastMessage(), "Only the league commissioner may output the league database.");
    EXPECT_FALSE(fs::exists(l.home.path() / "output" / "Sample Ligue.sqlite"));
}

// The SQL blocks of docs/database.md, in order.
std::vector<std::string> DocumentedQueries() {
    const std::string text = test::FileBytes(fs::path(build_paths::kSourceDir) / "docs" / "database.md");
    std::vector<std::string> queries;
    const std::regex block("```sql\n([^`]*)```");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), block); it != std::sregex_iterator(); ++it)
        queries.push_back((*it)[1]);
    return queries;
}

TEST(DatabaseExport, DocumentedQueriesAnswerAsTheLeagueInMemory) {
    ExportLeague l;
    const League& league = l.league;
    Db db(l.Export());
    const auto queries = DocumentedQueries();
    ASSERT_EQ(queries.size(), 5u);

    // A player's career: his archived seasons, then the season under way.
    const Player& p = league.player(7);
    std::vector<Row> career;
    for (const SeasonHistoryEntry& h : p.SeasonHistory)
        career.push_back(
            {std::to_string(h.Season), h.Team, std::to_string(h.Games), std::to_string(h.Points)});
    career.push_back(
        {"2004", p.Team, std::to_string(p.SeasonStats.Games), std::to_string(p.SeasonStats.Points)});
    std::vector<Row> got;
    for (Row r : db.Query(queries[0], {{":player", "7"}}))
        got.push_back({r[0], r[1], r[2], r[3]});
    EXPECT_EQ(got, career);

    // A team's record against each opponent.
    const Team& hawks = league.team(1);
    std::vector<Row> versus;
    for (int o = 2; o <= kLeagueTeams; ++o)
        versus.push_back({league.team(o).Name, std::to_string(hawks.AllTimeWinsVs[o]),
                          std::to_string(hawks.AllTimeLossesVs[o])});
    EXPECT_EQ(db.Query(queries[1], {{":team", hawks.Name}}), versus);

    // The scoring leaders of 2002: points per game, best first.
    std::vector<std::pair<double, int>> ppg;
    for (int id = 1; id <= kLastLeaguePlayer; ++id)
        for (const SeasonHistoryEntry& h : league.player(id).SeasonHistory)
            if (!league.player(id).IsEmpty() && h.Season == 2002 && h.Games > 0)
                ppg.push_back({-double(h.Points) / h.Games, id});
    std::sort(ppg.begin(), ppg.end());
    std::vector<Row> leaders;
    for (size_t i = 0; i < 10; ++i)
        leaders.push_back({league.player(ppg[i].second).Name});
    got.clear();
    for (Row r : db.Query(queries[2], {{":season", "2002"}}))
        got.push_back({r[0]});
    EXPECT_EQ(got, leaders);

    // Every champion with its Playoff MVP.
    std::vector<Row> champions;
    for (const SeasonArchive& a : league.tables.archive)
        champions.push_back({std::to_string(a.Season), a.Champion, std::to_string(a.ChampionWins),
                             std::to_string(a.RunnerUpWins), a.RunnerUp, a.Awards[8].Name});
    EXPECT_EQ(db.Query(queries[3]), champions);

    // One team's transactions in the order of the season and day, then of the log.
    std::vector<std::pair<std::pair<int, int>, Row>> moves;
    for (const Transaction& t : league.tables.transactions)
        if (t.Team == "Bulls")
            moves.push_back(
                {{t.Season, t.SeasonDay}, {std::to_string(t.Season), std::to_string(t.SeasonDay), t.Action}});
    std::stable_sort(moves.begin(), moves.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<Row> expected;
    for (const auto& m : moves)
        expected.push_back(m.second);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(db.Query(queries[4], {{":team", "Bulls"}}), expected);
}

} // namespace
} // namespace hv
