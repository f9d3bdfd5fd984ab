// The saved-game file: layout, round trip, derived values on loading, and refusal of damaged files.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <random>

#include "core/sample_league.h"
#include "league/league_options.h"
#include "league/save_file.h"
#include "platform/scripted_host.h"
#include "support/temp_home.h"

namespace fs = std::filesystem;

namespace hv {
namespace {

using testing::FillSampleLeague;
using testing::SampleOptions;

// Fixed-width fields, seven empty strings but the injury "None", three empty lists.
constexpr size_t kEmptyPlayerEntryBytes = 302 + 7 * 2 + 4 + 3 * 10;

int16_t I16At(const std::string& bytes, size_t offset) {
    int16_t v;
    std::memcpy(&v, bytes.data() + offset, 2);
    return v;
}
int32_t I32At(const std::string& bytes, size_t offset) {
    int32_t v;
    std::memcpy(&v, bytes.data() + offset, 4);
    return v;
}
void PutI16(std::string& bytes, size_t offset, int16_t v) {
    std::memcpy(bytes.data() + offset, &v, 2);
}
void PutI32(std::string& bytes, size_t offset, int32_t v) {
    std::memcpy(bytes.data() + offset, &v, 4);
}

// A new league before its first season: 29 named teams, every other value at its default.
void NameTeams(League& league) {
    league.state.SeasonDay = Phase::BeforeSeason;
    for (int slot = 1; slot <= kLeagueTeams; ++slot)
        league.team(slot).Name = testing::SampleTeamName(slot);
}

std::string Reencode(const std::string& bytes, const std::string& name = "Sample Ligue") {
    League loaded;
    DecodeLeague(bytes, loaded);
    return EncodeLeague(loaded, name);
}

TEST(SaveFileRoundTrip, EveryStoredFieldComesBackToIdenticalBytes) {
    League league;
    FillSampleLeague(league);
    std::string first = EncodeLeague(league, "Sample Ligue");
    League loaded;
    DecodeLeague(first, loaded);
    std::string second = EncodeLeague(loaded, "Sample Ligue");
    ASSERT_EQ(first.size(), second.size());
    EXPECT_TRUE(first == second);

    // The bytes compare equal only if every stored field came back; a few readable spot checks on top.
    EXPECT_EQ(loaded.tables.transactions, league.tables.transactions);
    EXPECT_EQ(loaded.schedule, league.schedule);
    EXPECT_EQ(loaded.player(1).Name, "Anna Müller");
    EXPECT_EQ(loaded.state.Password, "Géheim 42!");
    EXPECT_EQ(loaded.state.SiteStyle, league.state.SiteStyle);
    EXPECT_EQ(loaded.state.SitePages, league.state.SitePages);
    EXPECT_EQ(loaded.state.SalaryCapDollars(), 43210987);
    EXPECT_EQ(loaded.state.Reserved1, -123456);
}

TEST(SaveFileRoundTrip, DerivedValuesAreRebuiltAndStaminaIsReset) {
    League league;
    FillSampleLeague(league);
    League loaded;
    DecodeLeague(EncodeLeague(league, "Sample Ligue"), loaded);
    const Player& p = loaded.player(1);
    EXPECT_EQ(league.player(1).STAMINA, 777);
    EXPECT_EQ(p.STAMINA, 0);
    EXPECT_EQ(p.DisplayHeight, FormatHeight(p.Height));
    EXPECT_EQ(p.DefaultPosition, PositionText(p.PositionNumber));
    EXPECT_EQ(p.PotentialGrade, GradeOf(p.KnownPotential));
    EXPECT_GT(p.CurrentRating, 0);
    // Commissioner rights follow the password: this league has one.
    EXPECT_FALSE(loaded.state.CommissionerRights);
    // Win% from the home and road results.
    const Team& t = loaded.team(4);
    double expected = static_cast<double>(t.HomeWins + t.RoadWins) /
                      (t.HomeWins + t.HomeLosses + t.RoadWins + t.RoadLosses);
    EXPECT_DOUBLE_EQ(t.WinPct, expected);
    // Roster counts are not stored: they are counted again from the players.
    int onTeam = 0, active = 0;
    for (int id = 1; id <= kLastLeaguePlayer; ++id)
        if (!loaded.player(id).IsEmpty() && loaded.player(id).Team == t.Name) {
            ++onTeam;
            if (!loaded.player(id).IR) ++active;
        }
    EXPECT_GT(onTeam, 0);
    EXPECT_EQ(t.NumPlayers, onTeam);
    EXPECT_EQ(t.ActivePlayers, active);
    EXPECT_EQ(t.Cs + t.PFs + t.SFs + t.SGs + t.PGs, onTeam);
    // Free IDs: the empty slots in increasing order.
    ASSERT_FALSE(loaded.freeIDs.empty());
    EXPECT_EQ(loaded.freeIDs.front(), 13);
    EXPECT_EQ(loaded.freeIDs.size(), static_cast<size_t>(kLastLeaguePlayer / 13));
}

TEST(SaveFileRoundTrip, NoPasswordGrantsRightsAndFirstSeasonZeroBecomes2001) {
    League league;
    FillSampleLeague(league);
    league.state.Password = kNoPassword;
    league.state.FirstSeason = 0;
    League loaded;
    DecodeLeague(EncodeLeague(league, "x"), loaded);
    EXPECT_TRUE(loaded.state.CommissionerRights);
    EXPECT_EQ(loaded.state.Password, "N/A");
    EXPECT_EQ(loaded.state.FirstSeason, 2001);
    EXPECT_EQ(loaded.state.LeagueName, "x");
}

TEST(SaveFileLayout, HeaderFieldsInOrderWithScrambledPassword) {
    League league;
    FillSampleLeague(league);
    std::string bytes = EncodeLeague(league, "Other");
    EXPECT_EQ(I16At(bytes, 0), 0);  // league injuries off
    EXPECT_EQ(I16At(bytes, 2), -1); // screen injuries on
    EXPECT_EQ(I16At(bytes, 4), 3);  // reserved
    uint16_t length;
    std::memcpy(&length, bytes.data() + 6, 2);
    std::string stored = bytes.substr(8, length);
    EXPECT_EQ(stored, ScramblePassword("Géheim 42!"));
    EXPECT_EQ(bytes.find("Géheim"), std::string::npos);
    size_t at = 8 + length;
    EXPECT_EQ(I16At(bytes, at), -1);           // lock simulation
    EXPECT_EQ(I16At(bytes, at + 2), 0);        // lock end of season
    EXPECT_EQ(I32At(bytes, at + 4), 43210987); // salary cap in whole dollars
    EXPECT_EQ(I16At(bytes, at + 8), -1);       // save box scores
    EXPECT_EQ(bytes.substr(at + 12, 5), "Other");
    at += 12 + 5;
    EXPECT_EQ(I16At(bytes, at), 45);       // SeasonDay
    EXPECT_EQ(I16At(bytes, at + 2), 2004); // Season
    EXPECT_EQ(I16At(bytes, at + 4), 2001); // FirstSeason
    EXPECT_EQ(DecodeSaveHeader(bytes).LeagueName, "Other");
    EXPECT_EQ(DecodeSaveHeader(bytes).SeasonDay, 45);
}

TEST(SaveFileLayout, FixedBlocksHaveTheirSizes) {
    League league; // a new, empty league
    SaveBlockStarts starts;
    std::string bytes = EncodeLeague(league, "Empty", &starts);
    EXPECT_EQ(starts[17], bytes.size());
    EXPECT_EQ(starts[4] - starts[3], kLastLeaguePlayer * kEmptyPlayerEntryBytes);
    EXPECT_EQ(starts[5] - starts[4], 174u * 12);
    // Each game: Played, two names, two scores, note, box file, Player of the Game and score, six leaders.
    EXPECT_EQ(starts[6] - starts[5], 169u * (2 + 14 * (2 + 2 + 2 + 2 + 2 + 2 + 2 + 2 + 2 + 6 * 4)));
    EXPECT_EQ(starts[7] - starts[6], 2u); // no bids: upper bound -1
    EXPECT_EQ(I16At(bytes, starts[6]), -1);
    EXPECT_EQ(starts[8] - starts[7], 2u);
    const size_t emptyRecord = 2 + 2 + 3 + 8 + 2 + 2 + 2; // "n/a", empty texts
    EXPECT_EQ(starts[9] - starts[8], 12 * emptyRecord);
    EXPECT_EQ(starts[10] - starts[9], 1212 * emptyRecord);
    EXPECT_EQ(starts[11] - starts[10], 1717 * emptyRecord);
    EXPECT_EQ(starts[12] - starts[11], 252 * emptyRecord);
    EXPECT_EQ(starts[14] - starts[13], 2u + 10);
    EXPECT_EQ(starts[15] - starts[14], 58u);
    EXPECT_EQ(starts[16] - starts[15], 150u);
    EXPECT_EQ(starts[17] - starts[16], 2u);
}

TEST(SaveFileLayout, BidsAreFortyEightBytesEach) {
    League league;
    league.tables.bids.resize(3);
    league.tables.bids[2].Score = 1.5;
    SaveBlockStarts starts;
    std::string bytes = EncodeLeague(league, "x", &starts);
    EXPECT_EQ(I16At(bytes, starts[6]), 2);
    EXPECT_EQ(starts[7] - starts[6], 2u + 3 * 48);
}

TEST(SaveFileLayout, EmptySlotIsWrittenAsSlotZeroAndSkipped) {
    League league;
    FillSampleLeague(league, SampleOptions{.emptyEvery = 2});
    SaveBlockStarts starts;
    std::string bytes = EncodeLeague(league, "x", &starts);
    // Slot 1 is in use; find where slot 2 (empty) begins by encoding the same league without player 1.
    League alone;
    NameTeams(alone);
    alone.player(1) = league.player(1);
    SaveBlockStarts aloneStarts;
    std::string aloneBytes = EncodeLeague(alone, "x", &aloneStarts);
    size_t firstEntry = aloneStarts[4] - aloneStarts[3] - 649 * kEmptyPlayerEntryBytes;
    size_t second = starts[3] + firstEntry;
    EXPECT_EQ(I16At(bytes, starts[3]), 1);
    EXPECT_EQ(I16At(bytes, second), 0);     // slot 0
    EXPECT_EQ(I16At(bytes, second + 2), 0); // empty first name
    EXPECT_EQ(I16At(bytes, second + 4), 0); // empty last name

    // A slot number with empty names is skipped too; a slot 0 entry with names is refused (it would be lost).
    std::string patched = aloneBytes;
    PutI16(patched, aloneStarts[3] + firstEntry, 5); // the second entry claims slot 5 but has no names
    League loaded;
    DecodeLeague(patched, loaded);
    EXPECT_TRUE(loaded.player(5).IsEmpty());
    EXPECT_EQ(loaded.freeIDs.size(), 649u);
    PutI16(patched, aloneStarts[3], 0); // the first entry loses its slot
    League refused;
    EXPECT_THROW(DecodeLeague(patched, refused), FormatError);
}

TEST(SaveFileLayout, NamesWithoutABlankComeBackUnchanged) {
    League league;
    NameTeams(league);
    for (int id = 1; id <= 3; ++id)
        league.player(id).PositionNumber = 1;
    league.player(1).Name = "Pelé";
    league.player(2).Name = " Lead";
    league.player(3).Name = "Jean Claude Van";
    SaveBlockStarts starts;
    std::string bytes = EncodeLeague(league, "x", &starts);
    EXPECT_EQ(I16At(bytes, starts[3] + 2), 0); // first name empty
    EXPECT_EQ(I16At(bytes, starts[3] + 4), 5); // "Pelé" is the last name
    League loaded;
    DecodeLeague(bytes, loaded);
    EXPECT_EQ(loaded.player(1).Name, "Pelé");
    EXPECT_EQ(loaded.player(2).Name, " Lead");
    EXPECT_EQ(loaded.player(3).Name, "Jean Claude Van");
}

TEST(SaveFileLayout, DraftOrderUpperBoundZeroIsOneEntryAtIndexZero) {
    League league;
    NameTeams(league);
    league.tables.draftOrder = {DraftSlot{7, 0, 1, 0, 0}};
    SaveBlockStarts starts;
    std::string bytes = EncodeLeague(league, "x", &starts);
    EXPECT_EQ(I16At(bytes, starts[13]), 0);
    EXPECT_EQ(I16At(bytes, starts[13] + 2), 7);
    League loaded;
    DecodeLeague(bytes, loaded);
    ASSERT_EQ(loaded.tables.draftOrder.size(), 1u);
    EXPECT_EQ(loaded.tables.draftOrder[0].Team, 7);

    league.tables.draftOrder.assign(4, DraftSlot{});
    league.tables.draftOrder[0].Team = 9; // index 0 is not part of an order with entries 1 to n
    for (int i = 1; i <= 3; ++i)
        league.tables.draftOrder[i] = {static_cast<int16_t>(i), 1001, 0, 0, 0};
    bytes = EncodeLeague(league, "x", &starts);
    EXPECT_EQ(I16At(bytes, starts[13]), 3);
    EXPECT_EQ(starts[14] - starts[13], 2u + 3 * 10);
    League loaded3;
    DecodeLeague(bytes, loaded3);
    ASSERT_EQ(loaded3.tables.draftOrder.size(), 4u);
    EXPECT_EQ(loaded3.tables.draftOrder[0].Team, 0);
    EXPECT_EQ(loaded3.tables.draftOrder[3].Team, 3);
}

TEST(SaveFileLayout, TeamReservedValuesAreWrittenButNotReadBack) {
    League league;
    FillSampleLeague(league);
    league.team(1).Reserved = {11, 22};
    std::string bytes = EncodeLeague(league, "x");
    League loaded;
    DecodeLeague(bytes, loaded);
    EXPECT_EQ(loaded.team(1).Reserved, (std::array<int16_t, 2>{0, 0}));
    EXPECT_NE(EncodeLeague(loaded, "x"), bytes);
}

TEST(SaveFileLayout, SalaryCapIsStoredInWholeDollarsRoundedHalfToEven) {
    League league;
    const size_t capAt = 8 + 3 + 4; // after the scrambled "N/A" and the two locks
    auto stored = [&](int64_t scaled) {
        league.state.SalaryCap = scaled;
        return I32At(EncodeLeague(league, "x"), capAt);
    };
    EXPECT_EQ(stored(425000000000LL), 42500000);
    EXPECT_EQ(stored(425000004999LL), 42500000);
    EXPECT_EQ(stored(425000005000LL), 42500000); // half: to the even dollar
    EXPECT_EQ(stored(425000015000LL), 42500002);
    EXPECT_EQ(stored(425000005001LL), 42500001);
    EXPECT_EQ(stored(0), 0);
    league.state.SetSalaryCapDollars(3000000000LL);
    EXPECT_THROW(EncodeLeague(league, "x"), FormatError);
}

TEST(SaveFileLimits, ValuesThatDoNotFitAreRefusedNotTruncated) {
    League league;
    league.tables.transactions.resize(32769);
    EXPECT_THROW(EncodeLeague(league, "x"), FormatError);
    league.tables.transactions.resize(32768); // upper bound 32767 still fits
    EXPECT_NO_THROW(EncodeLeague(league, "x"));
    league.tables.transactions.clear();
    league.player(1).Name = "Long " + std::string(70000, 'x');
    league.player(1).PositionNumber = 1;
    EXPECT_THROW(EncodeLeague(league, "x"), FormatError);
}

// ---- Loading from disk and refusing damaged files ----

class SaveFileDisk : public ::testing::Test {
  protected:
    void SetUp() override {
        league.programFolder = home.path();
        FillSampleLeague(league, SampleOptions{.gameLogEntries = 3, .seasonHistoryEntries = 1});
        fs::create_directories(home / "save");
        ASSERT_TRUE(SaveLeague(league, "good", host));
        good = EncodeLeague(league, "good", &starts);
        // The league in memory before a load attempt: a different league, so that a change would show.
        current.programFolder = home.path();
        FillSampleLeague(current, SampleOptions{.seed = 99, .gameLogEntries = 1, .seasonHistoryEntries = 0});
        current.state.LeagueName = "Current";
        current.state.LeagueFolder = "folder-before";
        current.state.CommissionerRights = true;
        current.player(670).Name = "Exhibition Guy";
        current.leagueOpen = true;
        before = EncodeLeague(current, "Current");
    }

