// Seeded games of the engine and the invariants every game keeps. The play-by-play is read back line by line
// and every credit it tells (shots, free throws, rebounds, assists, steals, blocks, fouls, turnovers) must
// match that player's box line; who acts must be on the side with the ball, who steals, blocks or fouls on
// the other. Played step by step, each period's team fouls must equal its personal fouls.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/engine_test_support.h"
#include "engine/box_score.h"

namespace hv::test {

// What the play-by-play says one player did.
struct Credits {
    int FGA = 0, FG = 0, ThreePA = 0, ThreeP = 0, FTA = 0, FT = 0, Rebounds = 0, Assists = 0, Steals = 0,
        Blocks = 0, Turnovers = 0, Fouls = 0;
};

struct PlayByPlayFindings {
    std::vector<std::string> faults; // each credit that disagrees with the box, each rule broken
    int jumpBalls = 0;
    int injuries = 0;
};

class PlayByPlayReader {
  public:
    explicit PlayByPlayReader(const BoxScore& box) : box_(box) {
        for (int side = 0; side < 2; ++side) {
            const BoxSide& b = side == 0 ? box.Home : box.Away;
            teamSide_[b.Name] = side;
            for (const BoxPlayerLine& l : b.Players)
                if (l.ID != 0) players_[l.Name] = {l.ID, side};
        }
    }

    PlayByPlayFindings Read(const std::vector<std::string>& lines) {
        for (lineNo_ = 0; lineNo_ < lines.size(); ++lineNo_)
            Take(lines[lineNo_]);
        for (const BoxSide* b : {&box_.Home, &box_.Away})
            for (const BoxPlayerLine& l : b->Players)
                if (l.ID != 0) Compare(l, credits_[l.ID]);
        return findings_;
    }

  private:
    struct Who {
        int16_t id = 0;
        int side = -1;
    };

    static bool Ends(const std::string& l, const std::string& tail, std::string& head) {
        if (l.size() < tail.size() || l.compare(l.size() - tail.size(), tail.size(), tail) != 0) return false;
        head = l.substr(0, l.size() - tail.size());
        return true;
    }
    static bool Starts(const std::string& l, const std::string& lead, std::string& rest) {
        if (l.compare(0, lead.size(), lead) != 0) return false;
        rest = l.substr(lead.size());
        return true;
    }
    // "A<middle>B<tail>" split into A and B.
    static bool Between(const std::string& l, const std::string& middle, const std::string& tail,
                        std::string& a, std::string& b) {
        std::string head;
        if (!Ends(l, tail, head)) return false;
        const size_t at = head.find(middle);
        if (at == std::string::npos) return false;
        a = head.substr(0, at);
        b = head.substr(at + middle.size());
        return true;
    }

    void Fault(const std::string& what) {
        findings_.faults.push_back("line " + std::to_string(lineNo_) + ": " + what);
    }
    Who Player(const std::string& name) {
        auto it = players_.find(name);
        if (it == players_.end()) {
            Fault("unknown player \"" + name + "\"");
            return {};
        }
        return it->second;
    }
    int Team(const std::string& name) {
        auto it = teamSide_.find(name);
        if (it == teamSide_.end()) Fault("unknown team \"" + name + "\"");
        return it == teamSide_.end() ? -1 : it->second;
    }
    Credits& Of(const Who& w) { return credits_[w.id]; }
    Who Offence(const std::string& name, const char* what) {
        Who w = Player(name);
        if (w.side != offence_) Fault(name + " " + what + " without the ball");
        return w;
    }
    Who Defence(const std::string& name, const char* what) {
        Who w = Player(name);
        if (w.side == offence_) Fault(name + " " + what + " while his side has the ball");
        return w;
    }
    void Steal(const std::string& stealer, const Who& loser) {
        Who s = Defence(stealer, "steals");
        ++Of(s).Steals;
        if (loser.side != offence_) Fault("the ball is taken from a player without it");
        ++Of(loser).Turnovers;
        offence_ = s.side;
        passer_ = {};
    }
    void Shot(const std::string& name, bool three) {
        shooter_ = Offence(name, "shoots");
        three_ = three;
    }
    void Attempt(bool made) {
        Credits& c = Of(shooter_);
        ++c.FGA;
        c.ThreePA += three_;
        c.FG += made;
        c.ThreeP += made && three_;
        if (made)
            expectAssist_ = passer_.id != 0;
        else
            passer_ = {};
    }

