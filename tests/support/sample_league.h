// A league with a value in every field that the saved game stores, neighbouring fields always different, for
// the save-file tests, the command-line tests, the save benchmark and the fuzzer's seeds.
#pragma once

#include <cstdint>
#include <string>

#include "league/league.h"

namespace hv::testing {

struct SampleOptions {
    unsigned seed = 7;
    int gameLogEntries = 12;      // per player
    int seasonHistoryEntries = 3; // per player
    int emptyEvery = 13;          // every n-th slot stays empty (0: none)
};

// Values inside the asked ranges; each call moves on by a prime step, so two fields filled one after the
// other never hold the same value (and flags alternate).
class SampleFiller {
  public:
    explicit SampleFiller(unsigned seed) : next_(seed) {}
    int16_t Small(int lo, int hi) {
        return static_cast<int16_t>(lo + static_cast<int>(Step() % (hi - lo + 1)));
    }
    int32_t Long(int lo, int hi) {
        return static_cast<int32_t>(lo + static_cast<int64_t>(Step() % (static_cast<uint64_t>(hi - lo) + 1)));
    }
    bool Flag() { return flag_ = !flag_; }
    double Real() { return static_cast<double>(Step() % 200000) / 100.0 - 1000.0; }
    std::string Text(const std::string& stem) { return stem + " " + std::to_string(Step() % 10000); }

