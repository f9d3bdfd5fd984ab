// The installation's data files as the build generates them: the matchup list and the generated sources.
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <map>
#include <sstream>

#include "league/binary_io.h"
#include "league/league.h"
#include "platform/sqlite_db.h"
#include "support/build_paths.h"
#include "support/file_bytes.h"

namespace hv {
namespace {

namespace fs = std::filesystem;

const fs::path kHome = hv::build_paths::kTestData;

// 1189 matchups of 12 bytes: every team plays 82 games, 41 at home; every pair meets, division rivals most.
TEST(InstalledDataFiles, TheMatchupListGivesEveryTeamAFullSchedule) {
    SqliteDb db(kHome / "default.lge", true);
    std::array<std::string, kLeagueTeams + 1> division;
    for (auto teams = db.Prepare("SELECT ID, Division FROM Team ORDER BY ID"); teams->Step();)
        division[static_cast<size_t>(teams->Int("ID"))] = teams->Text("Division");
    const std::string bytes = test::FileBytes(kHome / "Schedule.dat");
    ASSERT_EQ(bytes.size(), 1189u * 12);
    ByteReader r(bytes);
    std::array<int, kLeagueTeams + 1> home{}, away{};
    std::map<std::pair<int, int>, int> meetings;
    while (!r.AtEnd()) {
        const int h = r.I16(), a = r.I16();
        EXPECT_EQ(r.F64(), 0.0);
        ASSERT_TRUE(h >= 1 && h <= kLeagueTeams && a >= 1 && a <= kLeagueTeams && h != a) << h << " v " << a;
        ++home[static_cast<size_t>(h)], ++away[static_cast<size_t>(a)];
        ++meetings[{std::min(h, a), std::max(h, a)}];
    }
    EXPECT_EQ(std::count(home.begin() + 1, home.end(), 41) + std::count(away.begin() + 1, away.end(), 41),
              2 * kLeagueTeams);
    EXPECT_EQ(meetings.size(), static_cast<size_t>(kLeagueTeams * (kLeagueTeams - 1) / 2));
    for (const auto& [pair, n] : meetings)
        EXPECT_GE(n, division[static_cast<size_t>(pair.first)] == division[static_cast<size_t>(pair.second)]
                         ? 3
                         : 2);
}

// The committed sources are what their seeded generators make of today's inputs.
TEST(InstalledDataFiles, GeneratedSourcesAreUpToDate) {
    const fs::path tools = fs::path(hv::build_paths::kSourceDir) / "tools";
    if (std::system("python3 -c pass > /dev/null 2>&1") != 0) GTEST_SKIP() << "python3 is not installed";
    for (const char* script : {"generate_schedule.py", "generate_default_league.py"})
        EXPECT_EQ(std::system(("python3 \"" + (tools / script).string() + "\" --check").c_str()), 0)
            << script;
}

} // namespace
} // namespace hv
