// The contracts computer teams offer: the team factor of a player for a team, and the amount and length of
// an offer of each kind (re-signing, new contract, the two cap exceptions, the minimum).
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "league/league.h"

namespace hv {

// Up to seven yearly amounts, as a bid and a re-signing demand hold them.
using OfferYears = std::array<int32_t, 7>;

struct ContractOffer {
    BidKind kind = BidKind::None;
    int years = 0;
    OfferYears amounts{}; // years 1 to `years` hold the amount, the rest 0
    int32_t FirstYear() const { return amounts[0]; }
};

// How much team `team` wants player `id`: above 1 when he would start for it or it is thin at his position,
// below 1 when two of its players at his position are at least as good. Always positive.
double TeamFactor(const League& league, int team, int id);

// The cap room an offer of team `team` may use: before the season has ended, the room left next season by
// the contracts that run on; from the end of the season on, this season's room.
int64_t OfferRoom(const League& league, int team);

// The salary a re-signing is measured against: his current salary until the season has ended, then his
// last one.
int32_t SalaryBeforeResigning(const League& league, const Player& p);

// The experience an offer is priced by (its minimum and maximum salary): the player's experience in the
// contract's first season, one more than now before the season has ended.
int OfferExperience(const League& league, const Player& p);

// What a computer team offers player `id` for an offer of `kind`: the same amount every year, for a length
// drawn from the amount's share of his maximum salary. Nothing for an exception the team has used.
std::optional<ContractOffer> ComputerOffer(League& league, int id, int team, BidKind kind);

// A team's winning strength, 0 to 100: its WinRating once the ranking pass has set one, else its winning
// percentage of the season.
double WinningStrength(const Team& team);

// Years of a demand or a bid: the number of leading amounts above 0.
int YearsOf(const OfferYears& amounts);

} // namespace hv
