// The creation draft and the rookie draft: the order of picks, the computer's and the user's selections,
// and the clean-up when a draft ends. The draft under way is kept in the season state (DraftState = the
// round, DraftPickState = the pick within it) and in the draft order table, so it can be resumed.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "league/league.h"
#include "league/transactions.h" // kMaxRoster
#include "platform/host.h"

namespace hv {

// What became of a slot of the draft order (DraftSlot::Flag).
namespace SlotFlag {
constexpr int16_t Open = 0;
constexpr int16_t Picked = 1;
constexpr int16_t FullRoster = 2; // skipped: the team had 15 players
constexpr int16_t Passed = 3;     // skipped by the user, or no prospect left
} // namespace SlotFlag

// The draft of this league's phase: the creation draft at day -5, otherwise the rookie draft.
bool IsCreationDraft(const League& league);
int DraftRounds(const League& league);
// True while a draft has begun and not ended.
bool DraftUnderWay(const League& league);
// The slot on the clock (null when no draft is under way) and its team (0 then).
const DraftSlot* CurrentSlot(const League& league);
int TeamOnClock(const League& league);
bool IsHumanTeam(const League& league, int team);

// Fills the two-round grid of the rookie draft: round 1 in the lottery order, round 2 worst record first;
// each slot is picked by the team that owns the pick. False (with the lottery error) when a pick is missing.
bool BuildRookieDraftOrder(League& league, Host& host);
// True when the lottery of the coming rookie draft has been drawn and its order built.
bool RookieDraftOrderReady(const League& league);
// Draws the lottery and builds the order unless that has been done; false when it failed.
bool PrepareRookieDraft(League& league, Host& host);

// The creation draft's order list: the lottery order when it holds the 29 teams, else team slot order.
std::array<int16_t, kLeagueTeams> CreationOrderList(const League& league);
void SetCreationOrderList(League& league, const std::array<int16_t, kLeagueTeams>& order);
// Puts an order list in a random order (every arrangement equally likely).
void ShuffleOrder(std::array<int16_t, kLeagueTeams>& order, Random& rng);
// Fills the twelve-round snake grid from the order list.
void BuildCreationDraftOrder(League& league);

// Begins the draft of the league's phase at round 1, pick 1: the creation draft from its order list (the
// pool graded first), the rookie draft after its lottery. False when no draft fits the phase or one is
// already under way (with a message).
bool StartDraft(League& league, Host& host);

// The most players at one position a team drafts for itself.
constexpr size_t kDraftPositionLimit = 3;

// The prospect the computer takes for `team`: from a human team's own draft list first, else by value and
// positional need among the positions where the team has fewer than three players. 0 when nobody is left
// there: the team then passes.
int ComputerChoice(const League& league, int team);

// One pick of the draft under way. `line` gets the result line of the draft list.
struct PickResult {
    bool made = false; // false when the pick was skipped
    int playerID = 0;
    std::string line;
};
// The computer picks for the team on the clock (or skips it when its roster is full).
PickResult ComputerPick(League& league, Host& host);
// Gives prospect `id` to the team on the clock. False, changing nothing, when he is no prospect of the
// class, no draft is under way, or the team already has a full roster (told through the host).
bool MakeSelection(League& league, Host& host, int id, std::string* line = nullptr);
// The user passes the pick of the team on the clock.
PickResult SkipPick(League& league, Host& host);

// Lets the computer pick until the draft ends, the round ends, or a human team is on the clock.
enum class DraftUntil { End, EndOfRound, HumanTeam };
// Returns the result lines of the picks made. Tests the stop request before each pick unless
// `ignoreStop`.
std::vector<std::string> AutoDraft(League& league, Host& host, DraftUntil until, bool ignoreStop = false);

// The clean-ups when a draft ends; both run by themselves after the last pick. Both empty the draft lists;
// the rookie draft's ends with the computer trade pass, at the first day of free agency.
void EndCreationDraft(League& league);
void EndRookieDraft(League& league, Host& host);

// The whole rookie draft by the computer, for seasons simulated unattended: lottery and order when needed,
// every pick, the clean-up. Leaves SeasonDay at 180; false when the lottery failed.
bool RunRookieDraftUnattended(League& league, Host& host);

// For each position 1 to 5 the prospect with the highest FutureRating (0 when there is none).
std::array<int, 6> RecommendPlayers(const League& league);

// The draft list so far: one line per slot used, a heading before each new round.
std::vector<std::string> DraftResultLines(const League& league);

// "You are about to select NAME. Is this the player you want?"
std::string SelectionQuestion(const Player& p);

} // namespace hv
