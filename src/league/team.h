// The team record: one slot of the league's team table.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace hv {

constexpr int kLeagueTeams = 29;

// Best single-game team value and the season it came in.
struct TeamGameRecord {
    int16_t Value = 0;
    int16_t Season = 0;
    bool operator==(const TeamGameRecord&) const = default;
};

// A franchise's best player performance of one kind.
struct TeamPlayerRecord {
    std::string PlayerName;
    int16_t Value = 0;
    int16_t Season = 0;
    bool operator==(const TeamPlayerRecord&) const = default;
};

// A team's totals of one game, which the team game records are offered.
struct TeamGameLine {
    int32_t Points = 0, FG = 0, FGA = 0, ThreeP = 0, ThreePA = 0, FT = 0, FTA = 0, Rebounds = 0, Assists = 0,
            Steals = 0, Blocks = 0, Turnovers = 0, Fouls = 0;
    bool operator==(const TeamGameLine&) const = default;
};

// Lists indexed by opponent team number 1 to 29 (index 0 unused).
using PerOpponent = std::array<int16_t, kLeagueTeams + 1>;

struct Team {
    std::string City;
    std::string Name;
    std::string Owner = "Computer";
    std::string Conference;
    std::string Division;
    int16_t TeamRating = 0;
    int16_t WinRating = 0, OldWinRating = 0;
    double DraftRank = 0;
    int16_t LastPlayoffYear = 0;
    bool pbp = false;
    bool CoachTeam = false;
    int16_t DraftFocus = 0;
    // Working values carried in the save file beside the draft focus.
    std::array<int16_t, 2> ExtraValues{};
    int32_t TotalSalary = 0;
    std::array<int32_t, 8> CutSalary{}; // CutSalary, CutSalary2 ... CutSalary8
    bool UsedMidException = false, UsedLowException = false;
    int16_t HomeWins = 0, HomeLosses = 0, RoadWins = 0, RoadLosses = 0;
    std::array<int16_t, 2> Reserved{};
    double WinPct = 0; // Win%
    int16_t Streak = 0;
    int16_t DivRank = 0, ConfRank = 0;
    double GB = 0, ConfGB = 0;
    int16_t Championships = 0, Playoffs = 0, FinalsAppearances = 0;
    int32_t TotalWins = 0, TotalLosses = 0, PlayoffWins = 0, PlayoffLosses = 0;
    PerOpponent SeasonWinsVs{}, SeasonLossesVs{}, AllTimeWinsVs{}, AllTimeLossesVs{}, PointsVs{};
    int32_t Points = 0, PointsAllowed = 0, Steals = 0, Assists = 0, Rebounds = 0, Blocks = 0, Turnovers = 0,
            FG = 0, FGA = 0, FT = 0, FTA = 0, ThreeP = 0, ThreePA = 0, FGAallowed = 0, FGallowed = 0,
            FTallowed = 0, FTAallowed = 0, ThreePallowed = 0, ThreePAallowed = 0, StealsAllowed = 0,
            AssistsAllowed = 0, ReboundsAllowed = 0, BlocksAllowed = 0, TurnoversAllowed = 0;
    int16_t NumPlayers = 0, ActivePlayers = 0;
    int16_t Cs = 0, PFs = 0, SFs = 0, SGs = 0, PGs = 0;
    int16_t C1 = 0, C2 = 0, C3 = 0, PF1 = 0, PF2 = 0, PF3 = 0, SF1 = 0, SF2 = 0, SF3 = 0, SG1 = 0, SG2 = 0,
            SG3 = 0, PG1 = 0, PG2 = 0, PG3 = 0;
    int16_t keyplayer1 = 0, keyplayer2 = 0, keyplayer3 = 0;
    int16_t Pace = 0, Press = 0, Trap = 0, Offense = 0;
    // Points, points allowed, three-pointers, steals, blocks, assists, rebounds, turnovers.
    std::array<TeamGameRecord, 8> GameRecords{};
    int16_t GameRecordsExtra = 0;
    std::array<TeamPlayerRecord, 12> PlayerRecords{};
    // The user's ranked prospects (player IDs, at most 29), used when the computer picks for a human team;
    // saved in the team entry's 29 list places.
    std::vector<int16_t> DraftList;
    // The players of an All-Star weekend squad (team slots 30 and 31), who stay on their own teams' rosters
    // meanwhile. A working value: not part of the saved game.
    std::vector<int16_t> SquadPlayers;

    // Depth chart slot of a position (1 C .. 5 PG) and depth (1..3).
    int16_t& Depth(int position, int depth);
    int16_t Depth(int position, int depth) const;
    // Roster count of a position 1 to 5.
    int16_t& PositionCount(int position);
    // Playoff bracket number 1 to 8, written when the playoffs begin (kept in the first working value).
    int16_t& PlayoffBracket() { return ExtraValues[0]; }
    int16_t PlayoffBracket() const { return ExtraValues[0]; }
    // The 24 season totals, Points to TurnoversAllowed, in the order the saved game keeps them.
    std::array<int32_t*, 24> TotalsFields();
    std::array<const int32_t*, 24> TotalsFields() const;
    int16_t Wins() const { return static_cast<int16_t>(HomeWins + RoadWins); }
    int16_t Losses() const { return static_cast<int16_t>(HomeLosses + RoadLosses); }
};

template <class TeamRef> auto TeamTotalsOf(TeamRef& t) {
    return std::array{&t.Points,
                      &t.PointsAllowed,
                      &t.Steals,
                      &t.Assists,
                      &t.Rebounds,
                      &t.Blocks,
                      &t.Turnovers,
                      &t.FG,
                      &t.FGA,
                      &t.FT,
                      &t.FTA,
                      &t.ThreeP,
                      &t.ThreePA,
                      &t.FGAallowed,
                      &t.FGallowed,
                      &t.FTallowed,
                      &t.FTAallowed,
                      &t.ThreePallowed,
                      &t.ThreePAallowed,
                      &t.StealsAllowed,
                      &t.AssistsAllowed,
                      &t.ReboundsAllowed,
                      &t.BlocksAllowed,
                      &t.TurnoversAllowed};
}
inline std::array<int32_t*, 24> Team::TotalsFields() {
    return TeamTotalsOf(*this);
}
inline std::array<const int32_t*, 24> Team::TotalsFields() const {
    return TeamTotalsOf(*this);
}

// wins / (wins + losses); 0.5 before the team's first game.
inline double WinningPercentage(const Team& team) {
    const int games = team.Wins() + team.Losses();
    return games > 0 ? static_cast<double>(team.Wins()) / games : 0.5;
}

} // namespace hv
