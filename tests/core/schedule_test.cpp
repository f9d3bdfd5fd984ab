// Schedule generation: the placement rules over many seeds with the shipped matchup list, the shuffle, the
// refusals of missing, damaged and unplaceable lists, and the schedule's entries.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <tuple>

#include "league/binary_io.h"
#include "platform/scripted_host.h"
#include "season/schedule.h"
#include "support/temp_home.h"

namespace fs = std::filesystem;

namespace hv {
namespace {

using Pair = std::pair<int, int>; // home, away team numbers

League LeagueAt(const fs::path& folder) {
    League league;
    league.programFolder = folder;
    for (int t = 1; t <= kLeagueTeams; ++t)
        league.team(t).Name = "T" + std::to_string(t);
    league.state.SeasonDay = Phase::BeforeSeason;
    return league;
}

std::string Records(const std::vector<Pair>& games) {
    ByteWriter w;
    for (auto [home, away] : games) {
        w.I16(static_cast<int16_t>(home));
        w.I16(static_cast<int16_t>(away));
        w.F64(0.25);
    }
    return w.Bytes();
}

std::vector<Pair> ShippedMatchups() {
    std::ifstream in(fs::path(HOOPVALE_TEST_DATA) / "Schedule.dat", std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), {});
    ByteReader r(bytes);
    std::vector<Pair> games;
    while (!r.AtEnd()) {
        int home = r.I16(), away = r.I16();
        r.F64();
        games.emplace_back(home, away);
    }
    return games;
}

// Every game of days 1 to 169 as (home, away) team numbers, with its day.
std::vector<std::pair<int, Pair>> ScheduledGames(const League& league) {
    std::vector<std::pair<int, Pair>> games;
    for (int d = 1; d <= kScheduleDays; ++d) {
        const ScheduleDay& day = league.schedule[static_cast<size_t>(d)];
        for (int g = 1; g <= day.NumGames; ++g) {
            const ScheduledGame& game = day.Games[static_cast<size_t>(g)];
            games.push_back({d, {league.FindTeam(game.HomeTeam), league.FindTeam(game.AwayTeam)}});
        }
    }
    return games;
}

TEST(Schedule, ShippedListKeepsThePlacementRulesOverManySeeds) {
    const std::vector<Pair> shipped = ShippedMatchups();
    ASSERT_EQ(shipped.size(), 1189u);
    std::map<Pair, int> expected;
    for (const Pair& p : shipped)
        ++expected[p];

    for (uint64_t seed = 1; seed <= 100; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        League league = LeagueAt(HOOPVALE_TEST_DATA);
        league.rng.Seed(seed);
        ScriptedHost host;
        ASSERT_TRUE(GenerateSchedule(league, host)) << host.LastMessage();
        EXPECT_TRUE(host.messages.empty());
        EXPECT_EQ(league.state.SeasonDay, Phase::FirstDay);

        std::map<Pair, int> placed;
        std::map<int, int> games, homeGames;
        std::set<std::pair<int, int>> teamDays;
        for (const auto& [day, pair] : ScheduledGames(league)) {
            ++placed[pair];
            ASSERT_GE(day, 1);
            ASSERT_LE(day, Phase::LastDay);
            ASSERT_NE(day, Phase::AllStarDay);
            ASSERT_TRUE(teamDays.insert({pair.first, day}).second) << "team " << pair.first << " day " << day;
            ASSERT_TRUE(teamDays.insert({pair.second, day}).second)
                << "team " << pair.second << " day " << day;
            ++games[pair.first];
            ++games[pair.second];
            ++homeGames[pair.first];
        }
        EXPECT_EQ(placed, expected); // every matchup exactly once, home and away as listed
        for (int t = 1; t <= kLeagueTeams; ++t) {
            EXPECT_EQ(games[t], 82) << "team " << t;
            EXPECT_EQ(homeGames[t], 41) << "team " << t;
        }
        EXPECT_EQ(league.schedule[1].NumGames, 14); // 29 teams: 14 games and one team rests
        for (int d = 1; d <= kScheduleDays; ++d) {
            const ScheduleDay& day = league.schedule[static_cast<size_t>(d)];
            EXPECT_LE(day.NumGames, kGamesPerDay);
            for (int g = 1; g <= day.NumGames; ++g) {
                const ScheduledGame& game = day.Games[static_cast<size_t>(g)];
                EXPECT_FALSE(game.Played);
                EXPECT_EQ(game.HomeScore + game.AwayScore, 0);
            }
        }
    }
}

TEST(Schedule, TheSeedDecidesTheSchedule) {
    auto make = [](uint64_t seed) {
        League league = LeagueAt(HOOPVALE_TEST_DATA);
        league.rng.Seed(seed);
        ScriptedHost host;
        EXPECT_TRUE(GenerateSchedule(league, host));
        return league.schedule;
    };
    EXPECT_EQ(make(5), make(5));
    EXPECT_NE(make(5), make(6));
}

TEST(Schedule, ReadMatchupsShufflesTheListByAscendingKeys) {
    test::TempHome home;
    std::vector<Pair> list;
    for (int k = 0; k < 300; ++k)
        list.emplace_back(1 + k % 29, 1 + (k + 1 + k / 29 % 27) % 29);
    home.Write("Schedule.dat", Records(list));
    League league = LeagueAt(home.path());
    ScriptedHost host;
    std::vector<Matchup> read;
    ASSERT_TRUE(ReadMatchups(league, host, read)) << host.LastMessage();
    ASSERT_EQ(read.size(), list.size());
    EXPECT_TRUE(std::is_sorted(read.begin(), read.end(),
                               [](const Matchup& a, const Matchup& b) { return a.Key < b.Key; }));
    std::vector<Pair> got;
    for (const Matchup& m : read) {
        EXPECT_GE(m.Key, 0.0);
        EXPECT_LT(m.Key, 1.0);
        got.emplace_back(m.Home, m.Away);
    }
    EXPECT_NE(got, list); // shuffled ...
    std::sort(got.begin(), got.end());
    std::sort(list.begin(), list.end());
    EXPECT_EQ(got, list); // ... but nothing lost or added
}

TEST(Schedule, MissingOrDamagedListIsRefusedAndChangesNothing) {
    const std::string good = Records({{1, 2}, {3, 4}});
    const std::vector<std::pair<const char*, std::optional<std::string>>> cases{
        {"missing", std::nullopt},
        {"a partial record", good + std::string(5, '\0')},
        {"team 0", Records({{1, 2}, {0, 4}})},
        {"team 30", Records({{30, 2}})},
        {"a team meeting itself", Records({{7, 7}})},
    };
    for (const auto& [what, bytes] : cases) {
        SCOPED_TRACE(what);
        test::TempHome home;
        if (bytes) home.Write("Schedule.dat", *bytes);
        League league = LeagueAt(home.path());
        AddScheduledGame(league, 5, "T1", "T2");
        league.schedule[5].Games[1].Played = true;
        const auto before = league.schedule;
        ScriptedHost host;
        EXPECT_FALSE(GenerateSchedule(league, host));
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].text, "Schedule.dat is missing, please reinstall the game.");
        EXPECT_EQ(host.messages[0].title, "File Not Found");
        EXPECT_EQ(host.messages[0].icon, MessageIcon::Critical);
        EXPECT_EQ(league.schedule, before);
        EXPECT_EQ(league.state.SeasonDay, Phase::BeforeSeason);
    }
}