    void WriteSave(const std::string& fileName, const std::string& bytes) {
        home.Write("save/" + fileName, bytes);
    }

    // Loads the bytes over `current` and expects the refusal with the league untouched.
    void ExpectRefused(const std::string& bytes, const std::string& why) {
        SCOPED_TRACE(why);
        WriteSave("bad.sav", bytes);
        host.messages.clear();
        EXPECT_FALSE(LoadLeague(current, "bad.sav", host));
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].text, "The file bad.sav is not a valid saved game.");
        EXPECT_EQ(host.messages[0].title, "Error");
        EXPECT_EQ(EncodeLeague(current, "Current"), before);
        EXPECT_EQ(current.state.LeagueFolder, "folder-before");
        EXPECT_TRUE(current.state.CommissionerRights);
        EXPECT_EQ(current.player(670).Name, "Exhibition Guy");
        EXPECT_TRUE(current.leagueOpen);
    }

    test::TempHome home;
    ScriptedHost host;
    League league, current;
    std::string good, before;
    SaveBlockStarts starts;
};

TEST_F(SaveFileDisk, SavedFileHoldsTheEncodedBytesAndLoadsIntoTheLeague) {
    std::ifstream in(home / "save/good.sav", std::ios::binary);
    std::string onDisk((std::istreambuf_iterator<char>(in)), {});
    EXPECT_TRUE(onDisk == good);
    ASSERT_TRUE(LoadLeague(current, "good.sav", host)) << host.LastMessage();
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(current.state.LeagueName, "good");
    EXPECT_EQ(current.state.LeagueFolder, (home / "leaguedata" / "good").string());
    EXPECT_TRUE(fs::is_directory(home / "leaguedata/good/html/tmstats/shoffense"));
    EXPECT_EQ(EncodeLeague(current, "good"), good);
    // Slots outside the saved game stay; the All-Star squads are re-created empty.
    EXPECT_EQ(current.player(670).Name, "Exhibition Guy");
    EXPECT_TRUE(current.team(30).Name.empty());
}

