#include "reports/standings_table.h"

#include <algorithm>
#include <vector>

#include "season/standings.h"

namespace hv {

namespace {

// Position of a name in a list of known names; unknown names sort after them.
template <class Names> int IndexOf(const Names& names, const std::string& name) {
    for (size_t k = 0; k < names.size(); ++k)
        if (name == names[k]) return static_cast<int>(k);
    return static_cast<int>(names.size());
}

int DivisionIndex(const std::string& name) {
    std::array<const char*, kDivisions.size()> names{};
    for (size_t k = 0; k < kDivisions.size(); ++k)
        names[k] = kDivisions[k].name;
    return IndexOf(names, name);
}

// A rank of 0 (outside every group) sorts last.
int RankKey(int16_t rank) {
    return rank > 0 ? rank : kLeagueTeams + 1;
}

} // namespace

ReportTable StandingsTable(const League& league, StandingsView view) {
    std::vector<int> order;
    for (int t = 1; t <= kLeagueTeams; ++t)
        order.push_back(t);
    auto key = [&](int t) {
        const Team& team = league.team(t);
        int conference = IndexOf(kConferences, team.Conference);
        return view == StandingsView::Division
                   ? std::array{conference, DivisionIndex(team.Division), RankKey(team.DivRank)}
                   : std::array{conference, RankKey(team.ConfRank), 0};
    };
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return key(a) < key(b); });

    ReportTable table;
    table.Column("Conference")
        .Column("Division")
        .Column("Team")
        .Column("W", Align::Right)
        .Column("L", Align::Right)
        .Column("PCT", Align::Right)
        .Column("GB", Align::Right)
        .Column("CONF_GB", Align::Right)
        .Column("DIV_RANK", Align::Right)
        .Column("CONF_RANK", Align::Right)
        .Column("LAST_10", Align::Right)
        .Column("STREAK", Align::Right);
    for (int t : order) {
        const Team& team = league.team(t);
        WinLoss last10 = LastTenRecord(league, t);
        table.Row(t)
            .Add(team.Conference)
            .Add(team.Division)
            .Add(team.City + " " + team.Name)
            .Add(int{team.Wins()})
            .Add(int{team.Losses()})
            .Add(ReportTable::Decimal(WinningPercentage(team), 3, true))
            .Add(ReportTable::Keyed(GamesBehindText(team.GB), team.GB))
            .Add(ReportTable::Keyed(GamesBehindText(team.ConfGB), team.ConfGB))
            .Add(ReportTable::Keyed(std::to_string(team.DivRank), RankKey(team.DivRank)))
            .Add(ReportTable::Keyed(std::to_string(team.ConfRank), RankKey(team.ConfRank)))
            .Add(ReportTable::Keyed(RecordText(last10), last10.wins - last10.losses))
            .Add(ReportTable::Keyed(StreakText(team.Streak), team.Streak));
    }
    return table;
}

} // namespace hv