TEST(Schedule, UnplaceableListIsRefusedWithAClearMessage) {
    std::vector<Pair> tooMany; // team 1 plays 120 games in 119 game days
    for (int k = 0; k < 120; ++k)
        tooMany.emplace_back(1, 2 + k % 28);
    // Teams 1 and 2 meet 118 times and fill the same 118 days; their other games both fall on the one day
    // left, where team 3 cannot play twice: stuck whatever the order, though nobody has over 119 games.
    std::vector<Pair> stuck(118, Pair{1, 2});
    stuck.insert(stuck.end(), {{1, 3}, {2, 3}});
    std::vector<Pair> tooLong(kMaxMatchups + 1, Pair{1, 2});
    const std::vector<std::tuple<const char*, std::vector<Pair>, std::string>> cases{
        {"120 games", tooMany,
         "The schedule cannot be made: the T1 have 120 games in Schedule.dat, more than the 119 game days of "
         "the season."},
        {"no common day", stuck, "have no free day left for their game."},
        {"over the season's room", tooLong,
         "The schedule cannot be made: Schedule.dat holds 1667 games, more than the 1666 that fit on the "
         "season's 119 game days."},
    };
    for (const auto& [what, games, message] : cases) {
        SCOPED_TRACE(what);
        test::TempHome home;
        home.Write("Schedule.dat", Records(games));
        for (uint64_t seed = 1; seed <= 10; ++seed) {
            League league = LeagueAt(home.path());
            league.rng.Seed(seed);
            ScriptedHost host;
            EXPECT_FALSE(GenerateSchedule(league, host));
            ASSERT_EQ(host.messages.size(), 1u);
            EXPECT_NE(host.messages[0].text.find(message), std::string::npos) << host.messages[0].text;
            EXPECT_EQ(host.messages[0].text.rfind("The schedule cannot be made: ", 0), 0u);
            EXPECT_EQ(host.messages[0].title, "Error");
            EXPECT_EQ(league.schedule, League().schedule);
            EXPECT_EQ(league.state.SeasonDay, Phase::BeforeSeason);
        }
    }
}

