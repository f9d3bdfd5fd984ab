// Reading a new league's teams and players from the working copy of the default league database.
#pragma once

#include <array>
#include <string>

#include "league/league.h"
#include "platform/host.h"
#include "setup/startup.h"

namespace hv {

class SqliteDb;

// How much a new league scatters the database's potentials.
enum class PotentialRandomization { Normal, Small, None };

// "Default Randomization" gives Normal, "Small Randomization" Small, "No Randomization" None;
// any other text gives Normal (the list's first item).
PotentialRandomization RandomizationFromChoice(const std::string& choice);

// Reads the first 29 teams ("Select * from Team Order by ID") into team slots 1 to 29, clearing every
// statistic, record and count, and draws each team's DraftFocus. Throws DatabaseError when the table is
// missing or holds fewer than 29 teams.
void ReadDefaultTeams(League& league, SqliteDb& db);

struct DefaultPlayerChoices {
    bool creationDraft = false; // every player goes into the creation-draft pool
    PotentialRandomization randomization = PotentialRandomization::Normal;
    int salaryStyle = 0; // "SalaryStyle" of the settings file
};

// One player as a source gives him (the default database or an imported file), before the new league's
// draws: the database's columns, Scoring aside.
struct SourcePlayer {
    std::string Name, College, Team, LastTeam, DefaultPosition, Injury = "None";
    int16_t Height = 0, Weight = 0, Age = 0, LastFASeason = 0, PositionNumber = 0, OriginalPosition = 0,
            Round = 0, Pick = 0, Experience = 0, BirdYears = 0, Potential = 0, STAMINA = 100, TimeInjured = 0;
    int32_t CAREERPOINTS = 0;
    std::array<int32_t, 8> Contracts{};
    bool Exception = false, IR = false;
    std::array<int16_t, 15> Skills{}; // in kSourceSkills order
};

// The fifteen skills a source gives, by column name, in the order of SourcePlayer::Skills.
struct SourceSkill {
    const char* column;
    int16_t Player::*field;
};
extern const std::array<SourceSkill, 15> kSourceSkills;

// Makes `p` (an emptied slot) the new league's player from `s`: personality drawn, team and contracts by
// the roster mode, potential randomized and scouted, skills within 0 to 100, an unsigned team player made a
// free agent. The caller recomputes ratings and counts him into his team.
void AdmitSourcePlayer(League& league, Player& p, const SourcePlayer& s, const DefaultPlayerChoices& choices);

// Fills player slots 1 to 650 from the Player table, one row per slot by ID; a slot without a row stays
// empty. Needs the teams already read. Throws DatabaseError on a missing table or column.
void ReadDefaultPlayers(League& league, SqliteDb& db, const DefaultPlayerChoices& choices);

// A playable league from the default database keeping its rosters: teams and players read, free IDs
// rebuilt, the league named and its folders created, every team's line-up set. On a bad name or database the
// message goes to the host, the league is left as it was and the result is false.
bool LoadDefaultLeagueKeepingRosters(Session& session, Host& host, const std::string& leagueName,
                                     PotentialRandomization randomization = PotentialRandomization::Normal);

} // namespace hv
