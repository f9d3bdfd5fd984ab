// Writing the saved game: header, teams, players, then the league tables in file order.
#include <limits>

#include "league/league_options.h"
#include "league/save_file.h"
#include "league/save_file_format.h"

namespace hv {

using namespace savefile;

namespace {

// The cap (dollars scaled by 10,000) in whole dollars, to the nearest dollar with halves to even.
int64_t WholeDollars(int64_t scaled) {
    int64_t dollars = scaled / 10000, rest = scaled % 10000;
    if (rest < 0) rest += 10000, dollars -= 1;
    if (rest > 5000 || (rest == 5000 && dollars % 2 != 0)) ++dollars;
    return dollars;
}

void WriteHeader(ByteWriter& w, const SeasonState& s, const std::string& leagueName) {
    int64_t cap = WholeDollars(s.SalaryCap);
    if (cap < std::numeric_limits<int32_t>::min() || cap > std::numeric_limits<int32_t>::max())
        throw FormatError("the salary cap does not fit the saved game");
    w.Bool(s.LeagueInjuries);
    w.Bool(s.ScreenInjuries);
    w.I16(s.Reserved);
    w.Str(ScramblePassword(s.Password));
    w.Bool(s.LockSimulation);
    w.Bool(s.LockEndSeason);
    w.I32(static_cast<int32_t>(cap));
    w.Bool(s.SaveBoxScores);
    w.Str(leagueName);
    w.I16(s.SeasonDay);
    w.I16(s.Season);
    w.I16(s.FirstSeason);
    w.I32(savefile::RulesField(s));
    w.I32(s.Reserved2);
    w.I16(s.DraftState);
    w.I16(s.DraftPickState);
    w.Bool(s.SiteDuringSim);
    for (const auto& text : s.SiteStyle)
        w.Str(text);
    for (bool on : s.SitePages)
        w.Bool(on);
}

void WritePerOpponent(ByteWriter& w, const PerOpponent& values) {
    for (int opp = 1; opp <= kLeagueTeams; ++opp)
        w.I16(values[opp]);
}

// The draft list in its 29 places, first choice first, the places after it 0.
void WriteDraftList(ByteWriter& w, const std::vector<int16_t>& list) {
    for (size_t place = 0; place < kLeagueTeams; ++place)
        w.I16(place < list.size() ? list[place] : int16_t{0});
}

void WriteTeam(ByteWriter& w, int slot, const Team& t) {
    w.I16(static_cast<int16_t>(slot));
    for (const std::string* s : {&t.City, &t.Name, &t.Owner, &t.Conference, &t.Division})
        w.Str(*s);
    w.I16(t.TeamRating);
    w.I16(t.WinRating);
    w.I16(t.OldWinRating);
    w.F64(t.DraftRank);
    w.I16(t.LastPlayoffYear);
    w.Bool(t.pbp);
    w.Bool(t.CoachTeam);
    w.I16(t.DraftFocus);
    for (int16_t v : t.ExtraValues)
        w.I16(v);
    WriteDraftList(w, t.DraftList);
    w.I32(t.TotalSalary);
    for (int32_t cut : t.CutSalary)
        w.I32(cut);
    w.Bool(t.UsedMidException);
    w.Bool(t.UsedLowException);
    for (int16_t v : {t.HomeWins, t.HomeLosses, t.RoadWins, t.RoadLosses})
        w.I16(v);
    for (int16_t v : t.Reserved)
        w.I16(v);
    for (int16_t v : {t.Streak, t.DivRank, t.ConfRank, t.Championships, t.Playoffs, t.FinalsAppearances})
        w.I16(v);
    for (int32_t v : {t.TotalWins, t.TotalLosses, t.PlayoffWins, t.PlayoffLosses})
        w.I32(v);
    for (const PerOpponent* list :
         {&t.SeasonWinsVs, &t.SeasonLossesVs, &t.AllTimeWinsVs, &t.AllTimeLossesVs, &t.PointsVs})
        WritePerOpponent(w, *list);
    for (const int32_t* v : t.TotalsFields())
        w.I32(*v);
    for (int16_t v : {t.C1, t.C2, t.C3, t.PF1, t.PF2, t.PF3, t.SF1, t.SF2, t.SF3, t.SG1, t.SG2, t.SG3, t.PG1,
                      t.PG2, t.PG3, t.keyplayer1, t.keyplayer2, t.keyplayer3})
        w.I16(v);
    for (int16_t v : {t.Pace, t.Press, t.Trap, t.Offense})
        w.I16(v);
    for (const auto& record : t.GameRecords) {
        w.I16(record.Value);
        w.I16(record.Season);
    }
    w.I16(t.GameRecordsExtra);
    for (const auto& record : t.PlayerRecords) {
        w.Str(record.PlayerName);
        w.I16(record.Value);
        w.I16(record.Season);
    }
}

// A list inside a record: dimensions, count, lower bound, then the elements.
template <typename T, typename WriteElement>
void WriteList(ByteWriter& w, const std::vector<T>& list, WriteElement writeElement) {
    if (list.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max()))
        throw FormatError("list too long");
    w.I16(kListDimensions);
    w.I32(static_cast<int32_t>(list.size()));
    w.I32(kListLowerBound);
    for (const T& element : list)
        writeElement(element);
}

void WriteAwards(ByteWriter& w, const std::vector<Award>& awards) {
    WriteList(w, awards, [&](const Award& a) {
        w.I16(a.Season);
        w.Str(a.Name);
    });
}

void WriteSeasonHistory(ByteWriter& w, const std::vector<SeasonHistoryEntry>& history) {
    WriteList(w, history, [&](const SeasonHistoryEntry& e) {
        w.I16(e.Season);
        w.Str(e.Team);
        for (int16_t v : {e.Games,         e.GamesStarted, e.Minutes, e.FG,       e.FGA,     e.FT,
                          e.FTA,           e.ThreeP,       e.ThreePA, e.Rebounds, e.Assists, e.Steals,
                          e.Blocks,        e.Turnovers,    e.Points,  e.DQ,       e.Fouls,   e.DoubleDoubles,
                          e.TripleDoubles, e.Spare})
            w.I16(v);
    });
}

void WritePlayer(ByteWriter& w, int slot, const Player& p) {
    std::string first, last;
    SplitStoredName(p.Name, first, last);
    w.I16(static_cast<int16_t>(slot));
    w.Str(first);
    w.Str(last);
    w.I16(p.Weight);
    w.I16(p.Height);
    w.I16(p.Age);
    w.Str(p.College);
    w.Str(p.Team.str());
    w.Str(p.LastTeam);
    w.I16(p.LastFASeason);
    w.Str(p.HomeTeam);
    for (int16_t v : {p.PositionNumber, p.OriginalPosition, p.Round, p.Pick, p.Experience})
        w.I16(v);
    w.I32(p.CAREERPOINTS);
    w.I16(p.Championships);
    WriteAwards(w, p.Awards);
    for (int32_t v : p.ResignDemand)
        w.I32(v);
    for (int year = 1; year <= 8; ++year)
        w.I32(p.Contract(year));
    w.Bool(p.Exception);
    w.I16(p.Signday);
    w.I16(p.SignYear);
    w.Bool(p.Resign);
    w.I32(p.LastSalary);
    w.I16(p.BirdYears);
    w.Str(p.Injury);
    w.I16(p.TimeInjured);
    w.Bool(p.IR);
    w.I16(p.Potential);
    w.I16(p.KnownPotential);
    for (int16_t v : {p.Greed, p.Happiness, p.Loyalty, p.Winner})
        w.I16(v);
    for (int16_t v : {p.InsideScoring, p.JumpShot, p.ThreePointShot, p.Scoring, p.Handling, p.Passing,
                      p.Quickness, p.PostDefense, p.PerimeterDefense, p.DriveDefense, p.Stealing,
                      p.ShotBlocking, p.OffenseRebound, p.DefenseRebound, p.Jumping, p.Strength})
        w.I16(v);
    for (int16_t v : {p.HIGHPOINTS, p.HIGHREBOUNDS, p.HIGHASSISTS, p.HIGHSTEALS, p.HIGHBLOCKS})
        w.I16(v);
    const SeasonTotals& s = p.SeasonStats;
    for (int16_t v :
         {s.Games,   s.GamesStarted,  s.Minutes,       s.FG,     s.FGA,    s.FT,        s.FTA,    s.ThreeP,
          s.ThreePA, s.Rebounds,      s.Assists,       s.Steals, s.Blocks, s.Turnovers, s.Points, s.Fouls,
          s.DQ,      s.DoubleDoubles, s.TripleDoubles, s.Spare})
        w.I16(v);
    WriteList(w, p.GameLog, [&](const GameLogEntry& g) {
        w.I16(g.SeasonDay);
        w.Bool(g.Starter);
        w.Str(g.Team);
        w.Str(g.Opponent);
        for (int16_t v : {g.Minutes, g.FG, g.FGA, g.FT, g.FTA, g.ThreeP, g.ThreePA, g.Rebounds, g.Assists,
                          g.Steals, g.Blocks, g.Turnovers, g.Points, g.Fouls, g.Spare1, g.Spare2})
            w.I16(v);
    });
    WriteSeasonHistory(w, p.SeasonHistory);
    const PlayoffTotals& o = p.PlayoffStats;
    for (int16_t v :
         {o.Games, o.Minutes, o.FG, o.FGA, o.FT, o.FTA, o.ThreeP, o.ThreePA, o.Rebounds, o.Assists, o.Steals,
          o.Blocks, o.Turnovers, o.Points, o.Fouls, o.DQ, o.Spare, p.CareerGames, p.CareerGamesStarted})
        w.I16(v);
    const CareerTotals& c = p.Career;
    for (int32_t v : {c.Minutes, c.FG, c.FGA, c.FT, c.FTA, c.ThreeP, c.ThreePA, c.Rebounds, c.Assists,
                      c.Steals, c.Blocks, c.Turnovers, c.Points})
        w.I32(v);
    for (int16_t v : {p.CareerFouls, p.CareerDQ, p.CareerDoubleDoubles, p.CareerTripleDoubles, p.PlayerOfGame,
                      p.PlayerOfWeek, p.PlayerOfMonth})
        w.I16(v);
}

void WriteScheduledGame(ByteWriter& w, const ScheduledGame& g) {
    w.Bool(g.Played);
    w.Str(g.HomeTeam);
    w.Str(g.AwayTeam);
    w.I16(g.HomeScore);
    w.I16(g.AwayScore);
    w.Str(g.Note);
    w.Str(g.BoxFile);
    w.Str(g.PlayerOfGame);
    w.I16(g.PlayerOfGameScore);
    for (const GameLeader* leader :
         {&g.HomePoints, &g.HomeRebounds, &g.HomeAssists, &g.AwayPoints, &g.AwayRebounds, &g.AwayAssists}) {
        w.Str(leader->Name);
        w.I16(leader->Value);
    }
}

// A top-level growable table with lower bound 0: the upper bound (-1 when empty), then the entries.
template <typename T, typename WriteEntry>
void WriteTable(ByteWriter& w, const std::vector<T>& table, const char* what, WriteEntry writeEntry) {
    if (table.size() > static_cast<size_t>(kMaxTableUpperBound) + 1)
        throw FormatError(std::string("too many entries in the table of ") + what);
    w.I16(static_cast<int16_t>(static_cast<int>(table.size()) - 1));
    for (const T& entry : table)
        writeEntry(entry);
}

void WriteRecordEntry(ByteWriter& w, const RecordEntry& e) {
    w.I16(e.PlayerID);
    w.Str(e.Name);
    w.F64(e.Value);
    w.Str(e.Text);
    w.I16(e.Season);
    w.Str(e.Text2);
}

void WriteRetiredPlayer(ByteWriter& w, const RetiredPlayer& r) {
    w.I16(r.ID);
    w.Str(r.Name);
    w.I16(r.Height);
    w.Str(r.DisplayHeight);
    w.I16(r.Weight);
    w.I16(r.RetiredSeason);
    w.I32(r.Reserved);
    w.Str(r.DefaultPosition);
    w.I16(r.Round);
    w.I16(r.Pick);
    w.I16(r.Experience);
    w.I32(r.CAREERPOINTS);
    w.I16(r.Championships);
    WriteAwards(w, r.Awards);
    WriteSeasonHistory(w, r.Seasons);
    w.I16(r.CareerGames);
    w.I16(r.CareerGamesStarted);
    for (int32_t v : {r.Minutes, r.FG, r.FGA, r.FT, r.FTA, r.ThreeP, r.ThreePA, r.Rebounds, r.ReservedLong,
                      r.Assists, r.Steals, r.Blocks, r.Turnovers, r.Points})
        w.I32(v);
    for (int16_t v : {r.DoubleDoubles, r.TripleDoubles, r.PlayerOfGame, r.PlayerOfWeek, r.PlayerOfMonth})
        w.I16(v);
}

void WriteAwardSlot(ByteWriter& w, const AwardSlot& a) {
    w.I16(a.PlayerID);
    w.Str(a.Name);
    w.Str(a.DefaultPosition);
    w.Str(a.Team);
}

void WriteArchive(ByteWriter& w, const SeasonArchive& a) {
    w.I16(a.Season);
    w.Str(a.Champion);
    w.Str(a.RunnerUp);
    w.I16(a.ChampionWins);
    w.I16(a.RunnerUpWins);
    WriteAwardSlot(w, a.FirstPick);
    for (const auto& line : a.Standings) {
        w.Str(line.TeamName);
        w.I16(line.Wins);
        w.I16(line.Losses);
        w.Str(line.Record);
    }
    for (const auto& slot : a.RookieOfMonth)
        WriteAwardSlot(w, slot);
    for (const auto& slot : a.PlayerOfMonth)
        WriteAwardSlot(w, slot);
    for (const auto& slot : a.PlayerOfWeek)
        WriteAwardSlot(w, slot);
    for (const auto& slot : a.Awards)
        WriteAwardSlot(w, slot);
    for (const auto& team : a.Teams)
        for (const auto& slot : team)
            WriteAwardSlot(w, slot);
}

void WriteTables(ByteWriter& w, const League& league, SaveBlockStarts* starts) {
    const LeagueTables& t = league.tables;
    auto mark = [&](int block) {
        if (starts) (*starts)[block] = w.Bytes().size();
    };
    mark(4);
    // 4: draft picks
    for (int i = 1; i <= kDraftPickCount; ++i) {
        const DraftPick& d = t.draftPicks[i];
        for (int16_t v : {d.Team, d.year, d.Round, d.OwnedBy, d.value, d.Selection})
            w.I16(v);
    }
    mark(5);
    // 5: schedule, days 1 to 169, games 1 to 14 of each
    for (int day = 1; day <= kScheduleDays; ++day) {
        const ScheduleDay& d = league.schedule[day];
        w.I16(d.NumGames);
        for (int g = 1; g <= kGamesPerDay; ++g)
            WriteScheduledGame(w, d.Games[g]);
    }
    mark(6);
    // 6: free-agent bids
    WriteTable(w, t.bids, "free-agent bids", [&](const FreeAgentBid& b) {
        w.I16(b.PlayerID);
        w.I16(b.TeamID);
        w.I16(static_cast<int16_t>(b.Kind));
        w.I16(b.Years);
        for (int32_t amount : b.Amounts)
            w.I32(amount);
        w.F64(b.Score);
        w.I32(b.Spare);
    });
    mark(7);
    // 7: transactions
    WriteTable(w, t.transactions, "transactions", [&](const Transaction& x) {
        w.Str(x.Team);
        w.I16(x.Season);
        w.I16(x.SeasonDay);
        w.Str(x.Action);
    });
    // 8 to 11: the record books
    mark(8);
    for (const auto& e : t.leagueTeamRecords)
        WriteRecordEntry(w, e);
    mark(9);
    for (const auto& e : t.careerRecords.entries)
        WriteRecordEntry(w, e);
    mark(10);
    for (const auto& e : t.seasonRecords.entries)
        WriteRecordEntry(w, e);
    mark(11);
    for (const auto& e : t.gameRecords.entries)
        WriteRecordEntry(w, e);
    mark(12);
    // 12: retired players
    WriteTable(w, t.retiredPlayers, "retired players",
               [&](const RetiredPlayer& r) { WriteRetiredPlayer(w, r); });
    mark(13);
    // 13: draft order; a single entry is stored at index 0, otherwise entries 1 to n
    auto writeSlot = [&](const DraftSlot& s) {
        for (int16_t v : {s.Team, s.PickID, s.Flag, s.PlayerID, s.Spare})
            w.I16(v);
    };
    if (t.draftOrder.size() <= 1) {
        w.I16(0);
        writeSlot(t.draftOrder.empty() ? DraftSlot{} : t.draftOrder[0]);
    } else {
        if (t.draftOrder.size() - 1 > static_cast<size_t>(kMaxTableUpperBound))
            throw FormatError("too many entries in the draft order");
        w.I16(static_cast<int16_t>(t.draftOrder.size() - 1));
        for (size_t i = 1; i < t.draftOrder.size(); ++i)
            writeSlot(t.draftOrder[i]);
    }
    mark(14);
    // 14: lottery order
    for (int i = 1; i <= kLeagueTeams; ++i)
        w.I16(t.lotteryOrder[i]);
    mark(15);
    // 15: playoff tree
    for (int i = 1; i <= kPlayoffSeries; ++i) {
        const PlayoffSeries& s = t.playoffTree[i];
        w.I16(s.TeamA);
        w.I16(s.TeamB);
        w.I16(s.WinsA);
        w.I16(s.WinsB);
        w.Bool(s.Finished);
    }
    mark(16);
    // 16: season archive
    WriteTable(w, t.archive, "the season archive", [&](const SeasonArchive& a) { WriteArchive(w, a); });
}

} // namespace

std::string SaveFileName(const std::string& leagueName) {
    return leagueName + ".sav";
}

std::string EncodeLeague(const League& league, const std::string& leagueName, SaveBlockStarts* starts) {
    ByteWriter w;
    w.Reserve(1 << 20);
    if (starts) starts->fill(0);
    WriteHeader(w, league.state, leagueName);
    if (starts) (*starts)[2] = w.Bytes().size();
    for (int slot = 1; slot <= kStoredTeams; ++slot)
        WriteTeam(w, slot, league.team(slot));
    if (starts) (*starts)[3] = w.Bytes().size();
    static const Player emptySlot;
    for (int id = 1; id <= kStoredPlayers; ++id) {
        const Player& p = league.player(id);
        if (p.IsEmpty())
            WritePlayer(w, 0, emptySlot);
        else
            WritePlayer(w, id, p);
    }
    WriteTables(w, league, starts);
    if (starts) (*starts)[17] = w.Bytes().size();
    return std::move(w.Bytes());
}

} // namespace hv
