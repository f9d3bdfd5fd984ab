#include "season/award_record.h"

#include <algorithm>
#include <iterator>

#include "league/season_archive.h"

namespace hv {

namespace {

// The first slot of the list not yet given; null when every slot is taken.
template <size_t N> AwardSlot* FirstFree(std::array<AwardSlot, N>& slots) {
    auto it = std::find_if(slots.begin(), slots.end(), [](const AwardSlot& s) { return s.PlayerID == 0; });
    return it == slots.end() ? nullptr : &*it;
}

AwardSlot* SlotFor(SeasonArchive& a, const std::string& code, int position) {
    if (code == "FirstPick") return &a.FirstPick;
    if (code == "POW") return FirstFree(a.PlayerOfWeek);
    if (code == "POM") return FirstFree(a.PlayerOfMonth);
    if (code == "ROM") return FirstFree(a.RookieOfMonth);
    for (size_t i = 0; i < kArchiveAwardCodes.size(); ++i)
        if (code == kArchiveAwardCodes[i]) return &a.Awards[i];
    for (size_t i = 0; i < kArchiveTeamCodes.size(); ++i) {
        if (code != kArchiveTeamCodes[i]) continue;
        auto& team = a.Teams[i];
        if (position >= 1 && position <= 5 && team[static_cast<size_t>(position - 1)].PlayerID == 0)
            return &team[static_cast<size_t>(position - 1)];
        return FirstFree(team);
    }
    return nullptr;
}

bool KnownCode(const std::string& code) {
    if (code == "FirstPick" || code == "POW" || code == "POM" || code == "ROM") return true;
    auto known = [&](const auto& codes) {
        return std::any_of(std::begin(codes), std::end(codes), [&](const char* c) { return code == c; });
    };
    return known(kArchiveAwardCodes) || known(kArchiveTeamCodes);
}

} // namespace

bool RecordAward(League& league, Host& host, int id, const std::string& code) {
    if (!KnownCode(code)) {
        host.ShowMessage("Award: " + code + " not found.", "Error", MessageIcon::Warning);
        return false;
    }
    return WriteAward(league, id, code);
}

bool WriteAward(League& league, int id, const std::string& code) {
    if (id < 1 || id > kLastLeaguePlayer) return false;
    const Player& p = league.player(id);
    AwardSlot* slot = SlotFor(ArchiveOf(league, league.state.Season), code, p.PositionNumber);
    if (!slot) return false; // every line of a weekly or monthly list is taken
    *slot = {static_cast<int16_t>(id), p.Name, p.DefaultPosition, p.Team};
    return true;
}

void AddPlayerAward(League& league, int id, const std::string& text) {
    if (id < 1 || id > kLastLeaguePlayer) return;
    league.player(id).Awards.push_back({league.state.Season, text});
}

} // namespace hv
