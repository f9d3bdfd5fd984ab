// Seeded games of the engine and the invariants every game keeps: the play-by-play's credits agree with the
// box lines, and each period's team fouls equal its personal fouls.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/box_score.h"
#include "support/engine_test_support.h"

namespace hv::test {

struct PlayByPlayFindings {
    std::vector<std::string> faults; // each credit that disagrees with the box, each rule broken
    int jumpBalls = 0;
    int injuries = 0;
};

// The literal pieces of a pattern such as "{A} strips {B} for the steal."; {A}, {B} and {*} capture text.
inline std::vector<std::string> PatternPieces(const std::string& pattern) {
    std::vector<std::string> pieces;
    for (size_t from = 0;;) {
        const size_t open = pattern.find('{', from);
        pieces.push_back(pattern.substr(from, open == std::string::npos ? open : open - from));
        if (open == std::string::npos) return pieces;
        from = open + 3;
    }
}

// True when the line is the pieces with text between them; the texts go to caps.
inline bool Matches(const std::string& line, const std::vector<std::string>& pieces,
                    std::array<std::string, 2>& caps) {
    const std::string &first = pieces.front(), &last = pieces.back();
    if (pieces.size() == 1) return line == first;
    if (line.size() < first.size() + last.size() || line.compare(0, first.size(), first) != 0 ||
        line.compare(line.size() - last.size(), last.size(), last) != 0)
        return false;
    const size_t end = line.size() - last.size();
    size_t at = first.size();
    for (size_t k = 1; k + 1 < pieces.size(); ++k) {
        const size_t found = line.find(pieces[k], at);
        if (found == std::string::npos || found + pieces[k].size() > end) return false;
        caps[k - 1] = line.substr(at, found - at);
        at = found + pieces[k].size();
    }
    caps[pieces.size() - 2] = line.substr(at, end - at);
    return true;
}

class PlayByPlayReader {
  public:
    // everyPassAssists: a basket right after a pass must be an assist (the written rules); otherwise a
    // basket after a pass may go without one, and an assist told must still be the last passer's.
    explicit PlayByPlayReader(const BoxScore& box, bool everyPassAssists = true)
        : box_(box), everyPassAssists_(everyPassAssists) {
        for (int side = 0; side < 2; ++side) {
            const BoxSide& b = side == 0 ? box.Home : box.Away;
            teams_[b.Name] = side;
            for (const BoxPlayerLine& l : b.Players)
                if (l.ID != 0) players_[l.Name] = {l.ID, side};
        }
    }

    PlayByPlayFindings Read(const std::vector<std::string>& lines) {
        std::vector<std::pair<std::vector<std::string>, Act>> rules;
        for (auto& [pattern, act] : Rules())
            rules.emplace_back(PatternPieces(pattern), std::move(act));
        const std::vector<std::string> assist = PatternPieces("{A} gets the assist.");
        for (line_ = 0; line_ < lines.size(); ++line_) {
            std::array<std::string, 2> c;
            if (expectAssist_ && everyPassAssists_ && !Matches(lines[line_], assist, c))
                Fault("a basket after a pass without an assist");
            expectAssist_ = false;
            for (const auto& [pieces, act] : rules)
                if (Matches(lines[line_], pieces, c)) {
                    act(c[0], c[1]);
                    break;
                }
        }
        for (const BoxSide* b : {&box_.Home, &box_.Away})
            for (const BoxPlayerLine& l : b->Players) {
                if (l.ID == 0) continue;
                auto& c = credits_[l.ID];
                const std::pair<const char*, int> box[] = {
                    {"FGA", l.FGA},    {"FG", l.FG},      {"3PA", l.ThreePA},  {"3P", l.ThreeP},
                    {"FTA", l.FTA},    {"FT", l.FT},      {"REB", l.Rebounds}, {"AST", l.Assists},
                    {"STL", l.Steals}, {"BLK", l.Blocks}, {"TO", l.Turnovers}, {"PF", l.Fouls}};
                for (auto [what, value] : box)
                    if (c[what] != value)
                        Fault(l.Name + ": " + what + " told " + std::to_string(c[what]) + ", box " +
                              std::to_string(value));
                if (2 * c["FG"] + c["3P"] + c["FT"] != l.Points)
                    Fault(l.Name + ": the points told differ from the box");
            }
        return findings_;
    }

