#include "league/draft_picks.h"

#include <algorithm>
#include <set>
#include <tuple>

namespace hv {

namespace {

// A pick's starting trade value by round; the trade code may change it later.
int16_t StartingValue(int round) {
    return round == 1 ? 45 : 15;
}

} // namespace

int16_t ComingDraftYear(const SeasonState& state) {
    return state.SeasonDay == Phase::RookieDraft ? state.Season : static_cast<int16_t>(state.Season + 1);
}

int16_t NextDraftYear(const League& league) {
    if (PickTableIsEmpty(league.tables)) return ComingDraftYear(league.state);
    int16_t first = league.tables.draftPicks[1].year;
    for (int i = 2; i <= kDraftPickCount; ++i)
        first = std::min(first, league.tables.draftPicks[static_cast<size_t>(i)].year);
    return first;
}

void CreatePickTable(League& league) {
    int16_t first = ComingDraftYear(league.state);
    int index = 1;
    for (int16_t team = 1; team <= kLeagueTeams; ++team)
        for (int16_t year = first; year < first + 3; ++year)
            for (int16_t round = 1; round <= kRookieDraftRounds; ++round)
                league.tables.draftPicks[static_cast<size_t>(index++)] = {
                    team, year, round, team, StartingValue(round), 0};
}

int FindPick(const League& league, int team, int year, int round) {
    for (int i = 1; i <= kDraftPickCount; ++i) {
        const DraftPick& d = league.tables.draftPicks[static_cast<size_t>(i)];
        if (d.Team == team && d.year == year && d.Round == round) return kFirstDraftPickID - 1 + i;
    }
    return 0;
}

bool PickTableIsEmpty(const LeagueTables& tables) {
    for (int i = 1; i <= kDraftPickCount; ++i)
        if (tables.draftPicks[static_cast<size_t>(i)] != DraftPick{}) return false;
    return true;
}

std::optional<std::string> PickTableProblem(const LeagueTables& tables) {
    // Every team earns one pick in each round of each of the three coming drafts, exactly once.
    if (PickTableIsEmpty(tables)) return std::string("the draft pick table is empty");
    int first = tables.draftPicks[1].year;
    for (int i = 2; i <= kDraftPickCount; ++i)
        first = std::min<int>(first, tables.draftPicks[static_cast<size_t>(i)].year);
    std::set<std::tuple<int, int, int>> seen;
    for (int i = 1; i <= kDraftPickCount; ++i) {
        const DraftPick& d = tables.draftPicks[static_cast<size_t>(i)];
        if (d.Team < 1 || d.Team > kLeagueTeams || d.OwnedBy < 1 || d.OwnedBy > kLeagueTeams)
            return "draft pick " + std::to_string(kFirstDraftPickID - 1 + i) + " names no team";
        if (d.Round < 1 || d.Round > kRookieDraftRounds)
            return "draft pick " + std::to_string(kFirstDraftPickID - 1 + i) + " has no round";
        if (d.year < first || d.year > first + 2)
            return "draft pick " + std::to_string(kFirstDraftPickID - 1 + i) + " is for the draft of " +
                   std::to_string(d.year) + ", not one of the three coming drafts";
        if (d.Selection < 0 || d.Selection > kLeagueTeams)
            return "draft pick " + std::to_string(kFirstDraftPickID - 1 + i) + " has a bad selection";
        if (!seen.insert({d.Team, d.year, d.Round}).second)
            return "two draft picks for the same team, season and round";
    }
    return std::nullopt; // 174 distinct picks within 29 teams x 3 drafts x 2 rounds: every one is there
}

void RenewDraftPicks(League& league, int year) {
    for (int i = 1; i <= kDraftPickCount; ++i) {
        DraftPick& d = league.tables.draftPicks[static_cast<size_t>(i)];
        if (d.year != year) continue;
        d.year = static_cast<int16_t>(year + 3);
        d.OwnedBy = d.Team;
        d.Selection = 0;
    }
}

} // namespace hv
