// The saved game against crafted files: references that must hold, site colours, the documented byte
// layout of team and player entries, and the values rebuilt on loading.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include <sqlite3.h>

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

template <typename T> void Put(std::string& bytes, size_t offset, T value) {
    std::memcpy(bytes.data() + offset, &value, sizeof value);
}

std::unique_ptr<League> Sample() {
    auto league = std::make_unique<League>();
    testing::FillSampleLeague(*league, {.gameLogEntries = 1, .seasonHistoryEntries = 1});
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

// The first player slot that holds a player of team 1, and the first empty slot.
int PlayerOfTeamOne(const League& league) {
    for (int id = 1; id <= kLastLeaguePlayer; ++id)
        if (!league.player(id).IsEmpty() && league.player(id).Team == league.team(1).Name) return id;
    return 0;
}
int EmptySlot(const League& league) {
    for (int id = 1; id <= kLastLeaguePlayer; ++id)
        if (league.player(id).IsEmpty()) return id;
    return 0;
}

TEST(SavedReferences, EveryReferenceThatDoesNotHoldIsRefused) {
    struct Case {
        const char* what;
        std::function<void(League&)> damage;
    };
    const Case cases[] = {
        {"a depth chart on an empty slot",
         [](League& l) { l.team(4).SG2 = static_cast<int16_t>(EmptySlot(l)); }},
        {"a key player on an empty slot",
         [](League& l) { l.team(9).keyplayer3 = static_cast<int16_t>(EmptySlot(l)); }},
        {"a player of no team", [](League& l) { l.player(PlayerOfTeamOne(l)).Team = "Atlantis"; }},
        {"two teams of one name", [](League& l) { l.team(7).Name = l.team(8).Name; }},
    };
    ASSERT_TRUE(Loads(EncodeLeague(*Sample(), "Refs")));
    for (const Case& c : cases) {
        auto league = Sample();
        c.damage(*league);
        EXPECT_FALSE(Loads(EncodeLeague(*league, "Refs"))) << c.what;
    }
}

TEST(SavedReferences, ANamedPlayerInSlotZeroOrMovedToAnEmptySlotIsRefused) {
    auto league = Sample();
    ASSERT_FALSE(league->player(1).IsEmpty());
    for (int slot = 1; slot <= kLeagueTeams; ++slot) { // no depth chart names player 1, to begin with
        Team& t = league->team(slot);
        for (int pos = 1; pos <= 5; ++pos)
            for (int depth = 1; depth <= 3; ++depth)
                if (t.Depth(pos, depth) == 1) t.Depth(pos, depth) = 0;
        for (int16_t* key : {&t.keyplayer1, &t.keyplayer2, &t.keyplayer3})
            if (*key == 1) *key = 0;
    }
    SaveBlockStarts starts;
    std::string zero = EncodeLeague(*league, "Refs", &starts);
    ASSERT_TRUE(Loads(zero));
    // The first player entry holds player 1; its slot number is the entry's first field.
    Put<int16_t>(zero, starts[3], 0);
    EXPECT_FALSE(Loads(zero)) << "a named player in slot 0 would be dropped";
    league->team(1).C1 = 1;
    std::string moved = EncodeLeague(*league, "Refs", &starts);
    Put<int16_t>(moved, starts[3], static_cast<int16_t>(EmptySlot(*league)));
    EXPECT_FALSE(Loads(moved)) << "team 1's depth chart would point at slot 1, left empty";
}

TEST(SiteColours, OnlyColoursLoadAndEveryTextOfABoxPageIsEscaped) {
    for (const char* colour : {"", "#a0B1c2", "#000000"}) {
        auto league = Sample();
        league->state.SiteStyle[3] = colour;
        EXPECT_TRUE(Loads(EncodeLeague(*league, "Colours"))) << colour;
    }
    for (const char* text : {"#12345", "#1234567", "red", "#12345g", "#fff\" onload=\"alert(1)"}) {
        auto league = Sample();
        league->state.SiteStyle[3] = text;
        EXPECT_FALSE(Loads(EncodeLeague(*league, "Colours"))) << text;
    }
    BoxScore box;
    box.Home.Name = "Home <b>";
    box.Away.Name = "Away";
    box.Home.Players[0] = {.ID = 1, .Name = "Al \"Q\" Bo", .Position = "<i>C"};
    std::array<std::string, 7> style{"#fff\"><script>x()</script>", "", "", "", "", "", ""};
    std::string html = BoxScoreHtml(box, style);
    for (const char* raw : {"<script>", "<b>", "<i>", "\"Q\""})
        EXPECT_EQ(html.find(raw), std::string::npos) << raw;
    EXPECT_NE(html.find("#fff&quot;&gt;&lt;script&gt;"), std::string::npos);
}

// Offsets and sizes from the tables of docs/save_file.md, counted with the entries' strings.
TEST(SaveLayout, TeamEntriesFollowTheDocumentedOffsets) {
    auto league = Sample();
    Team& t = league->team(1);
    t.City = "Ab";
    t.Name = "Cde";
    t.Owner = "Human";
    t.Conference = "East";
    t.Division = "Xy";
    const size_t strings = 2 + 3 + 5 + 4 + 2;
    t.UsedMidException = true;
    t.HomeWins = 11, t.HomeLosses = 12, t.RoadWins = 13, t.RoadLosses = 14, t.Reserved = {15, 16};
    t.Streak = -17, t.FinalsAppearances = 18;
    t.TotalWins = 190000, t.PlayoffLosses = 200000;
    t.PointsVs[29] = 2929;
    t.Points = 466466, t.TurnoversAllowed = 558558;
    t.C1 = 1, t.PG3 = 2, t.keyplayer3 = 3;
    t.Pace = 598, t.GameRecordsExtra = 638;
    for (auto& r : t.PlayerRecords)
        r = {"", 0, 0};
    t.PlayerRecords[0].PlayerName = "Pat";
    SaveBlockStarts starts;
    const std::string bytes = EncodeLeague(*league, "Layout", &starts);
    const size_t e = starts[2] + strings;
    EXPECT_EQ(At<int16_t>(bytes, starts[2]), 1);
    EXPECT_EQ(At<int16_t>(bytes, e + 132), -1);
    EXPECT_EQ(At<int16_t>(bytes, e + 136), 11);
    EXPECT_EQ(At<int16_t>(bytes, e + 142), 14);
    EXPECT_EQ(At<int16_t>(bytes, e + 146), 16);
    EXPECT_EQ(At<int16_t>(bytes, e + 148), -17);
    EXPECT_EQ(At<int16_t>(bytes, e + 158), 18);
    EXPECT_EQ(At<int32_t>(bytes, e + 160), 190000);
    EXPECT_EQ(At<int32_t>(bytes, e + 172), 200000);
    EXPECT_EQ(At<int16_t>(bytes, e + 408 + 28 * 2), 2929);
    EXPECT_EQ(At<int32_t>(bytes, e + 466), 466466);
    EXPECT_EQ(At<int32_t>(bytes, e + 558), 558558);
    EXPECT_EQ(At<int16_t>(bytes, e + 562), 1);
    EXPECT_EQ(At<int16_t>(bytes, e + 590), 2);
    EXPECT_EQ(At<int16_t>(bytes, e + 596), 3);
    EXPECT_EQ(At<int16_t>(bytes, e + 598), 598);
    EXPECT_EQ(At<int16_t>(bytes, e + 638), 638);
    // The 12 player records: 6 bytes each and their names; then team 2's slot number.
    EXPECT_EQ(At<int16_t>(bytes, e + 640 + 12 * 6 + 3), 2);
}

TEST(SaveLayout, PlayerEntriesFollowTheDocumentedOffsets) {
    auto league = Sample();
    Player& p = league->player(1);
    p.Name = "Al Bo";
    p.College = "C";
    p.Team = league->team(2).Name;
    p.LastTeam = p.HomeTeam = "";
    p.Injury = "Flu";
    p.Awards.clear();
    p.GameLog.clear();
    p.SeasonHistory = {SeasonHistoryEntry{.Season = 2002, .Team = "Tm", .Games = 77}};
    p.Weight = 206, p.Age = 31, p.contract8 = 1040104, p.Potential = 88, p.Strength = 47;
    p.SeasonStats.Spare = 220, p.CareerGamesStarted = 278, p.Career.Points = 328328, p.PlayerOfMonth = 344;
    SaveBlockStarts starts;
    const std::string bytes = EncodeLeague(*league, "Layout", &starts);
    const size_t e = starts[3];
    const size_t names = 2 + 2, beforeInjury = names + 1 + p.Team.size(), withInjury = beforeInjury + 3;
    const size_t history = 2 + (2 + 2) + 20 * 2; // one season-history element, team name "Tm"
    EXPECT_EQ(At<int16_t>(bytes, e), 1);
    EXPECT_EQ(At<int16_t>(bytes, e + names + 6), 206);
    EXPECT_EQ(At<int16_t>(bytes, e + names + 10), 31);
    EXPECT_EQ(At<int32_t>(bytes, e + beforeInjury + 104), 1040104);
    EXPECT_EQ(At<int16_t>(bytes, e + withInjury + 128), 88);
    EXPECT_EQ(At<int16_t>(bytes, e + withInjury + 170), 47);
    EXPECT_EQ(At<int16_t>(bytes, e + withInjury + 220), 220);
    EXPECT_EQ(At<int32_t>(bytes, e + withInjury + 232 + 2), 1); // the history list's element count
    EXPECT_EQ(At<int16_t>(bytes, e + withInjury + history + 278), 278);
    EXPECT_EQ(At<int32_t>(bytes, e + withInjury + history + 328), 328328);
    EXPECT_EQ(At<int16_t>(bytes, e + withInjury + history + 344), 344);
    EXPECT_EQ(At<int16_t>(bytes, e + withInjury + history + 346), 2); // the next entry's slot
}

TEST(DerivedOnLoad, DraftRatiosAndAbsoluteRatingsAreRebuilt) {
    auto league = Sample();
    // The saved league's own derived values, computed before saving.
    for (int id = 1; id <= kLastLeaguePlayer; ++id)
        if (!league->player(id).IsEmpty()) CalculatePlayerRatings(league->player(id));
    CalculateAbsoluteRatings(*league);
    auto loaded = std::make_unique<League>();
    DecodeLeague(EncodeLeague(*league, "Draft"), *loaded);
    int prospects = 0;
    double ratioSum[6] = {};
    int perPosition[6] = {};
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = loaded->player(id);
        if (p.IsEmpty()) continue;
        EXPECT_EQ(p.DraftRatio, league->player(id).DraftRatio) << id;
        EXPECT_EQ(p.AbsoluteRating, league->player(id).AbsoluteRating) << id;
        if (p.Team != kDraft) {
            EXPECT_EQ(p.DraftRatio, 0.0) << id;
            continue;
        }
        ++prospects;
        ratioSum[p.PositionNumber] += p.DraftRatio;
        ++perPosition[p.PositionNumber];
    }
    ASSERT_GT(prospects, 10);
    // A ratio compares a prospect with his position's average: at each position they average 1.
    for (int pos = 1; pos <= 5; ++pos) {
        if (perPosition[pos] == 0) continue;
        EXPECT_NEAR(ratioSum[pos] / perPosition[pos], 1.0, 1e-9) << pos;
    }
}

