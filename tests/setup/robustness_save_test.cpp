// The saved game against crafted files: site colours, and the values rebuilt on loading.
#include <gtest/gtest.h>

#include <memory>

#include "engine/box_score.h"
#include "league/ratings.h"
#include "league/save_file.h"
#include "platform/scripted_host.h"
#include "platform/sqlite_db.h"
#include "setup/default_league.h"
#include "support/sample_league.h"
#include "support/temp_home.h"

namespace hv {
namespace {

std::unique_ptr<League> Sample() {
    auto league = std::make_unique<League>();
    testing::FillSampleLeague(*league, {.gameLogEntries = 1, .seasonHistoryEntries = 1, .emptyEvery = 13});
    return league;
}

TEST(SiteColours, EveryTextOfABoxPageIsEscaped) {
    BoxScore box;
    box.Home.Name = "Home <b>";
    box.Home.Players[0] = {.ID = 1, .Name = "Al \"Q\" Bo", .Position = "<i>C"};
    std::string html = BoxScoreHtml(box, {"#fff\"><script>x()</script>", "", "", "", "", "", ""});
    for (const char* raw : {"<script>", "<b>", "<i>", "\"Q\""})
        EXPECT_EQ(html.find(raw), std::string::npos) << raw;
    EXPECT_NE(html.find("#fff&quot;&gt;&lt;script&gt;"), std::string::npos);
}

// A draft ratio compares a prospect with the average of his position's class: the ratios average 1.
TEST(DerivedOnLoad, DraftRatiosAreRebuiltAndAverageOne) {
    auto league = std::make_unique<League>();
    DecodeLeague(EncodeLeague(*Sample(), "Draft"), *league);
    double sum = 0;
    int prospects = 0;
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = league->player(id);
        if (p.IsEmpty() || p.Team != kDraft) {
            EXPECT_EQ(p.DraftRatio, 0.0) << id;
            continue;
        }
        ASSERT_EQ(p.PositionNumber, 5) << "the sample's prospects are all point guards";
        sum += p.DraftRatio;
        ++prospects;
    }
    ASSERT_GT(prospects, 10);
    EXPECT_NEAR(sum / prospects, 1.0, 1e-9);
}

TEST(DerivedOnLoad, ANewLeaguesHeightTextComesFromItsInches) {
    test::TempHome home;
    home.CopyInstalledData();
    SqliteDb(home / "default.lge") // 80" is 6'8''
        .Execute("UPDATE Player SET Height = 80, DisplayHeight = '7''0''''' WHERE ID = 1");
    Session session;
    session.league.programFolder = home.path();
    ScriptedHost host;
    ASSERT_TRUE(RunStartup(session, host)) << host.LastMessage();
    ASSERT_TRUE(LoadDefaultLeagueKeepingRosters(session, host, "Fresh")) << host.LastMessage();
    EXPECT_EQ(session.league.player(1).DisplayHeight, "6'8''");
    int rated = 0;
    for (int id = 1; id <= kLastLeaguePlayer; ++id)
        rated += session.league.player(id).Team == kDraft && session.league.player(id).DraftRatio > 0;
    EXPECT_GT(rated, 50);
}

} // namespace
} // namespace hv
