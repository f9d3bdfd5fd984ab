#include "reports/all_star_tables.h"

#include <cctype>
#include <string>

namespace hv {

std::string AllStarSlotName(const std::string& label) {
    size_t digits = label.size();
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(label[digits - 1])))
        --digits;
    if (digits == label.size()) return label;
    const std::string head = label.substr(0, digits), number = label.substr(digits);
    // Two-letter codes first, so that "PF" is not read as a name ending in "F".
    const std::pair<const char*, const char*> positions[] = {{"PF", "Power Forward"},
                                                             {"SF", "Small Forward"},
                                                             {"SG", "Shooting Guard"},
                                                             {"PG", "Point Guard"},
                                                             {"C", "Center"}};
    for (const auto& [code, name] : positions) {
        const std::string c = code;
        if (head.size() >= c.size() && head.compare(head.size() - c.size(), c.size(), c) == 0)
            return std::string(name) + " " + number;
    }
    return label;
}

ReportTable SquadsTable(const League& league, const std::array<Squad, 2>& squads, const std::string& title) {
    ReportTable table;
    table.rowKind = RowKind::Player;
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
                .Add(ReportTable::Keyed(AllStarSlotName(m.Label), double(&m - squad.Members.data())))
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
    table.rowKind = RowKind::Player;
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
