#include "reports/standings_table.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "league/team_control.h"
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

// One group's table: the teams that `inGroup` takes, ordered by `rankOf`.
ReportTable GroupTable(const League& league, std::string title,
                       const std::function<bool(const Team&)>& inGroup, int16_t Team::*rank,
                       bool divisionGB) {
    std::vector<int> order;
    for (int t = 1; t <= kLeagueTeams; ++t)
        if (inGroup(league.team(t))) order.push_back(t);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return RankKey(league.team(a).*rank) < RankKey(league.team(b).*rank);
    });
    ReportTable table;
    table.title = std::move(title);
    table.rowKind = RowKind::Team;
    table.Column("Team")
        .Column("W", Align::Right)
        .Column("L", Align::Right)
        .Column("Pct", Align::Right)
        .Column("GB", Align::Right)
        .Column("Conf GB", Align::Right)
        .Column("Last 10", Align::Right)
        .Column("Streak", Align::Right);
    for (int t : order) {
        const Team& team = league.team(t);
        const WinLoss last10 = LastTenRecord(league, t);
        const double gb = divisionGB ? team.GB : team.ConfGB;
        table.Row(t)
            .Add(ReportTable::Keyed(team.City + " " + team.Name, RankKey(team.*rank)))
            .Add(int{team.Wins()})
            .Add(int{team.Losses()})
            .Add(ReportTable::Decimal(WinningPercentage(team), 3, true))
            .Add(ReportTable::Keyed(GamesBehindText(gb), gb))
            .Add(ReportTable::Keyed(GamesBehindText(team.ConfGB), team.ConfGB))
            .Add(ReportTable::Keyed(RecordText(last10), last10.wins - last10.losses))
            .Add(ReportTable::Keyed(StreakText(team.Streak), team.Streak))
            .Highlight(IsHuman(team));
    }
    return table;
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
        .Column("Pct", Align::Right)
        .Column("GB", Align::Right)
        .Column("Conf GB", Align::Right)
        .Column("Div Rank", Align::Right)
        .Column("Conf Rank", Align::Right)
        .Column("Last 10", Align::Right)
        .Column("Streak", Align::Right);
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

std::vector<ReportTable> StandingsGroupTables(const League& league, StandingsView view) {
    std::vector<ReportTable> tables;
    if (view == StandingsView::Division) {
        for (const DivisionInfo& d : kDivisions)
            tables.push_back(GroupTable(
                league, std::string(d.conference) + " - " + d.name,
                [&](const Team& t) { return t.Division == d.name; }, &Team::DivRank, true));
    } else {
        for (const char* c : kConferences)
            tables.push_back(GroupTable(
                league, std::string(c) + " Conference", [&](const Team& t) { return t.Conference == c; },
                &Team::ConfRank, false));
    }
    return tables;
}

} // namespace hv
