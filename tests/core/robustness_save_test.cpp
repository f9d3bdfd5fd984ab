// The saved game against crafted files: references that must hold, site colours, the byte offsets that
// docs/save_file.md gives for team and player entries, and the values rebuilt on loading.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstring>
#include <functional>

#include "core/sample_league.h"
#include "engine/box_score.h"
#include "league/default_league.h"
#include "league/save_file.h"
#include "personnel/ratings.h"
#include "platform/scripted_host.h"
#include "support/temp_home.h"

namespace hv {
namespace {

template <typename T> T At(const std::string& bytes, size_t offset) {
    T value;
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

std::unique_ptr<League> Sample() {
    auto league = std::make_unique<League>();
    testing::FillSampleLeague(*league, {.gameLogEntries = 1, .seasonHistoryEntries = 1, .emptyEvery = 13});
    return league;
}

bool Loads(const std::string& bytes) {
    auto fresh = std::make_unique<League>();
    try {
        DecodeLeague(bytes, *fresh);
        return true;
    } catch (const FormatError&) {
        return false;
    }
}

// Slot 13 is empty in the sample; player 1 plays for team 2.
TEST(SavedReferences, EveryReferenceThatDoesNotHoldIsRefused) {
    const std::pair<const char*, std::function<void(League&)>> cases[] = {
        {"depth chart on an empty slot", [](League& l) { l.team(4).SG2 = 13; }},
        {"key player on an empty slot", [](League& l) { l.team(9).keyplayer3 = 13; }},
        {"player of no team", [](League& l) { l.player(1).Team = "Atlantis"; }},
        {"two teams of one name", [](League& l) { l.team(7).Name = l.team(8).Name; }},
    };
    ASSERT_TRUE(Loads(EncodeLeague(*Sample(), "Refs")));
    for (const auto& [what, damage] : cases) {
        auto league = Sample();
        damage(*league);
        EXPECT_FALSE(Loads(EncodeLeague(*league, "Refs"))) << what;
    }
}

TEST(SavedReferences, ANamedPlayerInSlotZeroOrMovedToAnEmptySlotIsRefused) {
    auto league = Sample();
    for (int slot = 1; slot <= kLeagueTeams; ++slot) // no depth chart names player 1, to begin with
        for (int pos = 1; pos <= 5; ++pos)
            for (int depth = 1; depth <= 3; ++depth)
                if (league->team(slot).Depth(pos, depth) == 1) league->team(slot).Depth(pos, depth) = 0;
    for (int slot = 1; slot <= kLeagueTeams; ++slot)
        for (int16_t* key :
             {&league->team(slot).keyplayer1, &league->team(slot).keyplayer2, &league->team(slot).keyplayer3})
            if (*key == 1) *key = 0;
    SaveBlockStarts starts;
    std::string zero = EncodeLeague(*league, "Refs", &starts);
    ASSERT_TRUE(Loads(zero));
    zero[starts[3]] = zero[starts[3] + 1] = 0; // the first entry, player 1, loses its slot number
    EXPECT_FALSE(Loads(zero)) << "a named player in slot 0 would be dropped";
    league->team(1).C1 = 1;
    std::string moved = EncodeLeague(*league, "Refs", &starts);
    moved[starts[3]] = 13; // player 1 moves to the empty slot 13
    EXPECT_FALSE(Loads(moved)) << "team 1's depth chart would point at slot 1, left empty";
}

TEST(SiteColours, OnlyColoursLoadAndEveryTextOfABoxPageIsEscaped) {
    for (auto [colour, valid] : {std::pair{"", true},
                                 {"#a0B1c2", true},
                                 {"#12345", false},
                                 {"#1234567", false},
                                 {"red", false},
                                 {"#12345g", false}}) {
        auto league = Sample();
        league->state.SiteStyle[3] = colour;
        EXPECT_EQ(Loads(EncodeLeague(*league, "Colours")), valid) << colour;
    }
    BoxScore box;
    box.Home.Name = "Home <b>";
    box.Home.Players[0] = {.ID = 1, .Name = "Al \"Q\" Bo", .Position = "<i>C"};
    std::string html = BoxScoreHtml(box, {"#fff\"><script>x()</script>", "", "", "", "", "", ""});
    for (const char* raw : {"<script>", "<b>", "<i>", "\"Q\""})
        EXPECT_EQ(html.find(raw), std::string::npos) << raw;
    EXPECT_NE(html.find("#fff&quot;&gt;&lt;script&gt;"), std::string::npos);
}

// A documented offset plus the bytes of the strings before the field.
TEST(SaveLayout, TeamEntriesFollowTheDocumentedOffsets) {
    auto league = Sample();
    Team& t = league->team(1);
    t.City = "Ab", t.Name = "Cde", t.Owner = "Human", t.Conference = "East", t.Division = "Xy";
    t.UsedMidException = true, t.Reserved = {15, 16}, t.Streak = -17, t.FinalsAppearances = 18;
    t.TotalWins = 190000, t.PointsVs[29] = 2929, t.TurnoversAllowed = 558558, t.keyplayer3 = 3;
    t.GameRecordsExtra = 638;
    for (auto& r : t.PlayerRecords)
        r = {"", 0, 0};
    t.PlayerRecords[0].PlayerName = "Pat";
    SaveBlockStarts starts;
    const std::string bytes = EncodeLeague(*league, "Layout", &starts);
    const size_t e = starts[2] + 2 + 3 + 5 + 4 + 2;
    EXPECT_EQ(At<int16_t>(bytes, e + 132), -1);
    EXPECT_EQ(At<int16_t>(bytes, e + 146), 16);
    EXPECT_EQ(At<int16_t>(bytes, e + 148), -17);
    EXPECT_EQ(At<int16_t>(bytes, e + 158), 18);
    EXPECT_EQ(At<int32_t>(bytes, e + 160), 190000);
    EXPECT_EQ(At<int16_t>(bytes, e + 408 + 28 * 2), 2929);
    EXPECT_EQ(At<int32_t>(bytes, e + 558), 558558);
    EXPECT_EQ(At<int16_t>(bytes, e + 596), 3);
    EXPECT_EQ(At<int16_t>(bytes, e + 638), 638);
    EXPECT_EQ(At<int16_t>(bytes, e + 640 + 12 * 6 + 3), 2); // after 12 player records, team 2's slot
}

TEST(SaveLayout, PlayerEntriesFollowTheDocumentedOffsets) {
    auto league = Sample();
    Player& p = league->player(1);
    p.Name = "Al Bo", p.College = "C", p.Team = "Bulls", p.LastTeam = p.HomeTeam = "", p.Injury = "Flu";
    p.Awards.clear(), p.GameLog.clear();
    p.SeasonHistory = {SeasonHistoryEntry{.Season = 2002, .Team = "Tm", .Games = 77}};
    p.Age = 31, p.contract8 = 1040104, p.Potential = 88, p.SeasonStats.Spare = 220, p.PlayerOfMonth = 344;
    SaveBlockStarts starts;
    const std::string bytes = EncodeLeague(*league, "Layout", &starts);
    const size_t e = starts[3], names = 4, texts = names + 1 + 5, injury = texts + 3, history = 2 + 4 + 40;
    EXPECT_EQ(At<int16_t>(bytes, e + names + 10), 31);
    EXPECT_EQ(At<int32_t>(bytes, e + texts + 104), 1040104);
    EXPECT_EQ(At<int16_t>(bytes, e + injury + 128), 88);
    EXPECT_EQ(At<int16_t>(bytes, e + injury + 220), 220);
    EXPECT_EQ(At<int32_t>(bytes, e + injury + 232 + 2), 1); // the season-history list's element count
    EXPECT_EQ(At<int16_t>(bytes, e + injury + history + 344), 344);
    EXPECT_EQ(At<int16_t>(bytes, e + injury + history + 346), 2); // the next entry's slot
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
    sqlite3* db = nullptr;
    sqlite3_open((home / "default.lge").c_str(), &db);
    const char* sql = "UPDATE Player SET Height = 80, DisplayHeight = '7''0''''' WHERE ID = 1"; // 80" = 6'8''
    ASSERT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
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
