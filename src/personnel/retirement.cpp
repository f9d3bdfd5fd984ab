#include "personnel/retirement.h"

#include "league/record_updates.h"
#include "league/team_control.h"
#include "league/transactions.h"
#include "personnel/free_agency_bids.h"

namespace hv {

RetiredPlayer RetiredEntryOf(const Player& p, int id, int16_t season) {
    RetiredPlayer r;
    r.ID = static_cast<int16_t>(id);
    r.Name = p.Name;
    r.Height = p.Height;
    r.DisplayHeight = p.DisplayHeight;
    r.Weight = p.Weight;
    r.RetiredSeason = season;
    r.DefaultPosition = p.DefaultPosition;
    r.Round = p.Round;
    r.Pick = p.Pick;
    r.Experience = p.Experience;
    r.CAREERPOINTS = p.CAREERPOINTS;
    r.Championships = p.Championships;
    r.Awards = p.Awards;
    r.Seasons = p.SeasonHistory;
    r.CareerGames = p.CareerGames;
    r.CareerGamesStarted = p.CareerGamesStarted;
    const CareerTotals& c = p.Career;
    r.Minutes = c.Minutes;
    r.FG = c.FG;
    r.FGA = c.FGA;
    r.FT = c.FT;
    r.FTA = c.FTA;
    r.ThreeP = c.ThreeP;
    r.ThreePA = c.ThreePA;
    r.Rebounds = c.Rebounds;
    r.Assists = c.Assists;
    r.Steals = c.Steals;
    r.Blocks = c.Blocks;
    r.Turnovers = c.Turnovers;
    r.Points = c.Points;
    r.DoubleDoubles = p.CareerDoubleDoubles;
    r.TripleDoubles = p.CareerTripleDoubles;
    r.PlayerOfGame = p.PlayerOfGame;
    r.PlayerOfWeek = p.PlayerOfWeek;
    r.PlayerOfMonth = p.PlayerOfMonth;
    return r;
}

void RetirePlayer(League& league, int id, Host& host, int16_t season) {
    Player& p = league.player(id);
    if (p.IsEmpty()) return;
    const int team = TeamOfPlayer(league, id);
    if (team != 0) LogTransaction(league, p.Team, p.DefaultPosition + " " + p.Name + " retires");
    if (p.CAREERPOINTS > kRetiredTablePoints)
        league.tables.retiredPlayers.push_back(RetiredEntryOf(p, id, season));
    UpdateCareerRecords(league, id);
    if (team != 0 && IsHuman(league.team(team)))
        host.ShowMessage(p.Name + " of the " + p.Team + " has retired.", "Retirement",
                         MessageIcon::Information);
    if (team != 0) {
        league.RemoveFromRoster(id);
        ClearFromLineup(league.team(team), id);
    }
    RemoveBidsFor(league, id);
    p = Player{};
    p.Name = "N/A";
    league.ReleasePlayerID(static_cast<int16_t>(id));
}

} // namespace hv
