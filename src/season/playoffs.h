// The playoffs: the eight best teams of each conference in four stages of best-of-seven series (series 1-8,
// 9-12, 13-14, then the finals, 15), on a fixed calendar of days 122 to 166 with rest days. Each day's games
// are written into the schedule just before the day, only for the series still open.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "league/league.h"
#include "platform/host.h"
#include "season/day_loop.h"

namespace hv {

constexpr int kPlayoffSeeds = 8;  // teams of each conference
constexpr int kWinsToAdvance = 4; // best of seven
constexpr int kFirstPlayoffGameDay = 122;
constexpr int kPlayoffsOver = 168; // the playoffs' commands play days while SeasonDay is below this

// The four stages: their series and the day after their last game day, when the next stage is drawn.
struct PlayoffStage {
    int firstSeries, lastSeries;
    int endDay;
};
inline constexpr std::array<PlayoffStage, 4> kPlayoffStages{
    {{1, 8, 132}, {9, 12, 144}, {13, 14, 156}, {15, 15, 166}}};

// The stage (1 to 4) whose games day `day` may hold, and which side is at home that day: 'A' or 'B'. A rest
// day, a stage's end day or a day outside the calendar gives stage 0.
struct PlayoffDay {
    int stage = 0;
    char home = 0;
};
PlayoffDay PlayoffCalendar(int day);

// The conference's eight teams by seed (index 1 to 8; 0 where the conference has too few teams), from the
// ranks of the last standings computation: the first eight by ConfRank, then the division rule: seeds 1 and
// 2 always come from different divisions.
std::array<int, kPlayoffSeeds + 1> PlayoffSeeds(const League& league, const std::string& conference);

// From day 121: computes the standings, seeds both conferences, fills the first stage ((1 v 8), (4 v 5),
// (2 v 7), (3 v 6) in each conference, the better seed at home) and clears the later series, schedules day
// 122 and stands on it, writes the bracket numbers, counts the playoff appearance of the 16 teams, and lets
// the computer teams prepare their playoff rosters. Refused with a message outside day 121 or when a
// conference has fewer than eight teams.
bool BeginPlayoffs(League& league, Host& host);

// The series that BeginPlayoffs would draw for a league standing on day 121, shown without beginning the
// playoffs: they are drawn on a copy of the league (its random numbers included, so the draw is the one the
// playoffs will begin with), which is returned. Null when they cannot be drawn (the message has been shown).
std::unique_ptr<League> PlayoffsDrawnOnCopy(const League& league, Host& host);

// A first-stage team's seed (1 to 8) in its conference, from its bracket number; 0 for a team outside the
// playoffs.
int PlayoffSeedOf(const Team& team);

// Writes the games of day SeasonDay + 1: one per open series of its stage, at team A's home on an A day and
// at team B's home on a B day. On a stage's end day the next stage is drawn (AdvanceStage) instead.
void SchedulePlayoffDay(League& league, Host& host);

// Plays game `game` of the current playoff day as the regular season plays its games (game type "Playoff"),
// then counts the win in its series; a side with four wins ends the series.
bool PlayPlayoffGame(League& league, Host& host, SimRun& run, int day, int game);

// Plays the playoff days from SeasonDay to `day` (at most 167) while the stop request is clear, each followed
// by EndPlayoffDay; "No games today." is told for a day without games.
DayResult SimPlayoffDay(League& league, Host& host, SimRun& run, int day);

// The end of a playoff day: the daily page when the site is kept during simulation, the next day's games
// while SeasonDay is below 166, SeasonDay + 1 (at most 169), the day's injury reports and a day of healing.
void EndPlayoffDay(League& league, Host& host);

// Draws the next stage when run on day 131, 143 or 155: the winners of neighbouring series meet, the one with
// more regular-season wins at home (the winner of the lower-numbered series on equal wins). On day 165 the
// winner of the finals is the champion: his Championships, both finalists' FinalsAppearances and his players'
// Championships go up, the final is archived for the season and the Playoff MVP is named.
void AdvanceStage(League& league, Host& host);

// The champion's player with the highest sum of game performance ratings over his playoff games (day 122
// on) gets 500 career points, the "PlayoffMVP" award and "Playoff MVP" in his award list. Returns his ID,
// 0 when there is none.
int NamePlayoffMVP(League& league, Host& host);

// The winner of series `series` (the side with four wins; the side with more wins, team A when level, for
// a series cut short), 0 when it has no teams.
int SeriesWinner(const PlayoffSeries& series);

// The champion once the finals are over, else 0.
int PlayoffChampion(const League& league);

} // namespace hv
