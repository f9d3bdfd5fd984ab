#include "season/standings.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "league/season_archive.h"

namespace hv {

namespace {

int Balance(const Team& t) {
    return t.Wins() - t.Losses();
}

// One team's line in a division or conference group.
struct GroupRow {
    int team = 0;
    int balance = 0;  // wins - losses
    int tieOrder = 0; // 1, 2, ... within a run of equal balances; 0 outside any tie
};

// Orders k teams level on wins - losses: by their head-to-head balance among themselves, then their point
// balance among themselves, then a random draw. Writes tieOrder 1 to k.
void BreakTie(League& league, std::vector<GroupRow>::iterator first, std::vector<GroupRow>::iterator last) {
    struct Tied {
        GroupRow* row;
        int games, points;
        double draw;
    };
    std::vector<Tied> tied;
    for (auto it = first; it != last; ++it) {
        const Team& t = league.team(it->team);
        Tied entry{&*it, 0, 0, league.rng.Uniform()};
        for (auto other = first; other != last; ++other) {
            auto o = static_cast<size_t>(other->team);
            entry.games += t.SeasonWinsVs[o] - t.SeasonLossesVs[o];
            entry.points += t.PointsVs[o];
        }
        tied.push_back(entry);
    }
    std::sort(tied.begin(), tied.end(), [](const Tied& a, const Tied& b) {
        if (a.games != b.games) return a.games > b.games;
        if (a.points != b.points) return a.points > b.points;
        return a.draw < b.draw;
    });
    for (size_t k = 0; k < tied.size(); ++k)
        tied[k].row->tieOrder = static_cast<int>(k) + 1;
}

// Orders one group and writes each team's games behind (`gb`) and rank (`rank`).
void OrderGroup(League& league, std::vector<GroupRow>& rows, double Team::*gb, int16_t Team::*rank) {
    std::stable_sort(rows.begin(), rows.end(),
                     [](const GroupRow& a, const GroupRow& b) { return a.balance > b.balance; });
    for (auto run = rows.begin(); run != rows.end();) {
        auto end =
            std::find_if(run, rows.end(), [&](const GroupRow& r) { return r.balance != run->balance; });
        if (end - run >= 2) BreakTie(league, run, end);
        for (auto it = run; it != end; ++it)
            league.team(it->team).*gb = rows.front().balance - it->balance;
        run = end;
    }
    std::stable_sort(rows.begin(), rows.end(), [](const GroupRow& a, const GroupRow& b) {
        if (a.balance != b.balance) return a.balance > b.balance;
        return a.tieOrder < b.tieOrder;
    });
    for (size_t k = 0; k < rows.size(); ++k)
        league.team(rows[k].team).*rank = static_cast<int16_t>(k + 1);
}

std::vector<GroupRow> GroupOf(const League& league, const std::string Team::*field, const std::string& name) {
    std::vector<GroupRow> rows;
    for (int t = 1; t <= kLeagueTeams; ++t)
        if (league.team(t).*field == name) rows.push_back({t, Balance(league.team(t)), 0});
    return rows;
}

} // namespace

void UpdateWinningPercentages(League& league) {
    for (int t = 1; t <= kLeagueTeams; ++t)
        league.team(t).WinPct = WinningPercentage(league.team(t));
}

void ComputeStandings(League& league) {
    for (int t = 1; t <= kLeagueTeams; ++t) {
        Team& team = league.team(t);
        team.DivRank = team.ConfRank = 0;
        team.GB = team.ConfGB = 0;
    }
    for (const DivisionInfo& division : kDivisions) {
        auto rows = GroupOf(league, &Team::Division, division.name);
        OrderGroup(league, rows, &Team::GB, &Team::DivRank);
    }
    for (const char* conference : kConferences) {
        auto rows = GroupOf(league, &Team::Conference, conference);
        OrderGroup(league, rows, &Team::ConfGB, &Team::ConfRank);
    }
}

bool ArchiveStandings(League& league, Host& host) {
    UpdateWinningPercentages(league);
    ComputeStandings(league);
    std::vector<int> order;
    for (int t = 1; t <= kLeagueTeams; ++t)
        order.push_back(t);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const Team& x = league.team(a);
        const Team& y = league.team(b);
        if (x.WinPct != y.WinPct) return x.WinPct > y.WinPct;
        return x.DivRank < y.DivRank;
    });

    std::array<StandingLine, kLeagueTeams> lines{};
    size_t start = 0;
    for (const DivisionInfo& division : kDivisions) {
        size_t used = 0;
        for (int t : order) {
            const Team& team = league.team(t);
            if (team.Division != division.name) continue;
            if (used == static_cast<size_t>(division.archiveRoom)) {
                host.ShowMessage(std::string("The ") + division.name + " division has more than " +
                                     std::to_string(division.archiveRoom) +
                                     " teams; the season's final standings have room for " +
                                     std::to_string(division.archiveRoom) +
                                     ". The standings were not archived.",
                                 "Error", MessageIcon::Warning);
                return false;
            }
            StandingLine& line = lines[start + used++];
            line.TeamName = team.City + " " + team.Name;
            line.Wins = team.Wins();
            line.Losses = team.Losses();
            line.Record = std::to_string(line.Wins) + " - " + std::to_string(line.Losses);
        }
        start += static_cast<size_t>(division.archiveRoom);
    }
    ArchiveOf(league, league.state.Season).Standings = lines;
    return true;
}

WinLoss LastTenRecord(const League& league, int team) {
    WinLoss record;
    const std::string& name = league.team(team).Name;
    // The regular season's games only: the playoff days of the schedule do not count.
    int day = std::min<int>(league.state.SeasonDay, Phase::LastDay);
    for (; day >= 1 && record.wins + record.losses < 10; --day) {
        const ScheduleDay& d = league.schedule[static_cast<size_t>(day)];
        for (int g = 1; g <= std::min<int>(d.NumGames, kGamesPerDay); ++g) {
            const ScheduledGame& game = d.Games[static_cast<size_t>(g)];
            if (!game.Played || (game.HomeTeam != name && game.AwayTeam != name)) continue;
            if (record.wins + record.losses == 10) break;
            bool home = game.HomeTeam == name;
            bool won = home ? game.HomeScore > game.AwayScore : game.AwayScore > game.HomeScore;
            ++(won ? record.wins : record.losses);
        }
    }
    return record;
}

std::string RecordText(WinLoss record) {
    return std::to_string(record.wins) + "-" + std::to_string(record.losses);
}

std::string StreakText(int16_t streak) {
    if (streak == 0) return "-";
    return (streak > 0 ? "W" : "L") + std::to_string(streak > 0 ? streak : -streak);
}

std::string GamesBehindText(double gb) {
    if (gb == 0) return "-";
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", gb / 2);
    return text;
}

} // namespace hv
