// Reading the saved game. Every count, bound, slot number and boolean is checked as it is read, so that a
// damaged or foreign file is refused instead of filling the league with nonsense.
#include <cmath>
#include <set>

#include "league/draft_picks.h"
#include "league/league_options.h"
#include "league/ratings.h"
#include "league/save_file.h"
#include "league/save_file_format.h"
#include "league/saved_games.h"

namespace hv {

using namespace savefile;

namespace {

// Minimum stored sizes of list elements and table entries, used to refuse counts the file cannot hold.
constexpr size_t kAwardMinBytes = 2 + 2;
constexpr size_t kGameLogMinBytes = 2 + 2 + 2 + 2 + 16 * 2;
constexpr size_t kSeasonHistoryMinBytes = 2 + 2 + 20 * 2;
constexpr size_t kBidBytes = 48;
constexpr size_t kTransactionMinBytes = 2 + 2 + 2 + 2;
constexpr size_t kRetiredMinBytes =
    2 + 2 + 2 + 2 + 2 + 2 + 4 + 2 + 3 * 2 + 4 + 2 + 10 + 10 + 2 * 2 + 14 * 4 + 5 * 2;
constexpr size_t kDraftSlotBytes = 10;
constexpr size_t kAwardSlotMinBytes = 2 + 3 * 2;
constexpr size_t kArchiveMinBytes =
    5 * 2 + 29 * (2 + 2 + 2 + 2) + (1 + 6 + 6 + 24 + 9 + 35) * kAwardSlotMinBytes;
constexpr int kMaxDraftOrderEntries = kCreationDraftRounds * kLeagueTeams;

class SaveReader {
  public:
    explicit SaveReader(std::string_view data) : r_(data) {}

    int16_t I16() { return r_.I16(); }
    int32_t I32() { return r_.I32(); }
    double F64() {
        double v = r_.F64();
        if (!std::isfinite(v)) Fail("a number that is not finite");
        return v;
    }
    bool Bool() {
        int16_t v = r_.I16();
        if (v != 0 && v != -1) Fail("a boolean other than -1 or 0");
        return v != 0;
    }
    std::string Str() {
        std::string s = r_.Str();
        if (!IsValidUtf8(s)) Fail("text that is not UTF-8");
        return s;
    }
    int16_t I16In(int lo, int hi, const char* what) {
        int16_t v = r_.I16();
        if (v < lo || v > hi) Fail(what);
        return v;
    }

    // A list inside a record: dimensions 1, a count the rest of the file can hold, lower bound 1.
    template <typename T, typename ReadElement>
    void List(std::vector<T>& list, size_t minElementBytes, ReadElement readElement) {
        if (r_.I16() != kListDimensions) Fail("a list with a dimension count other than 1");
        int32_t count = r_.I32();
        int32_t lower = r_.I32();
        if (lower != kListLowerBound) Fail("a list with an unexpected lower bound");
        if (count < 0 || static_cast<size_t>(count) > r_.Remaining() / minElementBytes) Fail("a list count");
        list.clear();
        list.reserve(static_cast<size_t>(count));
        for (int32_t i = 0; i < count; ++i)
            list.push_back(readElement());
    }

    // A top-level growable table, lower bound 0: the upper bound (-1 when empty), then the entries.
    template <typename T, typename ReadEntry>
    void Table(std::vector<T>& table, size_t minEntryBytes, ReadEntry readEntry) {
        int16_t upper = r_.I16();
        if (upper < -1) Fail("a table upper bound");
        size_t count = static_cast<size_t>(upper + 1);
        if (count > r_.Remaining() / minEntryBytes) Fail("a table upper bound");
        table.clear();
        table.reserve(count);
        for (size_t i = 0; i < count; ++i)
            table.push_back(readEntry());
    }

