// A small league for the game engine's tests: teams of fifteen synthetic players with plausible attributes
// from a seeded generator, their depth charts, key players and coaching settings, and an injury table.
#pragma once

#include <algorithm>
#include <array>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "engine/game.h"
#include "league/league.h"
#include "league/ratings.h"

namespace hv::test {

// Average height and weight of a position 1 (C) to 5 (PG).
inline constexpr std::array<int, 6> kTypicalHeight = {0, 84, 81, 79, 77, 74};
inline constexpr std::array<int, 6> kTypicalWeight = {0, 250, 235, 220, 205, 190};

inline void MakePlayer(Player& p, int id, int position, const std::string& team, std::mt19937& gen) {
    auto between = [&](int lo, int hi) {
        return static_cast<int16_t>(std::uniform_int_distribution<int>(lo, hi)(gen));
    };
    p = Player{};
    p.Name = "Player" + std::to_string(id) + " " + team + std::to_string(id);
    p.Team = team;
    p.PositionNumber = static_cast<int16_t>(position);
    p.OriginalPosition = p.PositionNumber;
    p.DefaultPosition = PositionText(position);
    p.Height = static_cast<int16_t>(kTypicalHeight[position] + between(-2, 2));
    p.Weight = static_cast<int16_t>(kTypicalWeight[position] + between(-15, 15));
    p.Age = between(20, 37);
    p.Experience = static_cast<int16_t>(std::max(0, p.Age - 21));
    const bool big = position <= 2;
    const struct {
        int16_t Player::*skill;
        int bigLow, bigHigh, low, high; // ranges for a C or PF, and for the others
    } skills[] = {{&Player::InsideScoring, 45, 90, 30, 75},    {&Player::JumpShot, 30, 85, 30, 85},
                  {&Player::ThreePointShot, 5, 50, 30, 90},    {&Player::Scoring, 35, 90, 35, 90},
                  {&Player::Handling, 20, 60, 45, 95},         {&Player::Passing, 20, 65, 40, 95},
                  {&Player::Quickness, 25, 65, 45, 95},        {&Player::PostDefense, 45, 90, 20, 60},
                  {&Player::PerimeterDefense, 20, 60, 40, 90}, {&Player::DriveDefense, 30, 85, 30, 85},
                  {&Player::Stealing, 20, 85, 20, 85},         {&Player::ShotBlocking, 40, 95, 5, 50},
                  {&Player::OffenseRebound, 40, 90, 10, 55},   {&Player::DefenseRebound, 45, 95, 15, 60},
                  {&Player::Jumping, 35, 90, 35, 90},          {&Player::Strength, 50, 95, 30, 70}};
    for (const auto& s : skills)
        p.*s.skill = big ? between(s.bigLow, s.bigHigh) : between(s.low, s.high);
    CalculatePlayerRatings(p);
}

// Team `slot` with players firstID .. firstID + 14: three per position, depth chart in that order, the three
// best players as key players.
inline void MakeTeam(League& league, int slot, const std::string& name, int firstID, std::mt19937& gen) {
    Team& t = league.team(slot);
    t = Team{};
    t.City = "City" + std::to_string(slot);
    t.Name = name;
    for (int pos = 1; pos <= 5; ++pos)
        for (int row = 1; row <= 3; ++row) {
            const int id = firstID + (pos - 1) * 3 + row - 1;
            MakePlayer(league.player(id), id, pos, name, gen);
            t.Depth(pos, row) = static_cast<int16_t>(id);
        }
    std::vector<int> ids(15);
    std::iota(ids.begin(), ids.end(), firstID);
    std::stable_sort(ids.begin(), ids.end(), [&](int a, int b) {
        return league.player(a).CurrentRating > league.player(b).CurrentRating;
    });
    t.keyplayer1 = static_cast<int16_t>(ids[0]);
    t.keyplayer2 = static_cast<int16_t>(ids[1]);
    t.keyplayer3 = static_cast<int16_t>(ids[2]);
    t.Pace = 50;
    t.Press = 25;
    t.Trap = 25;
    t.Offense = 50;
    t.NumPlayers = t.ActivePlayers = 15;
}

// Ten injuries, one per severity class, plus a second entry of class 1.
inline std::vector<InjuryType> SampleInjuryTable() {
    std::vector<InjuryType> table(1);
    table.push_back({"Bruised Knee", 1, 2, ""});
    for (int cls = 1; cls <= 10; ++cls)
        table.push_back({"Injury of class " + std::to_string(cls), static_cast<int16_t>(cls),
                         static_cast<int16_t>(cls * 6), ""});
    return table;
}

// A league with `teams` teams of fifteen players each (team k holds players 15k-14 .. 15k).
struct EngineLeague {
    League league;
    explicit EngineLeague(unsigned seed = 1, int teams = 2) {
        std::mt19937 gen(seed);
        static const char* kNames[] = {"Hawks", "Bulls", "Owls", "Lynx", "Crows", "Bears"};
        for (int slot = 1; slot <= teams; ++slot)
            MakeTeam(league, slot, kNames[(slot - 1) % 6] + std::string(slot > 6 ? "2" : ""), 15 * slot - 14,
                     gen);
        league.injuryTypes = SampleInjuryTable();
        league.state.Season = 2005;
        league.state.SeasonDay = 10;
        league.state.LeagueInjuries = true;
        league.rng.Seed(seed);
    }
};

// Every rating that the period adjustment shifts.
inline std::array<int16_t, 15> AdjustedRatings(const Player& p) {
    return {p.InsideScoring, p.JumpShot,       p.ThreePointShot,   p.Handling,     p.Passing,
            p.Quickness,     p.PostDefense,    p.PerimeterDefense, p.DriveDefense, p.Stealing,
            p.ShotBlocking,  p.OffenseRebound, p.DefenseRebound,   p.Jumping,      p.Strength};
}

} // namespace hv::test
