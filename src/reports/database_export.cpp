#include "reports/database_export.h"

#include <concepts>
#include <map>
#include <memory>

#include "league/league_options.h"
#include "league/record_books.h"
#include "platform/sqlite_db.h"
#include "reports/csv_export.h"

namespace fs = std::filesystem;

namespace hv {

namespace {

struct Null {};

// Appends rows to one table through one prepared statement; values are bound in column order.
class TableWriter {
  public:
    TableWriter(SqliteDb& db, const std::string& table, const std::vector<std::string>& columns)
        : columns_(static_cast<int>(columns.size())) {
        std::string names, marks;
        for (const std::string& c : columns) {
            names += (names.empty() ? "\"" : ", \"") + c + "\"";
            marks += marks.empty() ? "?" : ", ?";
        }
        insert_ = db.Prepare("INSERT INTO \"" + table + "\" (" + names + ") VALUES (" + marks + ")");
    }
    template <std::integral T> TableWriter& operator<<(T value) {
        insert_->Bind(Next(), static_cast<long long>(value));
        return *this;
    }
    TableWriter& operator<<(double value) {
        insert_->BindReal(Next(), value);
        return *this;
    }
    TableWriter& operator<<(const std::string& value) {
        insert_->Bind(Next(), value);
        return *this;
    }
    TableWriter& operator<<(const char* value) { return *this << std::string(value); }
    TableWriter& operator<<(Null) {
        insert_->BindNull(Next());
        return *this;
    }
    // Stores the row; every column must have had its value.
    void End() {
        if (bound_ != columns_) throw DatabaseError("a row with a wrong number of values");
        insert_->Step();
        insert_->Reset();
        bound_ = 0;
    }

  private:
    int Next() { return ++bound_; }
    std::unique_ptr<SqliteStatement> insert_;
    int columns_;
    int bound_ = 0;
};

// A per-game value or a percentage; NULL when there is nothing to divide by.
struct Ratio {
    double top, bottom;
};
TableWriter& operator<<(TableWriter& w, Ratio r) {
    if (r.bottom <= 0) return w << Null{};
    return w << r.top / r.bottom;
}

const std::vector<std::string> kSeasonLineColumns{
    "ID",     "Season", "Team", "Games",         "Minutes",       "FG",     "FGA",    "FT",
    "FTA",    "3P",     "3PA",  "Rebounds",      "Assists",       "Steals", "Blocks", "Turnovers",
    "Points", "Fouls",  "DQ",   "DoubleDoubles", "TripleDoubles", "mpg",    "FG%",    "FT%",
    "3P%",    "rpg",    "apg",  "bpg",           "ppg",           "tpg",    "spg"};

// The averages that close a season line: mpg, FG%, FT%, 3P%, rpg, apg, bpg, ppg, tpg, spg.
template <class Line> void AddAverages(TableWriter& w, const Line& s) {
    const double g = s.Games;
    w << Ratio{double(s.Minutes), g} << Ratio{double(s.FG), double(s.FGA)}
      << Ratio{double(s.FT), double(s.FTA)} << Ratio{double(s.ThreeP), double(s.ThreePA)}
      << Ratio{double(s.Rebounds), g} << Ratio{double(s.Assists), g} << Ratio{double(s.Blocks), g}
      << Ratio{double(s.Points), g} << Ratio{double(s.Turnovers), g} << Ratio{double(s.Steals), g};
}

// The shooting and counting columns shared by the season lines: Games to Points.
template <class Line> void AddCounts(TableWriter& w, const Line& s) {
    w << s.Games << s.Minutes << s.FG << s.FGA << s.FT << s.FTA << s.ThreeP << s.ThreePA << s.Rebounds
      << s.Assists << s.Steals << s.Blocks << s.Turnovers << s.Points;
}

class Exporter {
  public:
    Exporter(const League& league, SqliteDb& db) : league_(league), db_(db) {
        for (int id = kLastLeaguePlayer; id >= 1; --id)
            if (!league.player(id).IsEmpty()) idOfName_[league.player(id).Name] = id;
    }

    void AllStars();
    void DraftPicks();
    void Players();
    void Playoffs();
    void RetiredPlayers();
    void Schedule();
    void Awards();
    void Teams();
    void Transactions();

  private:
    void PlayerRecords();
    void RecordRows(TableWriter& w, RecordBookKind kind, const std::vector<std::string>& titles);
    const SeasonHistoryEntry* SeasonLineOf(const RecordEntry& e) const;
    std::string PositionOf(const RecordEntry& e) const;
    // The ID of the league player of that name, NULL when there is none.
    void AddIdOf(TableWriter& w, const std::string& name) const {
        auto it = idOfName_.find(name);
        if (it == idOfName_.end())
            w << Null{};
        else
            w << it->second;
    }