TEST_F(SaveFileDisk, SavingAgainReplacesTheFileAndLeavesNoTemporaryFile) {
    league.state.Season = 2010;
    ASSERT_TRUE(SaveLeague(league, "good", host));
    int files = 0;
    for (const auto& entry : fs::directory_iterator(home / "save")) {
        ++files;
        EXPECT_EQ(entry.path().filename(), "good.sav");
    }
    EXPECT_EQ(files, 1);
    std::ifstream in(home / "save/good.sav", std::ios::binary);
    std::string onDisk((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(DecodeSaveHeader(onDisk).Season, 2010);
}

TEST_F(SaveFileDisk, FailedSaveKeepsThePreviousFileAndReportsIt) {
    league.player(1).Name = "Far " + std::string(70000, 'x');
    EXPECT_FALSE(SaveLeague(league, "good", host));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Error");
    EXPECT_NE(host.messages[0].text.find("The league could not be saved to good.sav"), std::string::npos);
    std::ifstream in(home / "save/good.sav", std::ios::binary);
    std::string onDisk((std::istreambuf_iterator<char>(in)), {});
    EXPECT_TRUE(onDisk == good);

    // A target that cannot be replaced (a folder in its place): refused, no temporary file left.
    fs::create_directories(home / "save/blocked.sav/inside");
    host.messages.clear();
    league.player(1).Name = "Short Name";
    EXPECT_FALSE(SaveLeague(league, "blocked", host));
    EXPECT_EQ(host.messages.size(), 1u);
    for (const auto& entry : fs::directory_iterator(home / "save"))
        EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
}

TEST_F(SaveFileDisk, ALeagueThatWouldNotLoadAgainIsNotSaved) {
    league.player(5).PositionNumber = 0;
    EXPECT_FALSE(SaveLeague(league, "good", host));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].text.find("could not load again"), std::string::npos) << host.messages[0].text;
    league.player(5).PositionNumber = 2;
    league.state.SeasonDay = Phase::NoLeague;
    EXPECT_FALSE(SaveLeague(league, "good", host));
    std::ifstream in(home / "save/good.sav", std::ios::binary);
    std::string onDisk((std::istreambuf_iterator<char>(in)), {});
    EXPECT_TRUE(onDisk == good);
}