    void Take(const std::string& l) {
        std::string a, b;
        if (l == "It's Good." || l == "Nothing but net." ||
            l == "The ball bounces on the rim and falls in." || l == "The basket is good.")
            return Attempt(true);
        if (l == "Not good.") return Attempt(false);
        if (expectAssist_ && !Ends(l, " gets the assist.", a))
            Fault("a basket after a pass without an assist");
        expectAssist_ = false;
        if (Ends(l, " ball:", a)) {
            const int side = Team(a);
            if (side != offence_) passer_ = {}; // the last passer lasts while the side keeps the ball
            offence_ = side;
            return;
        }
        if (l == "Quarter Over." || l == "Overtime:") {
            passer_ = {};
            return;
        }
        if (Between(l, "(", ") wins the Jump ball.", a, b)) {
            ++findings_.jumpBalls;
            offence_ = Team(a);
            passer_ = {};
            if (Player(b).side != offence_) Fault(b + " jumps for the other side");
            return;
        }
        if (Between(l, "(", ") gets the rebound.", a, b)) {
            Who w = Player(b);
            if (w.side != Team(a)) Fault(b + "'s rebound is told for the other side");
            ++Of(w).Rebounds;
            offence_ = w.side;
            passer_ = {};
            return;
        }
        if (Ends(l, " gets the assist.", a)) {
            Who w = Offence(a, "assists");
            if (w.id != passer_.id) Fault("the assist goes to " + a + ", not to the last passer");
            ++Of(w).Assists;
            return;
        }
        if (Starts(l, "The shot is blocked by ", a) && Ends(a, ".", b)) {
            ++Of(Defence(b, "blocks")).Blocks;
            return Attempt(false);
        }
        if (Starts(l, "He is fouled by ", a) && Ends(a, ".", b)) {
            ++Of(Defence(b, "fouls")).Fouls;
            return;
        }
        if (Between(l, " strips ", " for the steal.", a, b)) return Steal(a, Player(b));
        if (Starts(l, "The ball is stolen by ", a) && Ends(a, ".", b)) return Steal(b, handler_);
        if (Between(l, " attempts to drive but ", " steals the ball.", a, b)) return Steal(b, Player(a));
        if ((Starts(l, "However, the ball is stolen by ", a) ||
             Starts(l, "The pass is deflected and stolen by ", a)) &&
            Ends(a, ".", b))
            return Steal(b, lastPassFrom_);
        if (Between(l, " steps in front of ", " and steals the pass.", a, b)) return Steal(a, lastPassFrom_);
        if (Starts(l, "The ", a) &&
            (Ends(a, " attempt to trap him.", b) || Ends(a, " are in the penalty.", b) ||
             Ends(a, " put on a full court press.", b))) {
            if (Team(b) == offence_) Fault("the " + b + " defend while they have the ball");
            return;
        }
        if (Starts(l, "The ", a) &&
            (Ends(a, " free throw is good.", b) || Ends(a, " free throw is not good.", b))) {
            const bool made = l.find("is good") != std::string::npos;
            ++Of(freeThrower_).FTA;
            Of(freeThrower_).FT += made;
            return;
        }
        if (Starts(l, "Play is stopped due to an injury to ", a)) {
            ++findings_.injuries;
            return;
        }
        if (Ends(l, " attempts a dunk.", a) || Ends(l, " attempts a layup.", a)) return Shot(a, false);
        if (Between(l, " shoots a three-pointer from ", "", a, b)) return Shot(a, true);
        if (Between(l, " shoots from ", "", a, b)) return Shot(a, false);
        if (Between(l, " passes the ball to ", "", a, b)) {
            lastPassFrom_ = Offence(a, "passes");
            passer_ = lastPassFrom_;
            handler_ = Offence(b.substr(0, b.rfind(" (")), "receives a pass");
            return;
        }
        if (Between(l, " inbounds the ball to ", "", a, b)) {
            Offence(a, "inbounds");
            handler_ = Offence(b, "takes an inbound");
            return;
        }
        if (Between(l, " goes to the free throw line for ", "", a, b) ||
            Between(l, " will shoot ", "", a, b)) {
            freeThrower_ = Offence(a, "shoots free throws");
            passer_ = {};
            return;
        }
        if (Ends(l, " is called for traveling.", a) || Ends(l, " throws the ball into the stands.", a) ||
            Ends(l, " makes a terrible pass and it sails out of bounds.", a)) {
            ++Of(Offence(a, "turns the ball over")).Turnovers;
            return;
        }
        if (Between(l, " dribbles ", "", a, b)) {
            handler_ = Offence(a, "dribbles");
            passer_ = {};
            return;
        }
        for (const char* move : {" drives to ", " brings the ball over", " attempts to drive to ",
                                 " attempts to bring the ball up", " is looking to pass"})
            if (Between(l, move, "", a, b)) {
                handler_ = Offence(a, "moves with the ball");
                return;
            }
    }

