#include "engine/game_stats.h"

#include <string>

namespace hv {

double PlayerOfGameScore(const PlayerGameState& g) {
    return g.Points + g.Rebounds + 1.75 * g.Assists + 2.0 * g.Steals + 1.5 * g.Blocks + 0.2 * g.FTA -
           ((g.FTA - g.FT) + (g.FGA - g.FG) + 2.0 * g.Turnovers + 0.2 * g.Fouls);
}

int16_t ChoosePlayerOfGame(const League& league, const FinishedGame& game, double* score) {
    int16_t best = 0;
    double bestScore = 0;
    auto consider = [&](const GameSide& side) {
        for (int16_t id : side.Roster) {
            if (id == 0) continue;
            const PlayerGameState& g = league.player(id).Game;
            if (g.Seconds < 1) continue;
            double s = PlayerOfGameScore(g);
            if (best == 0 || s > bestScore) {
                best = id;
                bestScore = s;
            }
        }
    };
    // Only the winners' players count in the All-Star Game.
    if (game.Type == GameType::AllStar) {
        consider(game.Winner());
    } else {
        consider(game.Home);
        consider(game.Away);
    }
    if (score) *score = bestScore;
    return best;
}

SideLeaders FindLeaders(const League& league, const GameSide& side) {
    SideLeaders leaders;
    auto keepBest = [&](int16_t& leader, int16_t id, int16_t PlayerGameState::*stat) {
        if (leader == 0 || league.player(id).Game.*stat > league.player(leader).Game.*stat) leader = id;
    };
    for (int16_t id : side.Roster) {
        if (id == 0 || league.player(id).Game.Seconds < 1) continue;
        keepBest(leaders.Points, id, &PlayerGameState::Points);
        keepBest(leaders.Rebounds, id, &PlayerGameState::Rebounds);
        keepBest(leaders.Assists, id, &PlayerGameState::Assists);
    }
    return leaders;
}

std::string FinalScoreText(const FinishedGame& game) {
    const GameSide& w = game.Winner();
    const GameSide& l = game.Loser();
    return w.Name + " " + std::to_string(w.Score) + ", " + l.Name + " " + std::to_string(l.Score);
}

std::string ResultText(const FinishedGame& game) {
    auto named = [&](const GameSide& side) {
        bool home = &side == &game.Home;
        return (home && !game.NeutralCourt ? "@" : "") + side.Name + " " + std::to_string(side.Score);
    };
    return named(game.Winner()) + ", " + named(game.Loser());
}

TeamGameLine SumTeamLine(const League& league, const GameSide& side) {
    TeamGameLine t;
    for (int16_t id : side.Roster) {
        if (id == 0) continue;
        const PlayerGameState& g = league.player(id).Game;
        t.Points += g.Points;
        t.FG += g.FG;
        t.FGA += g.FGA;
        t.ThreeP += g.ThreeP;
        t.ThreePA += g.ThreePA;
        t.FT += g.FT;
        t.FTA += g.FTA;
        t.Rebounds += g.Rebounds;
        t.Assists += g.Assists;
        t.Steals += g.Steals;
        t.Blocks += g.Blocks;
        t.Turnovers += g.Turnovers;
        t.Fouls += g.Fouls;
    }
    return t;
}

int DoubleFigureCategories(const PlayerGameState& g) {
    int count = 0;
    for (int16_t value : {g.Rebounds, g.Assists, g.Steals, g.Blocks, g.Points})
        if (value >= 10) ++count;
    return count;
}

GameSummary SummarizeGame(const League& league, const FinishedGame& game) {
    GameSummary s;
    s.PlayerOfGame = ChoosePlayerOfGame(league, game, &s.PlayerOfGameScore);
    s.HomeLeaders = FindLeaders(league, game.Home);
    s.AwayLeaders = FindLeaders(league, game.Away);
    s.HomeLine = SumTeamLine(league, game.Home);
    s.AwayLine = SumTeamLine(league, game.Away);
    s.FinalLine = FinalScoreText(game);
    s.ResultText = ResultText(game);
    return s;
}

} // namespace hv
