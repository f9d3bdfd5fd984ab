#include "season/all_star.h"

#include <algorithm>
#include <functional>
#include <stdexcept>

#include "engine/game.h"
#include "league/lineup.h"
#include "league/status_line.h"
#include "season/awards.h"
#include "season/season_hooks.h"

namespace hv {

namespace {

constexpr int kContestEntrantBonus = 250;
constexpr const char* kWeekendTitle = "All-Star Weekend";

Squad PickSquad(const League& league, const std::string& name,
                const std::function<bool(const Player&)>& belongs) {
    std::vector<int> pool;
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = league.player(id);
        if (belongs(p)) pool.push_back(id);
    }
    std::stable_sort(pool.begin(), pool.end(), [&](int a, int b) {
        return AllStarMerit(league.player(a)) > AllStarMerit(league.player(b));
    });

    std::vector<bool> taken(pool.size(), false);
    std::array<std::vector<int>, 6> byPosition; // players picked for positions 1 to 5
    auto pick = [&](int position, const std::function<bool(const Player&)>& fits) {
        for (size_t i = 0; i < pool.size(); ++i)
            if (!taken[i] && fits(league.player(pool[i]))) {
                taken[i] = true;
                byPosition[static_cast<size_t>(position)].push_back(pool[i]);
                return;
            }
    };
    for (int position = 1; position <= 5; ++position)
        for (int k = 0; k < kPlayersPerPosition; ++k)
            pick(position, [position](const Player& p) { return p.PositionNumber == position; });
    // A position short of players takes the best left at any other.
    for (int position = 1; position <= 5; ++position)
        while (byPosition[static_cast<size_t>(position)].size() < kPlayersPerPosition &&
               std::find(taken.begin(), taken.end(), false) != taken.end())
            pick(position, [](const Player&) { return true; });

    Squad squad{name, {}};
    for (int position = 1; position <= 5; ++position) {
        const auto& picked = byPosition[static_cast<size_t>(position)];
        for (size_t k = 0; k < picked.size(); ++k)
            squad.Members.push_back(
                {static_cast<int16_t>(picked[k]), name + PositionText(position) + std::to_string(k + 1)});
    }
    return squad;
}

} // namespace

double AllStarMerit(const Player& p) {
    return double(p.SeasonRating) / std::max<int>(p.SeasonStats.Games, kAllStarGamesFloor);
}

std::array<Squad, 2> ChooseAllStarSquads(const League& league) {
    auto conference = [&](const char* name) {
        return [&league, name](const Player& p) {
            return FitForAllStarWeekend(league, p) && league.team(league.FindTeam(p.Team)).Conference == name;
        };
    };
    return {PickSquad(league, "West", conference("West")), PickSquad(league, "East", conference("East"))};
}

std::array<Squad, 2> ChooseRookieSquads(const League& league) {
    // The engine dresses injured players in this game, so an injury keeps no one out of it.
    auto inYear = [&league](int experience) {
        return [&league, experience](const Player& p) {
            return MayPlayInAllStarWeekend(league, p) && p.Experience == experience;
        };
    };
    return {PickSquad(league, "Rookies", inYear(0)), PickSquad(league, "Sophomores", inYear(1))};
}

void SetUpSquad(League& league, int slot, const Squad& squad) {
    Team& t = league.team(slot);
    t = Team{};
    t.City = squad.Name;
    t.Name = squad.Name;
    for (const SquadMember& m : squad.Members) {
        const Player& p = league.player(m.PlayerID);
        t.SquadPlayers.push_back(m.PlayerID);
        ++t.NumPlayers;
        ++t.ActivePlayers;
        if (p.PositionNumber >= 1 && p.PositionNumber <= 5) ++t.PositionCount(p.PositionNumber);
    }
    SetLineup(league, slot);
}

AllStarWeekend::AllStarWeekend(League& league, Host& host) : league_(league), host_(host) {
    if (league.state.SeasonDay == Phase::AllStarDay) Prepare();
}

void AllStarWeekend::Prepare() {
    RatePlayers(league_);
    rookieSquads_ = ChooseRookieSquads(league_);
    allStarSquads_ = ChooseAllStarSquads(league_);
    shootout_ = ChooseShootoutEntrants(league_);
    dunkContest_ = ChooseDunkContestEntrants(league_);
    ready_ = true;
}

