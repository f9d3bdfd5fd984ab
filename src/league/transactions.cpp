#include "league/transactions.h"

#include <algorithm>

#include "league/league_options.h"
#include "league/salary.h"
#include "league/save_file_format.h"

namespace hv {

static_assert(kMostTransactions == savefile::kMaxTableUpperBound + 1,
              "the log holds what the saved game stores");

namespace {

bool ValidPosition(int position) {
    return position >= 1 && position <= 5;
}

// "PF Joe Smith": the player as the log names him.
std::string Named(const Player& p) {
    return p.DefaultPosition + " " + p.Name;
}

// Changes the team's active and position counts by `step` for a player going off (+1) or onto (-1) the
// injured list.
void CountActive(Team& t, const Player& p, int step) {
    t.ActivePlayers = static_cast<int16_t>(t.ActivePlayers + step);
    if (ValidPosition(p.PositionNumber))
        t.PositionCount(p.PositionNumber) = static_cast<int16_t>(t.PositionCount(p.PositionNumber) + step);
}

} // namespace

void ClearFromLineup(Team& t, int id) {
    for (int pos = 1; pos <= 5; ++pos)
        for (int row = 1; row <= 3; ++row)
            if (t.Depth(pos, row) == id) t.Depth(pos, row) = 0;
    for (int16_t* key : {&t.keyplayer1, &t.keyplayer2, &t.keyplayer3})
        if (*key == id) *key = 0;
}

int TeamOfPlayer(const League& league, int id) {
    const Player& p = league.player(id);
    return p.IsEmpty() ? 0 : league.FindTeam(p.Team);
}

int16_t SigningSeason(const SeasonState& state) {
    return LastPlayedSeason(state);
}

void LogTransaction(League& league, const std::string& team, std::string action) {
    std::vector<Transaction>& log = league.tables.transactions;
    if (log.size() >= kMostTransactions) {
        // Lines are appended in order: the oldest season's lines lead the log.
        const int16_t oldest = log.front().Season;
        auto end =
            std::find_if(log.begin(), log.end(), [&](const Transaction& t) { return t.Season != oldest; });
        if (end == log.end()) end = log.begin() + 1;
        log.erase(log.begin(), end);
    }
    log.push_back({team, league.state.Season, league.state.SeasonDay, std::move(action)});
}

bool SignPlayer(League& league, int id, const std::string& teamName) {
    Player& p = league.player(id);
    const int slot = league.FindTeam(teamName);
    if (p.IsEmpty() || p.Team != kFreeAgent || slot == 0) return false;
    Team& t = league.team(slot);
    if (t.NumPlayers >= kMaxRoster) return false;

    const SeasonState& s = league.state;
    p.SignYear = SigningSeason(s);
    p.LastFASeason = s.Season;
    p.Signday = s.SeasonDay;
    p.Exception = false;
    p.Team = teamName;
    p.IR = false; // a free agent is on no team's injured list
    for (int year = 1; year <= 8; ++year)
        p.Contract(year) = 0;
    p.contract1 = MinimumSalary(p.Experience);
    LogTransaction(league, teamName,
                   "Sign " + Named(p) + " for " + SalaryCapText(p.contract1) + " over one year.");
    league.AddToRoster(id);
    t.TotalSalary += p.contract1;
    return true;
}

bool CutPlayer(League& league, int id) {
    const int slot = TeamOfPlayer(league, id);
    if (slot == 0) return false;
    ActivatePlayer(league, id);
    Player& p = league.player(id);
    Team& t = league.team(slot);
    LogTransaction(league, t.Name, "Cut " + Named(p));
    league.RemoveFromRoster(id);
    // The team still owes what is left of his contract.
    for (int year = 1; year <= 8; ++year) {
        t.CutSalary[static_cast<size_t>(year - 1)] += p.Contract(year);
        p.Contract(year) = 0;
    }
    ClearFromLineup(t, id);
    p.LastTeam = t.Name;
    p.Team = kFreeAgent;
    return true;
}

bool ActivatePlayer(League& league, int id) {
    const int slot = TeamOfPlayer(league, id);
    Player& p = league.player(id);
    if (slot == 0 || !p.IR) return false;
    Team& t = league.team(slot);
    p.IR = false;
    CountActive(t, p, +1);
    LogTransaction(league, t.Name, "Activate " + Named(p) + " from Injured Reserve.");
    return true;
}

bool PlaceOnIR(League& league, int id) {
    const int slot = TeamOfPlayer(league, id);
    Player& p = league.player(id);
    if (slot == 0 || p.IR) return false;
    Team& t = league.team(slot);
    p.IR = true;
    CountActive(t, p, -1);
    LogTransaction(league, t.Name, "Place " + Named(p) + " on Injured Reserve.");
    return true;
}

void StashOnIR(League& league, int id) {
    const double r = league.rng.Uniform();
    Player& p = league.player(id);
    p.Injury = r < 0.2   ? "Flu"
               : r < 0.4 ? "Sprained Knee"
               : r < 0.6 ? "Sprained Ankle"
               : r < 0.8 ? "Severe Migraines"
                         : "Groin Pull";
    PlaceOnIR(league, id);
}

} // namespace hv