    const League& league_;
    SqliteDb& db_;
    std::map<std::string, int> idOfName_;
};

void AddSlot(TableWriter& w, const AwardSlot& slot, bool withID) {
    if (withID) w << slot.PlayerID;
    w << slot.Name << slot.DefaultPosition << slot.Team;
}

bool SlotFilled(const AwardSlot& slot) {
    return !slot.Name.empty() && slot.Name != "N/A";
}

void Exporter::AllStars() {
    TableWriter w(db_, "AllStarWeekendWinners",
                  {"Season", "PlayerID", "Player", "Position", "Team", "Event"});
    // Archive award index and the event's name.
    const std::pair<int, const char*> events[] = {
        {2, "3-Point Shootout"}, {3, "Slam Dunk Contest"}, {0, "Rookie Game MVP"}, {1, "All-Star Game MVP"}};
    for (const SeasonArchive& a : league_.tables.archive)
        for (const auto& [index, event] : events) {
            const AwardSlot& slot = a.Awards[static_cast<size_t>(index)];
            if (!SlotFilled(slot)) continue;
            w << a.Season;
            AddSlot(w, slot, true);
            w << event;
            w.End();
        }
}

void Exporter::DraftPicks() {
    TableWriter w(db_, "DraftPicks", {"ID", "Team", "year", "Round", "OwnedBy", "value", "Selection"});
    for (int id = kFirstDraftPickID; id < kFirstDraftPickID + kDraftPickCount; ++id) {
        const DraftPick& d = league_.tables.draftPick(id);
        if (d.Team == 0) continue;
        w << id << d.Team << d.year << d.Round << d.OwnedBy << d.value << d.Selection;
        w.End();
    }
}

const SeasonHistoryEntry* Exporter::SeasonLineOf(const RecordEntry& e) const {
    auto find = [&](const std::vector<SeasonHistoryEntry>& seasons) -> const SeasonHistoryEntry* {
        for (const SeasonHistoryEntry& h : seasons)
            if (h.Season == e.Season) return &h;
        return nullptr;
    };
    if (e.PlayerID >= 1 && e.PlayerID <= kLastLeaguePlayer && league_.player(e.PlayerID).Name == e.Name)
        return find(league_.player(e.PlayerID).SeasonHistory);
    for (const RetiredPlayer& r : league_.tables.retiredPlayers)
        if (r.ID == e.PlayerID && r.Name == e.Name) return find(r.Seasons);
    return nullptr;
}

std::string Exporter::PositionOf(const RecordEntry& e) const {
    if (e.PlayerID >= 1 && e.PlayerID <= kLastLeaguePlayer && league_.player(e.PlayerID).Name == e.Name)
        return league_.player(e.PlayerID).DefaultPosition;
    for (const RetiredPlayer& r : league_.tables.retiredPlayers)
        if (r.ID == e.PlayerID && r.Name == e.Name) return r.DefaultPosition;
    return {};
}

// The game columns in the table's order, and the same in the game book's category order.
const std::vector<std::string> kTableGameColumns{"gamePoints", "gameRebounds",  "gameAssists", "gameBlocks",
                                                 "gameSteals", "gameTurnovers", "gameFG",      "gameFGA",
                                                 "gameFT",     "gameFTA",       "game3P",      "game3PA"};
const std::vector<std::string> kGameColumns{"gamePoints", "gameRebounds",  "gameAssists", "gameSteals",
                                            "gameBlocks", "gameTurnovers", "gameFG",      "gameFGA",
                                            "gameFT",     "gameFTA",       "game3P",      "game3PA"};

void Exporter::RecordRows(TableWriter& w, RecordBookKind kind, const std::vector<std::string>& titles) {
    for (size_t c = 0; c < titles.size(); ++c) {
        auto entries = CategoryEntries(league_, kind, static_cast<int>(c + 1));
        for (size_t rank = 0; rank < entries.size(); ++rank) {
            const RecordEntry& e = entries[rank];
            if (e.IsEmpty()) continue;
            w << static_cast<int>(rank + 1) << e.PlayerID << e.Name;
            const std::string position = PositionOf(e);
            if (position.empty())
                w << Null{};
            else
                w << position;
            w << e.Season << e.Value << titles[c];
            const SeasonHistoryEntry* h = kind == RecordBookKind::Season ? SeasonLineOf(e) : nullptr;
            if (h) {
                const double g = h->Games;
                w << Ratio{double(h->Points), g} << Ratio{double(h->Rebounds), g}
                  << Ratio{double(h->Assists), g} << Ratio{double(h->Blocks), g}
                  << Ratio{double(h->Steals), g} << Ratio{double(h->Turnovers), g} << h->FG << h->FGA
                  << Ratio{double(h->FG), double(h->FGA)} << h->FT << h->FTA
                  << Ratio{double(h->FT), double(h->FTA)} << h->ThreeP << h->ThreePA
                  << Ratio{double(h->ThreeP), double(h->ThreePA)} << h->DoubleDoubles << h->TripleDoubles;
            } else {
                for (int i = 0; i < 17; ++i)
                    w << Null{};
            }
            if (kind == RecordBookKind::Career || e.Text.empty())
                w << Null{};
            else
                w << e.Text; // the team he played for
            for (const std::string& column : kTableGameColumns) {
                if (kind == RecordBookKind::Game && column == kGameColumns[c])
                    w << static_cast<long long>(e.Value);
                else
                    w << Null{};
            }
            w.End();
        }
    }
}

void Exporter::PlayerRecords() {
    std::vector<std::string> columns{
        "Rank", "PlayerID", "Player", "Position", "Season", "Record", "RecordTitle",   "PPG",
        "RPG",  "APG",      "BPG",    "SPG",      "TOPG",   "FG",     "FGA",           "FGpct",
        "FT",   "FTA",      "FTpct",  "3P",       "3PA",    "3Ppct",  "DoubleDoubles", "TripleDoubles",
        "Team"};
    columns.insert(columns.end(), kTableGameColumns.begin(), kTableGameColumns.end());
    TableWriter w(db_, "PlayerRecords", columns);
    RecordRows(w, RecordBookKind::Career,
               {"CareerGames", "CareerPoints", "CareerRebounds", "CareerAssists", "CareerSteals",
                "CareerBlocks", "CareerFG", "CareerFT", "Career3P", "CareerDoubleDoubles",
                "CareerTripleDoubles", "CareerTurnovers"});
    RecordRows(w, RecordBookKind::Season,
               {"SeasonPPG", "SeasonRPG", "SeasonAPG", "SeasonSPG", "SeasonBPG", "SeasonTOPG", "SeasonFG",
                "SeasonFGA", "SeasonFG%", "SeasonFT", "SeasonFTA", "SeasonFT%", "Season3P", "Season3PA",
                "Season3P%", "SeasonDoubleDoubles", "SeasonTripleDoubles"});
    RecordRows(w, RecordBookKind::Game,
               {"GamePoints", "GameRebounds", "GameAssists", "GameSteals", "GameBlocks", "GameTurnovers",
                "GameFG", "GameFGA", "GameFT", "GameFTA", "Game3P", "Game3PA"});
}

void Exporter::Players() {
    PlayerRecords();
    TableWriter player(db_, "Player",
                       {"ID",
                        "College",
                        "Name",
                        "Height",
                        "Weight",
                        "DisplayHeight",
                        "Age",
                        "Team",
                        "LastTeam",
                        "LastFASeason",
                        "HomeTeam",
                        "DefaultPosition",
                        "PositionNumber",
                        "OriginalPosition",
                        "Round",
                        "Pick",
                        "Experience",
                        "Championships",
                        "CAREERPOINTS",
                        "contract1",
                        "contract2",
                        "contract3",
                        "contract4",
                        "contract5",
                        "contract6",
                        "contract7",
                        "contract8",
                        "LastSalary",
                        "Exception",
                        "Signday",
                        "SignYear",
                        "Resign",
                        "BirdYears",
                        "Injury",
                        "TimeInjured",
                        "IR",
                        "Potential",
                        "KnownPotential",
                        "Greed",
                        "Happiness",
                        "Loyalty",
                        "Winner",
                        "InsideScoring",
                        "JumpShot",
                        "ThreePointShot",
                        "Scoring",
                        "Handling",
                        "Passing",
                        "Quickness",
                        "PostDefense",
                        "PerimeterDefense",
                        "DriveDefense",
                        "Stealing",
                        "ShotBlocking",
                        "OffenseRebound",
                        "DefenseRebound",
                        "Jumping",
                        "STAMINA",
                        "Strength",
                        "RatingInsideScoring",
                        "RatingDefense",
                        "RatingHandling",
                        "RatingOutsideScoring",
                        "RatingRebounding",
                        "CurrentRating",
                        "FutureRating",
                        "HIGHASSISTS",
                        "HIGHPOINTS",
                        "HIGHREBOUNDS",
                        "HIGHSTEALS",
                        "HIGHBLOCKS",
                        "PlayerOfGame",
                        "PlayerOfWeek",
                        "PlayerOfMonth"});
    TableWriter awards(db_, "PlayerAwards", {"Season", "Award", "Player"});
    TableWriter career(db_, "CareerStats",
                       {"ID",     "Games",    "GamesStarted", "Minutes",       "FG",           "FGA",
                        "FT",     "FTA",      "3P",           "3PA",           "FG%",          "FT%",
                        "3P%",    "Rebounds", "Assists",      "Steals",        "Blocks",       "Turnovers",
                        "Points", "Fouls",    "DQ",           "DoubleDoubles", "TripleDoubles"});
    TableWriter games(db_, "PlayerGameStats",
                      {"ID", "SeasonDay", "Starter", "Minutes", "FG", "FGA", "FT", "FTA", "ThreeP", "ThreePA",
                       "Rebounds", "Assists", "Steals", "Blocks", "Turnovers", "Points", "Fouls", "Team",
                       "Opponent"});
    TableWriter seasons(db_, "SeasonStats", kSeasonLineColumns);
    TableWriter playoffs(db_, "PlayoffStats", kSeasonLineColumns);
    const int16_t season = league_.state.Season;
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = league_.player(id);
        if (p.IsEmpty()) continue;
        player << id << p.College << p.Name << p.Height << p.Weight << p.DisplayHeight << p.Age << p.Team
               << p.LastTeam << p.LastFASeason << p.HomeTeam << p.DefaultPosition << p.PositionNumber
               << p.OriginalPosition << p.Round << p.Pick << p.Experience << p.Championships
               << p.CAREERPOINTS;
        for (int year = 1; year <= 8; ++year)
            player << p.Contract(year);
        player << p.LastSalary << p.Exception << p.Signday << p.SignYear << p.Resign << p.BirdYears
               << p.Injury << p.TimeInjured << p.IR << p.Potential << p.KnownPotential << p.Greed
               << p.Happiness << p.Loyalty << p.Winner << p.InsideScoring << p.JumpShot << p.ThreePointShot
               << p.Scoring << p.Handling << p.Passing << p.Quickness << p.PostDefense << p.PerimeterDefense
               << p.DriveDefense << p.Stealing << p.ShotBlocking << p.OffenseRebound << p.DefenseRebound
               << p.Jumping << p.STAMINA << p.Strength << p.RatingInsideScoring << p.RatingDefense
               << p.RatingHandling << p.RatingOutsideScoring << p.RatingRebounding << p.CurrentRating
               << p.FutureRating << p.HIGHASSISTS << p.HIGHPOINTS << p.HIGHREBOUNDS << p.HIGHSTEALS
               << p.HIGHBLOCKS << p.PlayerOfGame << p.PlayerOfWeek << p.PlayerOfMonth;
        player.End();

        for (const Award& a : p.Awards) {
            awards << a.Season << a.Name << id;
            awards.End();
        }

        const CareerTotals& c = p.Career;
        career << id << p.CareerGames << p.CareerGamesStarted << c.Minutes << c.FG << c.FGA << c.FT << c.FTA
               << c.ThreeP << c.ThreePA << Ratio{double(c.FG), double(c.FGA)}
               << Ratio{double(c.FT), double(c.FTA)} << Ratio{double(c.ThreeP), double(c.ThreePA)}
               << c.Rebounds << c.Assists << c.Steals << c.Blocks << c.Turnovers << c.Points << p.CareerFouls
               << p.CareerDQ << p.CareerDoubleDoubles << p.CareerTripleDoubles;
        career.End();

        for (const GameLogEntry& g : p.GameLog) {
            games << id << g.SeasonDay << g.Starter << g.Minutes << g.FG << g.FGA << g.FT << g.FTA << g.ThreeP
                  << g.ThreePA << g.Rebounds << g.Assists << g.Steals << g.Blocks << g.Turnovers << g.Points
                  << g.Fouls << g.Team << g.Opponent;
            games.End();
        }

        bool currentArchived = false;
        for (const SeasonHistoryEntry& h : p.SeasonHistory) {
            currentArchived = currentArchived || h.Season == season;
            seasons << id << h.Season << h.Team;
            AddCounts(seasons, h);
            seasons << h.Fouls << h.DQ << h.DoubleDoubles << h.TripleDoubles;
            AddAverages(seasons, h);
            seasons.End();
        }
        // The season under way, before the end of the season files it.
        if (!currentArchived && p.SeasonStats.Games > 0) {
            const SeasonTotals& s = p.SeasonStats;
            seasons << id << season << p.Team;
            AddCounts(seasons, s);
            seasons << s.Fouls << s.DQ << s.DoubleDoubles << s.TripleDoubles;
            AddAverages(seasons, s);
            seasons.End();
        }
        if (p.PlayoffStats.Games > 0) {
            const PlayoffTotals& s = p.PlayoffStats;
            playoffs << id << LastPlayedSeason(league_.state) << p.Team;
            AddCounts(playoffs, s);
            playoffs << s.Fouls << s.DQ << Null{} << Null{};
            AddAverages(playoffs, s);
            playoffs.End();
        }
    }
}

void Exporter::Playoffs() {
    TableWriter w(db_, "Playoffs", {"SeriesID", "Games", "Team1", "wins1", "Team2", "wins2"});
    for (int s = 1; s <= kPlayoffSeries; ++s) {
        const PlayoffSeries& x = league_.tables.playoffTree[static_cast<size_t>(s)];
        if (x.TeamA < 1 || x.TeamA > kLeagueTeams || x.TeamB < 1 || x.TeamB > kLeagueTeams) continue;
        w << s << x.WinsA + x.WinsB << league_.team(x.TeamA).Name << x.WinsA << league_.team(x.TeamB).Name
          << x.WinsB;
        w.End();
    }
}

void Exporter::RetiredPlayers() {
    TableWriter player(db_, "RetiredPlayer",
                       {"ID", "Name", "Weight", "DisplayHeight", "DefaultPosition", "Round", "Pick",
                        "Experience", "CAREERPOINTS", "RetiredSeason"});
    TableWriter awards(db_, "RetiredPlayerAwards", {"Season", "Award", "Player"});
    TableWriter career(db_, "RetiredCareerStats",
                       {"ID",
                        "Games",
                        "GamesStarted",
                        "Minutes",
                        "FG",
                        "FGA",
                        "FT",
                        "FTA",
                        "3P",
                        "3PA",
                        "FG%",
                        "FT%",
                        "3P%",
                        "Rebounds",
                        "Assists",
                        "Steals",
                        "Blocks",
                        "Turnovers",
                        "Points",
                        "DoubleDoubles",
                        "TripleDoubles",
                        "Championships",
                        "PlayerOfGame",
                        "PlayerOfWeek",
                        "PlayerOfMonth"});
    std::vector<std::string> lineColumns = kSeasonLineColumns;
    std::erase_if(lineColumns, [](const std::string& c) { return c == "Fouls" || c == "DQ"; });
    TableWriter seasons(db_, "RetiredStats", lineColumns);
    for (const RetiredPlayer& r : league_.tables.retiredPlayers) {
        player << r.ID << r.Name << r.Weight << r.DisplayHeight << r.DefaultPosition << r.Round << r.Pick
               << r.Experience << r.CAREERPOINTS << r.RetiredSeason;
        player.End();
        for (const Award& a : r.Awards) {
            awards << a.Season << a.Name << r.ID;
            awards.End();
        }
        career << r.ID << r.CareerGames << r.CareerGamesStarted << r.Minutes << r.FG << r.FGA << r.FT << r.FTA
               << r.ThreeP << r.ThreePA << Ratio{double(r.FG), double(r.FGA)}
               << Ratio{double(r.FT), double(r.FTA)} << Ratio{double(r.ThreeP), double(r.ThreePA)}
               << r.Rebounds << r.Assists << r.Steals << r.Blocks << r.Turnovers << r.Points
               << r.DoubleDoubles << r.TripleDoubles << r.Championships << r.PlayerOfGame << r.PlayerOfWeek
               << r.PlayerOfMonth;
        career.End();
        for (const SeasonHistoryEntry& h : r.Seasons) {
            seasons << r.ID << h.Season << h.Team;
            AddCounts(seasons, h);
            seasons << h.DoubleDoubles << h.TripleDoubles;
            AddAverages(seasons, h);
            seasons.End();
        }
    }
}

void Exporter::Schedule() {
    std::vector<std::string> columns{
        "Day",          "PlayerOfGame", "Home",      "HomeScore", "Away",         "AwayScore",
        "BoxName",      "homeq1",       "homeq2",    "homeq3",    "homeq4",       "homeOT",
        "awayq1",       "awayq2",       "awayq3",    "awayq4",    "awayOT",       "PlayerOfGameID",
        "HomePointsID", "HomePoints",   "HomeRebID", "HomeRebs",  "HomeAssistID", "HomeAssists",
        "AwayPointsID", "AwayPoints",   "AwayRebID", "AwayRebs",  "AwayAssistID", "AwayAssists"};
    TableWriter w(db_, "Schedule", columns);
    const fs::path boxes = league_.LeagueFolderOf(league_.state.LeagueName) / "box";
    for (int day = 1; day <= kScheduleDays; ++day) {
        const ScheduleDay& d = league_.schedule[static_cast<size_t>(day)];
        for (int game = 1; game <= d.NumGames && game <= kGamesPerDay; ++game) {
            const ScheduledGame& g = d.Games[static_cast<size_t>(game)];
            std::error_code ec;
            const bool boxKept = g.Played && !g.BoxFile.empty() && fs::exists(boxes / g.BoxFile, ec);
            w << day;
            if (g.Played)
                w << g.PlayerOfGame;
            else
                w << Null{};
            w << g.HomeTeam << g.HomeScore << g.AwayTeam << g.AwayScore << (boxKept ? g.BoxFile : "N/A");
            for (int i = 0; i < 10; ++i)
                w << Null{}; // the score by quarters lives in the box file only
            if (g.Played) {
                AddIdOf(w, g.PlayerOfGame);
                for (const GameLeader* l : {&g.HomePoints, &g.HomeRebounds, &g.HomeAssists, &g.AwayPoints,
                                            &g.AwayRebounds, &g.AwayAssists}) {
                    AddIdOf(w, l->Name);
                    w << l->Value;
                }
            } else {
                for (int i = 0; i < 13; ++i)
                    w << Null{};
            }
            w.End();
        }
    }
}

void Exporter::Awards() {
    TableWriter awards(db_, "Awards", {"Season", "Award", "Player", "Position", "Team"});
    TableWriter firsts(db_, "FirstOverallPicks", {"Season", "PlayerID", "Player", "Position", "Team"});
    TableWriter champs(db_, "Champs", {"Season", "Champ", "Loser", "ChampWins", "LoserWins"});
    TableWriter inSeason(db_, "InSeasonAwards", {"Season", "week", "PlayerID", "Player", "Team", "Award"});
    TableWriter standings(
        db_, "PastStandings",
        {"Season", "teamID", "TeamName", "Wins", "Losses", "HomeRecord", "Division", "Win%"});
    TableWriter info(db_, "SeasonInfo", {"SalaryCap", "Season", "SeasonDay"});
    // Archive award index and the award's name in the table.
    const std::pair<int, const char*> singles[] = {
        {4, "MVP"}, {8, "Playoff MVP"}, {5, "ROY"}, {7, "DPY"}, {6, "SMOY"}};
    const char* const teamPrefixes[] = {"ALT1-", "ALT2-", "ALT3-", "ALTD-", "ALTD2-", "ALTR-", "ALTR2-"};
    // Where each division's lines start in the archived standings (Atlantic, Central, Midwest, Pacific),
    // written in the order Central, Atlantic, Midwest, Pacific.
    const std::tuple<const char*, int, int> divisions[] = {
        {"Central", 7, 8}, {"Atlantic", 0, 7}, {"Midwest", 15, 7}, {"Pacific", 22, 7}};
    for (const SeasonArchive& a : league_.tables.archive) {
        for (const auto& [index, name] : singles) {
            const AwardSlot& slot = a.Awards[static_cast<size_t>(index)];
            if (!SlotFilled(slot)) continue;
            awards << a.Season << name;
            AddSlot(awards, slot, false);
            awards.End();
        }
        for (size_t t = 0; t < a.Teams.size(); ++t)
            for (size_t s = 0; s < a.Teams[t].size(); ++s) {
                if (!SlotFilled(a.Teams[t][s])) continue;
                awards << a.Season << teamPrefixes[t] + std::to_string(s + 1);
                AddSlot(awards, a.Teams[t][s], false);
                awards.End();
            }
        if (SlotFilled(a.FirstPick)) {
            firsts << a.Season;
            AddSlot(firsts, a.FirstPick, true);
            firsts.End();
        }
        if (!a.Champion.empty()) {
            champs << a.Season << a.Champion << a.RunnerUp << a.ChampionWins << a.RunnerUpWins;
            champs.End();
        }
        auto addInSeason = [&](const auto& slots, const char* award) {
            for (size_t i = 0; i < slots.size(); ++i) {
                if (!SlotFilled(slots[i])) continue;
                inSeason << a.Season << static_cast<int>(i + 1) << slots[i].PlayerID << slots[i].Name
                         << slots[i].Team << award;
                inSeason.End();
            }
        };
        addInSeason(a.PlayerOfMonth, "POM");
        addInSeason(a.RookieOfMonth, "ROM");
        addInSeason(a.PlayerOfWeek, "POW");
        for (const auto& [division, start, count] : divisions)
            for (int i = start; i < start + count; ++i) {
                const StandingLine& l = a.Standings[static_cast<size_t>(i)];
                if (l.TeamName.empty()) continue;
                standings << a.Season;
                int teamID = 0;
                for (int t = 1; t <= kLeagueTeams && teamID == 0; ++t)
                    if (league_.team(t).City + " " + league_.team(t).Name == l.TeamName) teamID = t;
                if (teamID == 0)
                    standings << Null{};
                else
                    standings << teamID;
                standings << l.TeamName << l.Wins << l.Losses << Null{} << division
                          << Ratio{double(l.Wins), double(l.Wins + l.Losses)};
                standings.End();
            }
    }
    info << league_.state.SalaryCapDollars() << league_.state.Season << league_.state.SeasonDay;
    info.End();
}

void Exporter::Teams() {
    TableWriter team(db_, "Team",
                     {"ID",
                      "City",
                      "Name",
                      "Conference",
                      "Division",
                      "Owner",
                      "CoachTeam",
                      "DraftFocus",
                      "GB",
                      "ConfGB",
                      "DivRank",
                      "ConfRank",
                      "pbp",
                      "DraftRank",
                      "TeamRating",
                      "Championships",
                      "Playoffs",
                      "LastPlayoffYear",
                      "FinalsAppearances",
                      "OldWinRating",
                      "WinRating",
                      "NumPlayers",
                      "ActivePlayers",
                      "TotalSalary",
                      "CutSalary",
                      "CutSalary2",
                      "CutSalary3",
                      "CutSalary4",
                      "CutSalary5",
                      "CutSalary6",
                      "CutSalary7",
                      "CutSalary8",
                      "UsedMidException",
                      "UsedLowException",
                      "Streak",
                      "HomeWins",
                      "RoadWins",
                      "HomeLosses",
                      "RoadLosses",
                      "TotalWins",
                      "TotalLosses",
                      "PlayoffWins",
                      "PlayoffLosses",
                      "Win%",
                      "Points",
                      "PointsAllowed",
                      "Steals",
                      "Assists",
                      "Rebounds",
                      "Blocks",
                      "Turnovers",
                      "FG",
                      "FGA",
                      "FT",
                      "FTA",
                      "3P",
                      "3PA",
                      "FGAallowed",
                      "FGallowed",
                      "FTAallowed",
                      "FTallowed",
                      "3PAallowed",
                      "3Pallowed",
                      "StealsAllowed",
                      "AssistsAllowed",
                      "ReboundsAllowed",
                      "BlocksAllowed",
                      "TurnoversAllowed",
                      "C1",
                      "C2",
                      "C3",
                      "PF1",
                      "PF2",
                      "PF3",
                      "SF1",
                      "SF2",
                      "SF3",
                      "SG1",
                      "SG2",
                      "SG3",
                      "PG1",
                      "PG2",
                      "PG3",
                      "keyplayer1",
                      "keyplayer2",
                      "keyplayer3",
                      "Cs",
                      "PFs",
                      "SFs",
                      "SGs",
                      "PGs",
                      "Pace",
                      "Press",
                      "Trap",
                      "Offense"});
    TableWriter seasonVs(db_, "SeasonRecordByOpponent", {"teamID", "OppID", "Wins", "Losses"});
    TableWriter totalVs(db_, "TotalRecordByOpponent", {"teamID", "OppID", "Wins", "Losses"});
    TableWriter records(db_, "TeamRecords", {"Team", "RecordTitle", "Record", "Season"});
    TableWriter playerRecords(db_, "TeamPlayerRecords",
                              {"Team", "RecordTitle", "Player", "Record", "Season"});
    TableWriter best(db_, "AllTeamRecords", {"Team", "Season", "Record", "RecordTitle"});
    const char* const recordTitles[] = {"Points", "PointsAllowed", "3P",       "Steals",
                                        "Blocks", "Assists",       "Rebounds", "Turnovers"};
    for (int slot = 1; slot <= kLeagueTeams; ++slot) {
        const Team& t = league_.team(slot);
        team << slot << t.City << t.Name << t.Conference << t.Division << t.Owner << t.CoachTeam
             << t.DraftFocus << t.GB << t.ConfGB << t.DivRank << t.ConfRank << t.pbp << t.DraftRank
             << t.TeamRating << t.Championships << t.Playoffs << t.LastPlayoffYear << t.FinalsAppearances
             << t.OldWinRating << t.WinRating << t.NumPlayers << t.ActivePlayers << t.TotalSalary;
        for (int32_t cut : t.CutSalary)
            team << cut;
        team << t.UsedMidException << t.UsedLowException << t.Streak << t.HomeWins << t.RoadWins
             << t.HomeLosses << t.RoadLosses << t.TotalWins << t.TotalLosses << t.PlayoffWins
             << t.PlayoffLosses << t.WinPct << t.Points << t.PointsAllowed << t.Steals << t.Assists
             << t.Rebounds << t.Blocks << t.Turnovers << t.FG << t.FGA << t.FT << t.FTA << t.ThreeP
             << t.ThreePA << t.FGAallowed << t.FGallowed << t.FTAallowed << t.FTallowed << t.ThreePAallowed
             << t.ThreePallowed << t.StealsAllowed << t.AssistsAllowed << t.ReboundsAllowed << t.BlocksAllowed
             << t.TurnoversAllowed;
        for (int position = 1; position <= 5; ++position)
            for (int depth = 1; depth <= 3; ++depth)
                team << t.Depth(position, depth);
        team << t.keyplayer1 << t.keyplayer2 << t.keyplayer3 << t.Cs << t.PFs << t.SFs << t.SGs << t.PGs
             << t.Pace << t.Press << t.Trap << t.Offense;
        team.End();

        for (int opp = 1; opp <= kLeagueTeams; ++opp) {
            if (opp == slot) continue;
            const auto o = static_cast<size_t>(opp);
            seasonVs << slot << opp << t.SeasonWinsVs[o] << t.SeasonLossesVs[o];
            seasonVs.End();
            totalVs << slot << opp << t.AllTimeWinsVs[o] << t.AllTimeLossesVs[o];
            totalVs.End();
        }
        for (size_t i = 0; i < t.GameRecords.size(); ++i) {
            if (t.GameRecords[i].Season == 0) continue;
            records << t.Name << recordTitles[i] << t.GameRecords[i].Value << t.GameRecords[i].Season;
            records.End();
        }
        const auto& titles = TeamPlayerRecordTitles();
        for (size_t i = 0; i < t.PlayerRecords.size() && i < titles.size(); ++i) {
            const TeamPlayerRecord& r = t.PlayerRecords[i];
            if (r.PlayerName.empty() || r.PlayerName == "N/A" || r.Season == 0) continue;
            playerRecords << t.Name << titles[i] << r.PlayerName << r.Value << r.Season;
            playerRecords.End();
        }
    }
    const auto& categories = RecordCategories(RecordBookKind::Game);
    for (size_t c = 0; c < categories.size(); ++c) {
        const RecordEntry& e = league_.tables.leagueTeamRecords[c];
        if (e.IsEmpty() || e.Name == "N/A") continue;
        best << e.Name << e.Season << static_cast<long long>(e.Value) << categories[c].title;
        best.End();
    }
}

void Exporter::Transactions() {
    TableWriter w(db_, "Transactions", {"ID", "Season", "Day", "Action", "Team"});
    int id = 0;
    for (const Transaction& t : league_.tables.transactions) {
        w << ++id << t.Season << t.SeasonDay << t.Action << t.Team;
        w.End();
    }
}

// Writes the league into the database at `file`, step by step, in one transaction.
void WriteDatabase(const League& league, Host& host, const fs::path& file) {
    SqliteDb db(file);
    db.Execute("PRAGMA journal_mode = OFF");
    db.Execute("PRAGMA synchronous = OFF");
    db.Execute("BEGIN");
    Exporter exporter(league, db);
    using Step = void (Exporter::*)();
    const Step steps[] = {&Exporter::AllStars, &Exporter::DraftPicks,     &Exporter::Players,
                          &Exporter::Playoffs, &Exporter::RetiredPlayers, &Exporter::Schedule,
                          &Exporter::Awards,   &Exporter::Teams,          &Exporter::Transactions};
    const auto& messages = DatabaseExportSteps();
    for (size_t i = 0; i < messages.size(); ++i) {
        host.SetProgress(messages[i], static_cast<int>(i), static_cast<int>(messages.size()));
        host.PumpEvents();
        (exporter.*steps[i])();
    }
    db.Execute("COMMIT");
}

} // namespace

