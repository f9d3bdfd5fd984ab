// The record books: ranked insertion, season, career and game records, and the filed box scores.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/game.h"
#include "league/record_books.h"
#include "league/record_updates.h"
#include "platform/scripted_host.h"
#include "season/box_filing.h"
#include "season/schedule.h"
#include "setup/default_league.h"
#include "support/roster_league.h"
#include "support/temp_home.h"

namespace fs = std::filesystem;

namespace hv {
namespace {

RecordEntry Entry(const std::string& name, double value) {
    RecordEntry e;
    e.Name = name;
    e.Value = value;
    return e;
}

std::vector<std::string> Names(std::span<const RecordEntry> entries) {
    std::vector<std::string> names;
    for (const RecordEntry& e : entries)
        names.push_back(e.Name);
    return names;
}

TEST(RecordBooks, OffersAreRankedAndTheBookKeepsItsSize) {
    std::array<RecordEntry, 4> book{};
    struct Offer {
        const char* name;
        double value;
        int position; // 0: not recorded
    };
    const Offer offers[] = {
        {"a", 10, 1}, {"b", 30, 1}, {"c", 20, 2}, {"d", 30, 2},  // equal: after the earlier
        {"e", 0, 0},  {"f", 15, 4}, {"g", 4, 0},  {"h", 40, 1}}; // "f" drops out
    for (const Offer& o : offers)
        EXPECT_EQ(OfferRecordEntry(book, Entry(o.name, o.value)), o.position) << o.name;
    EXPECT_EQ(Names(book), (std::vector<std::string>{"h", "b", "d", "c"}));

    RemoveRecordEntry(book, 2);
    EXPECT_EQ(Names(book), (std::vector<std::string>{"h", "d", "c", "n/a"}));

    // The shared insertion moves one category of a book and leaves the next one alone.
    GameRecordBook game;
    game.At(2, 1) = Entry("next category", 9);
    for (int p = 1; p <= GameRecordBook::kPositions; ++p)
        game.At(1, p) = Entry("p" + std::to_string(p), 100 - p);
    InsertRecordEntry(game, 1, 3, Entry("new", 98.5));
    EXPECT_EQ(std::tie(game.At(1, 3).Name, game.At(1, 4).Name, game.At(1, GameRecordBook::kPositions).Name,
                       game.At(2, 1).Name),
              std::make_tuple("new", "p3", "p19", "next category"));
}

class SeasonAndCareerRecords : public ::testing::Test {
  protected:
    int Add(int games, int points, int threes, int threeAttempts, int fg = 0, int fga = 0) {
        int id = r.Add(1, 4, 60);
        SeasonTotals& t = r.league.player(id).SeasonStats;
        t.Games = int16_t(games), t.Points = int16_t(points), t.ThreeP = int16_t(threes);
        t.ThreePA = int16_t(threeAttempts), t.FG = int16_t(fg), t.FGA = int16_t(fga);
        return id;
    }
    std::span<const RecordEntry> Category(const char* title) {
        const auto& categories = RecordCategories(RecordBookKind::Season);
        for (size_t c = 0; c < categories.size(); ++c)
            if (std::string(categories[c].title) == title)
                return CategoryEntries(std::as_const(r.league), RecordBookKind::Season, int(c + 1));
        ADD_FAILURE() << title;
        return {};
    }
    bool Listed(const char* title, int id) {
        auto entries = Category(title);
        return std::any_of(entries.begin(), entries.end(),
                           [&](const RecordEntry& e) { return e.PlayerID == id; });
    }

