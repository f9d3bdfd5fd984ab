#include "personnel/season_end.h"

#include "league/salary.h"
#include "league/transactions.h"
#include "personnel/resign.h"
#include "personnel/retirement.h"

namespace hv {

namespace {

int16_t Sum16(int16_t a, int16_t b) {
    return static_cast<int16_t>(a + b);
}

// Contract years move on: contract1 becomes his last salary, every later year moves one year earlier.
void MoveContractOn(Player& p) {
    p.LastSalary = p.contract1;
    for (int year = 1; year < 8; ++year)
        p.Contract(year) = p.Contract(year + 1);
    p.contract8 = 0;
}

void MoveCutSalaryOn(Team& t) {
    for (size_t year = 0; year + 1 < t.CutSalary.size(); ++year)
        t.CutSalary[year] = t.CutSalary[year + 1];
    t.CutSalary.back() = 0;
}

} // namespace

void AddSeasonToCareer(Player& p, int16_t season) {
    const SeasonTotals& s = p.SeasonStats;
    p.CareerGames = Sum16(p.CareerGames, s.Games);
    p.CareerGamesStarted = Sum16(p.CareerGamesStarted, s.GamesStarted);
    CareerTotals& c = p.Career;
    c.Minutes += s.Minutes;
    c.FG += s.FG;
    c.FGA += s.FGA;
    c.FT += s.FT;
    c.FTA += s.FTA;
    c.ThreeP += s.ThreeP;
    c.ThreePA += s.ThreePA;
    c.Rebounds += s.Rebounds;
    c.Assists += s.Assists;
    c.Steals += s.Steals;
    c.Blocks += s.Blocks;
    c.Turnovers += s.Turnovers;
    c.Points += s.Points;
    p.CAREERPOINTS += s.Points;
    p.CareerFouls = Sum16(p.CareerFouls, s.Fouls);
    p.CareerDQ = Sum16(p.CareerDQ, s.DQ);
    p.CareerDoubleDoubles = Sum16(p.CareerDoubleDoubles, s.DoubleDoubles);
    p.CareerTripleDoubles = Sum16(p.CareerTripleDoubles, s.TripleDoubles);
    if (s.Games <= 0) return;
    SeasonHistoryEntry h;
    h.Season = season;
    h.Team = p.Team;
    h.Games = s.Games;
    h.GamesStarted = s.GamesStarted;
    h.Minutes = s.Minutes;
    h.FG = s.FG;
    h.FGA = s.FGA;
    h.FT = s.FT;
    h.FTA = s.FTA;
    h.ThreeP = s.ThreeP;
    h.ThreePA = s.ThreePA;
    h.Rebounds = s.Rebounds;
    h.Assists = s.Assists;
    h.Steals = s.Steals;
    h.Blocks = s.Blocks;
    h.Turnovers = s.Turnovers;
    h.Points = s.Points;
    h.DQ = s.DQ;
    h.Fouls = s.Fouls;
    h.DoubleDoubles = s.DoubleDoubles;
    h.TripleDoubles = s.TripleDoubles;
    p.SeasonHistory.push_back(h);
}

bool RetiresAtSeasonEnd(const Player& p, double r) {
    double b = 0;
    if (p.contract2 != 0) b = p.SeasonStats.Minutes > 2400 ? 0.4 : 0.2;
    if (p.Age <= 32) return false;
    if (p.Age <= 34) return r > b + 0.8;
    if (p.Age <= 38) return r > b + 0.45;
    if (p.Age <= 44) return r > b + 0.2;
    return true;
}

bool ProcessSeasonEnd(League& league, Host& host) {
    const int16_t ended = LastPlayedSeason(league.state);
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        Player& p = league.player(id);
        if (p.IsEmpty()) continue;
        AddSeasonToCareer(p, ended);
        const double r = league.rng.Uniform();
        if (p.Team == kFreeAgent || RetiresAtSeasonEnd(p, r)) RetirePlayer(league, id, host, ended);
        host.PumpEvents();
    }

    for (int t = 1; t <= kLeagueTeams; ++t) {
        Team& team = league.team(t);
        MoveCutSalaryOn(team);
        team.UsedMidException = team.UsedLowException = false;
    }
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        Player& p = league.player(id);
        if (p.IsEmpty() || p.Team == kDraft) continue;
        ++p.Age;
        ++p.BirdYears;
        ++p.Experience;
        MoveContractOn(p);
    }
    RecountPayrolls(league);

    // Every contract has moved on before anyone re-signs, so that each team's cap room is next season's.
    StartResignFile(league);
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        Player& p = league.player(id);
        if (p.IsEmpty() || TeamOfPlayer(league, id) == 0 || p.contract1 != 0) continue;
        p.Exception = false;
        if (DecideResign(league, id, host) == ResignDecision::Leaves) LeaveAsFreeAgent(league, id);
    }
    return true;
}

} // namespace hv
