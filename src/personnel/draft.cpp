#include "personnel/draft.h"

#include <algorithm>
#include <numeric>

#include "league/draft_picks.h"
#include "league/lineup.h"
#include "league/ratings.h"
#include "league/salary.h"
#include "league/season_archive.h"
#include "personnel/computer_trades.h"
#include "personnel/draft_class.h"
#include "personnel/draft_list.h"
#include "personnel/draft_roster.h"
#include "personnel/lottery.h"

namespace hv {

namespace {

int SlotCount(const League& league) {
    return DraftRounds(league) * kLeagueTeams;
}

bool IsProspect(const Player& p) {
    return !p.IsEmpty() && p.Team == kDraft;
}

bool IsTeamOrderList(const std::array<int16_t, kLeagueTeams + 1>& list) {
    std::array<bool, kLeagueTeams + 1> seen{};
    for (int i = 1; i <= kLeagueTeams; ++i) {
        int t = list[static_cast<size_t>(i)];
        if (t < 1 || t > kLeagueTeams || seen[static_cast<size_t>(t)]) return false;
        seen[static_cast<size_t>(t)] = true;
    }
    return true;
}

std::string ResultLine(const League& league, const DraftSlot& slot) {
    const std::string& team = league.team(slot.Team).Name;
    if (slot.Flag == SlotFlag::Picked) {
        const Player& p = league.player(slot.PlayerID);
        return team + " take " + p.DefaultPosition + " " + p.Name;
    }
    if (slot.Flag == SlotFlag::FullRoster) return team + ": Selection skipped due to full roster.";
    return team + ": Selection skipped.";
}

// Moves the draft to the next slot; after the last slot the draft ends.
void Advance(League& league, Host& host) {
    SeasonState& s = league.state;
    if (++s.DraftPickState > kLeagueTeams) {
        s.DraftPickState = 1;
        ++s.DraftState;
    }
    if (s.DraftState <= DraftRounds(league)) return;
    if (IsCreationDraft(league))
        EndCreationDraft(league);
    else
        EndRookieDraft(league, host);
}

DraftSlot& CurrentSlotRef(League& league) {
    return league.tables.draftOrder.at(
        static_cast<size_t>(DraftSlotIndex(league.state.DraftState, league.state.DraftPickState)));
}

// Base value of a prospect for a team: the future in the rookie draft; in the creation draft the team's
// draft focus weighs the present against the future.
double BaseValue(const League& league, const Team& team, const Player& p) {
    if (!IsCreationDraft(league)) return p.FutureRating;
    switch (team.DraftFocus) {
    case 2:
        return (p.CurrentRating + p.FutureRating) / 2.0;
    case 3:
        return 0.9 * p.CurrentRating + 0.1 * p.FutureRating;
    default:
        return p.FutureRating;
    }
}

// How much a team wants one more player at a position, from the players it has there.
double NeedFactor(const std::vector<const Player*>& atPosition) {
    switch (atPosition.size()) {
    case 0:
        return 1.0;
    case 1:
        return 0.7 - (atPosition[0]->CurrentRating - 50) / 500.0;
    default: {
        int better = std::max(atPosition[0]->CurrentRating, atPosition[1]->CurrentRating);
        return better > 70 ? 0.4 : 0.5;
    }
    }
}

} // namespace

bool IsCreationDraft(const League& league) {
    return league.state.SeasonDay == Phase::CreationDraft;
}

int DraftRounds(const League& league) {
    return IsCreationDraft(league) ? kCreationDraftRounds : kRookieDraftRounds;
}

bool DraftUnderWay(const League& league) {
    const SeasonState& s = league.state;
    bool phase = s.SeasonDay == Phase::CreationDraft || s.SeasonDay == Phase::RookieDraft;
    if (!phase || s.DraftState < 1 || s.DraftState > DraftRounds(league) || s.DraftPickState < 1 ||
        s.DraftPickState > kLeagueTeams ||
        league.tables.draftOrder.size() <= static_cast<size_t>(SlotCount(league)))
        return false;
    // A slot without a team (an order never built) holds no draft.
    int team =
        league.tables.draftOrder[static_cast<size_t>(DraftSlotIndex(s.DraftState, s.DraftPickState))].Team;
    return team >= 1 && team <= kLeagueTeams;
}

const DraftSlot* CurrentSlot(const League& league) {
    if (!DraftUnderWay(league)) return nullptr;
    return &league.tables.draftOrder[static_cast<size_t>(
        DraftSlotIndex(league.state.DraftState, league.state.DraftPickState))];
}

int TeamOnClock(const League& league) {
    const DraftSlot* slot = CurrentSlot(league);
    return slot ? slot->Team : 0;
}

bool IsHumanTeam(const League& league, int team) {
    return team >= 1 && team <= kLeagueTeams && league.team(team).Owner == "Human";
}

bool BuildRookieDraftOrder(League& league, Host& host) {
    LeagueTables& t = league.tables;
    if (!IsTeamOrderList(t.lotteryOrder)) {
        host.ShowMessage("The draft lottery has not been held.", "Error", MessageIcon::Warning);
        return false;
    }
    int year = NextDraftYear(league);
    std::vector<int> secondRound(kLeagueTeams);
    std::iota(secondRound.begin(), secondRound.end(), 1);
    std::stable_sort(secondRound.begin(), secondRound.end(),
                     [&](int a, int b) { return league.team(a).DraftRank < league.team(b).DraftRank; });
    std::vector<DraftSlot> order(static_cast<size_t>(kRookieDraftRounds * kLeagueTeams + 1));
    for (int round = 1; round <= kRookieDraftRounds; ++round) {
        for (int pick = 1; pick <= kLeagueTeams; ++pick) {
            int earner = round == 1 ? t.lotteryOrder[static_cast<size_t>(pick)]
                                    : secondRound[static_cast<size_t>(pick - 1)];
            int id = FindPick(league, earner, year, round);
            if (id == 0) {
                host.ShowMessage("Fatal Draft Lottery Error: Pick not found", "Error", MessageIcon::Critical);
                return false;
            }
            order[static_cast<size_t>(DraftSlotIndex(round, pick))] = {t.draftPick(id).OwnedBy,
                                                                       static_cast<int16_t>(id), 0, 0, 0};
        }
    }
    t.draftOrder = std::move(order);
    return true;
}

bool RookieDraftOrderReady(const League& league) {
    const auto& order = league.tables.draftOrder;
    if (order.size() != static_cast<size_t>(kRookieDraftRounds * kLeagueTeams + 1)) return false;
    int year = NextDraftYear(league);
    for (int round = 1; round <= kRookieDraftRounds; ++round) {
        for (int pick = 1; pick <= kLeagueTeams; ++pick) {
            const DraftSlot& slot = order[static_cast<size_t>(DraftSlotIndex(round, pick))];
            if (slot.PickID < kFirstDraftPickID || slot.PickID >= kFirstDraftPickID + kDraftPickCount)
                return false;
            const DraftPick& d = league.tables.draftPick(slot.PickID);
            if (d.year != year || d.Round != round) return false;
        }
    }
    return true;
}

bool PrepareRookieDraft(League& league, Host& host) {
    if (PickTableIsEmpty(league.tables)) CreatePickTable(league);
    if (RookieDraftOrderReady(league)) return true;
    return RunDraftLottery(league, host) && BuildRookieDraftOrder(league, host);
}

std::array<int16_t, kLeagueTeams> CreationOrderList(const League& league) {
    std::array<int16_t, kLeagueTeams> list;
    bool valid = IsTeamOrderList(league.tables.lotteryOrder);
    for (int i = 1; i <= kLeagueTeams; ++i)
        list[static_cast<size_t>(i - 1)] =
            valid ? league.tables.lotteryOrder[static_cast<size_t>(i)] : static_cast<int16_t>(i);
    return list;
}

void SetCreationOrderList(League& league, const std::array<int16_t, kLeagueTeams>& order) {
    for (int i = 1; i <= kLeagueTeams; ++i)
        league.tables.lotteryOrder[static_cast<size_t>(i)] = order[static_cast<size_t>(i - 1)];
}

void ShuffleOrder(std::array<int16_t, kLeagueTeams>& order, Random& rng) {
    for (int i = kLeagueTeams - 1; i > 0; --i)
        std::swap(order[static_cast<size_t>(i)], order[static_cast<size_t>(rng.Uniform() * (i + 1))]);
}

void BuildCreationDraftOrder(League& league) {
    auto list = CreationOrderList(league);
    std::vector<DraftSlot> order(static_cast<size_t>(kCreationDraftRounds * kLeagueTeams + 1));
    for (int round = 1; round <= kCreationDraftRounds; ++round) {
        for (int pick = 1; pick <= kLeagueTeams; ++pick) {
            // Odd rounds run down the list, even rounds back up it.
            int index = round % 2 == 1 ? pick : kLeagueTeams + 1 - pick;
            order[static_cast<size_t>(DraftSlotIndex(round, pick))] = {list[static_cast<size_t>(index - 1)],
                                                                       0, 0, 0, 0};
        }
    }
    league.tables.draftOrder = std::move(order);
}

bool StartDraft(League& league, Host& host) {
    SeasonState& s = league.state;
    if (s.SeasonDay != Phase::CreationDraft && s.SeasonDay != Phase::RookieDraft) {
        host.ShowMessage("No draft is held at this point of the season.", "Error", MessageIcon::Warning);
        return false;
    }
    if (DraftUnderWay(league)) {
        host.ShowMessage("The draft is already under way: resume it.", "Error", MessageIcon::Warning);
        return false;
    }
    if (IsCreationDraft(league)) {
        CalculateAbsoluteRatings(league);
        BuildCreationDraftOrder(league);
    } else if (!PrepareRookieDraft(league, host)) {
        return false;
    }
    s.DraftState = 1;
    s.DraftPickState = 1;
    return true;
}

int ComputerChoice(const League& league, int teamSlot) {
    const Team& team = league.team(teamSlot);
    if (team.Owner == "Human") {
        const std::vector<int> listed = AvailableOnDraftList(league, teamSlot);
        if (!listed.empty()) return listed.front();
    }
    std::array<std::vector<const Player*>, 6> roster;
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = league.player(id);
        if (!p.IsEmpty() && p.Team == team.Name && p.PositionNumber >= 1 && p.PositionNumber <= 5)
            roster[static_cast<size_t>(p.PositionNumber)].push_back(&p);
    }
    struct Candidate {
        int id;
        double base;
    };
    // Only positions with room are considered: when no prospect is left at any of them the team passes,
    // rather than take a fourth player at a full position.
    std::vector<Candidate> candidates;
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = league.player(id);
        if (!IsProspect(p) || p.PositionNumber < 1 || p.PositionNumber > 5) continue;
        if (roster[static_cast<size_t>(p.PositionNumber)].size() < kDraftPositionLimit)
            candidates.push_back({id, BaseValue(league, team, p)});
    }
    if (candidates.empty()) return 0;
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate& a, const Candidate& b) { return a.base > b.base; });
    if (candidates.size() > 10) candidates.resize(10);
    int best = 0;
    double bestScore = 0;
    for (const Candidate& c : candidates) {
        int position = league.player(c.id).PositionNumber;
        double score = c.base * NeedFactor(roster[static_cast<size_t>(position)]);
        if (best == 0 || score > bestScore) {
            best = c.id;
            bestScore = score;
        }
    }
    return best;
}

