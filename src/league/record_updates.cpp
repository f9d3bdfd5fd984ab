#include "league/record_updates.h"

#include <array>

#include "league/record_books.h"

namespace hv {

namespace {

bool InDraftPool(const Player& p) {
    return p.Team == kDraft || p.Team == kNextDraft;
}

bool SamePlayer(const RecordEntry& e, int id, const Player& p) {
    return !e.IsEmpty() && e.PlayerID == id && e.Name == p.Name;
}

RecordEntry EntryFor(int id, const Player& p, double value, std::string text, int16_t season,
                     std::string text2) {
    return {static_cast<int16_t>(id), p.Name, value, std::move(text), season, std::move(text2)};
}

void UpdateTeamPlayerRecords(Team& team, const Player& p, const GameLogEntry& g, int16_t season) {
    // Titles: Points, 3P, 3PA, Assists, Blocks, FG, FGA, FT, FTA, Rebounds, Steals, TO.
    const std::array<int16_t, 12> values{g.Points, g.ThreeP, g.ThreePA, g.Assists,  g.Blocks, g.FG,
                                         g.FGA,    g.FT,     g.FTA,     g.Rebounds, g.Steals, g.Turnovers};
    for (size_t i = 0; i < values.size(); ++i) {
        TeamPlayerRecord& r = team.PlayerRecords[i];
        bool better = r.PlayerName.empty() ? values[i] > 0 : values[i] > r.Value;
        if (better) r = {p.Name, values[i], season};
    }
}

} // namespace

void UpdateGameRecords(League& league, int playerID, const GameLogEntry& g) {
    const Player& p = league.player(playerID);
    const int16_t season = league.state.Season;
    // In the order of the game records' categories.
    const std::array<int16_t, 12> values{g.Points, g.Rebounds, g.Assists, g.Steals, g.Blocks, g.Turnovers,
                                         g.FG,     g.FGA,      g.FT,      g.FTA,    g.ThreeP, g.ThreePA};
    for (size_t c = 0; c < values.size(); ++c) {
        auto entries = CategoryEntries(league, RecordBookKind::Game, static_cast<int>(c + 1));
        if (Qualifies(entries, values[c]))
            OfferRecordEntry(entries, EntryFor(playerID, p, values[c], g.Team, season, g.Opponent));
    }
    if (int team = league.FindTeam(g.Team)) UpdateTeamPlayerRecords(league.team(team), p, g, season);
}

void UpdateLeagueTeamRecords(League& league, const std::string& team, const std::string& opponent,
                             const TeamGameLine& l) {
    const std::array<int32_t, kLeagueTeamRecords> values{l.Points, l.Rebounds,  l.Assists, l.Steals,
                                                         l.Blocks, l.Turnovers, l.FG,      l.FGA,
                                                         l.FT,     l.FTA,       l.ThreeP,  l.ThreePA};
    for (size_t c = 0; c < values.size(); ++c) {
        RecordEntry& best = league.tables.leagueTeamRecords[c];
        if (best.IsEmpty() ? values[c] > 0 : values[c] > best.Value)
            best = {0, team, double(values[c]), opponent, league.state.Season, ""};
    }
}

void UpdateSeasonRecords(League& league, int16_t season) {
    constexpr int kMoreGamesThan = 50;
    const auto& categories = RecordCategories(RecordBookKind::Season);
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = league.player(id);
        const SeasonTotals& t = p.SeasonStats;
        if (p.IsEmpty() || InDraftPool(p) || t.Games <= kMoreGamesThan) continue;
        const double games = t.Games;
        auto perGame = [&](int total) { return total / games; };
        auto percent = [&](int made, int attempts, double attemptsPerGame) {
            // -1: not ranked
            return attempts >= 1 && attempts / games >= attemptsPerGame ? double(made) / attempts : -1.0;
        };
        const std::array<double, 17> values{perGame(t.Points),
                                            perGame(t.Rebounds),
                                            perGame(t.Assists),
                                            perGame(t.Steals),
                                            perGame(t.Blocks),
                                            perGame(t.Turnovers),
                                            double(t.FG),
                                            double(t.FGA),
                                            percent(t.FG, t.FGA, 3.0),
                                            double(t.FT),
                                            double(t.FTA),
                                            percent(t.FT, t.FTA, 1.5),
                                            double(t.ThreeP),
                                            double(t.ThreePA),
                                            percent(t.ThreeP, t.ThreePA, 1.5),
                                            double(t.DoubleDoubles),
                                            double(t.TripleDoubles)};
        // The team he played for last in the regular season.
        std::string team = p.Team;
        for (auto it = p.GameLog.rbegin(); it != p.GameLog.rend(); ++it)
            if (it->SeasonDay >= Phase::FirstDay && it->SeasonDay <= Phase::LastDay) {
                team = it->Team;
                break;
            }
        for (size_t c = 0; c < categories.size(); ++c) {
            if (values[c] < 0) continue;
            auto entries = CategoryEntries(league, RecordBookKind::Season, static_cast<int>(c + 1));
            bool listed = false;
            for (const RecordEntry& e : entries)
                listed = listed || (SamePlayer(e, id, p) && e.Season == season);
            if (!listed)
                OfferRecordEntry(entries, EntryFor(id, p, values[c], team, season, std::to_string(t.Games)));
        }
    }
}

void UpdateCareerRecords(League& league, int playerID) {
    const Player& p = league.player(playerID);
    if (p.IsEmpty()) return;
    const CareerTotals& c = p.Career;
    // In the order of the career records' categories.
    const std::array<double, 12> values{double(p.CareerGames),
                                        double(c.Points),
                                        double(c.Rebounds),
                                        double(c.Assists),
                                        double(c.Steals),
                                        double(c.Blocks),
                                        double(c.FG),
                                        double(c.FT),
                                        double(c.ThreeP),
                                        double(p.CareerDoubleDoubles),
                                        double(p.CareerTripleDoubles),
                                        double(c.Turnovers)};
    const std::string team = p.Team == kFreeAgent ? p.LastTeam : p.Team.str();
    // The entry's season: his latest season of statistics.
    const int16_t season =
        p.SeasonHistory.empty() ? LastPlayedSeason(league.state) : p.SeasonHistory.back().Season;
    for (size_t k = 0; k < values.size(); ++k) {
        auto entries = CategoryEntries(league, RecordBookKind::Career, static_cast<int>(k + 1));
        for (size_t i = 0; i < entries.size(); ++i)
            if (SamePlayer(entries[i], playerID, p)) {
                RemoveRecordEntry(entries, static_cast<int>(i + 1));
                break;
            }
        OfferRecordEntry(entries, EntryFor(playerID, p, values[k], team, season, ""));
    }
}

void UpdateAllCareerRecords(League& league) {
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = league.player(id);
        if (!p.IsEmpty() && !InDraftPool(p)) UpdateCareerRecords(league, id);
    }
}

} // namespace hv