  private:
    struct Who {
        int16_t id = 0;
        int side = -1;
    };
    using Act = std::function<void(const std::string&, const std::string&)>;

    void Fault(const std::string& what) {
        findings_.faults.push_back("line " + std::to_string(line_) + ": " + what);
    }
    Who Player(const std::string& name) {
        auto it = players_.find(name);
        if (it != players_.end()) return it->second;
        Fault("unknown player \"" + name + "\"");
        return {};
    }
    int Team(const std::string& name) {
        if (teams_.count(name)) return teams_[name];
        Fault("unknown team \"" + name + "\"");
        return -1;
    }
    Who On(bool offence, const std::string& name, const char* what) {
        const Who w = Player(name);
        if ((w.side == offence_) != offence)
            Fault(name + " " + what + (offence ? " without the ball" : " with the ball"));
        return w;
    }
    int& Credit(const Who& w, const char* what) { return credits_[w.id][what]; }
    void Steal(const std::string& stealer, const Who& loser) {
        const Who s = On(false, stealer, "steals");
        ++Credit(s, "STL");
        if (loser.side != offence_) Fault("the ball is taken from a player without it");
        ++Credit(loser, "TO");
        offence_ = s.side;
        passer_ = {};
    }
    void Shot(const std::string& name, bool three) {
        shooter_ = On(true, name, "shoots");
        three_ = three;
    }
    void Attempt(bool made) {
        ++Credit(shooter_, "FGA");
        Credit(shooter_, "3PA") += three_;
        Credit(shooter_, "FG") += made;
        Credit(shooter_, "3P") += made && three_;
        expectAssist_ = made && passer_.id != 0;
        if (!made) passer_ = {};
    }
    void Header(const std::string& team) {
        const int side = Team(team);
        if (side != offence_) passer_ = {}; // the last passer lasts while the side keeps the ball
        offence_ = side;
    }
    void Rebound(const std::string& team, const std::string& name) {
        const Who w = Player(name);
        if (w.side != Team(team)) Fault(name + "'s rebound is told for the other side");
        ++Credit(w, "REB");
        offence_ = w.side;
        passer_ = {};
    }
    void FreeThrow(bool made) {
        ++Credit(freeThrower_, "FTA");
        Credit(freeThrower_, "FT") += made;
    }

