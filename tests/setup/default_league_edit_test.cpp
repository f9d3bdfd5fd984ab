// The default-league editor's league: the installed database read as it is stored, edited, written back.
// Saved as a file of its own and chosen again, it is tried through the command line and the New League
// screen.
#include <gtest/gtest.h>

#include <fstream>

#include "league/league_editor.h"
#include "league/ratings.h"
#include "platform/scripted_host.h"
#include "platform/sqlite_db.h"
#include "setup/default_league_edit.h"
#include "setup/default_league_files.h"
#include "support/file_bytes.h"
#include "support/temp_home.h"

namespace hv {
namespace {

TEST(DefaultLeagueEdit, AnEditWrittenBackIsReadAgainAndTheShippedFileStays) {
    test::TempHome home;
    home.CopyInstalledData();
    Session session;
    session.league.programFolder = home.path();
    ScriptedHost host;
    ASSERT_TRUE(RunStartup(session, host)) << host.LastMessage();
    const std::string shipped = test::FileBytes(home / "default.lge");

    auto league = std::make_unique<League>();
    ReadDefaultLeagueForEditing(*session.database, *league);
    const Player& before = league->player(1);
    ASSERT_FALSE(before.IsEmpty());
    // Stored values, no draws: the potential is the stored one and the scouts know it.
    EXPECT_EQ(before.KnownPotential, before.Potential);
    const int team = league->FindTeam(before.Team);
    ASSERT_NE(team, 0);
    EXPECT_GT(league->team(team).NumPlayers, 0);

    const int wanted = before.InsideScoring == 90 ? 91 : 90;
    ASSERT_TRUE(EditPlayer(*league, 1, {{"InsideScoring", std::to_string(wanted)}, {"Age", "30"}}, host))
        << host.LastMessage();
    ASSERT_TRUE(EditTeam(*league, 1, {{"City", "Harbour Town"}}, host)) << host.LastMessage();
    WriteDefaultLeague(*session.database, *league);

    auto again = std::make_unique<League>();
    ReadDefaultLeagueForEditing(*session.database, *again);
    EXPECT_EQ(again->player(1).InsideScoring, wanted);
    EXPECT_EQ(again->player(1).Age, 30);
    EXPECT_EQ(again->team(1).City, "Harbour Town");
    // Nothing else moved: every other player reads back as he was.
    for (int id = 2; id <= kLastLeaguePlayer; ++id) {
        EXPECT_EQ(again->player(id).Name, league->player(id).Name) << id;
        EXPECT_EQ(again->player(id).CurrentRating, league->player(id).CurrentRating) << id;
        EXPECT_EQ(again->player(id).contract1, league->player(id).contract1) << id;
    }
    EXPECT_TRUE(test::FileBytes(home / "default.lge") == shipped);
}

} // namespace
} // namespace hv