const std::vector<std::string>& DatabaseExportSteps() {
    static const std::vector<std::string> steps{
        "Processing All-Stars...", "Processing Draft Picks...",     "Processing Players...",
        "Processing Playoffs...",  "Processing Retired Players...", "Processing Schedule...",
        "Processing Awards...",    "Processing Teams...",           "Processing Transactions..."};
    return steps;
}

fs::path DatabaseExportFile(const League& league) {
    return OutputFolder(league) / (league.state.LeagueName + ".sqlite");
}

std::optional<fs::path> ExportDatabase(const League& league, Host& host) {
    if (!CanExportDatabase(league.state)) {
        host.ShowMessage(kDatabaseExportRefusal, "Output MDB", MessageIcon::Warning);
        return std::nullopt;
    }
    const fs::path templateFile = league.programFolder / "blank.dat";
    std::error_code ec;
    if (!fs::is_regular_file(templateFile, ec)) {
        host.ShowMessage("The export template " + templateFile.string() + " is missing.", "File Not Found",
                         MessageIcon::Critical);
        return std::nullopt;
    }
    const fs::path target = DatabaseExportFile(league);
    const fs::path partial = target.string() + ".part";
    host.SetBusy(true);
    try {
        fs::create_directories(target.parent_path());
        fs::copy_file(templateFile, partial, fs::copy_options::overwrite_existing);
        WriteDatabase(league, host, partial);
        fs::rename(partial, target);
    } catch (const std::exception& e) {
        fs::remove(partial, ec);
        host.SetBusy(false);
        host.ShowMessage("The league database " + target.string() + " could not be written.\n" + e.what(),
                         "Error", MessageIcon::Critical);
        return std::nullopt;
    }
    host.SetBusy(false);
    host.ShowMessage("File created: " + target.string(), "File Created", MessageIcon::Information);
    return target;
}

} // namespace hv
