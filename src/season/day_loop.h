// The regular season's day loop: one day of games (each game after its rosters are checked), then the
// end-of-day step that moves the league to the next day with its standings, injuries, pickups and the steps
// of particular days.
//
// The stop request is the host's: a Stop command, a human team's roster error, a No to an injury question,
// or the All-Star pause set it, and every loop tests it before its next day.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "league/league.h"
#include "platform/background_writer.h"
#include "platform/host.h"
#include "season/checkpoint.h"

namespace hv {

// Run-time control of one simulation run; never stored. The league's own options say whether injuries are
// shown (SeasonState::ScreenInjuries) and whether the day's page is written (SeasonState::SiteDuringSim).
struct SimRun {
    // The single-day command: on day 60 the loop stops for the All-Star weekend instead of playing it.
    bool allStarPause = false;
    // Seasons simulated unattended: no result lines, and no game is coached.
    bool unattended = false;
    // The games of teams the user coaches: handed to the coached-game screen, simulated, or (a run of more
    // than one day) a question at the first such game whose answer holds for the rest of the run.
    enum class Coaching { Coach, Simulate, Ask };
    Coaching coaching = Coaching::Coach;
    // Told when a day's games begin (before the first of them), with the day.
    std::function<void(int day)> onDayStart;
    // Told each game's result line ("Hawks 101, @Bulls 99") as it is played, with the game's key (day x 100 +
    // game), and "No games today." with key 0 for a playoff day without games.
    std::function<void(const std::string& line, int gameKey)> onResult;
    // A run of more than a week of days saves through this after every week (none: nothing is saved on the
    // way), and tells onSaved the line "Saved: Season 2005 - Day 8".
    SaveCheckpoint checkpoint;
    std::function<void(const std::string& line)> onSaved;
    // The files of the run's games (box scores and play-by-play), written while the next games are played;
    // the end of each day, and of each game played on its own, waits for them (GameFilesWritten).
    std::unique_ptr<BackgroundWriter> gameFiles = std::make_unique<BackgroundWriter>();
};

enum class DayResult {
    Completed, // the days were played (or the stop request was already set)
    Stopped,   // a roster error or the All-Star pause stopped the loop
};

// Plays every unplayed game of the days from SeasonDay to `day` (at most day 120), each day followed by its
// end-of-day step, while the stop request is clear. On day 60 the All-Star pause stops the loop; without it
// the All-Star weekend is played and the loop goes on from day 61 without playing any game on day 60.
DayResult SimDay(League& league, Host& host, SimRun& run, int day);

// Plays game `game` of `day`, which must be the current day: both rosters are checked (a human team's error
// stops with its message, a computer team is repaired), then the game is played by the engine (or coached)
// and its result line told. True when the game was played (or had been already).
bool PlayScheduledGame(League& league, Host& host, SimRun& run, int day, int game);

// Waits until the files of the run's games so far are written. A file that could not be written
// stops the run with its message (the games themselves are complete in the league); false then.
bool GameFilesWritten(Host& host, SimRun& run);

// True when every game of day SeasonDay has been played.
bool AllGamesPlayed(const League& league);

// The end of a regular-season day: the daily page when the site is kept during simulation, then SeasonDay + 1
// and, with the new day d, in order: computer trades and the ranking pass on every 7th day below 100; the
// ranking pass on days 30 and 80; on day 60 the ranking pass and the weekly and monthly awards; computer
// trades on day 100; on day 121 the final standings archived, the ranking pass, the performance ratings, the
// season awards, the contract values and the standings; every day the winning percentages and the injury
// reports; the player of the week when d - 1 is a multiple of 5, of the month and the rookie of the month
// when it is a multiple of 20; healing; the computer teams' free-agent pickups.
void EndOfDay(League& league, Host& host);

// The game-playing part shared by the regular season and the playoffs: the checks, then the engine with game
// type `type` ("Regular" or "Playoff"). True when the game was played.
bool PlayGameOfDay(League& league, Host& host, SimRun& run, int day, int game, const char* type);

} // namespace hv
