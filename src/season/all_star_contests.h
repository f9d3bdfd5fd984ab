// The two contests of the All-Star weekend. The 3-Point Shootout: the eight players who shoot threes best
// this season (made threes times their percentage), 25 balls a round in five racks whose last ball counts
// two, the field halved after each of three rounds. The Slam-Dunk Contest: the eight best leapers
// (Jumping), three dunks a round whose odds follow the dunker's tier, the best four go on to the final.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "league/league.h"

namespace hv {

constexpr int kContestEntrants = 8;

struct ContestEntrant {
    int16_t PlayerID = 0;
    std::string Name, Team;
    double Score = 0;                // his score in the last round he shot
    std::vector<double> RoundScores; // one per round he took part in
};

struct Contest {
    std::string Title;
    int Rounds = 0;
    std::vector<ContestEntrant> Entrants; // in seed order
    int16_t Winner = 0;                   // 0 until the contest is held
    bool Held() const { return Winner != 0; }
};

// A player who may be chosen for the weekend at all: he may win honours and plays for a league team.
bool MayPlayInAllStarWeekend(const League& league, const Player& p);
// One who may take part in a contest or the All-Star Game: he is also fit (no injury days, not on injured
// reserve).
bool FitForAllStarWeekend(const League& league, const Player& p);

// The entrants, best first; fewer than eight when fewer players qualify. Shootout entrants need a
// three-point attempt this season.
Contest ChooseShootoutEntrants(const League& league);
Contest ChooseDunkContestEntrants(const League& league);

// One round of each contest for one player: shootout points (0 to 30), dunk points (three dunks, 20 to 50
// each).
double ShootoutRound(const Player& p, Random& rng);
double DunkRound(const Player& p, Random& rng);
// The tier 0 to 4 of a 0 to 100 dunk rating: up to 30, 31 to 50, 51 to 70, 71 to 90, 91 to 100.
int DunkTier(int rating);

// Holds the rounds: in each, every entrant still in scores once; the better half goes on (a tie goes to
// the higher seed), and the best of the last round wins. Needs two entrants; false (nothing held) otherwise.
bool HoldContest(Contest& contest, const std::function<double(int16_t playerID)>& roundScore);

} // namespace hv
