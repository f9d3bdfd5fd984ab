// The All-Star weekend on day 60: the rookie game (Rookies against Sophomores), the 3-Point Shootout, the
// Slam-Dunk Contest and the All-Star Game (West against East), then the league moves on to day 61. The
// weekend runs at once from the day loop, or step by step from the All-Star screen.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "league/league.h"
#include "platform/host.h"
#include "season/all_star_contests.h"

namespace hv {

// The team slots that hold the two squads of a weekend game: home and away.
constexpr int kSquadHomeSlot = 30;
constexpr int kSquadAwaySlot = 31;
constexpr int kPlayersPerPosition = 2;
constexpr int kAllStarGamesFloor = 30;
// A squad needs this many players to play (a line-up needs seven).
constexpr int kSquadMinimum = 7;

struct SquadMember {
    int16_t PlayerID = 0;
    std::string Label; // squad, position and number: "WestC1", "SophomoresPG2"
};

struct Squad {
    std::string Name; // "West", "East", "Rookies", "Sophomores"
    std::vector<SquadMember> Members;
};

// The All-Star measure: the season performance rating over his games, counting at least 30 games.
double AllStarMerit(const Player& p);

// Two squads of two players a position, the best by AllStarMerit (home side first): West and East by their
// team's conference, among players fit for the weekend; Rookies (Experience 0) and Sophomores
// (Experience 1), injured or not. A position short of players is made up from the best left at other
// positions. Uses the players' SeasonRating (RatePlayers first).
std::array<Squad, 2> ChooseAllStarSquads(const League& league);
std::array<Squad, 2> ChooseRookieSquads(const League& league);

// Puts a squad into team slot 30 or 31: its players (who stay on their own teams) and a line-up.
void SetUpSquad(League& league, int slot, const Squad& squad);

struct WeekendGame {
    bool Played = false;
    std::string Result; // "Sophomores 120, @Rookies 110"
    int16_t MVP = 0;
};

enum class WeekendStep { RookieGame, Shootout, DunkContest, AllStarGame, Done };

class AllStarWeekend {
  public:
    // Rates the players and chooses the squads and the contests' entrants when the league is on day 60.
    AllStarWeekend(League& league, Host& host);

    // The league is on day 60 and the weekend is not over.
    bool Ready() const { return ready_ && next_ != WeekendStep::Done; }
    WeekendStep Next() const { return next_; }
    bool Started() const { return next_ != WeekendStep::RookieGame; }

    // Runs the next step; the last one moves the league to day 61. False, with a message, when the league
    // is not on day 60 (or the weekend is over).
    bool RunNextStep();
    // Runs every step left.
    bool RunRest();

    const std::array<Squad, 2>& RookieSquads() const { return rookieSquads_; }
    const std::array<Squad, 2>& AllStarSquads() const { return allStarSquads_; }
    const Contest& Shootout() const { return shootout_; }
    const Contest& DunkContest() const { return dunkContest_; }
    const WeekendGame& RookieGame() const { return rookieGame_; }
    const WeekendGame& AllStarGame() const { return allStarGame_; }
    // One line per result, in order.
    const std::vector<std::string>& Log() const { return log_; }

  private:
    void Prepare();
    void PlayGame(const std::array<Squad, 2>& squads, int16_t gameNumber, const char* type, const char* title,
                  const char* participant, const char* mvpCode, WeekendGame& result);
    void RunContest(Contest& contest, const char* code, double (*round)(const Player&, Random&));
    std::string Describe(int16_t id) const;

    League& league_;
    Host& host_;
    bool ready_ = false;
    WeekendStep next_ = WeekendStep::RookieGame;
    std::array<Squad, 2> rookieSquads_, allStarSquads_;
    Contest shootout_, dunkContest_;
    WeekendGame rookieGame_, allStarGame_;
    std::vector<std::string> log_;
};

// True on day 60; otherwise shows "The All-Star weekend is held on day 60 of the regular season; the league
// is at ..." (title "All-Star Weekend") and returns false.
bool CheckAllStarDay(const League& league, Host& host);

// The whole weekend at once (the day loop on day 60); false when the league is not on day 60.
bool RunAllStarWeekend(League& league, Host& host);

// "Play the Rookie Game", "Hold the 3-Point Shootout", ...; "" for Done.
const char* WeekendStepCaption(WeekendStep step);

} // namespace hv