TEST_F(SaveFileDisk, NamesThatLeaveTheSaveFolderAreRefused) {
    for (const std::string name : {"../evil", "a/b", "a\\b", ""}) {
        host.messages.clear();
        EXPECT_FALSE(SaveLeague(league, name, host)) << name;
        EXPECT_EQ(host.messages.size(), 1u);
    }
    EXPECT_FALSE(fs::exists(home / "evil.sav"));
}

TEST_F(SaveFileDisk, MissingFileIsReportedAndChangesNothing) {
    EXPECT_FALSE(LoadLeague(current, "nothere.sav", host));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "The file nothere.sav was not found.");
    EXPECT_EQ(host.messages[0].title, "File Not Found");
    EXPECT_EQ(EncodeLeague(current, "Current"), before);
}

TEST_F(SaveFileDisk, TruncatedAtEveryBlockBoundaryOrRandomOffsetsOrLongerIsRefused) {
    for (int block = 2; block <= 17; ++block)
        for (size_t cut : {starts[block], starts[block] - 1, starts[block] + 1})
            if (cut < good.size()) ExpectRefused(good.substr(0, cut), "cut at " + std::to_string(cut));
    ExpectRefused("", "empty file");
    ExpectRefused(good.substr(0, 1), "one byte");
    ExpectRefused(good + '\0', "one byte too many");
    std::mt19937 rng(1234);
    for (int i = 0; i < 150; ++i) {
        size_t cut = std::uniform_int_distribution<size_t>(0, good.size() - 1)(rng);
        ExpectRefused(good.substr(0, cut), "cut at " + std::to_string(cut));
    }
}