TEST(Schedule, AFullListOfOneNineteenGamesPerTeamFitsEveryGameDay) {
    // Teams 1 and 2 meet on every one of the 119 game days: the placement must find each day.
    test::TempHome home;
    home.Write("Schedule.dat", Records(std::vector<Pair>(119, Pair{1, 2})));
    League league = LeagueAt(home.path());
    ScriptedHost host;
    ASSERT_TRUE(GenerateSchedule(league, host)) << host.LastMessage();
    for (int d = 1; d <= Phase::LastDay; ++d)
        EXPECT_EQ(league.schedule[static_cast<size_t>(d)].NumGames, d == Phase::AllStarDay ? 0 : 1) << d;
}

TEST(Schedule, AnEmptyListGivesASeasonWithoutGames) {
    test::TempHome home;
    home.Write("Schedule.dat", "");
    League league = LeagueAt(home.path());
    AddScheduledGame(league, 3, "T1", "T2");
    ScriptedHost host;
    ASSERT_TRUE(GenerateSchedule(league, host));
    EXPECT_EQ(league.schedule, League().schedule);
    EXPECT_EQ(league.state.SeasonDay, Phase::FirstDay);
}

TEST(Schedule, ProgressCountsTheMatchupsAsTheyArePlaced) {
    League league = LeagueAt(HOOPVALE_TEST_DATA);
    ScriptedHost host;
    std::vector<int> seen;
    ASSERT_TRUE(GenerateSchedule(league, host, [&](int i) { seen.push_back(i); }));
    ASSERT_EQ(seen.size(), 1189u);
    for (size_t k = 0; k < seen.size(); ++k)
        ASSERT_EQ(seen[k], static_cast<int>(k) + 1);
    EXPECT_EQ(host.pumps, 1189);
}

TEST(Schedule, AddingAndClearingGames) {
    League league;
    for (int g = 1; g <= kGamesPerDay; ++g)
        ASSERT_TRUE(AddScheduledGame(league, 122, "H" + std::to_string(g), "A" + std::to_string(g)));
    EXPECT_FALSE(AddScheduledGame(league, 122, "H15", "A15")); // a 15th game has no room
    EXPECT_FALSE(AddScheduledGame(league, 0, "H", "A"));
    EXPECT_FALSE(AddScheduledGame(league, kScheduleDays + 1, "H", "A"));
    const ScheduleDay& day = league.schedule[122];
    EXPECT_EQ(day.NumGames, kGamesPerDay);
    EXPECT_EQ(day.Games[14].HomeTeam, "H14");
    EXPECT_EQ(day.Games[14].AwayTeam, "A14");

    ScheduledGame& played = league.schedule[122].Games[3];
    played.Played = true;
    played.HomeScore = 101;
    played.AwayScore = 99;
    played.Note = "note";
    played.BoxFile = "122-3.txt";
    played.HomePoints = {"Someone", 30};
    AddScheduledGame(league, kScheduleDays, "H", "A");
    ClearSchedule(league);
    EXPECT_EQ(league.schedule, League().schedule);
}

} // namespace
} // namespace hv
