#include "reports/all_star_tables.h"

#include <string>

namespace hv {

ReportTable SquadsTable(const League& league, const std::array<Squad, 2>& squads, const std::string& title) {
    ReportTable table;
    table.title = title;
    table.Column("Squad")
        .Column("Slot")
        .Column("Player")
        .Column("Position")
        .Column("Team")
        .Column("G", Align::Right)
        .Column("PR", Align::Right)
        .Column("PR/G", Align::Right);
    for (const Squad& squad : squads)
        for (const SquadMember& m : squad.Members) {
            const Player& p = league.player(m.PlayerID);
            table.Row(m.PlayerID)
                .Add(squad.Name)
                .Add(m.Label)
                .Add(p.Name)
                .Add(p.DefaultPosition)
                .Add(p.Team)
                .Add(int(p.SeasonStats.Games))
                .Add(int(p.SeasonRating))
                .Add(ReportTable::Decimal(AllStarMerit(p), 2));
        }
    return table;
}

ReportTable ContestTable(const Contest& contest) {
    ReportTable table;
    table.title = contest.Title;
    table.Column("Seed", Align::Right).Column("Player").Column("Team");
    for (int round = 1; round <= contest.Rounds; ++round)
        table.Column(round == contest.Rounds ? "Final" : "Round " + std::to_string(round), Align::Right);
    table.Column("Result");
    for (size_t i = 0; i < contest.Entrants.size(); ++i) {
        const ContestEntrant& e = contest.Entrants[i];
        table.Row(e.PlayerID).Add(int(i + 1)).Add(e.Name).Add(e.Team);
        for (int round = 0; round < contest.Rounds; ++round) {
            const size_t r = static_cast<size_t>(round);
            table.Add(r < e.RoundScores.size() ? ReportTable::Number(static_cast<int64_t>(e.RoundScores[r]))
                                               : ReportTable::Keyed("", -1));
        }
        std::string result;
        if (contest.Held())
            result = e.PlayerID == contest.Winner ? "Champion"
                     : static_cast<int>(e.RoundScores.size()) == contest.Rounds
                         ? "Finalist"
                         : "Out after round " + std::to_string(e.RoundScores.size());
        table.Add(result);
    }
    return table;
}

} // namespace hv