TEST_F(SaveFileDisk, RandomBytesAreRefused) {
    std::mt19937 rng(99);
    for (size_t size : {10u, 1000u, 400000u}) {
        std::string noise(size, '\0');
        for (char& c : noise)
            c = static_cast<char>(rng());
        ExpectRefused(noise, "noise of " + std::to_string(size));
    }
}

TEST_F(SaveFileDisk, HugeLengthsCountsAndBoundsAreRefused) {
    std::string bad = good;
    PutI16(bad, 6, -1); // password length 65535
    ExpectRefused(bad, "string length");

    // An empty player entry: the awards list begins 38 bytes into it.
    League empty;
    NameTeams(empty);
    empty.programFolder = home.path();
    SaveBlockStarts e;
    std::string base = EncodeLeague(empty, "good", &e);
    const size_t awards = e[3] + 38;
    ASSERT_EQ(I16At(base, awards), 1);
    bad = base;
    PutI32(bad, awards + 2, 0x7FFFFFFF);
    ExpectRefused(bad, "list count");
    bad = base;
    PutI32(bad, awards + 2, -1);
    ExpectRefused(bad, "negative list count");
    bad = base;
    PutI16(bad, awards, 2);
    ExpectRefused(bad, "two dimensions");
    bad = base;
    PutI32(bad, awards + 6, 0);
    ExpectRefused(bad, "lower bound 0");

    for (int block : {6, 7, 12, 16}) {
        bad = good;
        PutI16(bad, starts[block], 32767);
        ExpectRefused(bad, "table upper bound " + std::to_string(block));
        bad = good;
        PutI16(bad, starts[block], -2);
        ExpectRefused(bad, "negative table upper bound " + std::to_string(block));
    }
    bad = good;
    PutI16(bad, starts[13], 349);
    ExpectRefused(bad, "draft order upper bound");
}