    void Compare(const BoxPlayerLine& box, const Credits& c) {
        const std::pair<const char*, std::pair<int, int>> pairs[] = {
            {"FGA", {c.FGA, box.FGA}},
            {"FG", {c.FG, box.FG}},
            {"3PA", {c.ThreePA, box.ThreePA}},
            {"3P", {c.ThreeP, box.ThreeP}},
            {"FTA", {c.FTA, box.FTA}},
            {"FT", {c.FT, box.FT}},
            {"points", {2 * c.FG + c.ThreeP + c.FT, box.Points}},
            {"rebounds", {c.Rebounds, box.Rebounds}},
            {"assists", {c.Assists, box.Assists}},
            {"steals", {c.Steals, box.Steals}},
            {"blocks", {c.Blocks, box.Blocks}},
            {"turnovers", {c.Turnovers, box.Turnovers}},
            {"fouls", {c.Fouls, box.Fouls}}};
        for (const auto& [what, counts] : pairs)
            if (counts.first != counts.second)
                findings_.faults.push_back(box.Name + ": " + what + " told " + std::to_string(counts.first) +
                                           ", box " + std::to_string(counts.second));
    }

    const BoxScore& box_;
    std::map<std::string, Who> players_;
    std::map<std::string, int> teamSide_;
    std::map<int16_t, Credits> credits_;
    PlayByPlayFindings findings_;
    size_t lineNo_ = 0;
    int offence_ = -1;
    bool three_ = false;
    bool expectAssist_ = false;
    Who shooter_, handler_, passer_, lastPassFrom_, freeThrower_;
};

inline PlayByPlayFindings ReadPlayByPlay(const std::vector<std::string>& lines, const BoxScore& box) {
    return PlayByPlayReader(box).Read(lines);
}

inline std::string Joined(const std::vector<std::string>& faults, size_t most = 8) {
    std::string text;
    for (size_t i = 0; i < faults.size() && i < most; ++i)
        text += faults[i] + "\n";
    return text;
}

// One seeded game between teams 1 (home) and 2 of an EngineLeague, played as the coached-game screen
// drives the engine, recording each period's fouls and the rules broken on the way.
class SeededGame {
  public:
    explicit SeededGame(unsigned seed, bool pbp = true) : el(seed), game(el.league) {
        game.StartGame(1, 2, pbp, 1, "Regular");
    }

