// A game coached by the user: the engine driven step by step, possession by possession, with the coach's
// commands in between. The screen (or a script) sends commands in and reads the scoreboard, the lines and
// the statistics back through Game(); every rule of play stays the engine's.
//
// Life of a session: opened (teams loaded, starters set) -> between possessions (settings, line-ups,
// match-ups, key players, timeouts) -> simulating (Sim: one possession, to the end of the period or of the
// game) -> ... -> over (EndGame done) -> finished (Finish: the play-by-play file and the statistics, once).
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/game.h"
#include "platform/host.h"

namespace hv {

enum class CoachSide { Home, Away };

// How far one simulation command plays.
enum class CoachSim { Possession, Quarter, Game };

class CoachedGame {
  public:
    // Opens the game: StartGame with play-by-play on, CoachGame, Loadteams and the starters; a side whose
    // team has CoachTeam set starts with its coach switch on.
    CoachedGame(League& league, int home, int away, int gameNumber, const std::string& type,
                bool neutralCourt = false);
    CoachedGame(const CoachedGame&) = delete;
    CoachedGame& operator=(const CoachedGame&) = delete;

    const clsGame& Game() const { return *game_; }
    League& GameLeague() const { return game_->GameLeague(); }
    // "AWAY @ HOME", the caption of the screen.
    std::string Caption() const;
    // "NAME Settings", the heading of a side's settings.
    std::string SettingsHeading(CoachSide side) const;
    const std::string& Name(CoachSide side) const;
    int TeamID(CoachSide side) const;

    // ---- Commands between possessions ----
    void SetCoach(CoachSide side, bool coach);
    bool Coached(CoachSide side) const;
    // List positions of CoachingSettingValues: pace 0..4 (x 25), trap and press 0..3 (x 25), offense 0..2
    // (x 50).
    void SetPace(CoachSide side, int listPosition);
    void SetTrap(CoachSide side, int listPosition);
    void SetPress(CoachSide side, int listPosition);
    void SetOffense(CoachSide side, int listPosition);
    int Pace(CoachSide side) const; // the engine's values 0..100
    int Trap(CoachSide side) const;
    int Press(CoachSide side) const;
    int Offense(CoachSide side) const;
    // The defender at court slot `slot` guards the opposing slot listPosition + 1 (the other defender swaps).
    void SetMatchUp(CoachSide side, int slot, int listPosition);
    // Opposing court slot 1..5 that the defender at `slot` guards.
    int MatchUp(CoachSide side, int slot) const;
    // Puts a player at court slot 1..5; checked only when play goes on.
    void SetLineUp(CoachSide side, int slot, int16_t player);
    int16_t OnCourt(CoachSide side, int slot) const;
    void SetKeyPlayer(CoachSide side, int number, int16_t player);
    int16_t KeyPlayer(CoachSide side, int number) const;
    // The side's dressed players in depth order: the choices of the line-up and key-player lists.
    std::vector<int16_t> Dressed(CoachSide side) const;
    // A timeout between possessions; false (and nothing happens) when the side has none left or the game is
    // over.
    bool TimeOut(CoachSide side);

    // ---- Simulation ----
    // The first line-up fault of the coached sides (home first, each in slot order), as the message's text
    // (title "Roster Error"); nothing when both line-ups may play.
    std::optional<std::string> LineupFault() const;
    // Plays one possession, the rest of the period or the rest of the game. A line-up fault is shown
    // through the host (title "Roster Error") and cancels the command before anything is played, or ends it
    // after the possession that caused it. `afterPossession`, when given, is called after every possession
    // (the screen refreshes itself and pumps events there); returning false stops the command there. False
    // when nothing was played.
    bool Sim(CoachSim span, Host& host, const std::function<bool()>& afterPossession = {});
    bool Running() const { return running_; }
    // The game is decided (EndGame done): only exit remains.
    bool Over() const { return over_; }

    // ---- Exit ----
    // Completes an unfinished game by the engine (both coach switches off), then writes the play-by-play
    // file and adds the statistics to the league, once however often it is called. Throws
    // std::runtime_error when a file cannot be written; the statistics are then already in the league.
    void Finish();
    bool Finished() const { return finished_; }

    // Told every play-by-play line as the engine adds it.
    std::function<void(const std::string& line)> onLine;

    // Points of a side in period 1..4, or 5 for all overtime periods together, including the period being
    // played; -1 for a period not yet begun.
    int PeriodScore(CoachSide side, int period) const;
    // The period being played or just ended: 1..4, 5 and more for overtime.
    int Period() const;

    // The scoreboard as text lines (the command line prints it after every command).
    std::vector<std::string> ScoreboardLines() const;

  private:
    void StartPeriodIfDue();
    bool PeriodOver() const;
    void CloseQuarter();

    std::unique_ptr<clsGame> game_;
    bool running_ = false;
    bool over_ = false;
    bool finished_ = false;
};

} // namespace hv
