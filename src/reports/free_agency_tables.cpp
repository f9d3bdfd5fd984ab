#include "reports/free_agency_tables.h"

#include "league/salary.h"
#include "league/transactions.h"
#include "personnel/free_agency.h"
#include "personnel/resign.h"

namespace hv {

namespace {

ReportCell MoneyOrBlank(int64_t dollars) {
    return dollars > 0 ? ReportTable::Money(dollars) : ReportTable::Keyed("", 0);
}

ReportCell PerGame(int total, int games) {
    return ReportTable::Decimal(games > 0 ? static_cast<double>(total) / games : 0, 1);
}

ReportCell Position(const Player& p) {
    return ReportTable::Keyed(p.DefaultPosition, p.PositionNumber);
}

} // namespace

ReportTable FreeAgentsTable(const League& league) {
    const bool market = FreeAgencyOpen(league.state);
    ReportTable table;
    table.rowKind = RowKind::Player;
    table.title = "Free Agents";
    table.Column("ID", Align::Right, false)
        .Column("Name")
        .Column("Pos")
        .Column("Age", Align::Right)
        .Column("Exp", Align::Right)
        .Column("Rating", Align::Right)
        .Column("Future", Align::Right)
        .Column("Pot")
        .Column("Last Team")
        .Column("Minimum", Align::Right)
        .Column("Asking", Align::Right)
        .Column("Bids", Align::Right);
    for (int id : FreeAgentsByRating(league)) {
        const Player& p = league.player(id);
        table.Row(id)
            .Add(id)
            .Add(p.Name)
            .Add(Position(p))
            .Add(p.Age)
            .Add(p.Experience)
            .Add(p.CurrentRating)
            .Add(p.FutureRating)
            .Add(ReportTable::Keyed(p.PotentialGrade, p.KnownPotential))
            .Add(p.LastTeam)
            .Add(ReportTable::Money(MinimumSalary(p.Experience)))
            .Add(MoneyOrBlank(market ? AskingSalary(league, id) : 0))
            .Add(static_cast<int>(BidsFor(league, id).size()));
    }
    return table;
}

ReportTable BidsTable(const League& league, int id) {
    ReportTable table;
    table.title = "Bids for " + league.player(id).Name;
    table.Column("Team").Column("Kind").Column("Years", Align::Right);
    for (int year = 1; year <= 7; ++year)
        table.Column("Year " + std::to_string(year), Align::Right, year <= 4);
    table.Column("Total", Align::Right).Column("Score", Align::Right).Column("Valid");
    for (size_t i : BidsFor(league, id)) {
        const FreeAgentBid& b = league.tables.bids[i];
        const bool knownTeam = b.TeamID >= 1 && b.TeamID <= kLeagueTeams;
        table.Row(b.TeamID)
            .Add(knownTeam ? league.team(b.TeamID).Name : "")
            .Add(BidKindText(b.Kind))
            .Add(b.Years);
        int64_t total = 0;
        for (int year = 0; year < 7; ++year) {
            const int32_t amount = year < b.Years ? b.Amounts[static_cast<size_t>(year)] : 0;
            table.Add(MoneyOrBlank(amount));
            total += amount;
        }
        table.Add(ReportTable::Money(total))
            .Add(ReportTable::Decimal(b.Score, 3))
            .Add(BidIsValid(league, b) ? "Yes" : "No");
    }
    return table;
}

ReportTable ResignTable(const League& league, int team) {
    ReportTable table;
    table.rowKind = RowKind::Player;
    table.title = "Re-sign Players: " + league.team(team).City + " " + league.team(team).Name;
    table.Column("ID", Align::Right, false)
        .Column("Name")
        .Column("Pos")
        .Column("Age", Align::Right)
        .Column("Rating", Align::Right)
        .Column("Pot")
        .Column("Last Salary", Align::Right);
    for (int year = 1; year <= 7; ++year)
        table.Column("Year " + std::to_string(year), Align::Right, year <= 4);
    table.Column("G", Align::Right)
        .Column("PPG", Align::Right)
        .Column("RPG", Align::Right)
        .Column("APG", Align::Right)
        .Column("Career G", Align::Right)
        .Column("Career PPG", Align::Right);
    for (int id : PlayersAwaitingResign(league, team)) {
        const Player& p = league.player(id);
        const SeasonTotals& s = p.SeasonStats;
        table.Row(id)
            .Add(id)
            .Add(p.Name)
            .Add(Position(p))
            .Add(p.Age)
            .Add(p.CurrentRating)
            .Add(ReportTable::Keyed(p.PotentialGrade, p.KnownPotential))
            .Add(ReportTable::Money(p.LastSalary));
        for (int32_t amount : p.ResignDemand)
            table.Add(MoneyOrBlank(amount));
        table.Add(s.Games)
            .Add(PerGame(s.Points, s.Games))
            .Add(PerGame(s.Rebounds, s.Games))
            .Add(PerGame(s.Assists, s.Games))
            .Add(p.CareerGames)
            .Add(PerGame(p.Career.Points, p.CareerGames));
    }
    return table;
}

std::vector<int16_t> RatingsSnapshot(const League& league) {
    std::vector<int16_t> ratings(kLastLeaguePlayer + 1, 0);
    for (int id = 1; id <= kLastLeaguePlayer; ++id)
        ratings[static_cast<size_t>(id)] = league.player(id).CurrentRating;
    return ratings;
}

ReportTable CampChangesTable(const League& league, const std::vector<int16_t>& before, int team) {
    ReportTable table;
    table.rowKind = RowKind::Player;
    table.title = "Training Camps";
    table.Column("ID", Align::Right, false)
        .Column("Name")
        .Column("Team")
        .Column("Pos")
        .Column("Age", Align::Right)
        .Column("Before", Align::Right)
        .Column("After", Align::Right)
        .Column("Change", Align::Right)
        .Column("Pot");
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = league.player(id);
        const int slot = TeamOfPlayer(league, id);
        if (slot == 0 || (team != 0 && slot != team)) continue;
        const int was =
            static_cast<size_t>(id) < before.size() ? before[static_cast<size_t>(id)] : p.CurrentRating;
        table.Row(id)
            .Add(id)
            .Add(p.Name)
            .Add(p.Team)
            .Add(Position(p))
            .Add(p.Age)
            .Add(was)
            .Add(p.CurrentRating)
            .Add(p.CurrentRating - was)
            .Add(ReportTable::Keyed(p.PotentialGrade, p.KnownPotential));
    }
    return table;
}

} // namespace hv