    // The lines that credit someone or move the ball, in the order they are tried.
    std::vector<std::pair<std::string, Act>> Rules() {
        auto made = [this](const std::string&, const std::string&) { Attempt(true); };
        auto defends = [this](const std::string& team, const std::string&) {
            if (Team(team) == offence_) Fault("the " + team + " defend while they have the ball");
        };
        auto turnover = [this](const std::string& a, const std::string&) {
            ++Credit(On(true, a, "loses the ball"), "TO");
        };
        auto moves = [this](const std::string& a, const std::string&) {
            handler_ = On(true, a, "moves with the ball");
        };
        auto freeThrows = [this](const std::string& a, const std::string&) {
            freeThrower_ = On(true, a, "shoots free throws"), passer_ = {};
        };
        auto freeThrow = [this](bool good) {
            return [this, good](const std::string&, const std::string&) { FreeThrow(good); };
        };
        auto pass = [this](const std::string& a, const std::string& b) {
            lastPassFrom_ = passer_ = On(true, a, "passes");
            handler_ = On(true, b.substr(0, b.rfind(" (")), "receives a pass");
        };
        return {
            {"It's Good.", made},
            {"Nothing but net.", made},
            {"The ball bounces on the rim and falls in.", made},
            {"The basket is good.", made},
            {"Not good.", [this](auto&, auto&) { Attempt(false); }},
            {"{A} ball:", [this](auto& a, auto&) { Header(a); }},
            {"Quarter Over.", [this](auto&, auto&) { passer_ = {}; }},
            {"Overtime:", [this](auto&, auto&) { passer_ = {}; }},
            {"{A}({B}) wins the Jump ball.",
             [this](auto& a, auto& b) {
                 ++findings_.jumpBalls;
                 Header(a);
                 passer_ = {};
                 if (Player(b).side != offence_) Fault(b + " jumps for the other side");
             }},
            {"{A}({B}) gets the rebound.", [this](auto& a, auto& b) { Rebound(a, b); }},
            {"Team rebound, {A}.",
             [this](auto& a, auto&) {
                 offence_ = Team(a);
                 passer_ = {};
             }},
            {"{A} gets the assist.",
             [this](auto& a, auto&) {
                 const Who w = On(true, a, "assists");
                 if (w.id != passer_.id) Fault("the assist goes to " + a + ", not to the last passer");
                 ++Credit(w, "AST");
             }},
            {"The shot is blocked by {A}.",
             [this](auto& a, auto&) { ++Credit(On(false, a, "blocks"), "BLK"), Attempt(false); }},
            {"He is fouled by {A}.", [this](auto& a, auto&) { ++Credit(On(false, a, "fouls"), "PF"); }},
            {"{A} strips {B} for the steal.", [this](auto& a, auto& b) { Steal(a, Player(b)); }},
            {"The ball is stolen by {A}.", [this](auto& a, auto&) { Steal(a, handler_); }},
            {"{A} attempts to drive but {B} steals the ball.",
             [this](auto& a, auto& b) { Steal(b, Player(a)); }},
            {"However, the ball is stolen by {A}.", [this](auto& a, auto&) { Steal(a, lastPassFrom_); }},
            {"The pass is deflected and stolen by {A}.", [this](auto& a, auto&) { Steal(a, lastPassFrom_); }},
            {"{A} steps in front of {B} and steals the pass.",
             [this](auto& a, auto&) { Steal(a, lastPassFrom_); }},
            {"The {A} attempt to trap him.", defends},
            {"The {A} are in the penalty.", defends},
            {"The {A} put on a full court press.", defends},
            {"The {A} free throw is good.", freeThrow(true)},
            {"The {A} free throw is not good.", freeThrow(false)},
            {"Play is stopped due to an injury to {A}", [this](auto&, auto&) { ++findings_.injuries; }},
            {"{A} attempts a dunk.", [this](auto& a, auto&) { Shot(a, false); }},
            {"{A} attempts a layup.", [this](auto& a, auto&) { Shot(a, false); }},
            {"{A} shoots a three-pointer from {*}", [this](auto& a, auto&) { Shot(a, true); }},
            {"{A} shoots from {*}", [this](auto& a, auto&) { Shot(a, false); }},
            {"{A} passes the ball to {B}", pass},
            {"{A} inbounds the ball to {B}",
             [this](auto& a, auto& b) {
                 On(true, a, "inbounds"), handler_ = On(true, b, "takes an inbound");
             }},
            {"{A} goes to the free throw line for {*}", freeThrows},
            {"{A} will shoot {*}", freeThrows},
            {"{A} is called for traveling.", turnover},
            {"{A} throws the ball into the stands.", turnover},
            {"{A} makes a terrible pass and it sails out of bounds.", turnover},
            {"{A} dribbles {*}",
             [this](auto& a, auto&) { handler_ = On(true, a, "dribbles"), passer_ = {}; }},
            {"{A} drives to {*}", moves},
            {"{A} brings the ball over the timeline.", moves},
            {"{A} attempts to drive to {*}", moves},
            {"{A} attempts to bring the ball up {*}", moves},
            {"{A} is looking to pass but nobody is available.", moves},
        };
    }