    test::RosterLeague r;
};

TEST_F(SeasonAndCareerRecords, SeasonRecordsNeedGamesAndAttempts) {
    const int fifty = Add(50, 1500, 0, 0);
    const int fiftyOne = Add(51, 1020, 0, 0);                // 20.0 points a game
    const int shortOfThrees = Add(51, 510, 28, 71);          // 1.39 three-point attempts a game
    const int enoughThrees = Add(51, 510, 31, 77, 153, 153); // 1.51 a game, and exactly 3.0 field goals
    const int prospect = Add(70, 3000, 0, 0);
    r.league.player(prospect).Team = kDraft;
    GameLogEntry last;
    last.SeasonDay = 119;
    last.Team = "Owls";
    r.league.player(fiftyOne).GameLog.push_back(last);

    UpdateSeasonRecords(r.league, 2004);
    EXPECT_FALSE(Listed("Points-Per-Game", fifty) || Listed("Points-Per-Game", prospect));
    const RecordEntry& best = Category("Points-Per-Game")[0];
    // The team he played for last, and his games.
    EXPECT_EQ(std::tie(best.PlayerID, best.Value, best.Season, best.Text, best.Text2),
              std::make_tuple(fiftyOne, 20.0, 2004, "Owls", "51"));
    // Too few three-point attempts a game for the percentage; no free throw at all.
    EXPECT_TRUE(!Listed("3P%", shortOfThrees) && Listed("3P", shortOfThrees) && !Listed("FT%", enoughThrees));
    EXPECT_TRUE(Listed("3P%", enoughThrees) && Listed("FG%", enoughThrees));
    EXPECT_DOUBLE_EQ(Category("3P%")[0].Value, 31.0 / 77);

    UpdateSeasonRecords(r.league, 2004);
    EXPECT_TRUE(Category("Points-Per-Game")[4].IsEmpty()) << "the season offered twice is listed once";
}

TEST_F(SeasonAndCareerRecords, CareerRecordsKeepEachPlayerOnceWithHisLatestTotal) {
    const int a = Add(0, 0, 0, 0), b = Add(0, 0, 0, 0);
    auto points = CategoryEntries(std::as_const(r.league), RecordBookKind::Career, 2);
    r.league.player(a).Career.Points = 900;
    r.league.player(b).Career.Points = 1000;
    UpdateAllCareerRecords(r.league);
    r.league.player(a).Career.Points = 1500;
    UpdateCareerRecords(r.league, a);
    EXPECT_EQ(Names(points.first(3)),
              (std::vector<std::string>{r.league.player(a).Name, r.league.player(b).Name, "n/a"}));
    EXPECT_DOUBLE_EQ(points[0].Value, 1500);
}

TEST(GameRecords, AGameSetsTheLeaguesTeamsAndPlayersRecords) {
    test::TempHome home;
    home.CopyInstalledData();
    ScriptedHost host;
    Session session;
    League& l = session.league;
    l.programFolder = home.path();
    ASSERT_TRUE(RunStartup(session, host));
    ASSERT_TRUE(LoadDefaultLeagueKeepingRosters(session, host, "Records"));
    EnsureLeagueFolders(home.path(), "Records");
    l.rng.Seed(5);
    l.state.LeagueInjuries = l.state.SiteDuringSim = false;
    l.state.SeasonDay = 1, l.state.Season = 2003;

    int bestPoints = 0, bestTeamPoints = 0;
    std::string bestTeam;
    auto play = [&](const char* kind) {
        for (int g = 1; g <= 3; ++g) {
            clsGame game(l);
            game.StartGame(int16_t(2 * g - 1), int16_t(2 * g), false, int16_t(g), kind);
            game.SimGame();
            for (const auto* roster : {&game.HomeRoster(), &game.AwayRoster()})
                for (int16_t id : *roster)
                    if (id && !l.player(id).GameLog.empty())
                        bestPoints = std::max<int>(bestPoints, l.player(id).GameLog.back().Points);
            for (auto [team, score] :
                 {std::pair{game.HomeID(), game.HomeScore()}, {game.AwayID(), game.AwayScore()}})
                if (score > bestTeamPoints) {
                    bestTeamPoints = score;
                    bestTeam = l.team(team).Name;
                }
        }
    };
    play("Regular");
    const RecordEntry& top = l.tables.gameRecords.At(1, 1);
    EXPECT_DOUBLE_EQ(top.Value, bestPoints);
    EXPECT_EQ(std::tie(top.Season, top.Name, top.Text2),
              std::tie(l.state.Season, l.player(top.PlayerID).Name,
                       l.player(top.PlayerID).GameLog.back().Opponent));
    EXPECT_EQ(std::make_pair(l.tables.leagueTeamRecords[0].Name, l.tables.leagueTeamRecords[0].Value),
              std::make_pair(bestTeam, double(bestTeamPoints)));
    const Team& scorers = l.team(l.FindTeam(top.Text));
    EXPECT_EQ(scorers.PlayerRecords[0].PlayerName, top.Name);

    // Playoff games are not regular-season records.
    const GameRecordBook regular = l.tables.gameRecords;
    l.state.SeasonDay = 130;
    play("Playoff");
    EXPECT_EQ(l.tables.gameRecords, regular);
}

TEST(BoxFiling, TheSeasonsBoxScoresAndBoxPagesAreFiledOrDeleted) {
    for (bool keep : {true, false}) {
        SCOPED_TRACE(keep);
        test::TempHome home;
        League l;
        l.programFolder = home.path(), l.state.LeagueName = "Files", l.state.SaveBoxScores = keep;
        const fs::path folder = l.LeagueFolderOf("Files");
        for (const char* file : {"box/1-1.txt", "box/AllStar-Rookie.txt", "pbp/1-1.txt", "box/2002/old.txt",
                                 "html/boxes/1-1.html", "html/boxes/allstar.html", "html/index.html"})
            home.Write(fs::relative(folder / file, home.path()).string(), "x\n");
        ScriptedHost host;
        ASSERT_TRUE(FileSeasonBoxScores(l, 2003, host)) << host.LastMessage();
        for (auto [file, there] : {std::pair{"box/1-1.txt", false},
                                   {"pbp/1-1.txt", false},
                                   {"box/2003/1-1.txt", keep},
                                   {"box/2003/AllStar-Rookie.txt", keep},
                                   {"box/2002/old.txt", true},
                                   {"html/boxes/1-1.html", false},
                                   {"html/boxes/2003/1-1.html", keep},
                                   {"html/boxes/2003/allstar.html", keep},
                                   {"html/index.html", true}})
            EXPECT_EQ(fs::exists(folder / file), there) << file;
    }
}

} // namespace
} // namespace hv