    size_t Remaining() const { return r_.Remaining(); }
    void ExpectEnd() const {
        if (!r_.AtEnd()) Fail("bytes after the end of the league");
    }
    [[noreturn]] static void Fail(const std::string& what) {
        throw FormatError("invalid saved game: " + what);
    }

  private:
    ByteReader r_;
};

int16_t PlayerRef(SaveReader& r) {
    return r.I16In(0, kStoredPlayers, "a player ID");
}
int16_t TeamRef(SaveReader& r) {
    return r.I16In(0, kLeagueTeams, "a team number");
}

bool IsPhaseCode(int day) {
    return day == Phase::CreationDraft || (day >= Phase::BeforeSeason && day <= Phase::RookieDraft) ||
           (day >= Phase::FirstFreeAgency && day <= Phase::LastFreeAgency) || day == Phase::TrainingCamps;
}

void ReadHeader(SaveReader& r, SeasonState& s) {
    s.LeagueInjuries = r.Bool();
    s.ScreenInjuries = r.Bool();
    s.Reserved = r.I16();
    s.Password = UnscramblePassword(r.Str());
    s.LockSimulation = r.Bool();
    s.LockEndSeason = r.Bool();
    int32_t cap = r.I32();
    if (cap < 0) SaveReader::Fail("a negative salary cap");
    s.SetSalaryCapDollars(cap);
    s.SaveBoxScores = r.Bool();
    s.LeagueName = r.Str();
    if (LeagueNameProblem(s.LeagueName)) SaveReader::Fail("a league name that cannot name a folder");
    s.SeasonDay = r.I16();
    if (!IsPhaseCode(s.SeasonDay)) SaveReader::Fail("an unknown season day");
    s.Season = r.I16();
    s.FirstSeason = r.I16();
    savefile::ReadRulesField(s, r.I32());
    s.Reserved2 = r.I32();
    s.DraftState = r.I16();
    s.DraftPickState = r.I16();
    s.SiteDuringSim = r.Bool();
    for (auto& text : s.SiteStyle)
        text = r.Str(); // a text that is not a colour is put right by LoadLeague
    for (bool& on : s.SitePages)
        on = r.Bool();
}

void ReadPerOpponent(SaveReader& r, PerOpponent& values) {
    values[0] = 0;
    for (int opp = 1; opp <= kLeagueTeams; ++opp)
        values[opp] = r.I16();
}

// The draft list's 29 places: player IDs, the empty places (0) left out.
void ReadDraftList(SaveReader& r, std::vector<int16_t>& list) {
    list.clear();
    for (int place = 0; place < kLeagueTeams; ++place)
        if (int16_t id = PlayerRef(r)) list.push_back(id);
}

// Reads one team entry into the slot it names; each slot must come exactly once.
void ReadTeam(SaveReader& r, League& league, std::set<int>& seen) {
    int slot = r.I16In(1, kStoredTeams, "a team slot");
    if (!seen.insert(slot).second) SaveReader::Fail("a team slot given twice");
    Team& t = league.team(slot);
    t = Team{};
    for (std::string* s : {&t.City, &t.Name, &t.Owner, &t.Conference, &t.Division})
        *s = r.Str();
    if (t.Name.empty()) SaveReader::Fail("a team without a name");
    t.TeamRating = r.I16();
    t.WinRating = r.I16();
    t.OldWinRating = r.I16();
    t.DraftRank = r.F64();
    t.LastPlayoffYear = r.I16();
    t.pbp = r.Bool();
    t.CoachTeam = r.Bool();
    t.DraftFocus = r.I16();
    for (int16_t& v : t.ExtraValues)
        v = r.I16();
    ReadDraftList(r, t.DraftList);
    t.TotalSalary = r.I32();
    for (int32_t& cut : t.CutSalary)
        cut = r.I32();
    t.UsedMidException = r.Bool();
    t.UsedLowException = r.Bool();
    for (int16_t* v : {&t.HomeWins, &t.HomeLosses, &t.RoadWins, &t.RoadLosses})
        *v = r.I16In(0, 32767, "a game count");
    for (int i = 0; i < 2; ++i)
        r.I16(); // reserved: written, not read back
    for (int16_t* v :
         {&t.Streak, &t.DivRank, &t.ConfRank, &t.Championships, &t.Playoffs, &t.FinalsAppearances})
        *v = r.I16();
    for (int32_t* v : {&t.TotalWins, &t.TotalLosses, &t.PlayoffWins, &t.PlayoffLosses})
        *v = r.I32();
    for (PerOpponent* list :
         {&t.SeasonWinsVs, &t.SeasonLossesVs, &t.AllTimeWinsVs, &t.AllTimeLossesVs, &t.PointsVs})
        ReadPerOpponent(r, *list);
    for (int32_t* v : t.TotalsFields())
        *v = r.I32();
    for (int16_t* v : {&t.C1, &t.C2, &t.C3, &t.PF1, &t.PF2, &t.PF3, &t.SF1, &t.SF2, &t.SF3, &t.SG1, &t.SG2,
                       &t.SG3, &t.PG1, &t.PG2, &t.PG3, &t.keyplayer1, &t.keyplayer2, &t.keyplayer3})
        *v = PlayerRef(r);
    for (int16_t* v : {&t.Pace, &t.Press, &t.Trap, &t.Offense})
        *v = r.I16();
    for (auto& record : t.GameRecords) {
        record.Value = r.I16();
        record.Season = r.I16();
    }
    t.GameRecordsExtra = r.I16();
    for (auto& record : t.PlayerRecords) {
        record.PlayerName = r.Str();
        record.Value = r.I16();
        record.Season = r.I16();
    }
    int played = t.HomeWins + t.HomeLosses + t.RoadWins + t.RoadLosses;
    t.WinPct = played == 0 ? 0.0 : static_cast<double>(t.HomeWins + t.RoadWins) / played;
}

Award ReadAward(SaveReader& r) {
    Award a;
    a.Season = r.I16();
    a.Name = r.Str();
    return a;
}

SeasonHistoryEntry ReadSeasonHistoryEntry(SaveReader& r) {
    SeasonHistoryEntry e;
    e.Season = r.I16();
    e.Team = r.Str();
    for (int16_t* v :
         {&e.Games,         &e.GamesStarted, &e.Minutes, &e.FG,       &e.FGA,     &e.FT,
          &e.FTA,           &e.ThreeP,       &e.ThreePA, &e.Rebounds, &e.Assists, &e.Steals,
          &e.Blocks,        &e.Turnovers,    &e.Points,  &e.DQ,       &e.Fouls,   &e.DoubleDoubles,
          &e.TripleDoubles, &e.Spare})
        *v = r.I16();
    return e;
}

GameLogEntry ReadGameLogEntry(SaveReader& r) {
    GameLogEntry g;
    g.SeasonDay = r.I16();
    g.Starter = r.Bool();
    g.Team = r.Str();
    g.Opponent = r.Str();
    for (int16_t* v :
         {&g.Minutes, &g.FG, &g.FGA, &g.FT, &g.FTA, &g.ThreeP, &g.ThreePA, &g.Rebounds, &g.Assists, &g.Steals,
          &g.Blocks, &g.Turnovers, &g.Points, &g.Fouls, &g.Spare1, &g.Spare2})
        *v = r.I16();
    return g;
}

// Reads one player entry; returns the slot it names (0 for an empty slot) with the record in `p`.
int ReadPlayer(SaveReader& r, Player& p) {
    int slot = r.I16In(0, kStoredPlayers, "a player slot");
    std::string first = r.Str(), last = r.Str();
    p.Weight = r.I16();
    p.Height = r.I16();
    p.Age = r.I16();
    p.College = r.Str();
    p.Team = r.Str();
    p.LastTeam = r.Str();
    p.LastFASeason = r.I16();
    p.HomeTeam = r.Str();
    p.PositionNumber = r.I16();
    p.OriginalPosition = r.I16In(0, 5, "an original position");
    for (int16_t* v : {&p.Round, &p.Pick, &p.Experience})
        *v = r.I16();
    p.CAREERPOINTS = r.I32();
    p.Championships = r.I16();
    r.List(p.Awards, kAwardMinBytes, [&] { return ReadAward(r); });
    for (int32_t& v : p.ResignDemand)
        v = r.I32();
    for (int year = 1; year <= 8; ++year)
        p.Contract(year) = r.I32();
    p.Exception = r.Bool();
    p.Signday = r.I16();
    p.SignYear = r.I16();
    p.Resign = r.Bool();
    p.LastSalary = r.I32();
    p.BirdYears = r.I16();
    p.Injury = r.Str();
    p.TimeInjured = r.I16();
    p.IR = r.Bool();
    p.Potential = r.I16();
    p.KnownPotential = r.I16();
    for (int16_t* v : {&p.Greed, &p.Happiness, &p.Loyalty, &p.Winner})
        *v = r.I16();
    for (int16_t* v : {&p.InsideScoring, &p.JumpShot, &p.ThreePointShot, &p.Scoring, &p.Handling, &p.Passing,
                       &p.Quickness, &p.PostDefense, &p.PerimeterDefense, &p.DriveDefense, &p.Stealing,
                       &p.ShotBlocking, &p.OffenseRebound, &p.DefenseRebound, &p.Jumping, &p.Strength})
        *v = r.I16();
    for (int16_t* v : {&p.HIGHPOINTS, &p.HIGHREBOUNDS, &p.HIGHASSISTS, &p.HIGHSTEALS, &p.HIGHBLOCKS})
        *v = r.I16();
    SeasonTotals& s = p.SeasonStats;
    for (int16_t* v :
         {&s.Games,         &s.GamesStarted, &s.Minutes, &s.FG,       &s.FGA,     &s.FT,
          &s.FTA,           &s.ThreeP,       &s.ThreePA, &s.Rebounds, &s.Assists, &s.Steals,
          &s.Blocks,        &s.Turnovers,    &s.Points,  &s.Fouls,    &s.DQ,      &s.DoubleDoubles,
          &s.TripleDoubles, &s.Spare})
        *v = r.I16();
    r.List(p.GameLog, kGameLogMinBytes, [&] { return ReadGameLogEntry(r); });
    r.List(p.SeasonHistory, kSeasonHistoryMinBytes, [&] { return ReadSeasonHistoryEntry(r); });
    PlayoffTotals& o = p.PlayoffStats;
    for (int16_t* v : {&o.Games, &o.Minutes, &o.FG, &o.FGA, &o.FT, &o.FTA, &o.ThreeP, &o.ThreePA, &o.Rebounds,
                       &o.Assists, &o.Steals, &o.Blocks, &o.Turnovers, &o.Points, &o.Fouls, &o.DQ, &o.Spare,
                       &p.CareerGames, &p.CareerGamesStarted})
        *v = r.I16();
    CareerTotals& c = p.Career;
    for (int32_t* v : {&c.Minutes, &c.FG, &c.FGA, &c.FT, &c.FTA, &c.ThreeP, &c.ThreePA, &c.Rebounds,
                       &c.Assists, &c.Steals, &c.Blocks, &c.Turnovers, &c.Points})
        *v = r.I32();
    for (int16_t* v : {&p.CareerFouls, &p.CareerDQ, &p.CareerDoubleDoubles, &p.CareerTripleDoubles,
                       &p.PlayerOfGame, &p.PlayerOfWeek, &p.PlayerOfMonth})
        *v = r.I16();
    p.Name = JoinStoredName(first, last);
    return slot;
}

void ReadPlayers(SaveReader& r, League& league) {
    std::set<int> seen;
    for (int i = 1; i <= kStoredPlayers; ++i) {
        Player p;
        int slot = ReadPlayer(r, p);
        if (p.Name.empty()) continue; // an empty slot
        // A named player without a slot would be dropped silently, and the next save would lose him for good.
        if (slot == 0) SaveReader::Fail("a named player without a slot number");
        if (!seen.insert(slot).second) SaveReader::Fail("a player slot given twice");
        if (p.PositionNumber < 1 || p.PositionNumber > 5) SaveReader::Fail("a player without a position");
        league.player(slot) = std::move(p);
    }
}

ScheduledGame ReadScheduledGame(SaveReader& r) {
    ScheduledGame g;
    g.Played = r.Bool();
    g.HomeTeam = r.Str();
    g.AwayTeam = r.Str();
    g.HomeScore = r.I16();
    g.AwayScore = r.I16();
    g.Note = r.Str();
    g.BoxFile = r.Str();
    g.PlayerOfGame = r.Str();
    g.PlayerOfGameScore = r.I16();
    for (GameLeader* leader :
         {&g.HomePoints, &g.HomeRebounds, &g.HomeAssists, &g.AwayPoints, &g.AwayRebounds, &g.AwayAssists}) {
        leader->Name = r.Str();
        leader->Value = r.I16();
    }
    return g;
}

RecordEntry ReadRecordEntry(SaveReader& r) {
    RecordEntry e;
    e.PlayerID = PlayerRef(r);
    e.Name = r.Str();
    e.Value = r.F64();
    e.Text = r.Str();
    e.Season = r.I16();
    e.Text2 = r.Str();
    return e;
}

RetiredPlayer ReadRetiredPlayer(SaveReader& r) {
    RetiredPlayer p;
    p.ID = PlayerRef(r);
    p.Name = r.Str();
    p.Height = r.I16();
    p.DisplayHeight = r.Str();
    p.Weight = r.I16();
    p.RetiredSeason = r.I16();
    p.Reserved = r.I32();
    p.DefaultPosition = r.Str();
    p.Round = r.I16();
    p.Pick = r.I16();
    p.Experience = r.I16();
    p.CAREERPOINTS = r.I32();
    p.Championships = r.I16();
    r.List(p.Awards, kAwardMinBytes, [&] { return ReadAward(r); });
    r.List(p.Seasons, kSeasonHistoryMinBytes, [&] { return ReadSeasonHistoryEntry(r); });
    p.CareerGames = r.I16();
    p.CareerGamesStarted = r.I16();
    for (int32_t* v : {&p.Minutes, &p.FG, &p.FGA, &p.FT, &p.FTA, &p.ThreeP, &p.ThreePA, &p.Rebounds,
                       &p.ReservedLong, &p.Assists, &p.Steals, &p.Blocks, &p.Turnovers, &p.Points})
        *v = r.I32();
    for (int16_t* v :
         {&p.DoubleDoubles, &p.TripleDoubles, &p.PlayerOfGame, &p.PlayerOfWeek, &p.PlayerOfMonth})
        *v = r.I16();
    return p;
}

AwardSlot ReadAwardSlot(SaveReader& r) {
    AwardSlot a;
    a.PlayerID = PlayerRef(r);
    a.Name = r.Str();
    a.DefaultPosition = r.Str();
    a.Team = r.Str();
    return a;
}

SeasonArchive ReadArchive(SaveReader& r) {
    SeasonArchive a;
    a.Season = r.I16();
    a.Champion = r.Str();
    a.RunnerUp = r.Str();
    a.ChampionWins = r.I16();
    a.RunnerUpWins = r.I16();
    a.FirstPick = ReadAwardSlot(r);
    for (auto& line : a.Standings) {
        line.TeamName = r.Str();
        line.Wins = r.I16();
        line.Losses = r.I16();
        line.Record = r.Str();
    }
    for (auto& slot : a.RookieOfMonth)
        slot = ReadAwardSlot(r);
    for (auto& slot : a.PlayerOfMonth)
        slot = ReadAwardSlot(r);
    for (auto& slot : a.PlayerOfWeek)
        slot = ReadAwardSlot(r);
    for (auto& slot : a.Awards)
        slot = ReadAwardSlot(r);
    for (auto& team : a.Teams)
        for (auto& slot : team)
            slot = ReadAwardSlot(r);
    return a;
}

DraftSlot ReadDraftSlot(SaveReader& r) {
    DraftSlot s;
    s.Team = TeamRef(r);
    s.PickID = r.I16();
    if (s.PickID != 0 && (s.PickID < kFirstDraftPickID || s.PickID >= kFirstDraftPickID + kDraftPickCount))
        SaveReader::Fail("a draft pick ID");
    s.Flag = r.I16();
    s.PlayerID = PlayerRef(r);
    s.Spare = r.I16();
    return s;
}

void ReadTables(SaveReader& r, League& league) {
    LeagueTables& t = league.tables;
    for (int i = 1; i <= kDraftPickCount; ++i) {
        DraftPick& d = t.draftPicks[i];
        d.Team = TeamRef(r);
        d.year = r.I16();
        d.Round = r.I16In(0, kRookieDraftRounds, "a draft pick round");
        d.OwnedBy = TeamRef(r);
        d.value = r.I16();
        d.Selection = r.I16();
    }
    for (int day = 1; day <= kScheduleDays; ++day) {
        ScheduleDay& d = league.schedule[day];
        d.NumGames = r.I16In(0, kGamesPerDay, "a game count of a schedule day");
        for (int g = 1; g <= kGamesPerDay; ++g)
            d.Games[g] = ReadScheduledGame(r);
    }
    r.Table(t.bids, kBidBytes, [&] {
        FreeAgentBid b;
        b.PlayerID = PlayerRef(r);
        b.TeamID = TeamRef(r);
        b.Kind = static_cast<BidKind>(r.I16In(0, static_cast<int>(BidKind::Min), "a kind of bid"));
        b.Years = r.I16In(0, 7, "the years of a bid");
        for (int32_t& amount : b.Amounts)
            amount = r.I32();
        b.Score = r.F64();
        b.Spare = r.I32();
        return b;
    });
    r.Table(t.transactions, kTransactionMinBytes, [&] {
        Transaction x;
        x.Team = r.Str();
        x.Season = r.I16();
        x.SeasonDay = r.I16();
        x.Action = r.Str();
        return x;
    });
    for (auto& e : t.leagueTeamRecords)
        e = ReadRecordEntry(r);
    for (auto& e : t.careerRecords.entries)
        e = ReadRecordEntry(r);
    for (auto& e : t.seasonRecords.entries)
        e = ReadRecordEntry(r);
    for (auto& e : t.gameRecords.entries)
        e = ReadRecordEntry(r);
    r.Table(t.retiredPlayers, kRetiredMinBytes, [&] { return ReadRetiredPlayer(r); });
    // Draft order: upper bound 0 is a single entry at index 0, otherwise entries 1 to the upper bound.
    int upper = r.I16In(0, kMaxDraftOrderEntries, "a draft order upper bound");
    if (static_cast<size_t>(upper) * kDraftSlotBytes > r.Remaining())
        SaveReader::Fail("a draft order upper bound");
    t.draftOrder.assign(static_cast<size_t>(upper) + 1, DraftSlot{});
    for (int i = upper == 0 ? 0 : 1; i <= upper; ++i)
        t.draftOrder[static_cast<size_t>(i)] = ReadDraftSlot(r);
    for (int i = 1; i <= kLeagueTeams; ++i)
        t.lotteryOrder[i] = TeamRef(r);
    for (int i = 1; i <= kPlayoffSeries; ++i) {
        PlayoffSeries& s = t.playoffTree[i];
        s.TeamA = TeamRef(r);
        s.TeamB = TeamRef(r);
        s.WinsA = r.I16In(0, 4, "series wins");
        s.WinsB = r.I16In(0, 4, "series wins");
        s.Finished = r.Bool();
    }
    r.Table(t.archive, kArchiveMinBytes, [&] { return ReadArchive(r); });
}

bool IsPseudoTeam(const std::string& team) {
    return team == kFreeAgent || team == kDraft || team == kNextDraft;
}

// What the league's tables say of each other must hold: one team to a name, every player's team one the
// league has (or free, or a draft class, or none at all), and every depth-chart and key-player slot either
// empty or naming a player.
void CheckReferences(const League& league) {
    std::set<std::string> names;
    for (int slot = 1; slot <= kStoredTeams; ++slot)
        if (!names.insert(league.team(slot).Name).second) SaveReader::Fail("two teams with one name");
    for (int id = 1; id <= kStoredPlayers; ++id) {
        const Player& p = league.player(id);
        if (!p.IsEmpty() && !p.Team.empty() && !IsPseudoTeam(p.Team) && names.count(p.Team) == 0)
            SaveReader::Fail("a player of a team the league does not have");
    }
    for (int slot = 1; slot <= kStoredTeams; ++slot) {
        const Team& t = league.team(slot);
        for (int16_t id : {t.C1, t.C2, t.C3, t.PF1, t.PF2, t.PF3, t.SF1, t.SF2, t.SF3, t.SG1, t.SG2, t.SG3,
                           t.PG1, t.PG2, t.PG3, t.keyplayer1, t.keyplayer2, t.keyplayer3})
            if (id != 0 && league.player(id).IsEmpty())
                SaveReader::Fail("a depth chart or key player naming an empty player slot");
    }
}

// The values a saved game does not hold: display fields, ratings, roster counts, free IDs, rights.
void RebuildDerivedValues(League& league) {
    SeasonState& s = league.state;
    if (s.FirstSeason == 0) s.FirstSeason = 2001;
    s.CommissionerRights = s.Password == kNoPassword;
    for (int id = 1; id <= kStoredPlayers; ++id) {
        Player& p = league.player(id);
        if (p.IsEmpty()) continue;
        DeriveDisplayFields(p);
        CalculatePlayerRatings(p);
        p.STAMINA = 0;
    }
    for (int slot = 1; slot <= kLeagueTeams; ++slot) {
        Team& t = league.team(slot);
        t.NumPlayers = t.ActivePlayers = t.Cs = t.PFs = t.SFs = t.SGs = t.PGs = 0;
    }
    for (int id = 1; id <= kStoredPlayers; ++id)
        if (!league.player(id).IsEmpty()) league.AddToRoster(id);
    league.RebuildFreeIDs();
    CalculateAbsoluteRatings(league);
}

} // namespace

SaveHeader DecodeSaveHeader(std::string_view bytes) {
    SaveReader r(bytes);
    SeasonState s;
    ReadHeader(r, s);
    return {s.LeagueName, s.Season, s.SeasonDay};
}

void DecodeLeague(std::string_view bytes, League& fresh) {
    SaveReader r(bytes);
    ReadHeader(r, fresh.state);
    std::set<int> teamSlots;
    for (int i = 1; i <= kStoredTeams; ++i)
        ReadTeam(r, fresh, teamSlots);
    ReadPlayers(r, fresh);
    ReadTables(r, fresh);
    r.ExpectEnd();
    // The draft needs each team's pick of each coming draft exactly once; a table never filled is allowed
    // (the draft fills it).
    if (!PickTableIsEmpty(fresh.tables))
        if (auto problem = PickTableProblem(fresh.tables)) SaveReader::Fail(*problem);
    CheckReferences(fresh);
    RebuildDerivedValues(fresh);
    if (!fresh.programFolder.empty())
        fresh.state.LeagueFolder = fresh.LeagueFolderOf(fresh.state.LeagueName).string();
}

} // namespace hv