bool MakeSelection(League& league, Host& host, int id, std::string* line) {
    if (!DraftUnderWay(league) || id < 1 || id > kLastLeaguePlayer || !IsProspect(league.player(id)))
        return false;
    SeasonState& s = league.state;
    int round = s.DraftState, pick = s.DraftPickState;
    DraftSlot& slot = CurrentSlotRef(league);
    const Team& team = league.team(slot.Team);
    if (team.NumPlayers >= kMaxRoster) {
        host.ShowMessage("The " + team.Name + " have " + std::to_string(kMaxRoster) +
                             " players, a full roster: skip this pick.",
                         "Draft", MessageIcon::Warning);
        return false;
    }
    Player& p = league.player(id);
    p.Round = static_cast<int16_t>(round);
    p.Pick = static_cast<int16_t>(pick);
    bool creation = IsCreationDraft(league);
    if (!creation && slot.PickID >= kFirstDraftPickID && slot.PickID < kFirstDraftPickID + kDraftPickCount)
        league.tables.draftPick(slot.PickID).Selection = static_cast<int16_t>(pick);
    // A pool player who kept his contract (a positive salary style) keeps it in the creation draft.
    if (!creation || p.contract1 == 0)
        SetContract(p, DraftContract(creation ? DraftKind::Creation : DraftKind::Rookie, round, pick));
    JoinTeam(league, id, slot.Team,
             "Draft " + p.DefaultPosition + " " + p.Name + " with pick #" + std::to_string(pick) +
                 " of round " + std::to_string(round) + ".");
    slot.Flag = SlotFlag::Picked;
    slot.PlayerID = static_cast<int16_t>(id);
    if (round == 1 && pick == 1)
        ArchiveOf(league, s.Season).FirstPick = {static_cast<int16_t>(id), p.Name, p.DefaultPosition, p.Team};
    if (line) *line = ResultLine(league, slot);
    CalculateAbsoluteRatings(league);
    Advance(league, host);
    return true;
}

