#include "engine/game_stats_save.h"

#include <cmath>

#include "league/record_updates.h"

namespace hv {

namespace {

void Add(int16_t& total, int value) {
    total = static_cast<int16_t>(total + value);
}

void RaiseHigh(int16_t& high, int16_t value) {
    if (value > high) high = value;
}

bool IsLeagueTeam(int id) {
    return id >= 1 && id <= kLeagueTeams;
}

// Minutes of a game line: the seconds to the nearest minute, so that a season of minutes fits its field.
int16_t MinutesOf(const PlayerGameState& g) {
    return static_cast<int16_t>(NearestInt(g.Seconds / 60.0));
}

template <class Totals> void AddGameLine(Totals& t, const PlayerGameState& g, int16_t minutes) {
    Add(t.Games, 1);
    Add(t.Minutes, minutes);
    Add(t.FG, g.FG);
    Add(t.FGA, g.FGA);
    Add(t.FT, g.FT);
    Add(t.FTA, g.FTA);
    Add(t.ThreeP, g.ThreeP);
    Add(t.ThreePA, g.ThreePA);
    Add(t.Rebounds, g.Rebounds);
    Add(t.Assists, g.Assists);
    Add(t.Steals, g.Steals);
    Add(t.Blocks, g.Blocks);
    Add(t.Turnovers, g.Turnovers);
    Add(t.Points, g.Points);
    Add(t.Fouls, g.Fouls);
    Add(t.Spare, g.Dunks); // the blocks' spare value holds the dunks
    if (g.Fouls >= 6) Add(t.DQ, 1);
}

void AddTeamTotals(Team& t, const TeamGameLine& own, const TeamGameLine& opp, int ownScore, int oppScore) {
    t.Points += ownScore;
    t.PointsAllowed += oppScore;
    t.Steals += own.Steals;
    t.Assists += own.Assists;
    t.Rebounds += own.Rebounds;
    t.Blocks += own.Blocks;
    t.Turnovers += own.Turnovers;
    t.FG += own.FG;
    t.FGA += own.FGA;
    t.FT += own.FT;
    t.FTA += own.FTA;
    t.ThreeP += own.ThreeP;
    t.ThreePA += own.ThreePA;
    t.FGAallowed += opp.FGA;
    t.FGallowed += opp.FG;
    t.FTallowed += opp.FT;
    t.FTAallowed += opp.FTA;
    t.ThreePallowed += opp.ThreeP;
    t.ThreePAallowed += opp.ThreePA;
    t.StealsAllowed += opp.Steals;
    t.AssistsAllowed += opp.Assists;
    t.ReboundsAllowed += opp.Rebounds;
    t.BlocksAllowed += opp.Blocks;
    t.TurnoversAllowed += opp.Turnovers;
}

// Team game records: points, points allowed (fewest), three-pointers, steals, blocks, assists, rebounds,
// turnovers. An entry of season 0 is still empty; an equal value keeps the older record.
void UpdateTeamGameRecords(Team& t, const TeamGameLine& own, int ownScore, int oppScore, int16_t season) {
    const int values[8] = {ownScore,   oppScore,    own.ThreeP,   own.Steals,
                           own.Blocks, own.Assists, own.Rebounds, own.Turnovers};
    for (size_t i = 0; i < 8; ++i) {
        TeamGameRecord& r = t.GameRecords[i];
        bool fewestWins = i == 1;
        bool better = r.Season == 0 || (fewestWins ? values[i] < r.Value : values[i] > r.Value);
        if (better) {
            r.Value = static_cast<int16_t>(values[i]);
            r.Season = season;
        }
    }
}

void RecordRegularResult(League& league, const GameSide& own, const GameSide& opp,
                         const TeamGameLine& ownLine, const TeamGameLine& oppLine, bool home, bool won) {
    Team& t = league.team(own.TeamID);
    if (home)
        Add(won ? t.HomeWins : t.HomeLosses, 1);
    else
        Add(won ? t.RoadWins : t.RoadLosses, 1);
    size_t o = static_cast<size_t>(opp.TeamID);
    Add(won ? t.SeasonWinsVs[o] : t.SeasonLossesVs[o], 1);
    Add(won ? t.AllTimeWinsVs[o] : t.AllTimeLossesVs[o], 1);
    Add(t.PointsVs[o], own.Score - opp.Score);
    if (won)
        ++t.TotalWins;
    else
        ++t.TotalLosses;
    if (won)
        t.Streak = static_cast<int16_t>(t.Streak > 0 ? t.Streak + 1 : 1);
    else
        t.Streak = static_cast<int16_t>(t.Streak < 0 ? t.Streak - 1 : -1);
    AddTeamTotals(t, ownLine, oppLine, own.Score, opp.Score);
    UpdateTeamGameRecords(t, ownLine, own.Score, opp.Score, league.state.Season);
    UpdateLeagueTeamRecords(league, own.Name, opp.Name, ownLine);
}

} // namespace

void RecordPlayerGame(Player& p, const FinishedGame& game, const GameSide& own, const GameSide& opponent) {
    const PlayerGameState& g = p.Game;
    int16_t minutes = MinutesOf(g);

    GameLogEntry log;
    log.SeasonDay = game.SeasonDay;
    log.Starter = g.Started;
    log.Team = own.Name;
    log.Opponent = opponent.Name;
    log.Minutes = minutes;
    log.FG = g.FG;
    log.FGA = g.FGA;
    log.FT = g.FT;
    log.FTA = g.FTA;
    log.ThreeP = g.ThreeP;
    log.ThreePA = g.ThreePA;
    log.Rebounds = g.Rebounds;
    log.Assists = g.Assists;
    log.Steals = g.Steals;
    log.Blocks = g.Blocks;
    log.Turnovers = g.Turnovers;
    log.Points = g.Points;
    log.Fouls = g.Fouls;
    log.Spare1 = g.Dunks;
    p.GameLog.push_back(std::move(log));

    int categories = DoubleFigureCategories(g);
    if (game.Type == GameType::Regular) {
        AddGameLine(p.SeasonStats, g, minutes);
        if (g.Started) Add(p.SeasonStats.GamesStarted, 1);
        if (categories >= 2) Add(p.SeasonStats.DoubleDoubles, 1);
        if (categories >= 3) Add(p.SeasonStats.TripleDoubles, 1);
    } else if (game.Type == GameType::Playoff) {
        AddGameLine(p.PlayoffStats, g, minutes);
    }

    RaiseHigh(p.HIGHPOINTS, g.Points);
    RaiseHigh(p.HIGHREBOUNDS, g.Rebounds);
    RaiseHigh(p.HIGHASSISTS, g.Assists);
    RaiseHigh(p.HIGHSTEALS, g.Steals);
    RaiseHigh(p.HIGHBLOCKS, g.Blocks);
}

void RecordPlayerStats(League& league, const FinishedGame& game) {
    for (const auto& [own, opp] : {std::pair{&game.Home, &game.Away}, std::pair{&game.Away, &game.Home}}) {
        for (int16_t id : own->Roster) {
            if (id == 0) continue;
            Player& p = league.player(id);
            RecordPlayerGame(p, game, *own, *opp);
            if (game.Type == GameType::Regular && p.Game.Seconds > 0)
                UpdateGameRecords(league, id, p.GameLog.back());
            p.Game = PlayerGameState{};
        }
    }
}

void RecordTeamResult(League& league, const FinishedGame& game, const GameSummary& summary) {
    if (!IsLeagueTeam(game.Home.TeamID) || !IsLeagueTeam(game.Away.TeamID)) return;
    bool homeWon = game.HomeWon();
    if (game.Type == GameType::Regular) {
        RecordRegularResult(league, game.Home, game.Away, summary.HomeLine, summary.AwayLine, true, homeWon);
        RecordRegularResult(league, game.Away, game.Home, summary.AwayLine, summary.HomeLine, false,
                            !homeWon);
    } else if (game.Type == GameType::Playoff) {
        Team& home = league.team(game.Home.TeamID);
        Team& away = league.team(game.Away.TeamID);
        ++(homeWon ? home.PlayoffWins : home.PlayoffLosses);
        ++(homeWon ? away.PlayoffLosses : away.PlayoffWins);
    }
}

void CountPlayerOfGame(League& league, const FinishedGame& game, const GameSummary& summary) {
    if (game.Type == GameType::Regular && summary.PlayerOfGame != 0)
        Add(league.player(summary.PlayerOfGame).PlayerOfGame, 1);
}

bool RecordScheduledGame(League& league, const FinishedGame& game, const GameSummary& summary,
                         const std::string& boxFileName) {
    if (game.Type != GameType::Regular && game.Type != GameType::Playoff) return false;
    if (game.SeasonDay < 1 || game.SeasonDay > kScheduleDays) return false;
    ScheduleDay& day = league.schedule[static_cast<size_t>(game.SeasonDay)];
    if (game.GameNumber < 1 || game.GameNumber > day.NumGames || game.GameNumber > kGamesPerDay) return false;
    ScheduledGame& entry = day.Games[static_cast<size_t>(game.GameNumber)];
    if (entry.HomeTeam != game.Home.Name || entry.AwayTeam != game.Away.Name) return false;

    entry.HomeScore = game.Home.Score;
    entry.AwayScore = game.Away.Score;
    entry.Played = true;
    entry.BoxFile = boxFileName;
    auto nameOf = [&](int16_t id) { return id == 0 ? std::string() : league.player(id).Name; };
    auto leader = [&](int16_t id, int16_t PlayerGameState::*stat) {
        return GameLeader{nameOf(id), id == 0 ? int16_t(0) : league.player(id).Game.*stat};
    };
    entry.PlayerOfGame = nameOf(summary.PlayerOfGame);
    entry.PlayerOfGameScore = static_cast<int16_t>(NearestInt(summary.PlayerOfGameScore));
    entry.HomePoints = leader(summary.HomeLeaders.Points, &PlayerGameState::Points);
    entry.HomeRebounds = leader(summary.HomeLeaders.Rebounds, &PlayerGameState::Rebounds);
    entry.HomeAssists = leader(summary.HomeLeaders.Assists, &PlayerGameState::Assists);
    entry.AwayPoints = leader(summary.AwayLeaders.Points, &PlayerGameState::Points);
    entry.AwayRebounds = leader(summary.AwayLeaders.Rebounds, &PlayerGameState::Rebounds);
    entry.AwayAssists = leader(summary.AwayLeaders.Assists, &PlayerGameState::Assists);
    return true;
}

} // namespace hv
