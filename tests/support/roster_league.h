// A league for the roster tests and screens: teams and free agents built one player at a time with a
// chosen position and current rating (other attributes plausible, from a seeded generator).
#pragma once

#include <random>
#include <string>

#include "league/league.h"
#include "league/lineup.h"
#include "league/team_control.h" // its users choose the owners with SetHuman
#include "support/engine_test_support.h"

namespace hv::test {

class RosterLeague {
  public:
    explicit RosterLeague(unsigned seed = 11) : gen_(seed) {
        for (int t = 1; t <= kLeagueTeams; ++t) {
            Team& team = league.team(t);
            team.City = "City" + std::to_string(t);
            team.Name = "Team" + std::to_string(t);
        }
        league.team(1).Name = "Hawks";
        league.team(2).Name = "Owls";
        league.injuryTypes = SampleInjuryTable();
        league.state.Season = 2005;
        league.state.SeasonDay = 10;
        league.rng.Seed(seed);
    }

    // A player of `team` (0: a free agent) at `position` with this CurrentRating; returns his ID.
    int Add(int team, int position, int rating, int daysInjured = 0, bool onIR = false) {
        const int id = next_++;
        Player& p = league.player(id);
        MakePlayer(p, id, position, team == 0 ? std::string(kFreeAgent) : league.team(team).Name, gen_);
        p.Name = "Player" + std::to_string(id) + " " + PositionText(position);
        p.CurrentRating = static_cast<int16_t>(rating);
        p.TimeInjured = static_cast<int16_t>(daysInjured);
        p.Injury = daysInjured > 0 ? "Bruised Knee" : "None";
        p.IR = onIR;
        p.contract1 = 1000000 + id;
        p.contract2 = 2000000 + id;
        if (team != 0) {
            league.AddToRoster(id);
            // Players on injured reserve do not count at their position.
            if (onIR) --league.team(team).PositionCount(position);
        }
        return id;
    }

    // `count` healthy players for `team`, positions C, PF, SF, SG, PG in turn, ratings 80, 79, ...; the
    // line-up is set. Returns the first ID.
    int Fill(int team, int count, int topRating = 80) {
        const int first = next_;
        for (int i = 0; i < count; ++i)
            Add(team, i % 5 + 1, topRating - i);
        SetLineup(league, team);
        return first;
    }

    // Free agents: `perPosition` of each position, ratings from `topRating` down.
    void FreeAgents(int perPosition, int topRating = 60) {
        for (int i = 0; i < perPosition; ++i)
            for (int pos = 1; pos <= 5; ++pos)
                Add(0, pos, topRating - i);
    }

    League league;

  private:
    std::mt19937 gen_;
    int next_ = 1;
};

} // namespace hv::test