    void Play() {
        game.Loadteams();
        game.ProcessStarters();
        while (game.quarter() <= 4 || game.HomeScore() == game.AwayScore()) {
            if (game.quarter() > 30) return Fault("the game does not end");
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
                if (plays > 2000) return Fault("the period does not end");
                game.RunPlay();
                if (game.Possession() != side) {
                    side = game.Possession();
                    ++possessionsSeen[side == "Home" ? 0 : 1];
                }
                if (game.IsDeadBall() && game.TimeRemaining() > 0)
                    CheckCourt(); // at the period's end, EndQuarter
                                  // or the next period's GetSubs
            }
            const std::array<int, 2> fouls = PersonalFouls();
            teamFouls.push_back({game.HomeFouls(), game.AwayFouls()});
            personalFouls.push_back({fouls[0] - foulsBefore[0], fouls[1] - foulsBefore[1]});
            game.EndQuarter();
            for (const auto& [id, before] : ratings)
                if (AdjustedRatings(el.league.player(id)) != before)
                    Fault("ratings not given back after a period");
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
    void Fault(const std::string& what) { faults.push_back(what); }
    std::array<int, 2> PersonalFouls() const {
        std::array<int, 2> sum{};
        for (int side = 0; side < 2; ++side)
            for (int16_t id : side == 0 ? game.HomeRoster() : game.AwayRoster())
                if (id != 0) sum[side] += el.league.player(id).Game.Fouls;
        return sum;
    }
    // At every stoppage and period start: five players a side, none twice, fouled out or hurt, energy 0 to
    // 1000.
    void CheckCourt() {
        for (int side = 0; side < 2; ++side) {
            std::set<int16_t> seen;
            for (int slot = 1; slot <= 5; ++slot) {
                const int16_t id = side == 0 ? game.HomeOnCourt(slot) : game.AwayOnCourt(slot);
                const Player& p = el.league.player(id);
                if (id == 0 || !seen.insert(id).second) Fault("an empty or doubled court slot");
                if (p.Game.Fouls >= 6 || p.TimeInjured > 0) Fault(p.Name + " plays fouled out or hurt");
            }
        }
        for (int16_t id : Dressed())
            if (el.league.player(id).STAMINA < 0 || el.league.player(id).STAMINA > 1000)
                Fault("energy out of range");
    }
};

// Every invariant of a finished stepwise game.
inline void ExpectGameInvariants(const SeededGame& s) {
    const clsGame& g = s.game;
    const League& league = s.el.league;
    EXPECT_TRUE(s.faults.empty()) << Joined(s.faults);
    EXPECT_NE(g.HomeScore(), g.AwayScore());
    const int periods = g.PeriodsPlayed();
    ASSERT_EQ(static_cast<int>(s.teamFouls.size()), periods);
    EXPECT_EQ(s.teamFouls, s.personalFouls) << "team fouls of a period differ from its personal fouls";
    EXPECT_EQ(g.HomePossessions(), s.possessionsSeen[0]);
    EXPECT_EQ(g.AwayPossessions(), s.possessionsSeen[1]);

    const FinishedGame f = g.Finished();
    const BoxScore box = BuildBoxScore(league, f, 0);
    const int seconds = 5 * (4 * 720 + (periods - 4) * 300);
    for (const auto& [side, score] :
         {std::pair{&box.Home, g.HomeScore()}, std::pair{&box.Away, g.AwayScore()}}) {
        int points = 0, played = 0;
        BoxTeamTotals sums;
        for (const BoxPlayerLine& l : side->Players) {
            EXPECT_EQ(l.Points, 2 * l.FG + l.ThreeP + l.FT) << l.Name;
            EXPECT_TRUE(l.FG <= l.FGA && l.ThreeP <= l.ThreePA && l.FT <= l.FTA && l.ThreeP <= l.FG &&
                        l.ThreePA <= l.FGA && l.Fouls <= 6)
                << l.Name;
            points += l.Points;
            played += l.Seconds;
            for (auto [total, value] : {std::pair{&sums.FGA, l.FGA},
                                        {&sums.FG, l.FG},
                                        {&sums.ThreePA, l.ThreePA},
                                        {&sums.ThreeP, l.ThreeP},
                                        {&sums.FTA, l.FTA},
                                        {&sums.FT, l.FT},
                                        {&sums.Rebounds, l.Rebounds},
                                        {&sums.Steals, l.Steals},
                                        {&sums.Blocks, l.Blocks},
                                        {&sums.Turnovers, l.Turnovers}})
                *total += value;
        }
        EXPECT_EQ(points, score);
        EXPECT_EQ(side->Score(), score) << "quarters and overtime add up to the score";
        EXPECT_EQ(played, seconds);
        EXPECT_EQ(side->Totals, sums);
    }
    if (!g.bPBP()) return;
    const PlayByPlayFindings found = ReadPlayByPlay(g.PlayByPlay(), box);
    EXPECT_TRUE(found.faults.empty()) << Joined(found.faults);
    EXPECT_EQ(found.jumpBalls, periods - 3) << "one jump ball opens the game and each overtime";
    EXPECT_EQ(found.injuries, static_cast<int>(league.dayInjuries.size()));
}

} // namespace hv::test
