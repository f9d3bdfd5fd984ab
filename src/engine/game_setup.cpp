// Setting a game up: the object, StartGame, loading the two teams (rosters, depth rows, planned minutes and
// the rotation plan), the starters block and the small accessors.
#include <algorithm>
#include <string>

#include "engine/game.h"
#include "league/ratings.h"

namespace hv {

namespace {

constexpr const char* kStarterCaptions[6] = {
    "", "Center - ", "Power Forward - ", "Small Forward - ", "Shooting Guard - ", "Point Guard - "};

// 0 Inside, 1 Balanced, 2 Outside; an unknown label plays as balanced.
uint8_t StyleIndex(const std::string& style) {
    if (style == "Inside") return 0;
    if (style == "Outside") return 2;
    return 1;
}

int MinutesForRating(int rating) {
    if (rating <= 50) return 30;
    if (rating <= 55) return 33;
    if (rating <= 60) return 35;
    if (rating <= 65) return 38;
    if (rating <= 70) return 40;
    return 45;
}

int MinutesForAge(const Player& p) {
    if (p.Age <= 21) return p.Experience == 0 ? -3 : -2;
    if (p.Age <= 28) return -1;
    if (p.Age <= 33) return 0;
    if (p.Age <= 35) return -1;
    return -2;
}

int MinutesForPace(int pace) {
    if (pace <= 25) return 1;
    if (pace <= 50) return 0;
    if (pace <= 75) return -1;
    return -2;
}

int MinutesForDefence(int trapPlusPress) {
    if (trapPlusPress <= 0) return 2;
    if (trapPlusPress <= 50) return 1;
    if (trapPlusPress <= 100) return 0;
    if (trapPlusPress <= 150) return -1;
    if (trapPlusPress <= 175) return -2;
    return -3;
}

} // namespace

clsGame::clsGame(League& league) : league_(league), dressedAt_(league.players.size(), -1) {
    // The line-ups start empty: the first GetSubs puts the starters on the court. Every defender guards the
    // slot of his own number.
    for (Side& s : side_)
        for (int i = 1; i <= 5; ++i) {
            s.defense[i] = static_cast<int16_t>(i);
            s.guardOf[i] = static_cast<int16_t>(i);
        }
}

clsGame::~clsGame() {
    if (periodRunning_) ApplyQuarterAdjustments(-1);
}

void clsGame::StartGame(int16_t HomeID, int16_t AwayID, bool bPBP, int16_t iGame, const std::string& sType,
                        bool bNeutralCourt) {
    side_[kHome].teamID = HomeID;
    side_[kAway].teamID = AwayID;
    side_[kHome].name = league_.team(HomeID).Name;
    side_[kAway].name = league_.team(AwayID).Name;
    bPBP_ = bPBP;
    iGame_ = iGame;
    sType_ = sType;
    bNeutralCourt_ = bNeutralCourt;
    rookieGame_ = sType == "Rookie";
    allStarKind_ = rookieGame_ || sType == "All-Star";
    playoffGame_ = sType == "Playoff";
    countsInjuries_ = sType == "Regular" || playoffGame_;
    rules_ = EngineRules::For(league_.state.Engine);
}

void clsGame::Loadteams() {
    LoadHomeTeam(side_[kHome].teamID);
    LoadAwayTeam(side_[kAway].teamID);
    GetSubs();
}

void clsGame::LoadHomeTeam(int16_t team) {
    LoadTeam(kHome, team);
}
void clsGame::LoadAwayTeam(int16_t team) {
    LoadTeam(kAway, team);
}

void clsGame::LoadTeam(int side, int16_t teamID) {
    Side& s = side_[side];
    const Team& team = league_.team(teamID);
    s.teamID = teamID;
    s.name = team.Name;
    s.pace = s.basePace = team.Pace;
    s.trap = team.Trap;
    s.press = team.Press;
    s.offense = team.Offense;
    s.key = {0, team.keyplayer1, team.keyplayer2, team.keyplayer3};

    s.roster.fill(0);
    for (auto& column : s.depth)
        column.fill(0);
    s.lineUp.fill(0);
    const int lastID = static_cast<int>(league_.players.size()) - 1;
    for (int pos = 1; pos <= 5; ++pos)
        for (int row = 1; row <= 3; ++row) {
            const int id = team.Depth(pos, row);
            if (id <= 0 || id > lastID) continue;
            const Player& p = league_.players[id];
            if (!rookieGame_ && (p.TimeInjured >= 1 || p.IR)) continue;
            s.depth[pos][row] = static_cast<int16_t>(id);
            // A player listed at two positions dresses once: he must not count twice anywhere.
            if (std::find(s.roster.begin(), s.roster.end(), id) == s.roster.end())
                s.roster[(pos - 1) * 3 + row - 1] = static_cast<int16_t>(id);
        }

    s.dressedCount = 0;
    for (int16_t id : s.roster) {
        if (id == 0) continue;
        s.dressed[static_cast<size_t>(s.dressedCount++)] = id;
        Player& p = league_.players[id];
        p.Game = PlayerGameState{};
        p.STAMINA = 1000;
    }
    FillDepthRows(side);
    PlanMinutes(side);
    BuildRotation(side);
    CacheStyles(side);
}

// Rows 4 to 6 of each column: the best fits for that position among the dressed players not yet in it.
void clsGame::FillDepthRows(int side) {
    Side& s = side_[side];
    for (int slot = 1; slot <= 5; ++slot) {
        std::array<int16_t, kRosterSize> others{};
        int n = 0;
        for (int16_t id : s.roster) {
            if (id == 0) continue;
            if (id == s.depth[slot][1] || id == s.depth[slot][2] || id == s.depth[slot][3]) continue;
            others[n++] = id;
        }
        std::stable_sort(others.begin(), others.begin() + n, [&](int16_t a, int16_t b) {
            return FitAt(league_.players[a], slot) > FitAt(league_.players[b], slot);
        });
        for (int row = 4; row <= kDepthRows; ++row)
            s.depth[slot][row] = row - 4 < n ? others[row - 4] : 0;
    }
}

void clsGame::PlanMinutes(int side) {
    Side& s = side_[side];
    for (int i = 0; i < kRosterSize; ++i) {
        s.plannedMinutes[i] = 0;
        if (s.roster[i] == 0) continue;
        const Player& p = league_.players[s.roster[i]];
        int minutes = MinutesForRating(p.CurrentRating) + MinutesForAge(p) + MinutesForPace(s.pace) +
                      MinutesForDefence(s.trap + s.press);
        s.plannedMinutes[i] = static_cast<int16_t>(std::clamp(minutes, 28, 40));
    }
    // The two best players get at least 36 minutes; the first one found keeps a tie.
    int best = -1, second = -1;
    for (int i = 0; i < kRosterSize; ++i) {
        if (s.roster[i] == 0) continue;
        const int rating = league_.players[s.roster[i]].CurrentRating;
        if (best < 0 || rating > league_.players[s.roster[best]].CurrentRating) {
            second = best;
            best = i;
        } else if (second < 0 || rating > league_.players[s.roster[second]].CurrentRating) {
            second = i;
        }
    }
    for (int i : {best, second})
        if (i >= 0) s.plannedMinutes[i] = std::max<int16_t>(s.plannedMinutes[i], 36);
    if (allStarKind_)
        for (int i = 0; i < kRosterSize; ++i)
            if (s.roster[i] != 0) s.plannedMinutes[i] = 28;
}

void clsGame::BuildRotation(int side) {
    Side& s = side_[side];
    for (auto& column : s.plan)
        column.fill(0);
    auto minutesOf = [&](int16_t id) -> int16_t* {
        for (int i = 0; i < kRosterSize; ++i)
            if (s.roster[i] == id) return &s.plannedMinutes[i];
        return nullptr;
    };
    auto spend = [&](int16_t id, int minutes) {
        if (int16_t* m = minutesOf(id)) *m = static_cast<int16_t>(*m - minutes);
    };

    for (int slot = 1; slot <= 5; ++slot) {
        const int16_t starter = s.depth[slot][1];
        s.plan[slot][1] = s.plan[slot][kSegments] = starter;
        if (starter != 0) spend(starter, 8);
    }
    // Each starter rests in the segments R and R + 5 of his slot; no two slots share a rest value.
    std::array<int, 6> rest{};
    for (int i = 1; i <= 5; ++i) {
        int k;
        do {
            k = NearestInt(4 * league_.rng.Uniform() + 1);
        } while (rest[k] != 0);
        rest[k] = i + 1;
    }
    for (int segment : {2, 4, 6, 8, 10, 3, 5, 7, 9, 11})
        for (int slot = 1; slot <= 5; ++slot) {
            if (segment == rest[slot] || segment == rest[slot] + 5) continue;
            const int16_t starter = s.depth[slot][1];
            const int16_t* left = starter != 0 ? minutesOf(starter) : nullptr;
            if (rules_.StartersKeepToPlannedMinutes && left != nullptr && *left <= 0) continue;
            s.plan[slot][segment] = starter;
            if (starter != 0) spend(starter, 4);
        }
    for (int segment = 2; segment <= 11; ++segment)
        for (int slot = 1; slot <= 5; ++slot) {
            if (s.plan[slot][segment] != 0) continue;
            for (int row = 2; row <= kDepthRows; ++row) {
                const int16_t id = s.depth[slot][row];
                if (id == 0) continue;
                const int16_t* m = minutesOf(id);
                if (m == nullptr || *m <= 0) continue;
                bool planned = false;
                for (int other = 1; other <= 5; ++other)
                    planned = planned || s.plan[other][segment] == id;
                if (planned) continue;
                s.plan[slot][segment] = id;
                break;
            }
        }
}

// The styles and threat of the side's dressed players; their zone values are worked out as they are needed.
void clsGame::CacheStyles(int side) {
    for (int8_t& at : dressedAt_)
        if (at >= 0 && at / kRosterSize == side) at = -1;
    const std::array<int16_t, kRosterSize>& roster = side_[side].roster;
    for (int i = 0; i < kRosterSize; ++i) {
        const int16_t id = roster[static_cast<size_t>(i)];
        if (id == 0) continue;
        const Player& p = league_.players[id];
        const int at = side * kRosterSize + i;
        DressedValues& v = dressedValues_[static_cast<size_t>(at)];
        v = DressedValues{};
        for (int slot = 1; slot <= 5; ++slot)
            v.style[static_cast<size_t>(slot)] = StyleIndex(StyleAt(p, slot));
        v.threat = Threat(p);
        dressedAt_[static_cast<size_t>(id)] = static_cast<int8_t>(at);
    }
    ++ratingsStamp_;
}

void clsGame::ProcessStarters() {
    if (bPBP_) {
        const std::string rule(kSeparatorWidth, '-');
        AddPBP(rule);
        AddPBP("Starting Lineups:");
        for (int side : {kHome, kAway})
            AddStartersBlock(side);
        AddPBP(rule);
    }
    for (const Side& s : side_)
        for (int slot = 1; slot <= 5; ++slot)
            if (s.lineUp[slot] != 0) league_.players[s.lineUp[slot]].Game.Started = true;
}

void clsGame::AddStartersBlock(int side) {
    const Side& s = side_[side];
    AddPBP(s.name + ":");
    for (int slot = 1; slot <= 5; ++slot)
        AddPBP(std::string(kStarterCaptions[slot]) + league_.players[s.lineUp[slot]].Name);
}

void clsGame::SimGame() {
    Loadteams();
    ProcessStarters();
    while (quarter_ < 5)
        PlayPeriod(720);
    if (HomeScore() == AwayScore()) {
        AddPBP(kBlankLine);
        while (HomeScore() == AwayScore()) {
            GetSubs();
            PlayPeriod(300);
            AddPBP("OT Period Over.");
            AddPBP(kBlankLine);
        }
    }
    EndGame();
    if (finishedWatcher_) finishedWatcher_(*this);
    SavePlayerStats();
}

// --- Play-by-play ---

void clsGame::AddPBP(const std::string& line) {
    if (!bPBP_) return;
    if (!pbp_.empty() && pbp_.back() == line && line != kBlankLine) return;
    pbp_.push_back(line);
    if (PlayGame_NewPbP) PlayGame_NewPbP(line);
}

void clsGame::AddPossessionHeader() {
    if (!bPBP_) return;
    const std::string rule(kSeparatorWidth, '-');
    const std::string period = quarter_ <= 4 ? std::to_string(quarter_) : std::string("OT");
    AddPBP(kBlankLine);
    AddPBP(rule);
    AddPBP("Quarter: " + period + "  Time Remaining: " + DisplayTime() + "  " + side_[kHome].name + " " +
           std::to_string(HomeScore()) + ",  " + side_[kAway].name + " " + std::to_string(AwayScore()));
    AddPBP(rule);
    if (timeRemaining_ > 0) AddPBP(side_[possession_].name + " ball:");
    AddPBP(kBlankLine);
}

// --- Accessors ---

std::string clsGame::DisplayTime() const {
    if (timeRemaining_ < 0) return "0:00";
    const int seconds = timeRemaining_ % 60;
    return std::to_string(timeRemaining_ / 60) + ":" + (seconds < 10 ? "0" : "") + std::to_string(seconds);
}

int16_t clsGame::KeyPlayerOf(int side, int keyNumber) const {
    return keyNumber >= 1 && keyNumber <= 3 ? side_[side].key[keyNumber] : 0;
}

int16_t clsGame::LineUpAt(int side) const {
    return currentPosition_ >= 1 && currentPosition_ <= 5 ? side_[side].lineUp[currentPosition_] : 0;
}

void clsGame::SetLineUpAt(int side, int16_t playerID) {
    if (currentPosition_ < 1 || currentPosition_ > 5) return;
    FlushBenchRecovery();
    side_[side].lineUp[currentPosition_] = playerID;
}

// The defender at CurrentPosition takes over the new match-up; the defender who had it takes his old one, so
// every opposing slot stays guarded exactly once.
void clsGame::SetMatchUp(int side, int16_t newPosition) {
    if (currentPosition_ < 1 || currentPosition_ > 5 || newPosition < 1 || newPosition > 5) return;
    Side& s = side_[side];
    const int16_t old = s.defense[currentPosition_];
    if (old == newPosition) return;
    const int16_t other = s.guardOf[newPosition];
    s.defense[currentPosition_] = newPosition;
    s.guardOf[newPosition] = currentPosition_;
    if (other >= 1 && other <= 5 && other != currentPosition_) {
        s.defense[other] = old;
        s.guardOf[old] = other;
    }
}

int16_t clsGame::DefenderOf(int side, int position) const {
    return position >= 1 && position <= 5 ? side_[side].guardOf[position] : 0;
}

int16_t clsGame::QuarterScoreOf(int side, int quarter) const {
    return quarter >= 1 && quarter <= 4 ? side_[side].quarterScores[quarter] : 0;
}

int16_t clsGame::OnCourtOf(int side, int slot) const {
    return slot >= 1 && slot <= 5 ? side_[side].lineUp[slot] : 0;
}

int16_t clsGame::ZoneOf(int side, int slot) const {
    return slot >= 1 && slot <= 5 ? side_[side].zone[slot] : 0;
}

int16_t clsGame::PlannedOf(int side, int slot, int segment) const {
    return slot >= 1 && slot <= 5 && segment >= 1 && segment <= kSegments ? side_[side].plan[slot][segment]
                                                                          : 0;
}

int16_t clsGame::DepthOf(int side, int slot, int row) const {
    return slot >= 1 && slot <= 5 && row >= 1 && row <= kDepthRows ? side_[side].depth[slot][row] : 0;
}

} // namespace hv