  private:
    uint64_t Step() { return next_ += 7919; }
    uint64_t next_;
    bool flag_ = false;
};

inline std::string SampleTeamName(int slot) {
    static const char* names[] = {"Hawks", "Bulls", "Öwls",   "Lynx",  "Señores", "Crows",  "Bears", "Wolves",
                                  "Kings", "Jets",  "Sharks", "Storm", "Comets",  "Ravens", "Tigers"};
    return std::string(names[(slot - 1) % 15]) + (slot > 15 ? " II" : "");
}

template <class... Fields> void FillSmall(SampleFiller& f, int lo, int hi, Fields*... fields) {
    ((*fields = f.Small(lo, hi)), ...);
}
template <class... Fields> void FillLong(SampleFiller& f, int lo, int hi, Fields*... fields) {
    ((*fields = f.Long(lo, hi)), ...);
}

inline void FillSamplePlayer(Player& p, int id, SampleFiller& f, const SampleOptions& o) {
    static const char* firsts[] = {"José", "Anna", "Marcus", "Łukasz", "Kenji", "Zoë"};
    static const char* lasts[] = {"Müller", "Van Horn", "O'Neil", "Ñúñez", "Smith", "Ødegaard"};
    p.Name = std::string(firsts[id % 6]) + " " + lasts[(id / 6) % 6];
    p.Height = f.Small(70, 88);
    p.Weight = f.Small(170, 290);
    p.Age = f.Small(19, 38);
    p.College = f.Text("College of");
    const int kind = id % 10;
    p.Team = kind == 8 ? "FA" : kind == 9 ? "Draft" : SampleTeamName(1 + id % 29);
    p.LastTeam = SampleTeamName(1 + (id + 3) % 29);
    p.LastFASeason = f.Small(2000, 2004);
    p.HomeTeam = SampleTeamName(1 + (id + 5) % 29);
    p.PositionNumber = p.OriginalPosition = static_cast<int16_t>(1 + id % 5);
    FillSmall(f, 1, 29, &p.Round, &p.Pick);
    p.Experience = f.Small(0, 15);
    p.CAREERPOINTS = f.Long(0, 40000);
    p.Championships = f.Small(0, 3);
    for (int a = 0; a < id % 4; ++a)
        p.Awards.push_back({f.Small(2001, 2004), f.Text("All-League Ünited")});
    for (auto& d : p.ResignDemand)
        d = f.Long(500000, 9000000);
    for (int year = 1; year <= 8; ++year)
        p.Contract(year) = f.Long(0, 12000000);
    p.Exception = f.Flag();
    FillSmall(f, 1, 190, &p.Signday);
    p.SignYear = f.Small(2001, 2005);
    p.Resign = f.Flag();
    p.LastSalary = f.Long(300000, 9000000);
    p.BirdYears = f.Small(0, 6);
    p.Injury = id % 7 == 0 ? "Sprained Ankle" : "None";
    p.TimeInjured = id % 7 == 0 ? f.Small(1, 30) : 0;
    p.IR = id % 14 == 0;
    FillSmall(f, 10, 100, &p.Potential, &p.KnownPotential, &p.Greed, &p.Happiness, &p.Loyalty, &p.Winner);
    // Inside every position's attribute limits, so that loading keeps them.
    FillSmall(f, 5, 50, &p.InsideScoring, &p.JumpShot, &p.ThreePointShot, &p.Scoring, &p.Handling, &p.Passing,
              &p.Quickness, &p.PostDefense, &p.PerimeterDefense, &p.DriveDefense, &p.Stealing,
              &p.ShotBlocking, &p.OffenseRebound, &p.DefenseRebound, &p.Jumping, &p.Strength);
    p.STAMINA = 777;
    FillSmall(f, 1, 60, &p.HIGHPOINTS, &p.HIGHREBOUNDS, &p.HIGHASSISTS, &p.HIGHSTEALS, &p.HIGHBLOCKS);
    SeasonTotals& s = p.SeasonStats;
    FillSmall(f, 1, 3000, &s.Games, &s.GamesStarted, &s.Minutes, &s.FG, &s.FGA, &s.FT, &s.FTA, &s.ThreeP,
              &s.ThreePA, &s.Rebounds, &s.Assists, &s.Steals, &s.Blocks, &s.Turnovers, &s.Points, &s.Fouls,
              &s.DQ, &s.DoubleDoubles, &s.TripleDoubles, &s.Spare);
    for (int g = 0; g < o.gameLogEntries; ++g) {
        GameLogEntry e;
        e.SeasonDay = static_cast<int16_t>(g + 1);
        e.Starter = f.Flag();
        e.Team = p.Team;
        e.Opponent = SampleTeamName(1 + (id + g) % 29);
        FillSmall(f, 0, 48, &e.Minutes, &e.FG, &e.FGA, &e.FT, &e.FTA, &e.ThreeP, &e.ThreePA, &e.Rebounds,
                  &e.Assists, &e.Steals, &e.Blocks, &e.Turnovers, &e.Points, &e.Fouls, &e.Spare1, &e.Spare2);
        p.GameLog.push_back(e);
    }
    for (int h = 0; h < o.seasonHistoryEntries; ++h) {
        SeasonHistoryEntry e;
        e.Season = static_cast<int16_t>(2001 + h);
        e.Team = SampleTeamName(1 + (id + h) % 29);
        FillSmall(f, 0, 3000, &e.Games, &e.GamesStarted, &e.Minutes, &e.FG, &e.FGA, &e.FT, &e.FTA, &e.ThreeP,
                  &e.ThreePA, &e.Rebounds, &e.Assists, &e.Steals, &e.Blocks, &e.Turnovers, &e.Points, &e.DQ,
                  &e.Fouls, &e.DoubleDoubles, &e.TripleDoubles, &e.Spare);
        p.SeasonHistory.push_back(e);
    }
    PlayoffTotals& po = p.PlayoffStats;
    FillSmall(f, 1, 900, &po.Games, &po.Minutes, &po.FG, &po.FGA, &po.FT, &po.FTA, &po.ThreeP, &po.ThreePA,
              &po.Rebounds, &po.Assists, &po.Steals, &po.Blocks, &po.Turnovers, &po.Points, &po.Fouls, &po.DQ,
              &po.Spare, &p.CareerGames, &p.CareerGamesStarted);
    CareerTotals& c = p.Career;
    FillLong(f, 1, 60000, &c.Minutes, &c.FG, &c.FGA, &c.FT, &c.FTA, &c.ThreeP, &c.ThreePA, &c.Rebounds,
             &c.Assists, &c.Steals, &c.Blocks, &c.Turnovers, &c.Points);
    FillSmall(f, 1, 500, &p.CareerFouls, &p.CareerDQ, &p.CareerDoubleDoubles, &p.CareerTripleDoubles,
              &p.PlayerOfGame, &p.PlayerOfWeek, &p.PlayerOfMonth);
    DeriveDisplayFields(p);
}

inline void FillSampleTeam(Team& t, int slot, SampleFiller& f) {
    t.City = "Ciudad " + std::to_string(slot);
    t.Name = SampleTeamName(slot);
    t.Owner = slot % 4 == 0 ? "Human" : "Computer";
    t.Conference = slot <= 15 ? "East" : "West";
    t.Division = slot <= 7 ? "Atlantic" : slot <= 15 ? "Central" : slot <= 22 ? "Midwest" : "Pacific";
    FillSmall(f, 1, 100, &t.TeamRating, &t.WinRating, &t.OldWinRating);
    t.DraftRank = f.Real();
    t.LastPlayoffYear = f.Small(2001, 2004);
    t.pbp = f.Flag();
    t.CoachTeam = f.Flag();
    t.DraftFocus = f.Small(1, 3);
    for (auto& v : t.ExtraValues)
        v = f.Small(-50, 50);
    t.DraftList = {f.Small(1, 650), f.Small(1, 650), f.Small(1, 650)};
    for (int opp = 1; opp <= kLeagueTeams; ++opp) {
        FillSmall(f, 0, 4, &t.SeasonWinsVs[opp], &t.SeasonLossesVs[opp]);
        FillSmall(f, 0, 40, &t.AllTimeWinsVs[opp], &t.AllTimeLossesVs[opp]);
        t.PointsVs[opp] = f.Small(0, 3000);
    }
    t.TotalSalary = f.Long(10000000, 60000000);
    for (auto& cut : t.CutSalary)
        cut = f.Long(0, 3000000);
    t.UsedMidException = f.Flag();
    t.UsedLowException = f.Flag();
    FillSmall(f, 0, 41, &t.HomeWins, &t.HomeLosses, &t.RoadWins, &t.RoadLosses);
    t.Streak = f.Small(-8, 8);
    t.DivRank = f.Small(1, 8);
    t.ConfRank = f.Small(1, 15);
    FillSmall(f, 0, 9, &t.Championships, &t.Playoffs, &t.FinalsAppearances);
    FillLong(f, 0, 4000, &t.TotalWins, &t.TotalLosses, &t.PlayoffWins, &t.PlayoffLosses);
    for (int32_t* v : t.TotalsFields())
        *v = f.Long(100, 9000);
    for (int pos = 1; pos <= 5; ++pos)
        for (int depth = 1; depth <= 3; ++depth)
            t.Depth(pos, depth) = f.Small(1, 650);
    FillSmall(f, 1, 650, &t.keyplayer1, &t.keyplayer2, &t.keyplayer3);
    FillSmall(f, 1, 5, &t.Pace, &t.Press, &t.Trap, &t.Offense);
    for (auto& r : t.GameRecords)
        r = {f.Small(1, 160), f.Small(2001, 2004)};
    t.GameRecordsExtra = f.Small(1, 99);
    for (auto& r : t.PlayerRecords)
        r = {f.Text("Rekord Spieler"), f.Small(1, 70), f.Small(2001, 2004)};
}

inline AwardSlot SampleAwardSlot(SampleFiller& f) {
    return {f.Small(1, 650), f.Text("Award Wïnner"), "SF", SampleTeamName(f.Small(1, 29))};
}

inline void FillSampleTables(League& league, SampleFiller& f) {
    LeagueTables& t = league.tables;
    // Each team's two picks of the drafts of 2005 to 2007 (the league is in 2004); owners, values and
    // selections vary.
    for (int i = 1; i <= kDraftPickCount; ++i)
        t.draftPicks[i] = {static_cast<int16_t>(1 + (i - 1) / 6),
                           static_cast<int16_t>(2005 + (i - 1) / 2 % 3),
                           static_cast<int16_t>(1 + (i - 1) % 2),
                           f.Small(1, 29),
                           f.Small(1, 99),
                           f.Small(0, 29)};
    for (int day = 1; day <= kScheduleDays; ++day) {
        ScheduleDay& d = league.schedule[day];
        d.NumGames = f.Small(0, kGamesPerDay);
        for (int g = 1; g <= kGamesPerDay; ++g) {
            ScheduledGame& s = d.Games[g];
            s.Played = f.Flag();
            s.HomeTeam = SampleTeamName(f.Small(1, 29));
            s.AwayTeam = SampleTeamName(f.Small(1, 29));
            FillSmall(f, 70, 130, &s.HomeScore, &s.AwayScore);
            s.Note = g % 5 == 0 ? "OT" : "";
            s.BoxFile = std::to_string(day) + "-" + std::to_string(g) + ".txt";
            s.PlayerOfGame = f.Text("Jörg Star");
            s.PlayerOfGameScore = f.Small(10, 60);
            for (GameLeader* l : {&s.HomePoints, &s.HomeRebounds, &s.HomeAssists, &s.AwayPoints,
                                  &s.AwayRebounds, &s.AwayAssists})
                *l = {f.Text("Leader"), f.Small(1, 50)};
        }
    }
    for (int i = 0; i < 40; ++i) {
        FreeAgentBid b;
        b.PlayerID = f.Small(1, 650);
        b.TeamID = f.Small(1, 29);
        b.Kind = static_cast<BidKind>(f.Small(1, 5));
        b.Years = f.Small(1, 7);
        for (auto& a : b.Amounts)
            a = f.Long(0, 9000000);
        b.Score = f.Real();
        b.Spare = f.Long(-5, 5);
        t.bids.push_back(b);
    }
    for (int i = 0; i < 60; ++i)
        t.transactions.push_back({SampleTeamName(f.Small(1, 29)), f.Small(2001, 2005), f.Small(-5, 190),
                                  f.Text("SF Zoë Ødegaard signs for")});
    auto fillEntries = [&](auto& entries) {
        for (RecordEntry& e : entries)
            e = {f.Small(1, 650), f.Text("Récord Holder"), f.Real(),
                 f.Text("vs"),    f.Small(2001, 2005),     f.Text("at")};
    };
    fillEntries(t.leagueTeamRecords), fillEntries(t.careerRecords.entries);
    fillEntries(t.seasonRecords.entries), fillEntries(t.gameRecords.entries);
    for (int i = 0; i < 5; ++i) {
        RetiredPlayer r;
        r.Name = f.Text("Retired Legend Ñ");
        r.DefaultPosition = "PG";
        r.Round = 1;
        FillSmall(f, 1, 650, &r.ID, &r.Pick, &r.Championships);
        FillSmall(f, 70, 290, &r.Height, &r.Weight, &r.RetiredSeason, &r.Experience);
        r.DisplayHeight = FormatHeight(r.Height);
        FillLong(f, 1, 60000, &r.Reserved, &r.CAREERPOINTS);
        r.Awards = {{2002, "MVP"}, {2003, "Playoff MVP"}};
        SeasonHistoryEntry season{.Season = 2002, .Team = SampleTeamName(3)};
        FillSmall(f, 0, 3000, &season.Games, &season.GamesStarted, &season.Minutes, &season.FG, &season.FGA,
                  &season.Points, &season.Fouls);
        r.Seasons = {season};
        FillLong(f, 1, 40000, &r.Minutes, &r.FG, &r.FGA, &r.FT, &r.FTA, &r.ThreeP, &r.ThreePA, &r.Rebounds,
                 &r.ReservedLong, &r.Assists, &r.Steals, &r.Blocks, &r.Turnovers, &r.Points);
        FillSmall(f, 400, 1200, &r.CareerGames, &r.CareerGamesStarted);
        FillSmall(f, 1, 300, &r.DoubleDoubles, &r.TripleDoubles, &r.PlayerOfGame, &r.PlayerOfWeek,
                  &r.PlayerOfMonth);
        t.retiredPlayers.push_back(r);
    }
    t.draftOrder.assign(59, DraftSlot{});
    for (size_t i = 1; i < t.draftOrder.size(); ++i)
        t.draftOrder[i] = {f.Small(1, 29), f.Small(1001, 1174), f.Small(0, 1), f.Small(0, 650),
                           f.Small(0, 9)};
    for (int i = 1; i <= kLeagueTeams; ++i)
        t.lotteryOrder[i] = static_cast<int16_t>(30 - i);
    for (int i = 1; i <= kPlayoffSeries; ++i)
        t.playoffTree[i] = {f.Small(1, 29), f.Small(1, 29), f.Small(0, 4), f.Small(0, 4), f.Flag()};
    for (int season = 2001; season <= 2003; ++season) {
        SeasonArchive a;
        a.Season = static_cast<int16_t>(season);
        a.Champion = SampleTeamName(f.Small(1, 29));
        a.RunnerUp = SampleTeamName(f.Small(1, 29));
        a.ChampionWins = 4;
        a.RunnerUpWins = f.Small(0, 3);
        a.FirstPick = SampleAwardSlot(f);
        for (int i = 0; i < kLeagueTeams; ++i) {
            StandingLine& line = a.Standings[i];
            line.TeamName = "Ciudad " + SampleTeamName(i + 1);
            line.Wins = f.Small(10, 70);
            line.Losses = static_cast<int16_t>(82 - line.Wins);
            line.Record = std::to_string(line.Wins) + " - " + std::to_string(line.Losses);
        }
        auto fillSlots = [&](auto& slots) {
            for (AwardSlot& slot : slots)
                slot = SampleAwardSlot(f);
        };
        fillSlots(a.RookieOfMonth), fillSlots(a.PlayerOfMonth), fillSlots(a.PlayerOfWeek),
            fillSlots(a.Awards);
        for (auto& team : a.Teams)
            fillSlots(team);
        t.archive.push_back(a);
    }
}

// Fills the league: state, 29 teams, the player slots (every emptyEvery-th one left empty) and every table.
inline void FillSampleLeague(League& league, const SampleOptions& o = {}) {
    SampleFiller f(o.seed);
    SeasonState& s = league.state;
    s.Season = 2004;
    s.SeasonDay = 45;
    s.FirstSeason = 2001;
    s.SetSalaryCapDollars(43210987);
    s.LeagueName = "Sample Ligue";
    s.Password = "Géheim 42!";
    s.CommissionerRights = false;
    s.LeagueInjuries = false;
    s.ScreenInjuries = true;
    s.SaveBoxScores = true;
    s.SiteDuringSim = false;
    s.LockSimulation = true;
    s.LockEndSeason = false;
    s.SitePages = {true, false, true, false, false};
    s.SiteStyle = {"#101010", "#202020", "#303030", "#404040", "#505050", "#606060", "#70a0F0"};
    s.DraftState = 1;
    s.DraftPickState = 17;
    s.Reserved = 3;
    s.Reserved1 = -123456;
    s.Reserved2 = 987654;
    for (int slot = 1; slot <= kLeagueTeams; ++slot)
        FillSampleTeam(league.team(slot), slot, f);
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        Player& p = league.player(id);
        p = Player{};
        if (o.emptyEvery > 0 && id % o.emptyEvery == 0) continue;
        FillSamplePlayer(p, id, f, o);
    }
    FillSampleTables(league, f);
    // Depth charts and key players name players: the loader refuses one that names an empty slot.
    for (int slot = 1; slot <= kLeagueTeams; ++slot) {
        Team& t = league.team(slot);
        for (int16_t* id :
             {&t.C1, &t.C2, &t.C3, &t.PF1, &t.PF2, &t.PF3, &t.SF1, &t.SF2, &t.SF3, &t.SG1, &t.SG2, &t.SG3,
              &t.PG1, &t.PG2, &t.PG3, &t.keyplayer1, &t.keyplayer2, &t.keyplayer3})
            while (*id > 0 && league.player(*id).IsEmpty())
                --*id;
    }
    league.RebuildFreeIDs();
}

} // namespace hv::testing