    const BoxScore& box_;
    const bool everyPassAssists_;
    std::map<std::string, Who> players_;
    std::map<std::string, int> teams_;
    std::map<int16_t, std::map<std::string, int>> credits_;
    PlayByPlayFindings findings_;
    size_t line_ = 0;
    int offence_ = -1;
    bool three_ = false, expectAssist_ = false;
    Who shooter_, handler_, passer_, lastPassFrom_, freeThrower_;
};

inline PlayByPlayFindings ReadPlayByPlay(const std::vector<std::string>& lines, const BoxScore& box,
                                         bool everyPassAssists = true) {
    return PlayByPlayReader(box, everyPassAssists).Read(lines);
}

inline std::string Joined(const std::vector<std::string>& faults) {
    std::string text;
    for (size_t i = 0; i < faults.size() && i < 8; ++i)
        text += faults[i] + "\n";
    return text;
}

// One seeded game between teams 1 (home) and 2 of an EngineLeague, played by the league's engine as the
// coached-game screen drives it, recording each period's fouls and the rules broken on the way.
class SeededGame {
  public:
    explicit SeededGame(unsigned seed, bool pbp = true, GameEngine engine = GameEngine::AsSpecified)
        : el(seed), game(el.league) {
        el.league.state.Engine = engine;
        game.StartGame(1, 2, pbp, 1, "Regular");
    }

    void Play() {
        game.Loadteams();
        game.ProcessStarters();
        while (game.quarter() <= 4 || game.HomeScore() == game.AwayScore()) {
            if (game.quarter() > 30) return faults.push_back("the game does not end");
            if (game.quarter() >= 5) game.GetSubs();
            CheckCourt();
            std::map<int16_t, std::array<int16_t, 15>> ratings;
            for (int16_t id : Dressed())
                ratings[id] = AdjustedRatings(el.league.player(id));
            const std::array<int, 2> foulsBefore = PersonalFouls();
            game.StartQuarter(game.quarter() <= 4 ? 720 : 300);
            std::string side = game.Possession();
            ++possessionsSeen[side == "Home" ? 0 : 1];
            for (int plays = 0; game.TimeRemaining() > 0 || game.FreeThrowShooter() != 0; ++plays) {
                if (plays > 2000) return faults.push_back("the period does not end");
                game.RunPlay();
                if (game.Possession() != side)
                    ++possessionsSeen[(side = game.Possession()) == "Home" ? 0 : 1];
                // At the period's end the next period's substitutions follow.
                if (game.IsDeadBall() && game.TimeRemaining() > 0) CheckCourt();
            }
            const std::array<int, 2> fouls = PersonalFouls();
            teamFouls.push_back({game.HomeFouls(), game.AwayFouls()});
            personalFouls.push_back({fouls[0] - foulsBefore[0], fouls[1] - foulsBefore[1]});
            game.EndQuarter();
            for (const auto& [id, before] : ratings)
                if (AdjustedRatings(el.league.player(id)) != before)
                    faults.push_back("ratings not given back");
        }
    }

    std::vector<int16_t> Dressed() const {
        std::vector<int16_t> ids;
        for (const auto* roster : {&game.HomeRoster(), &game.AwayRoster()})
            for (int16_t id : *roster)
                if (id != 0) ids.push_back(id);
        return ids;
    }

    EngineLeague el;
    clsGame game;
    std::vector<std::array<int, 2>> teamFouls, personalFouls; // per period, home and away
    std::array<int, 2> possessionsSeen{};
    std::vector<std::string> faults;

