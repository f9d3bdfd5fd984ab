// Periods and the clock: starting and ending a period, the period's rating adjustments, the jump ball, the
// time an action takes with the energy it costs, and timeouts.
#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "engine/game.h"
#include "engine/game_bands.h"

namespace hv {

namespace {

// Home-court strength in the playoffs from a team's bracket number: (home, away) amounts.
double PlayoffHomeAmount(int bracket) {
    switch (bracket) {
    case 1:
        return 1.0;
    case 2:
        return 0.75;
    case 3:
        return 0.5;
    case 4:
        return 0.25;
    default:
        return 0;
    }
}

void AddToRatings(Player& p, int amount) {
    for (int16_t* field : {&p.InsideScoring, &p.JumpShot, &p.ThreePointShot, &p.Handling, &p.Passing,
                           &p.Quickness, &p.PostDefense, &p.PerimeterDefense, &p.DriveDefense, &p.Stealing,
                           &p.ShotBlocking, &p.OffenseRebound, &p.DefenseRebound, &p.Jumping, &p.Strength})
        *field = static_cast<int16_t>(*field + amount);
}

} // namespace

void clsGame::PlayPeriod(int16_t length) {
    StartQuarter(length);
    while (timeRemaining_ > 0)
        RunPlay();
    // Free throws awarded with the last action are still shot (a timeout may come first).
    while (ftCount_ > 0)
        RunPlay();
    EndQuarter();
}

void clsGame::StartQuarter(int16_t length) {
    if (periodRunning_) ApplyQuarterAdjustments(-1);
    DrawQuarterAdjustments();
    ApplyQuarterAdjustments(+1);
    periodRunning_ = true;

    for (Side& s : side_) {
        s.fouls = 0;
        if (quarter_ == 1)
            s.timeouts = 7;
        else if (quarter_ == 4)
            s.timeouts = std::min<int16_t>(s.timeouts, 4);
        else if (quarter_ >= 5)
            s.timeouts = 3;
        s.zone = {0, 1, 2, 2, 1, 1};
    }
    timeRemaining_ = length;
    inboundPending_ = press_ = trap_ = false;
    deadBall_ = possessionOver_ = possessionAfterScore_ = false;
    lastPasser_ = 0;
    ftShooter_ = ftCount_ = 0;

    if (quarter_ == 1 || quarter_ >= 5) {
        JumpBall();
    } else {
        possession_ = quarter_ == 4 ? jumpBallWinner_ : 1 - jumpBallWinner_;
        ballHandler_ = 5;
        ++side_[possession_].possessions;
    }
    shotClockMark_ = static_cast<int16_t>(std::max(0, timeRemaining_ - 24));
    FlushBenchRecovery();
}

void clsGame::DrawQuarterAdjustments() {
    auto draw = [&](double scale, double offset) {
        return NearestInt(scale * league_.rng.Uniform() + offset);
    };
    int home, away;
    if (bNeutralCourt_) {
        home = draw(5, -2);
        away = draw(5, -2);
    } else if (league_.state.SeasonDay >= 121) {
        double h = 0, a = 0;
        if (playoffGame_) {
            h = PlayoffHomeAmount(league_.team(side_[kHome].teamID).PlayoffBracket());
            a = PlayoffHomeAmount(league_.team(side_[kAway].teamID).PlayoffBracket()) / 2;
        }
        home = draw(3, 1 + h);
        away = draw(3, a);
    } else {
        home = draw(6.25, -2);
        away = draw(4, -2);
    }
    side_[kHome].quarterAdj = static_cast<int16_t>(home);
    side_[kAway].quarterAdj = static_cast<int16_t>(away);
}

// sign +1 puts the period's adjustments on, -1 takes them off again.
void clsGame::ApplyQuarterAdjustments(int sign) {
    for (const Side& s : side_) {
        if (s.quarterAdj == 0) continue;
        for (int16_t id : s.roster)
            if (id != 0) AddToRatings(league_.players[id], sign * s.quarterAdj);
        ++ratingsStamp_; // the zone values worked out so far no longer hold
    }
    if (sign < 0)
        for (Side& s : side_)
            s.quarterAdj = 0;
}

void clsGame::JumpBall() {
    const Player& homeC = league_.players[side_[kHome].lineUp[1]];
    const Player& awayC = league_.players[side_[kAway].lineUp[1]];
    const double homeJump = (homeC.Jumping + homeC.Height) * (0.8 + 0.4 * league_.rng.Uniform());
    const double awayJump = (awayC.Jumping + awayC.Height) * (0.8 + 0.4 * league_.rng.Uniform());
    const int winner = awayJump > homeJump ? kAway : kHome;
    if (bPBP_) {
        AddPBP(side_[winner].name + "(" + (winner == kHome ? homeC : awayC).Name + ") wins the Jump ball.");
        AddPBP(kBlankLine);
    }
    const double r = league_.rng.Uniform();
    ballHandler_ = r <= 0.25 ? 2 : r <= 0.5 ? 3 : r <= 0.75 ? 4 : 5;
    possession_ = winner;
    ++side_[winner].possessions;
    if (quarter_ == 1) jumpBallWinner_ = winner;
    ClockStep(ActionSeconds(side_[winner].pace));
}

void clsGame::EndQuarter() {
    const int ended = quarter_;
    if (ended <= 4)
        for (Side& s : side_) {
            int earlier = 0;
            for (int q = 1; q < ended; ++q)
                earlier += s.quarterScores[q];
            s.quarterScores[ended] = static_cast<int16_t>(s.score - earlier);
        }
    GainEnergy(ended == 2 ? 100 : 50);
    if (periodRunning_) ApplyQuarterAdjustments(-1);
    periodRunning_ = false;
    ++quarter_;

    if (bPBP_) {
        if (ended <= 3) AddPBP("Quarter Over.");
        if (ended == 2) {
            AddPBP("Halftime.");
            AddPBP("Score - " + side_[kHome].name + " " + std::to_string(HomeScore()) + ", " +
                   side_[kAway].name + " " + std::to_string(AwayScore()));
            AddPBP(kBlankLine);
        }
        if (ended >= 4 && HomeScore() == AwayScore()) {
            const std::string rule(kSeparatorWidth, '-');
            AddPBP(rule);
            AddPBP("Overtime:");
            AddPBP(rule);
            AddPBP(kBlankLine);
        }
    }
    if (ended != 4) GetSubs();
}

// Seconds that one action takes at the offence's pace, never more than is left.
int clsGame::ActionSeconds(int pace) {
    static constexpr double kPaceSpan[5] = {3.4, 3.2, 3.0, 2.8, 2.6};
    const double k = kPaceSpan[bands::PaceIndex(pace)];
    const double r1 = league_.rng.Uniform();
    const double r2 = league_.rng.Uniform();
    int t = NearestInt(rules_.ActionTimeScale * (k * r1 + 2 * r2));
    t += int(league_.rng.Uniform() > 0.5); // a coin toss: no branch to mispredict
    return std::min(t, std::max<int>(timeRemaining_, 0));
}

namespace {

// What a clock step of so many seconds costs the ten on the court: nearest(energy - 0.85 x seconds). With
// whole-number energy this is energy minus the rounded loss, unless the loss ends in exactly one half, where
// the rounding to even depends on the energy itself.
struct StepLoss {
    double loss = 0;
    int wholeLoss = 0;
    bool endsInHalf = false;
};
StepLoss LossOf(int seconds) {
    StepLoss l;
    l.loss = 0.85 * seconds;
    l.endsInHalf = l.loss - std::floor(l.loss) == 0.5;
    l.wholeLoss = NearestInt(l.loss);
    return l;
}
constexpr int kTabledSeconds = 64;
const std::array<StepLoss, kTabledSeconds>& StepLosses() {
    static const std::array<StepLoss, kTabledSeconds> table = [] {
        std::array<StepLoss, kTabledSeconds> t{};
        for (int s = 0; s < kTabledSeconds; ++s)
            t[static_cast<size_t>(s)] = LossOf(s);
        return t;
    }();
    return table;
}

// energy + seconds / 2 rounded half to even, in whole numbers, at most 1000: an odd count of seconds leaves a
// half that goes to whichever neighbour is even.
int Recovered(int energy, int seconds) {
    energy += seconds / 2;
    energy += seconds % 2 & energy; // an odd energy moves up to the even neighbour
    return std::clamp(energy, 0, 1000);
}

} // namespace

// Runs the clock: the ten on the court play and tire, everybody dressed recovers a little. The players on
// the bench only recover, so their recovery is summed up and given to them together (FlushBenchRecovery).
void clsGame::ClockStep(int seconds) {
    seconds = std::min(seconds, std::max<int>(timeRemaining_, 0));
    const StepLoss l =
        seconds < kTabledSeconds ? StepLosses()[static_cast<size_t>(seconds)] : LossOf(seconds);
    for (Side& s : side_)
        for (int slot = 1; slot <= 5; ++slot) {
            const int16_t id = s.lineUp[slot];
            if (id == 0) continue;
            Player& p = league_.players[id];
            PlayerGameState& g = p.Game;
            g.Seconds = static_cast<int16_t>(g.Seconds + seconds);
            g.SecondsAt[slot] = static_cast<int16_t>(g.SecondsAt[slot] + seconds);
            const int tired = l.endsInHalf ? NearestInt(p.STAMINA - l.loss) : p.STAMINA - l.wholeLoss;
            p.STAMINA = static_cast<int16_t>(Recovered(tired, seconds));
        }
    if (seconds > 0) {
        // The recovery of a step depends only on whether the energy is odd, so the steps add up to one gain
        // for an energy that was even at the last flush and one for an odd energy (a rested player's 1000
        // stays).
        for (int start = 0; start < 2; ++start) {
            int& parity = benchParity_[static_cast<size_t>(start)];
            int& gain = benchGain_[static_cast<size_t>(start)];
            gain += seconds / 2;
            parity ^= seconds / 2 & 1;
            if (seconds % 2 != 0 && parity != 0) {
                ++gain;
                parity = 0;
            }
        }
        benchPending_ = true;
    }
    timeRemaining_ = static_cast<int16_t>(timeRemaining_ - seconds);
}

// The recovery of the clock steps so far for the dressed players who are not on the court.
void clsGame::FlushBenchRecovery() {
    if (!benchPending_) return;
    Player* players = league_.players.data();
    for (const Side& s : side_) {
        // The roster slots of the five on the court.
        uint32_t onCourt = 0;
        for (int slot = 1; slot <= 5; ++slot)
            if (const int16_t id = s.lineUp[slot]; id != 0 && dressedAt_[static_cast<size_t>(id)] >= 0)
                onCourt |= 1u << (dressedAt_[static_cast<size_t>(id)] % kRosterSize);
        for (int i = 0; i < kRosterSize; ++i) {
            const int16_t id = s.roster[static_cast<size_t>(i)];
            if (id == 0 || (onCourt >> i & 1u)) continue;
            Player& p = players[id];
            const int energy = p.STAMINA;
            p.STAMINA = static_cast<int16_t>(
                std::clamp(energy + benchGain_[static_cast<size_t>(energy & 1)], 0, 1000));
        }
    }
    benchGain_ = {0, 0};
    benchParity_ = {0, 1};
    benchPending_ = false;
}

void clsGame::GainEnergy(int amount) {
    FlushBenchRecovery();
    for (Side& s : side_)
        for (int16_t id : s.roster) {
            if (id == 0) continue;
            Player& p = league_.players[id];
            p.STAMINA = static_cast<int16_t>(std::clamp(p.STAMINA + amount, 0, 1000));
        }
}

// A side with no timeout left cannot call one.
void clsGame::RunTimeOut(const std::string& sTeam) {
    int side;
    if (sTeam == "Home")
        side = kHome;
    else if (sTeam == "Away")
        side = kAway;
    else
        return;
    Side& s = side_[side];
    if (s.timeouts <= 0) return;
    --s.timeouts;
    if (bPBP_) AddPBP("The " + s.name + " call a timeout.");
    if (ftCount_ == 0) inboundPending_ = true;
    deadBall_ = true;
    GainEnergy(50);
    // Called between possessions (by the screen): the substitutions of the stoppage follow at once.
    if (!inRunPlay_) GetSubs();
}

} // namespace hv
