// League-wide values: the current season, its phase and the league's options.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace hv {

// SeasonDay phase codes.
namespace Phase {
constexpr int16_t NoLeague = -1;
constexpr int16_t CreationDraft = -5;
constexpr int16_t BeforeSeason = 0;
constexpr int16_t FirstDay = 1;
constexpr int16_t AllStarDay = 60;
constexpr int16_t LastDay = 120;
constexpr int16_t FirstPlayoffDay = 121;
constexpr int16_t LastPlayoffDay = 166;
constexpr int16_t FirstEndSeason = 167;
constexpr int16_t LastEndSeason = 169;
constexpr int16_t RookieDraft = 170;
constexpr int16_t FirstFreeAgency = 180;
constexpr int16_t LastFreeAgency = 186;
constexpr int16_t TrainingCamps = 190;
} // namespace Phase

constexpr const char* kNoPassword = "N/A";

// How games are played: by the rules as written, or with the calibrated deviations that give a real league's
// numbers (docs/calibrated_engine.md).
enum class GameEngine : int16_t { AsSpecified = 0, Calibrated = 1 };
// How the computer judges a trade: by the rules as written, or by the shrewd valuation.
enum class TradeJudgement : int16_t { AsSpecified = 0, Shrewd = 1 };

struct SeasonState {
    int16_t Season = 0;
    int16_t SeasonDay = Phase::NoLeague;
    int16_t FirstSeason = 0;
    int64_t SalaryCap = 0; // currency: dollars scaled by 10,000
    std::string LeagueName;
    std::string LeagueFolder;
    std::string Password = kNoPassword;
    bool CommissionerRights = true;
    bool LeagueInjuries = true;
    bool ScreenInjuries = true;
    bool SaveBoxScores = false;
    bool SiteDuringSim = true;
    bool LockSimulation = false;
    bool LockEndSeason = false;
    GameEngine Engine = GameEngine::AsSpecified;
    TradeJudgement Trades = TradeJudgement::AsSpecified;
    std::array<bool, 5> SitePages{true, true, true, true, true};
    std::array<std::string, 7> SiteStyle{};
    int16_t DraftState = 0;
    int16_t DraftPickState = 0;
    int16_t Reserved = 0;
    int32_t Reserved1 = 0, Reserved2 = 0;

    int64_t SalaryCapDollars() const { return SalaryCap / 10000; }
    void SetSalaryCapDollars(int64_t dollars) { SalaryCap = dollars * 10000; }
};

// The season whose games were played last: the current one until the end of the season, which moves the
// season number on and the league to the rookie draft in one step; from then on the one before.
inline int16_t LastPlayedSeason(const SeasonState& s) {
    return s.SeasonDay >= Phase::RookieDraft ? static_cast<int16_t>(s.Season - 1) : s.Season;
}

} // namespace hv
