// Retirement: a player leaves the league; a great career is kept in the retired-player table.
#pragma once

#include "league/league.h"
#include "platform/host.h"

namespace hv {

// Career points above which a retiring player is kept in the retired-player table.
constexpr int32_t kRetiredTablePoints = 25000;

// Removes player `id` from the league: the " retires" line for his team, his entry in the retired-player
// table when his career points exceed 25000, his career offered to the record books, a message (title
// "Retirement") when his team is human, his team's roster, depth chart and key players cleared of him, his
// bids dropped, and his slot emptied ("N/A") with its ID free for reuse. `season` is the season he retires
// after.
void RetirePlayer(League& league, int id, Host& host, int16_t season);

// The retired-player table's entry of a player.
RetiredPlayer RetiredEntryOf(const Player& p, int id, int16_t season);

} // namespace hv