TEST(DerivedOnLoad, ANewLeaguesHeightsAndDraftRatiosComeFromItsPlayers) {
    test::TempHome home;
    home.CopyInstalledData();
    sqlite3* db = nullptr;
    sqlite3_open((home / "default.lge").c_str(), &db);
    // A database whose height text disagrees with the inches: 80 inches are 6 feet 8.
    const char* sql = "UPDATE Player SET Height = 80, DisplayHeight = '7''0''''' WHERE ID = 1";
    ASSERT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
    Session session;
    session.league.programFolder = home.path();
    ScriptedHost host;
    ASSERT_TRUE(RunStartup(session, host)) << host.LastMessage();
    ASSERT_TRUE(LoadDefaultLeagueKeepingRosters(session, host, "Fresh")) << host.LastMessage();
    EXPECT_EQ(session.league.player(1).DisplayHeight, "6'8''");
    int prospects = 0, aboveAverage = 0;
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = session.league.player(id);
        if (p.IsEmpty() || p.Team != kDraft) continue;
        ++prospects;
        EXPECT_GT(p.DraftRatio, 0) << id;
        aboveAverage += p.AbsoluteRating > 0; // only a prospect above his position's average rates
    }
    EXPECT_GT(prospects, 0);
    EXPECT_GT(aboveAverage, 0);
}

} // namespace
} // namespace hv