  private:
    std::array<int, 2> PersonalFouls() const {
        std::array<int, 2> sum{};
        for (int side = 0; side < 2; ++side)
            for (int16_t id : side == 0 ? game.HomeRoster() : game.AwayRoster())
                if (id != 0) sum[side] += el.league.player(id).Game.Fouls;
        return sum;
    }
    // Five different players a side, none fouled out or hurt, energy within 0 to 1000.
    void CheckCourt() {
        for (int side = 0; side < 2; ++side) {
            std::set<int16_t> seen;
            for (int slot = 1; slot <= 5; ++slot) {
                const int16_t id = side == 0 ? game.HomeOnCourt(slot) : game.AwayOnCourt(slot);
                const Player& p = el.league.player(id);
                if (id == 0 || !seen.insert(id).second) faults.push_back("an empty or doubled court slot");
                if (p.Game.Fouls >= 6 || p.TimeInjured > 0)
                    faults.push_back(p.Name + " plays fouled out or hurt");
            }
        }
        for (int16_t id : Dressed())
            if (el.league.player(id).STAMINA < 0 || el.league.player(id).STAMINA > 1000)
                faults.push_back("energy out of range");
    }
};

// Every invariant of a finished stepwise game.
inline void ExpectGameInvariants(const SeededGame& s) {
    const clsGame& g = s.game;
    EXPECT_TRUE(s.faults.empty()) << Joined(s.faults);
    EXPECT_NE(g.HomeScore(), g.AwayScore());
    const int periods = g.PeriodsPlayed();
    ASSERT_EQ(static_cast<int>(s.teamFouls.size()), periods);
    EXPECT_EQ(s.teamFouls, s.personalFouls) << "team fouls of a period differ from its personal fouls";
    EXPECT_EQ(g.HomePossessions(), s.possessionsSeen[0]);
    EXPECT_EQ(g.AwayPossessions(), s.possessionsSeen[1]);
    const BoxScore box = BuildBoxScore(s.el.league, g.Finished(), 0);
    for (const auto& [side, score] :
         {std::pair{&box.Home, g.HomeScore()}, std::pair{&box.Away, g.AwayScore()}}) {
        int points = 0, played = 0;
        auto sum = [&](int16_t BoxPlayerLine::*column) {
            int32_t total = 0;
            for (const BoxPlayerLine& l : side->Players)
                total += l.*column;
            return total;
        };
        for (const BoxPlayerLine& l : side->Players) {
            EXPECT_TRUE(l.FG <= l.FGA && l.ThreeP <= l.ThreePA && l.FT <= l.FTA && l.ThreeP <= l.FG &&
                        l.ThreePA <= l.FGA && l.Fouls <= 6 && l.Points == 2 * l.FG + l.ThreeP + l.FT)
                << l.Name;
            points += l.Points;
            played += l.Seconds;
        }
        EXPECT_EQ(std::make_tuple(points, side->Score(), played),
                  std::make_tuple(score, score, 5 * (2880 + (periods - 4) * 300)));
        using L = BoxPlayerLine;
        EXPECT_EQ(side->Totals, (BoxTeamTotals{sum(&L::FGA), sum(&L::FG), sum(&L::ThreePA), sum(&L::ThreeP),
                                               sum(&L::FTA), sum(&L::FT), sum(&L::Rebounds), sum(&L::Steals),
                                               sum(&L::Blocks), sum(&L::Turnovers)}));
    }
    if (!g.bPBP()) return;
    const EngineRules& rules = g.Rules();
    const PlayByPlayFindings found =
        ReadPlayByPlay(g.PlayByPlay(), box, rules.AssistChance >= 1 && rules.AssistPassingSlope == 0);
    EXPECT_TRUE(found.faults.empty()) << Joined(found.faults);
    EXPECT_EQ(found.jumpBalls, periods - 3) << "one jump ball opens the game and each overtime";
    EXPECT_EQ(found.injuries, static_cast<int>(s.el.league.dayInjuries.size()));
    for (const DayInjury& d : s.el.league.dayInjuries)
        EXPECT_TRUE(s.el.league.player(d.PlayerID).TimeInjured > 0 && d.Team == (d.PlayerID <= 15 ? 1 : 2));
}

} // namespace hv::test