namespace {

PickResult Skip(League& league, Host& host, int16_t flag) {
    DraftSlot& slot = CurrentSlotRef(league);
    slot.Flag = flag;
    slot.PlayerID = 0;
    PickResult r{false, 0, ResultLine(league, slot)};
    Advance(league, host);
    return r;
}

} // namespace

PickResult ComputerPick(League& league, Host& host) {
    if (!DraftUnderWay(league)) return {};
    int team = TeamOnClock(league);
    if (league.team(team).NumPlayers >= kMaxRoster) return Skip(league, host, SlotFlag::FullRoster);
    int id = ComputerChoice(league, team);
    if (id == 0) return Skip(league, host, SlotFlag::Passed);
    PickResult r{true, id, {}};
    MakeSelection(league, host, id, &r.line);
    return r;
}

PickResult SkipPick(League& league, Host& host) {
    if (!DraftUnderWay(league)) return {};
    return Skip(league, host, SlotFlag::Passed);
}

std::vector<std::string> AutoDraft(League& league, Host& host, DraftUntil until, bool ignoreStop) {
    std::vector<std::string> lines;
    int round = league.state.DraftState;
    // Every pass uses one slot, so the loop ends with the draft at the latest.
    while (DraftUnderWay(league)) {
        if (!ignoreStop && host.StopRequested()) break;
        if (until == DraftUntil::HumanTeam && IsHumanTeam(league, TeamOnClock(league))) break;
        if (until == DraftUntil::EndOfRound && league.state.DraftState != round) break;
        lines.push_back(ComputerPick(league, host).line);
        host.PumpEvents();
    }
    return lines;
}