bool AllStarWeekend::RunNextStep() {
    if (next_ == WeekendStep::Done) {
        host_.ShowMessage("The All-Star weekend is over.", kWeekendTitle, MessageIcon::Warning);
        return false;
    }
    if (!CheckAllStarDay(league_, host_)) return false;
    if (!ready_) Prepare();
    switch (next_) {
    case WeekendStep::RookieGame:
        PlayGame(rookieSquads_, 1, GameType::Rookie, "Rookie Game", "All-Star Rookie Game Participant",
                 "RookieMVP", rookieGame_);
        next_ = WeekendStep::Shootout;
        break;
    case WeekendStep::Shootout:
        RunContest(shootout_, "ShootoutWinner", ShootoutRound);
        next_ = WeekendStep::DunkContest;
        break;
    case WeekendStep::DunkContest:
        RunContest(dunkContest_, "DunkWinner", DunkRound);
        next_ = WeekendStep::AllStarGame;
        break;
    case WeekendStep::AllStarGame:
        PlayGame(allStarSquads_, 2, GameType::AllStar, "All-Star Game", "All-Star Game Participant",
                 "AllStarMVP", allStarGame_);
        if (league_.state.SiteDuringSim) WriteDailyPage(league_, host_);
        league_.state.SeasonDay = Phase::AllStarDay + 1;
        log_.push_back("The league moves on to day 61.");
        next_ = WeekendStep::Done;
        break;
    case WeekendStep::Done:
        break;
    }
    return true;
}

bool AllStarWeekend::RunRest() {
    do {
        if (!RunNextStep()) return false;
    } while (next_ != WeekendStep::Done);
    return true;
}

std::string AllStarWeekend::Describe(int16_t id) const {
    const Player& p = league_.player(id);
    return p.Name + " (" + p.Team + ")";
}

void AllStarWeekend::PlayGame(const std::array<Squad, 2>& squads, int16_t gameNumber, const char* type,
                              const char* title, const char* participant, const char* mvpCode,
                              WeekendGame& result) {
    for (const Squad& s : squads)
        if (s.Members.size() < kSquadMinimum) {
            log_.push_back(std::string("The ") + title + " is not played: the " + s.Name +
                           " have too few players.");
            return;
        }
    for (const Squad& s : squads)
        for (const SquadMember& m : s.Members)
            AddPlayerAward(league_, m.PlayerID, participant);
    SetUpSquad(league_, kSquadHomeSlot, squads[0]);
    SetUpSquad(league_, kSquadAwaySlot, squads[1]);
    {
        clsGame game(league_);
        game.StartGame(kSquadHomeSlot, kSquadAwaySlot, true, gameNumber, type);
        // A box or play-by-play file that cannot be written leaves the game and its statistics complete.
        try {
            game.SimGame();
            game.OutputPBP();
        } catch (const std::exception& e) {
            host_.ShowMessage(e.what(), "Error", MessageIcon::Warning);
        }
        result.Played = true;
        result.Result = game.Summary().ResultText;
        result.MVP = game.PlayerOfTheGame();
    }
    league_.team(kSquadHomeSlot) = Team{};
    league_.team(kSquadAwaySlot) = Team{};
    GiveAward(league_, result.MVP, mvpCode);
    log_.push_back(std::string(title) + ": " + result.Result);
    if (result.MVP != 0) log_.push_back(std::string(title) + " MVP: " + Describe(result.MVP));
}

void AllStarWeekend::RunContest(Contest& contest, const char* code, double (*round)(const Player&, Random&)) {
    if (!HoldContest(contest, [&](int16_t id) { return round(league_.player(id), league_.rng); })) {
        log_.push_back("The " + contest.Title + " is not held: too few players may take part.");
        return;
    }
    for (const ContestEntrant& e : contest.Entrants)
        league_.player(e.PlayerID).CAREERPOINTS += kContestEntrantBonus;
    GiveAward(league_, contest.Winner, code);
    const auto winner = std::find_if(contest.Entrants.begin(), contest.Entrants.end(),
                                     [&](const ContestEntrant& e) { return e.PlayerID == contest.Winner; });
    log_.push_back(FindAward(code)->text + std::string(": ") + Describe(contest.Winner) + ", " +
                   std::to_string(static_cast<int>(winner->Score)) + " points in the final round");
}

bool CheckAllStarDay(const League& league, Host& host) {
    if (league.state.SeasonDay == Phase::AllStarDay) return true;
    host.ShowMessage("The All-Star weekend is held on day 60 of the regular season; the league is at " +
                         StatusLine(league.state) + ".",
                     kWeekendTitle, MessageIcon::Warning);
    return false;
}

bool RunAllStarWeekend(League& league, Host& host) {
    AllStarWeekend weekend(league, host);
    return weekend.RunRest();
}

const char* WeekendStepCaption(WeekendStep step) {
    switch (step) {
    case WeekendStep::RookieGame:
        return "Play the Rookie Game";
    case WeekendStep::Shootout:
        return "Hold the 3-Point Shootout";
    case WeekendStep::DunkContest:
        return "Hold the Slam-Dunk Contest";
    case WeekendStep::AllStarGame:
        return "Play the All-Star Game";
    case WeekendStep::Done:
        break;
    }
    return "";
}

} // namespace hv
