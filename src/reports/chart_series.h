// The figures behind the charts of a player's card and a team's screen: one value per season, oldest first.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "league/league.h"

namespace hv {

struct SeasonValue {
    int16_t season = 0;
    double value = 0;
    bool operator==(const SeasonValue&) const = default;
};

// A player's points, rebounds and assists per game in each regular season he played (the season in play
// too), oldest first; a season of no games is left out.
struct PerGameSeries {
    std::vector<SeasonValue> points, rebounds, assists;
};
PerGameSeries PlayerPerGameBySeason(const League& league, int id);

// A team's wins in each archived season and in the season under way, oldest first.
std::vector<SeasonValue> TeamWinsBySeason(const League& league, int team);

// The league keeps only a player's current ratings, not those of past seasons: these are charted as they
// stand, named as the card names them ("Overall", "Inside scoring", ...), each with a sentence saying what
// it measures.
struct NamedRating {
    std::string name;
    int value = 0;
    std::string meaning;
};
std::vector<NamedRating> CurrentRatings(const Player& p);

} // namespace hv