void EndCreationDraft(League& league) {
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        Player& p = league.player(id);
        if (p.IsEmpty()) continue;
        if (p.Team == kDraft)
            p.Team = kFreeAgent;
        else if (p.Team == kNextDraft)
            p.Team = kDraft;
        CalculatePlayerRatings(p);
    }
    SeasonState& s = league.state;
    s.SeasonDay = Phase::BeforeSeason;
    s.DraftState = 0;
    s.DraftPickState = 0;
    ClearDraftLists(league);
    GenerateDraftClass(league);
    for (int team = 1; team <= kLeagueTeams; ++team)
        SetLineup(league, team);
}

void EndRookieDraft(League& league, Host& host) {
    int year = NextDraftYear(league);
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        Player& p = league.player(id);
        if (IsProspect(p)) p.Team = kFreeAgent;
    }
    RenewDraftPicks(league, year);
    TopUpPlayerPool(league);
    ClearDraftLists(league);
    SeasonState& s = league.state;
    s.SeasonDay = Phase::FirstFreeAgency;
    s.DraftState = 0;
    s.DraftPickState = 0;
    // With the rookies on their rosters, the computer teams trade once before free agency.
    RunComputerTrades(league, host);
}

bool RunRookieDraftUnattended(League& league, Host& host) {
    if (league.state.SeasonDay != Phase::RookieDraft) return false;
    if (!DraftUnderWay(league) && !StartDraft(league, host)) return false;
    AutoDraft(league, host, DraftUntil::End, true);
    return league.state.SeasonDay == Phase::FirstFreeAgency;
}

std::array<int, 6> RecommendPlayers(const League& league) {
    std::array<int, 6> best{};
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = league.player(id);
        if (!IsProspect(p) || p.PositionNumber < 1 || p.PositionNumber > 5) continue;
        int& b = best[static_cast<size_t>(p.PositionNumber)];
        if (b == 0 || p.FutureRating > league.player(b).FutureRating) b = id;
    }
    return best;
}

std::vector<std::string> DraftResultLines(const League& league) {
    std::vector<std::string> lines;
    const auto& order = league.tables.draftOrder;
    bool creation = IsCreationDraft(league) ||
                    order.size() == static_cast<size_t>(kCreationDraftRounds * kLeagueTeams + 1);
    for (size_t i = 1; i < order.size(); ++i) {
        const DraftSlot& slot = order[i];
        if (slot.Flag == SlotFlag::Open || slot.Team < 1 || slot.Team > kLeagueTeams) continue;
        int round = static_cast<int>((i - 1) / kLeagueTeams) + 1;
        if (round > 1 && (i - 1) % kLeagueTeams == 0) {
            std::string n = std::to_string(round);
            lines.push_back(creation ? "----Round " + n + "----" : "---- Round " + n + " ----");
        }
        lines.push_back(ResultLine(league, slot));
    }
    return lines;
}

std::string SelectionQuestion(const Player& p) {
    return "You are about to select " + p.Name + ". Is this the player you want?";
}

} // namespace hv
