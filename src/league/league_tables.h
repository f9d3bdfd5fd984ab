// League tables beyond players, teams and schedule: draft data, free-agent bids, transactions, the record
// books, retired players, the playoff tree and the season archive. All of them are stored in the saved game.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "league/player.h"
#include "league/team.h"

namespace hv {

// ---- Draft picks: the next three rookie drafts, IDs 1001 to 1174 ----

constexpr int kDraftPickCount = 174; // 29 teams x 2 rounds x 3 seasons
constexpr int16_t kFirstDraftPickID = 1001;

// One tradable pick; every field is a 16-bit integer (12 bytes in the saved game).
struct DraftPick {
    int16_t Team = 0;    // the team whose standing decides the slot
    int16_t year = 0;    // season of the draft
    int16_t Round = 0;   // 1 or 2
    int16_t OwnedBy = 0; // the team holding the pick
    int16_t value = 0;
    int16_t Selection = 0; // pick number at which it was used, 0 until then
    bool operator==(const DraftPick&) const = default;
};

// ---- Draft order: slot (round - 1) x 29 + pick; see DraftOrderTable ----

// One slot of the draft order grid (10 bytes in the saved game).
struct DraftSlot {
    int16_t Team = 0;   // picking team 1 to 29
    int16_t PickID = 0; // draft pick record used (1001 to 1174), 0 in the creation draft
    int16_t Flag = 0;
    int16_t PlayerID = 0; // player chosen with this slot, 0 until the pick is made
    int16_t Spare = 0;
    bool operator==(const DraftSlot&) const = default;
};

constexpr int kCreationDraftRounds = 12;
constexpr int kRookieDraftRounds = 2;

// Index of a draft order slot; pick 1 to 29 within round 1 to 12.
inline int DraftSlotIndex(int round, int pick) {
    return (round - 1) * kLeagueTeams + pick;
}

// ---- Free-agent bids ----

// Kinds of offer; the number is what the saved game stores.
enum class BidKind : int16_t { None = 0, Resign = 1, New = 2, Mid = 3, Low = 4, Min = 5 };

// "Resign", "New", "Mid", "Low", "Min"; "" for None or an unknown value.
inline const char* BidKindText(BidKind kind) {
    switch (kind) {
    case BidKind::Resign:
        return "Resign";
    case BidKind::New:
        return "New";
    case BidKind::Mid:
        return "Mid";
    case BidKind::Low:
        return "Low";
    case BidKind::Min:
        return "Min";
    default:
        return "";
    }
}

// One team's offer to one free agent (48 bytes in the saved game).
struct FreeAgentBid {
    int16_t PlayerID = 0;
    int16_t TeamID = 0;
    BidKind Kind = BidKind::None;
    int16_t Years = 0;                // number of yearly amounts in use, 1 to 7
    std::array<int32_t, 7> Amounts{}; // yearly salaries in dollars
    double Score = 0;                 // the player's rating of the offer
    int32_t Spare = 0;
    bool operator==(const FreeAgentBid&) const = default;
};

// ---- Transactions ----

struct Transaction {
    std::string Team;
    int16_t Season = 0;
    int16_t SeasonDay = 0;
    std::string Action;
    bool operator==(const Transaction&) const = default;
};

// ---- Record books ----

// One line of a record book; position 1 of a category is the best.
struct RecordEntry {
    int16_t PlayerID = 0;
    std::string Name = "n/a"; // "n/a" marks an empty entry
    double Value = 0;
    std::string Text;
    int16_t Season = 0;
    std::string Text2;
    bool IsEmpty() const { return Name == "n/a"; }
    bool operator==(const RecordEntry&) const = default;
};

// A book of `Categories` categories with `Positions` ranked entries each. Each category also keeps a
// position 0, which no ranking uses; it is part of the stored layout.
template <int Categories, int Positions> struct RecordBook {
    static constexpr int kCategories = Categories;
    static constexpr int kPositions = Positions;
    static constexpr int kEntries = Categories * (Positions + 1);

    std::vector<RecordEntry> entries = std::vector<RecordEntry>(kEntries);

    // category 1 to Categories, position 0 to Positions
    RecordEntry& At(int category, int position) { return entries.at(Index(category, position)); }
    const RecordEntry& At(int category, int position) const { return entries.at(Index(category, position)); }
    static size_t Index(int category, int position) {
        return static_cast<size_t>((category - 1) * (Positions + 1) + position);
    }
    bool operator==(const RecordBook&) const = default;
};

// Points, Rebounds, Assists, Steals, Blocks, Turnovers, FG, FGA, FT, FTA, 3P, 3PA.
using GameRecordBook = RecordBook<12, 20>;
// Points-Per-Game ... Triple Doubles (17 categories).
using SeasonRecordBook = RecordBook<17, 100>;
// Games, Points, Rebounds, Assists, Steals, Blocks, FG, FT, 3P, Double Doubles, Triple Doubles, Turnovers.
using CareerRecordBook = RecordBook<12, 100>;

constexpr int kLeagueTeamRecords = 12;

// ---- Retired players (kept for the Hall of Fame) ----

struct RetiredPlayer {
    int16_t ID = 0;
    std::string Name;
    int16_t Height = 0;
    std::string DisplayHeight;
    int16_t Weight = 0;
    int16_t RetiredSeason = 0;
    int32_t Reserved = 0;
    std::string DefaultPosition;
    int16_t Round = 0, Pick = 0, Experience = 0;
    int32_t CAREERPOINTS = 0;
    int16_t Championships = 0;
    std::vector<Award> Awards;
    std::vector<SeasonHistoryEntry> Seasons;
    int16_t CareerGames = 0, CareerGamesStarted = 0;
    int32_t Minutes = 0, FG = 0, FGA = 0, FT = 0, FTA = 0, ThreeP = 0, ThreePA = 0, Rebounds = 0;
    int32_t ReservedLong = 0;
    int32_t Assists = 0, Steals = 0, Blocks = 0, Turnovers = 0, Points = 0;
    int16_t DoubleDoubles = 0, TripleDoubles = 0, PlayerOfGame = 0, PlayerOfWeek = 0, PlayerOfMonth = 0;
    bool operator==(const RetiredPlayer&) const = default;
};

// ---- Playoff tree ----

constexpr int kPlayoffSeries = 15;

// Series 1-4 East first stage, 5-8 West, 9-10 East semi-finals, 11-12 West, 13 East final, 14 West final,
// 15 league finals. Five 16-bit integers (10 bytes in the saved game).
struct PlayoffSeries {
    int16_t TeamA = 0; // home court
    int16_t TeamB = 0;
    int16_t WinsA = 0, WinsB = 0;
    bool Finished = false;
    bool operator==(const PlayoffSeries&) const = default;
};

// ---- Season archive: one entry per season ----

// An award winner as he was when he got it.
struct AwardSlot {
    int16_t PlayerID = 0;
    std::string Name, DefaultPosition, Team;
    bool operator==(const AwardSlot&) const = default;
};

// A final-standings line: team full name, wins, losses and "W - L".
struct StandingLine {
    std::string TeamName;
    int16_t Wins = 0, Losses = 0;
    std::string Record;
    bool operator==(const StandingLine&) const = default;
};

// The nine single awards, in stored order.
inline constexpr std::array<const char*, 9> kArchiveAwardCodes{"RookieMVP",  "AllStarMVP", "ShootoutWinner",
                                                               "DunkWinner", "MVP",        "ROY",
                                                               "SixthMan",   "DPOY",       "PlayoffMVP"};
// The seven five-man teams, in stored order.
inline constexpr std::array<const char*, 7> kArchiveTeamCodes{"AL1T",  "AL2T",  "AL3T", "ALD1T",
                                                              "ALD2T", "ALR1T", "ALR2T"};

struct SeasonArchive {
    int16_t Season = 0;
    std::string Champion, RunnerUp;
    int16_t ChampionWins = 0, RunnerUpWins = 0;
    AwardSlot FirstPick;
    // 7 Atlantic, 8 Central, 7 Midwest, 7 Pacific.
    std::array<StandingLine, kLeagueTeams> Standings{};
    std::array<AwardSlot, 6> RookieOfMonth{};        // "ROM"
    std::array<AwardSlot, 6> PlayerOfMonth{};        // "POM"
    std::array<AwardSlot, 24> PlayerOfWeek{};        // "POW"
    std::array<AwardSlot, 9> Awards{};               // kArchiveAwardCodes order
    std::array<std::array<AwardSlot, 5>, 7> Teams{}; // kArchiveTeamCodes order, one slot per position C..PG
    bool operator==(const SeasonArchive&) const = default;
};

// ---- All tables together ----

struct LeagueTables {
    std::array<DraftPick, kDraftPickCount + 1> draftPicks{}; // pick ID - 1000: 1 to 174; index 0 unused
    std::vector<FreeAgentBid> bids;
    std::vector<Transaction> transactions;
    std::array<RecordEntry, kLeagueTeamRecords> leagueTeamRecords{};
    CareerRecordBook careerRecords;
    SeasonRecordBook seasonRecords;
    GameRecordBook gameRecords;
    std::vector<RetiredPlayer> retiredPlayers;
    // Either one entry (index 0, no order set) or entries 1 to n with index 0 unused.
    std::vector<DraftSlot> draftOrder = std::vector<DraftSlot>(1);
    std::array<int16_t, kLeagueTeams + 1> lotteryOrder{};        // positions 1 to 29; index 0 unused
    std::array<PlayoffSeries, kPlayoffSeries + 1> playoffTree{}; // series 1 to 15; index 0 unused
    std::vector<SeasonArchive> archive;

    DraftPick& draftPick(int pickID) { return draftPicks.at(static_cast<size_t>(pickID - 1000)); }
    const DraftPick& draftPick(int pickID) const { return draftPicks.at(static_cast<size_t>(pickID - 1000)); }
};

} // namespace hv
