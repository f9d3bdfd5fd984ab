#include "season/awards.h"

#include <algorithm>
#include <cctype>

#include "season/performance_rating.h"

namespace hv {

const std::vector<AwardInfo>& AwardInfos() {
    static const std::vector<AwardInfo> awards{
        {"MVP", "Most Valuable Player", 1000},
        {"ROY", "Rookie of the Year", 1000},
        {"DPOY", "Defensive Player of the Year", 1000},
        {"SixthMan", "Sixth Man of the Year", 500},
        {"PlayoffMVP", "Playoff MVP", 500},
        {"AL1T", "All-League First Team", 500},
        {"AL2T", "All-League Second Team", 250},
        {"AL3T", "All-League Third Team", 125},
        {"ALD1T", "All-Defensive Team", 500},
        {"ALD2T", "All-Defensive Second Team", 250},
        {"ALR1T", "All-Rookie Team", 500},
        {"ALR2T", "All-Rookie Second Team", 250},
        {"RookieMVP", "Rookie Game MVP", 0},
        {"AllStarMVP", "All-Star Game MVP", 0},
        {"ShootoutWinner", "3-Point Shootout Champion", 1000},
        {"DunkWinner", "Slam-Dunk Contest Champion", 1000},
        {"POW", "Player of the Week", 10},
        {"POM", "Player of the Month", 100},
        {"ROM", "Rookie of the Month", 100},
        {"FirstPick", "First Overall Pick", 0},
    };
    return awards;
}

const AwardInfo* FindAward(const std::string& code) {
    for (const AwardInfo& a : AwardInfos())
        if (code == a.code) return &a;
    return nullptr;
}

void GiveAward(League& league, int playerID, const std::string& code) {
    const AwardInfo* award = FindAward(code);
    if (playerID == 0 || !award) return;
    WriteAward(league, playerID, code);
    // The weekly and monthly honours and the first pick are counted, not listed.
    const bool listed = code != "POW" && code != "POM" && code != "ROM" && code != "FirstPick";
    if (listed) AddPlayerAward(league, playerID, award->text);
    Player& p = league.player(playerID);
    p.CAREERPOINTS += award->bonus;
}

void RatePlayers(League& league) {
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        Player& p = league.player(id);
        p.SeasonRating = p.IsEmpty() ? int16_t(0) : static_cast<int16_t>(SeasonPerformanceRating(p));
    }
}

bool MayWinHonours(const Player& p) {
    if (p.IsEmpty() || p.Team == kDraft || p.Team == kNextDraft) return false;
    std::string lower = p.Name;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    return lower != "n/a";
}

bool IsRegularSeasonLine(const GameLogEntry& line) {
    return line.SeasonDay >= Phase::FirstDay && line.SeasonDay <= Phase::LastDay &&
           line.SeasonDay != Phase::AllStarDay;
}

} // namespace hv
