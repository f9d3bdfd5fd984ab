// What a trade is worth to a computer team: each item's trade rating, its weighted value, and the verdict on
// an offer as a whole number of points the judging team is short, with the answer the user reads.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "personnel/pick_values.h"
#include "personnel/trade.h"

namespace hv {

// Trade ratings against the league as it stands: the players on the 29 teams are ranked once, so that rating
// many items costs little.
class TradeRater {
  public:
    explicit TradeRater(const League& league);

    // A pick: its value (PickValues, as the league stands) + 1. A player: his FutureRating, + (20 - a) when
    // fewer than 16 players of the league have a higher CurrentRating (a of them), + (10 - b) when fewer than
    // 10 at his position do (b), + (10 - c) when fewer than 10 at his position have a higher FutureRating
    // (c); above the age of 33 the rating is cut to R(0.8 x rating).
    int16_t Rating(int id) const;
    TradeItem Item(int id) const { return {static_cast<int16_t>(id), Rating(id)}; }

  private:
    const League& league_;
    std::vector<int16_t> current_;                    // ascending
    std::array<std::vector<int16_t>, 6> currentAt_{}; // by position 1 to 5, ascending
    std::array<std::vector<int16_t>, 6> futureAt_{};
    PickValueTable pickValues_{};
};

// The weight of a trade rating: 0.025 up to 50, rising by bands to 0.25 above 85.
double TradeWeight(int rating);
// rating x weight.
double WeightedValue(int rating);

// Salaries count per this many dollars: 700000 in the off-season (season days 169 to 185), else 500000.
double SalaryUnit(const SeasonState& state);

// ---- Shrewd judgement (docs/trade_judgement.md) ----

// What a quality is worth: 100 x ((q - 20) / 70)^4 above a quality of 20, 0 below; a 90 is worth more than
// two 75s, a 75 more than two 65s.
double ShrewdCurve(double quality);
// A player's quality: the mean of his CurrentRating and FutureRating. A pick's quality is its trade rating,
// the future rating of the prospect it should bring.
double ShrewdQuality(const Player& p);
// Value points per salary unit of every remaining contract year.
constexpr double kShrewdSalaryWeight = 0.25;
// What a trade that breaks the cap rule costs in the balance: more than any trade can make up.
constexpr double kOverCapCost = 1000;

// True when the trade leaves `team` over the salary cap by more than it was: its payroll after the trade is
// above the cap and above its payroll before.
bool AddsSalaryOverCap(const League& league, const TradeProposal& proposal, int team);

// The judging team's balance of an offer: what it receives less what it gives. As specified, each item's
// weighted value corrected for age, injury, this season's salary and the judging team's roster after the
// trade. Shrewd, each player's ShrewdCurve of his quality with the same corrections less every remaining
// contract year, each pick's ShrewdCurve of its quality, and kOverCapCost when the trade adds salary over
// the cap.
double TradeBalance(const League& league, const TradeProposal& proposal, int judgingTeam);
// The verdict of `judgingTeam` (one of the two sides): the shortfall R(given - received); 0 or less means it
// accepts.
int EvaluateTrade(const League& league, const TradeProposal& proposal, int judgingTeam);

// Shortfalls from 3 up to this one are "good, but"; from here to 15 the offer needs improving.
constexpr int kMiddleShortfall = 8;

// The judging team's answer to a user's offer by the shortfall: the question to go ahead when there is none,
// else one of the four graded refusals naming `team`.
std::string TradeAnswer(int shortfall, const std::string& team);
// The judging team's answer to the offer: TradeAnswer of its verdict, or, when a shrewd team refuses a trade
// that would leave it further over the cap, "The TEAM will not take on more salary over the salary cap."
std::string VerdictText(const League& league, const TradeProposal& proposal, int judgingTeam);

// The team's roster strength: the mean CurrentRating of its eight best players (fewer when it has fewer).
double RosterStrength(const League& league, int team);

} // namespace hv
