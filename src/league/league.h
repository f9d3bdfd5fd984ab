// The league object: every table and league-wide value of a running league.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "league/league_tables.h"
#include "league/player.h"
#include "league/player_groups.h"
#include "league/saved_game_link.h"
#include "league/schedule_types.h"
#include "league/season_state.h"
#include "league/team.h"
#include "league/trading_state.h"
#include "platform/random.h"

namespace hv {

constexpr int kLastLeaguePlayer = 650; // league players are slots 1 to 650
constexpr int kPlayerSlots = 681;      // slots 0 to 680; 651 to 680 belong to exhibition teams
constexpr int kTeamSlots = 32;         // slots 1 to 31; 30 and 31 are the All-Star and exhibition squads

// Pseudo-team names that stand in a player's Team field.
constexpr const char* kFreeAgent = "FA";
constexpr const char* kDraft = "Draft";
constexpr const char* kNextDraft = "NextDraft";

// One entry of the injury table: name, severity class 1 to 10, base days out, description.
struct InjuryType {
    std::string Name;
    int16_t Severity = 0;
    int16_t BaseDays = 0;
    std::string Text;
};

// A player hurt in one of the day's games, in the order they were hurt; worked off after the day.
struct DayInjury {
    int16_t PlayerID = 0;
    int16_t Team = 0; // team slot he played for
};

struct League {
    League();

    std::vector<Player> players; // kPlayerSlots entries
    std::array<Team, kTeamSlots> teams{};
    std::vector<int16_t> freeIDs;
    SeasonState state;
    // days 1 to 169; on the heap, like the record books, so that a League fits on a thread's stack
    std::vector<ScheduleDay> schedule = std::vector<ScheduleDay>(kScheduleDays + 1);
    LeagueTables tables;

    // Data read at start-up.
    std::filesystem::path programFolder;
    std::vector<std::string> firstNames{""}; // index 1 is the first name of the list
    std::vector<std::string> lastNames{""};
    std::vector<std::string> colleges;
    std::vector<InjuryType> injuryTypes;
    bool leagueOpen = false;
    // The saved game the league was loaded from or last saved to.
    SavedGameLink savedGame;
    // The last game's result, e.g. "Hawks 101, @Bulls 99"; set by the game engine at the end of a game.
    std::string lastResult;
    // The players by their Team field; a cache that finds itself again after any change of a player's team.
    mutable PlayerGroups groups;
    // Players hurt in the day's "Regular" and "Playoff" games.
    std::vector<DayInjury> dayInjuries;
    // The season's trading memory (declined offers); not saved.
    TradingState trading;

    Random rng;

    Player& player(int id) { return players.at(static_cast<size_t>(id)); }
    const Player& player(int id) const { return players.at(static_cast<size_t>(id)); }
    Team& team(int slot) { return teams.at(static_cast<size_t>(slot)); }
    const Team& team(int slot) const { return teams.at(static_cast<size_t>(slot)); }

    // Player ID allocation.
    int16_t AllocatePlayerID();
    void ReleasePlayerID(int16_t id);
    void RebuildFreeIDs();

    // The league players (slots 1 to 650) whose Team is `team` (a team's name or a pseudo-team), ascending.
    std::vector<int> PlayersWithTeam(const std::string& team) const { return groups.Of(players, team); }

    // Slot 1 to 29 of the team with exactly this name, 0 when none.
    int FindTeam(const std::string& name) const;

    // Roster counts of the team named by the player's Team.
    void AddToRoster(int id);
    void RemoveFromRoster(int id);

    // Folder of a league's output files: program folder / leaguedata / name.
    std::filesystem::path LeagueFolderOf(const std::string& leagueName) const;
    std::filesystem::path SaveFolder() const { return programFolder / "save"; }
};

// Creates the league's folders under the program folder (leaguedata/NAME and its subfolders).
void EnsureLeagueFolders(const std::filesystem::path& programFolder, const std::string& leagueName);

std::string FormatHeight(int inches);
std::string PositionText(int position);
// Position number 1 to 5 of "C" ... "PG"; 0 for anything else.
int PositionNumberOf(const std::string& text);
std::string FirstName(const std::string& name);
std::string LastName(const std::string& name);
std::string GradeOf(int value);

// Recompute the fields derived from a player's stored values that need no rating formulas.
void DeriveDisplayFields(Player& p);

} // namespace hv
