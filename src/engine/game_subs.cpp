// The computer's substitutions: the rotation plan's player for the segment when he is fit to play, otherwise
// the first eligible player of the depth array.
#include <algorithm>
#include <string>

#include "engine/game.h"

namespace hv {

namespace {

constexpr const char* kSlotText[6] = {"", "C", "PF", "SF", "SG", "PG"};

// The rest factor of a rating: up to 50, 51-55, 56-60, 61-65, 66-70, 71-75, above 75.
double RatingRestFactor(int rating) {
    static constexpr double kFactor[] = {1.4, 1.3, 1.2, 1.1, 1.0, 0.85, 0.75};
    return kFactor[(std::clamp(rating, 50, 76) - 46) / 5]; // a table: the subs ask this on every stoppage
}

double AgeRestAmount(int age) {
    if (age >= 36) return 0.25;
    if (age >= 34) return 0.05;
    if (age >= 29) return -0.1;
    return 0;
}

} // namespace

// A third of a regulation quarter; every overtime period is the last segment. Between periods (no clock
// running yet) the coming period's first segment counts, so that the starters open it.
int clsGame::CurrentSegment() const {
    if (quarter_ >= 5) return kSegments;
    const int first = 3 * (quarter_ - 1) + 1;
    if (timeRemaining_ <= 0 || timeRemaining_ > 480) return first;
    return timeRemaining_ > 240 ? first + 1 : first + 2;
}

bool clsGame::Eligible(int16_t id) const {
    if (id == 0) return false;
    const Player& p = league_.players[id];
    return p.TimeInjured <= 0 && (rookieGame_ || !p.IR) && p.Game.Fouls <= 5;
}

double clsGame::RestThreshold(const Player& p) const {
    double t = quarter_ == 1 ? 0.6 : quarter_ == 2 ? 0.5 : quarter_ == 3 ? 0.45 : 0.4;
    t = t * RatingRestFactor(p.CurrentRating) + AgeRestAmount(p.Age);
    return std::min(t, 0.9);
}

int clsGame::FoulTroubleFactor(const Player& p) const {
    if (quarter_ <= 3 && p.Game.Fouls > quarter_) return 0;
    return 1;
}

// His energy with the recovery the bench has earned since it last got it, when he is dressed and not on the
// court (the players FlushBenchRecovery gives it to).
int clsGame::EnergyOf(int16_t id, const std::array<int16_t, 6>& lineUp) const {
    const int energy = league_.players[id].STAMINA;
    if (!benchPending_ || dressedAt_[static_cast<size_t>(id)] < 0) return energy;
    for (int slot = 1; slot <= 5; ++slot)
        if (lineUp[slot] == id) return energy;
    return std::clamp(energy + benchGain_[static_cast<size_t>(energy & 1)], 0, 1000);
}

// Fresh enough and out of foul trouble: energy x F / 1000 reaches his rest threshold.
bool clsGame::ReadyToPlay(int16_t id, const std::array<int16_t, 6>& lineUp) const {
    const Player& p = league_.players[id];
    return EnergyOf(id, lineUp) * FoulTroubleFactor(p) / 1000.0 >= RestThreshold(p);
}

// The bench's recovery is given only when the line-ups change; until then the substitutions read it.
void clsGame::GetSubs() {
    SubsForSide(kHome);
    SubsForSide(kAway);
}

void clsGame::SubsForSide(int side) {
    Side& s = side_[side];
    if (s.coach) return;
    const std::array<int16_t, 6> before = s.lineUp;
    std::array<int16_t, 6> after{};
    auto onCourt = [&](int16_t id) {
        for (int slot = 1; slot <= 5; ++slot)
            if (after[slot] == id) return true;
        return false;
    };

    // The player about to shoot free throws stays where he is.
    std::array<bool, 6> fixed{};
    if (ftCount_ > 0 && ftShooterSide_ == side)
        for (int slot = 1; slot <= 5; ++slot)
            if (before[slot] == ftShooter_ && ftShooter_ != 0) {
                after[slot] = ftShooter_;
                fixed[slot] = true;
                break;
            }

    const int segment = CurrentSegment();
    for (int slot = 1; slot <= 5; ++slot) {
        if (fixed[slot]) continue;
        const int16_t planned = s.plan[slot][segment];
        if (Eligible(planned) && !onCourt(planned) && ReadyToPlay(planned, before)) {
            after[slot] = planned;
            continue;
        }
        // Walk the depth array from this slot's row 1 down, then on through the next columns. A player in
        // foul trouble or below his rest threshold is passed over here too, so that a tired or foul-laden
        // player sits rather than coming straight back through the depth chart.
        auto walk = [&](bool readyOnly) {
            for (int step = 0; step < 5; ++step) {
                const int column = (slot - 1 + step) % 5 + 1;
                for (int row = 1; row <= kDepthRows; ++row) {
                    const int16_t id = s.depth[column][row];
                    if (Eligible(id) && !onCourt(id) && (!readyOnly || ReadyToPlay(id, before))) return id;
                }
            }
            return int16_t{0};
        };
        after[slot] = walk(true);
        if (after[slot] != 0) continue;
        // Nobody passes the tests: the player who stands there stays when he may play on; one who fouled out
        // or is hurt makes way for the first eligible player of the walk, however tired.
        if (before[slot] != 0 && !onCourt(before[slot]) && Eligible(before[slot])) {
            after[slot] = before[slot];
            continue;
        }
        after[slot] = walk(false);
        if (after[slot] != 0) continue;
        // Then, so that nobody plays at two slots, the one who stands there or any dressed player.
        if (before[slot] != 0 && !onCourt(before[slot])) {
            after[slot] = before[slot];
            continue;
        }
        for (int16_t id : s.roster)
            if (id != 0 && !onCourt(id)) {
                after[slot] = id;
                break;
            }
        if (after[slot] == 0) after[slot] = before[slot];
    }

    if (after != before) FlushBenchRecovery(); // the bench of the line-ups the recovery was earned by
    s.lineUp = after;
    for (int slot = 1; slot <= 5; ++slot)
        if (after[slot] != 0) league_.players[after[slot]].Game.CourtSlot = static_cast<int16_t>(slot);

    // The first fill of the line-up is told by the starting line-ups, not as substitutions.
    const bool firstFill = std::all_of(before.begin() + 1, before.end(), [](int16_t id) { return id == 0; });
    if (!bPBP_ || firstFill || before == after) return;
    const std::string rule(kSeparatorWidth, '-');
    AddPBP(rule);
    AddPBP("Substitutions:");
    AddPBP(s.name + ":");
    for (int slot = 1; slot <= 5; ++slot) {
        if (after[slot] == before[slot]) continue;
        const int16_t out = before[slot];
        if (out != 0 && std::find(after.begin() + 1, after.end(), out) == after.end())
            AddPBP(league_.players[out].Name + " heads to the bench.");
        const int16_t in = after[slot];
        int from = 0;
        for (int old = 1; old <= 5; ++old)
            if (before[old] == in) from = old;
        if (from != 0)
            AddPBP(league_.players[in].Name + " moves from " + kSlotText[from] + " to " + kSlotText[slot] +
                   ".");
        else
            AddPBP(league_.players[in].Name + " comes into the game at " + kSlotText[slot] + ".");
    }
}

} // namespace hv