TEST_F(SaveFileDisk, BadSlotsAndValuesAreRefused) {
    const struct {
        size_t at;
        int16_t value;
        const char* why;
    } patches[] = {{starts[2], 30, "team slot 30"},
                   {starts[2], 0, "team slot 0"},
                   {starts[2], 2, "team slot 2 twice, slot 1 never"},
                   {starts[3], 651, "player slot 651"},
                   {starts[3], -1, "player slot -1"},
                   {starts[3], 2, "player 1's entry claims slot 2 as well"},
                   {0, 5, "boolean 5"},
                   {starts[5], 15, "15 games on a day"},
                   {starts[14], 30, "lottery team 30"}};
    for (const auto& p : patches) {
        std::string bad = good;
        PutI16(bad, p.at, p.value);
        ExpectRefused(bad, p.why);
    }

    League odd;
    NameTeams(odd);
    odd.programFolder = home.path();
    WriteSave("plain.sav", EncodeLeague(odd, "good"));
    EXPECT_TRUE(LoadLeague(current, "plain.sav", host)) << host.LastMessage();
    before = EncodeLeague(current, "Current");
    current.state.LeagueFolder = "folder-before";
    current.state.CommissionerRights = true;
    current.leagueOpen = true;
    odd.team(2).Name.clear();
    ExpectRefused(EncodeLeague(odd, "good"), "team without a name");
    odd.team(2).Name = "Twos";
    odd.state.SeasonDay = 175;
    ExpectRefused(EncodeLeague(odd, "good"), "season day 175");
    odd.state.SeasonDay = 0;
    odd.team(3).DraftRank = std::nan("");
    ExpectRefused(EncodeLeague(odd, "good"), "not a number");
    odd.team(3).DraftRank = 0;
    ExpectRefused(EncodeLeague(odd, "../escape"), "league name leaving its folder");
    odd.team(3).keyplayer2 = 700;
    ExpectRefused(EncodeLeague(odd, "good"), "key player 700");
    odd.team(3).keyplayer2 = 0;
    odd.player(4).Name = "No Position";
    ExpectRefused(EncodeLeague(odd, "good"), "player without a position");
    odd.player(4).PositionNumber = 3;
    odd.player(4).College = "\xC3\x28";
    ExpectRefused(EncodeLeague(odd, "good"), "text that is not UTF-8");
    odd.player(4).College = "Ça va";
    WriteSave("ok.sav", EncodeLeague(odd, "good"));
    EXPECT_TRUE(LoadLeague(current, "ok.sav", host)) << host.LastMessage();
}

TEST_F(SaveFileDisk, FlippedBytesNeverCrashAndLoadedLeaguesSaveStably) {
    std::mt19937 rng(4321);
    int refused = 0, loaded = 0;
    for (int i = 0; i < 150; ++i) {
        std::string bad = good;
        int flips = 1 + static_cast<int>(rng() % 4);
        for (int k = 0; k < flips; ++k)
            bad[rng() % bad.size()] ^= static_cast<char>(1 + rng() % 255);
        League target;
        target.programFolder = home.path();
        try {
            DecodeLeague(bad, target);
            ++loaded;
            std::string again = EncodeLeague(target, target.state.LeagueName);
            EXPECT_EQ(Reencode(again, target.state.LeagueName), again);
        } catch (const FormatError&) {
            ++refused;
        }
    }
    EXPECT_GT(refused, 0);
    EXPECT_GT(loaded, 0);
}

} // namespace
} // namespace hv
