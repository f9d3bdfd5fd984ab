// The season's honours and their three writers: the award code in the season's archive entry, the award
// text in the player's own list, and the bonus to his CAREERPOINTS.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "league/league.h"
#include "platform/host.h"
#include "season/award_record.h"

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

// All three writes of a known award: the code into the season's archive entry (RecordAward), the award's
// text into his list (AddPlayerAward, when it has one) and its bonus.
void GiveAward(League& league, int playerID, const std::string& code);

// Sets every player's season performance rating (SeasonRating) from his season totals.
void RatePlayers(League& league);

// A player who may win an honour: a named slot outside the draft pool.
bool MayWinHonours(const Player& p);

// A game-log line of a regular-season game: days 1 to 120 but the break (the All-Star weekend's games are
// logged on day 60, the playoffs after day 120).
bool IsRegularSeasonLine(const GameLogEntry& line);

} // namespace hv
