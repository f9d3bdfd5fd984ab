// Schedule generation from the matchup list: placement rules, refusals, the day's entries.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <optional>
#include <set>

#include "league/binary_io.h"
#include "platform/scripted_host.h"
#include "season/schedule.h"
#include "support/build_paths.h"
#include "support/file_bytes.h"
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

TEST(Schedule, ShippedListKeepsThePlacementRulesOverManySeeds) {
    const std::string bytes = test::FileBytes(fs::path(hv::build_paths::kTestData) / "Schedule.dat");
    std::map<Pair, int> listed;
    for (ByteReader r(bytes); !r.AtEnd(); r.F64()) {
        int home = r.I16();
        ++listed[{home, r.I16()}];
    }
    std::set<std::string> firstDays; // the list is shuffled: each seed opens the season differently
    for (uint64_t seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        League league = LeagueAt(hv::build_paths::kTestData);
        league.rng.Seed(seed);
        ScriptedHost host;
        ASSERT_TRUE(GenerateSchedule(league, host)) << host.LastMessage();
        EXPECT_EQ(league.state.SeasonDay, Phase::FirstDay);
        std::map<Pair, int> placed;
        std::set<Pair> teamDays;
        for (int d = 1; d <= kScheduleDays; ++d) {
            const ScheduleDay& day = league.schedule[static_cast<size_t>(d)];
            ASSERT_TRUE(day.NumGames == 0 || (d <= Phase::LastDay && d != Phase::AllStarDay)) << "day " << d;
            for (int g = 1; g <= day.NumGames; ++g) {
                const ScheduledGame& game = day.Games[static_cast<size_t>(g)];
                int home = league.FindTeam(game.HomeTeam), away = league.FindTeam(game.AwayTeam);
                ++placed[{home, away}];
                ASSERT_TRUE(teamDays.insert({home, d}).second && teamDays.insert({away, d}).second) << d;
                EXPECT_FALSE(game.Played);
            }
        }
        EXPECT_EQ(placed, listed);                  // every matchup exactly once, home and away as listed
        EXPECT_EQ(league.schedule[1].NumGames, 14); // 29 teams: 14 games and one team rests
        firstDays.insert(league.schedule[1].Games[1].HomeTeam + league.schedule[1].Games[1].AwayTeam);
    }
    EXPECT_GT(firstDays.size(), 3u);
}

TEST(Schedule, BadListsAreRefusedAndChangeNothing) {
    const std::string reinstall = "Schedule.dat is missing, please reinstall the game.";
    std::vector<Pair> tooMany; // team 1 has 120 games for 119 game days
    for (int k = 0; k < 120; ++k)
        tooMany.emplace_back(1, 2 + k % 28);
    // Teams 1 and 2 meet 118 times and fill the same 118 days; their other games both fall on the one day
    // left, where team 3 cannot play twice: stuck whatever the order, though nobody has over 119 games.
    std::vector<Pair> stuck(118, Pair{1, 2});
    stuck.insert(stuck.end(), {{1, 3}, {2, 3}});
    const std::vector<std::tuple<const char*, std::optional<std::string>, std::string>> cases{
        {"missing", std::nullopt, reinstall},
        {"a partial record", Records({{1, 2}}) + std::string(5, '\0'), reinstall},
        {"team 0", Records({{1, 2}, {0, 4}}), reinstall},
        {"team 30", Records({{30, 2}}), reinstall},
        {"a team meeting itself", Records({{7, 7}}), reinstall},
        {"120 games", Records(tooMany),
         "The schedule cannot be made: the T1 have 120 games in Schedule.dat, more than the 119 game days of "
         "the season."},
        {"no common day", Records(stuck), "have no free day left for their game."},
        {"over the season's room", Records(std::vector<Pair>(kMaxMatchups + 1, Pair{1, 2})),
         "The schedule cannot be made: Schedule.dat holds 1667 games, more than the 1666 that fit on the "
         "season's 119 game days."}};
    for (const auto& [what, bytes, message] : cases) {
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
        const ScriptedHost::Message& m = host.messages[0];
        EXPECT_NE(m.text.find(message), std::string::npos) << m.text;
        EXPECT_EQ(std::tie(m.title, m.icon),
                  std::make_tuple(message == reinstall ? "File Not Found" : "Error", MessageIcon::Critical));
        EXPECT_TRUE(league.schedule == before && league.state.SeasonDay == Phase::NoLeague);
    }
}

TEST(Schedule, AListFillingEveryGameDayIsPlaced) {
    test::TempHome home;
    // Teams 1 and 2 meet on every one of the 119 game days: the placement must find each day.
    home.Write("Schedule.dat", Records(std::vector<Pair>(119, Pair{1, 2})));
    League league = LeagueAt(home.path());
    ScriptedHost host;
    ASSERT_TRUE(GenerateSchedule(league, host)) << host.LastMessage();
    for (int d = 1; d <= Phase::LastDay; ++d)
        EXPECT_EQ(league.schedule[static_cast<size_t>(d)].NumGames, d == Phase::AllStarDay ? 0 : 1) << d;
}

} // namespace
} // namespace hv
