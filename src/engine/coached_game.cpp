#include "engine/coached_game.h"

#include <algorithm>
#include <stdexcept>

#include "league/coaching_names.h"

namespace hv {

namespace {

constexpr int kRegulationPeriod = 720;
constexpr int kOvertimePeriod = 300;
constexpr int kFouledOut = 6;

bool IsHome(CoachSide side) {
    return side == CoachSide::Home;
}

std::string PeriodText(int period) {
    return period <= 4 ? "Quarter " + std::to_string(period) : "Overtime " + std::to_string(period - 4);
}

std::string Padded(std::string text, size_t width, bool right = false) {
    if (text.size() >= width) return text;
    return right ? std::string(width - text.size(), ' ') + text
                 : text + std::string(width - text.size(), ' ');
}

} // namespace

CoachedGame::CoachedGame(League& league, int home, int away, int gameNumber, const std::string& type,
                         bool neutralCourt)
    : game_(std::make_unique<clsGame>(league)) {
    game_->StartGame(static_cast<int16_t>(home), static_cast<int16_t>(away), true,
                     static_cast<int16_t>(gameNumber), type, neutralCourt);
    game_->CoachGame(true);
    // The starters go on the court before the switches: a coached side's line-up is the user's from then on.
    game_->Loadteams();
    game_->ProcessStarters();
    game_->HomeCoach(league.team(home).CoachTeam);
    game_->AwayCoach(league.team(away).CoachTeam);
    game_->PlayGame_NewPbP = [this](const std::string& line) {
        if (onLine) onLine(line);
    };
}

std::string CoachedGame::Caption() const {
    return game_->AwayName() + " @ " + game_->HomeName();
}

std::string CoachedGame::SettingsHeading(CoachSide side) const {
    return Name(side) + " Settings";
}

const std::string& CoachedGame::Name(CoachSide side) const {
    return IsHome(side) ? game_->HomeName() : game_->AwayName();
}

int CoachedGame::TeamID(CoachSide side) const {
    return IsHome(side) ? game_->HomeID() : game_->AwayID();
}

void CoachedGame::SetCoach(CoachSide side, bool coach) {
    IsHome(side) ? game_->HomeCoach(coach) : game_->AwayCoach(coach);
}

bool CoachedGame::Coached(CoachSide side) const {
    return IsHome(side) ? game_->HomeCoach() : game_->AwayCoach();
}

void CoachedGame::SetPace(CoachSide side, int listPosition) {
    const auto value = static_cast<int16_t>(std::clamp(listPosition, 0, 4) * 25);
    IsHome(side) ? game_->HomePace(value) : game_->AwayPace(value);
}

void CoachedGame::SetTrap(CoachSide side, int listPosition) {
    const auto value = static_cast<int16_t>(std::clamp(listPosition, 0, 4) * 25);
    IsHome(side) ? game_->HomeTrap(value) : game_->AwayTrap(value);
}

void CoachedGame::SetPress(CoachSide side, int listPosition) {
    const auto value = static_cast<int16_t>(std::clamp(listPosition, 0, 4) * 25);
    IsHome(side) ? game_->HomePress(value) : game_->AwayPress(value);
}

void CoachedGame::SetOffense(CoachSide side, int listPosition) {
    const auto value = static_cast<int16_t>(std::clamp(listPosition, 0, 2) * 50);
    IsHome(side) ? game_->HomeOffense(value) : game_->AwayOffense(value);
}

int CoachedGame::Pace(CoachSide side) const {
    return IsHome(side) ? game_->HomePace() : game_->AwayPace();
}
int CoachedGame::Trap(CoachSide side) const {
    return IsHome(side) ? game_->HomeTrap() : game_->AwayTrap();
}
int CoachedGame::Press(CoachSide side) const {
    return IsHome(side) ? game_->HomePress() : game_->AwayPress();
}
int CoachedGame::Offense(CoachSide side) const {
    return IsHome(side) ? game_->HomeOffense() : game_->AwayOffense();
}

void CoachedGame::SetMatchUp(CoachSide side, int slot, int listPosition) {
    game_->CurrentPosition(static_cast<int16_t>(slot));
    const auto position = static_cast<int16_t>(listPosition + 1);
    IsHome(side) ? game_->HomeDefense(position) : game_->AwayDefense(position);
}

int CoachedGame::MatchUp(CoachSide side, int slot) const {
    for (int position = 1; position <= 5; ++position) {
        const int defender = IsHome(side) ? game_->HomeDefending(position) : game_->AwayDefending(position);
        if (defender == slot) return position;
    }
    return 0;
}

void CoachedGame::SetLineUp(CoachSide side, int slot, int16_t player) {
    game_->CurrentPosition(static_cast<int16_t>(slot));
    IsHome(side) ? game_->HomeLineUp(player) : game_->AwayLineUp(player);
}

int16_t CoachedGame::OnCourt(CoachSide side, int slot) const {
    return IsHome(side) ? game_->HomeOnCourt(slot) : game_->AwayOnCourt(slot);
}

void CoachedGame::SetKeyPlayer(CoachSide side, int number, int16_t player) {
    if (IsHome(side)) {
        if (number == 1) game_->HomeKeyPlayerOne(player);
        if (number == 2) game_->HomeKeyPlayerTwo(player);
        if (number == 3) game_->HomeKeyPlayerThree(player);
    } else {
        if (number == 1) game_->AwayKeyPlayerOne(player);
        if (number == 2) game_->AwayKeyPlayerTwo(player);
        if (number == 3) game_->AwayKeyPlayerThree(player);
    }
}

int16_t CoachedGame::KeyPlayer(CoachSide side, int number) const {
    return IsHome(side) ? game_->HomeKeyPlayer(static_cast<int16_t>(number))
                        : game_->AwayKeyPlayer(static_cast<int16_t>(number));
}

std::vector<int16_t> CoachedGame::Dressed(CoachSide side) const {
    std::vector<int16_t> ids;
    for (int16_t id : IsHome(side) ? game_->HomeRoster() : game_->AwayRoster())
        if (id != 0) ids.push_back(id);
    return ids;
}

bool CoachedGame::TimeOut(CoachSide side) {
    if (over_ || finished_) return false;
    const int before = IsHome(side) ? game_->HomeTimeOuts() : game_->AwayTimeOuts();
    if (before <= 0) return false;
    game_->RunTimeOut(IsHome(side) ? "Home" : "Away");
    return true;
}

std::optional<std::string> CoachedGame::LineupFault() const {
    const League& league = game_->GameLeague();
    for (CoachSide side : {CoachSide::Home, CoachSide::Away}) {
        if (!Coached(side)) continue;
        std::array<int16_t, 6> court{};
        for (int slot = 1; slot <= 5; ++slot)
            court[static_cast<size_t>(slot)] = OnCourt(side, slot);
        const std::vector<int16_t> dressed = Dressed(side);
        const int16_t shooter = game_->FreeThrowShooter();
        if (shooter != 0 && std::find(dressed.begin(), dressed.end(), shooter) != dressed.end() &&
            std::find(court.begin() + 1, court.end(), shooter) == court.end())
            return league.player(shooter).Name + " is shooting freethows and must remain in the game.";
        for (int slot = 1; slot <= 5; ++slot) {
            const int16_t id = court[static_cast<size_t>(slot)];
            if (id == 0) continue;
            const Player& p = league.player(id);
            if (std::count(court.begin() + 1, court.end(), id) > 1)
                return p.Name + " is listed at two positions.";
            if (p.Game.Fouls >= kFouledOut)
                return p.Name + " has fouled out and must be removed from the game.";
            if (p.TimeInjured > 0) return p.Name + " is injured and must be removed from the game.";
        }
    }
    return std::nullopt;
}

bool CoachedGame::PeriodOver() const {
    return game_->TimeRemaining() <= 0 && game_->FreeThrowShooter() == 0;
}

// Between periods: the next quarter, or an overtime period while the score is tied after regulation. The
// computer's substitutions before an overtime period are those of a simulated game.
void CoachedGame::StartPeriodIfDue() {
    if (!PeriodOver() || over_) return;
    if (game_->quarter() < 5) {
        game_->StartQuarter(kRegulationPeriod);
    } else if (game_->HomeScore() == game_->AwayScore()) {
        game_->GetSubs();
        game_->StartQuarter(kOvertimePeriod);
    }
}

// The period just played ends; after regulation or an overtime period with a winner, the game ends. The
// lines between overtime periods are those of a simulated game.
void CoachedGame::CloseQuarter() {
    game_->EndQuarter();
    const int ended = game_->quarter() - 1;
    const bool tied = game_->HomeScore() == game_->AwayScore();
    if (ended >= 5) {
        game_->AddPBP("OT Period Over.");
        game_->AddPBP(clsGame::kBlankLine);
    } else if (ended == 4 && tied) {
        game_->AddPBP(clsGame::kBlankLine);
    }
    if (ended >= 4 && !tied) {
        game_->EndGame();
        over_ = true;
    }
}

bool CoachedGame::Sim(CoachSim span, Host& host, const std::function<bool()>& afterPossession) {
    if (over_ || finished_ || running_) return false;
    if (std::optional<std::string> fault = LineupFault()) {
        host.ShowMessage(*fault, "Roster Error", MessageIcon::Warning);
        return false;
    }
    running_ = true;
    StartPeriodIfDue();
    for (;;) {
        game_->RunPlay();
        game_->SettleBenchEnergy(); // the screen shows every player's energy after each possession
        const bool periodOver = PeriodOver();
        if (periodOver) CloseQuarter();
        bool more = span == CoachSim::Quarter ? !periodOver : span == CoachSim::Game && !over_;
        if (afterPossession && !afterPossession()) more = false;
        if (!more || over_) break;
        if (std::optional<std::string> fault = LineupFault()) {
            host.ShowMessage(*fault, "Roster Error", MessageIcon::Warning);
            break;
        }
        StartPeriodIfDue();
    }
    running_ = false;
    return true;
}

void CoachedGame::Finish() {
    if (finished_ || running_) return;
    if (!over_) {
        SetCoach(CoachSide::Home, false);
        SetCoach(CoachSide::Away, false);
        game_->GetSubs();
        while (!over_) {
            StartPeriodIfDue();
            game_->RunPlay();
            if (PeriodOver()) CloseQuarter();
        }
    }
    finished_ = true;
    std::string error;
    try {
        game_->SavePlayerStats();
    } catch (const std::exception& e) {
        error = e.what();
    }
    try {
        game_->OutputPBP();
    } catch (const std::exception& e) {
        if (error.empty()) error = e.what();
    }
    if (!error.empty()) throw std::runtime_error(error);
}

int CoachedGame::Period() const {
    const int q = game_->quarter();
    if (PeriodOver() && q > 1) return q - 1;
    return q;
}

// Periods before quarter() are over; quarter() itself is being played unless the period is over.
int CoachedGame::PeriodScore(CoachSide side, int period) const {
    const bool home = IsHome(side);
    const int q = game_->quarter();
    const bool playing = !PeriodOver();
    auto quarterPoints = [&](int k) {
        return home ? game_->HomeQuarterScore(static_cast<int16_t>(k))
                    : game_->AwayQuarterScore(static_cast<int16_t>(k));
    };
    int earlier = 0;
    for (int k = 1; k < std::min(period, 5) && k < q; ++k)
        earlier += quarterPoints(k);
    const int total = home ? game_->HomeScore() : game_->AwayScore();
    if (period <= 4) {
        if (period < q) return quarterPoints(period);
        return period == q && playing ? total - earlier : -1;
    }
    return q > 5 || (q == 5 && playing) ? total - earlier : -1;
}

std::vector<std::string> CoachedGame::ScoreboardLines() const {
    const League& league = game_->GameLeague();
    std::vector<std::string> lines;
    std::string state = over_ ? "Final" : PeriodText(Period()) + " " + game_->DisplayTime();
    if (!over_ && !(game_->quarter() == 1 && PeriodOver()))
        state += ", " + Name(game_->Possession() == "Home" ? CoachSide::Home : CoachSide::Away) + " ball";
    lines.push_back(Caption() + " - " + state);
    lines.push_back(Padded("Team", 16) + "   1   2   3   4  OT    T  Fouls  TO");
    for (CoachSide side : {CoachSide::Away, CoachSide::Home}) {
        std::string row = Padded(Name(side), 16);
        for (int period = 1; period <= 5; ++period) {
            const int points = PeriodScore(side, period);
            row += Padded(points < 0 ? "" : std::to_string(points), 4, true);
        }
        const bool home = IsHome(side);
        row += Padded(std::to_string(home ? game_->HomeScore() : game_->AwayScore()), 5, true);
        row += Padded(std::to_string(home ? game_->HomeFouls() : game_->AwayFouls()), 7, true);
        row += Padded(std::to_string(home ? game_->HomeTimeOuts() : game_->AwayTimeOuts()), 4, true);
        lines.push_back(row);
    }
    static constexpr const char* kSlot[6] = {"", "C", "PF", "SF", "SG", "PG"};
    for (CoachSide side : {CoachSide::Away, CoachSide::Home}) {
        std::string row = Name(side) + (Coached(side) ? " (coached):" : ":");
        for (int slot = 1; slot <= 5; ++slot) {
            const int16_t id = OnCourt(side, slot);
            if (id == 0) continue;
            const Player& p = league.player(id);
            row += std::string(" ") + kSlot[slot] + " " + p.Name + " " + std::to_string(p.Game.Seconds / 60) +
                   "m " + std::to_string(p.Game.Points) + "p " + std::to_string(p.Game.Fouls) + "f " +
                   std::to_string(p.STAMINA / 10) + "%;";
        }
        row.pop_back();
        lines.push_back(row);
    }
    return lines;
}

} // namespace hv
