// The season's honours and their three writers: the award code in the season's archive entry, the award
// text in the player's own list, and the bonus to his CAREERPOINTS.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "league/league.h"
#include "platform/host.h"

namespace hv {

// One honour: its code in the archive, the text shown for it and its CAREERPOINTS bonus.
struct AwardInfo {
    const char* code;
    const char* text;
    int bonus;
};

// Every award code, in the order the award history lists them.
const std::vector<AwardInfo>& AwardInfos();
// The award of `code`, nullptr for an unknown code.
const AwardInfo* FindAward(const std::string& code);

// Writes the player's award into the current season's archive entry (created with the season's first
// award): a single award into its slot, a five-man team into the slot of his position, a weekly or monthly
// honour into the season's next free line. A player ID of 0 records nothing. An unknown code shows
// "Award: CODE not found." and records nothing (false).
bool RecordAward(League& league, int playerID, const std::string& code, Host& host);

// Appends (current season, text) to the player's award list; ID 0 records nothing.
void AddPlayerAward(League& league, int playerID, const std::string& text);

// All three writes of a known award: the code, the award's text (when it has one) and its bonus.
void GiveAward(League& league, int playerID, const std::string& code);

// Sets every player's season performance rating (SeasonRating) from his season totals.
void RatePlayers(League& league);

// A player who may win an honour: a named slot outside the draft pool.
bool MayWinHonours(const Player& p);

// A game-log line of a regular-season game: days 1 to 120 but the break (the All-Star weekend's games are
// logged on day 60, the playoffs after day 120).
bool IsRegularSeasonLine(const GameLogEntry& line);

} // namespace hv
