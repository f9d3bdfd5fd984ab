// The two writers of every honour: the season's award history (the season archive) and the player's own
// award list.
#pragma once

#include <string>

#include "league/league.h"
#include "platform/host.h"

namespace hv {

// Writes player `id` as he is now (ID, name, position, team) into the current season's archive entry under
// `code`: a single award ("MVP", "PlayoffMVP", ...), his position's slot of a five-man team ("AL1T", ...),
// the next free line of the weekly and monthly honours ("POW", "POM", "ROM"), or the first pick
// ("FirstPick"). A player ID of 0 records nothing; an unknown code shows "Award: CODE not found." and records
// nothing. Returns whether it was recorded.
bool RecordAward(League& league, Host& host, int id, const std::string& code);
// The same for a code known to be valid: no message.
bool WriteAward(League& league, int id, const std::string& code);

// Appends (current season, text) to player `id`'s award list; nothing for ID 0.
void AddPlayerAward(League& league, int id, const std::string& text);

} // namespace hv
