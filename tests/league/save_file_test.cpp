// The saved-game file: the documented layout byte by byte, round trips, and the refusal of damaged files.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <functional>
#include <memory>

#include "league/league_options.h"
#include "league/save_file.h"
#include "platform/scripted_host.h"
#include "support/file_bytes.h"
#include "support/sample_league.h"
#include "support/temp_home.h"

namespace fs = std::filesystem;

namespace hv {
namespace {

using testing::FillSampleLeague;
using testing::SampleOptions;

// The fields of docs/save_file.md written the way the document describes them, independently of the save
// code: little-endian integers, strings with a 2-byte length, lists with their three-value head.
class DocBytes {
  public:
    void I16(int v) { Put(v, 2); }
    void I32(int64_t v) { Put(v, 4); }
    void F64(double v) {
        uint64_t bits;
        std::memcpy(&bits, &v, 8);
        Put(static_cast<int64_t>(bits), 8);
    }
    void Bool(bool v) { I16(v ? -1 : 0); }
    void Str(const std::string& s) {
        I16(static_cast<int>(s.size()));
        bytes += s;
    }
    void ListHead(int count) {
        I16(1);
        I32(count);
        I32(1);
    }
    std::string bytes;

  private:
    void Put(int64_t v, int n) {
        for (int i = 0; i < n; ++i)
            bytes += static_cast<char>((v >> (8 * i)) & 0xFF);
    }
};

// Writes each field into the record and the document's bytes at once; every value differs from the last.
struct LayoutWriter {
    DocBytes doc;
    int next = 101;
    template <class... F> void I16(F*... fields) {
        ((*fields = static_cast<int16_t>(next++), doc.I16(*fields)), ...);
    }
    template <class... F> void I32(F*... fields) { ((*fields = 70000 + next++, doc.I32(*fields)), ...); }
    template <class... F> void Bool(F*... fields) { ((*fields = next++ % 2 == 0, doc.Bool(*fields)), ...); }
    template <class Field> void Str(Field& field, const std::string& value) {
        field = value;
        doc.Str(value);
    }
    template <class... F> void Fixed(int16_t value, F*... fields) {
        ((*fields = value, doc.I16(value)), ...);
    }
    void Opponents(PerOpponent& list) {
        for (int o = 1; o <= kLeagueTeams; ++o)
            I16(&list[o]);
    }
};

// "Printable ASCII at position i rotated forward by (7 + 3i) mod 95 within 32 to 126."
std::string Scrambled(const std::string& plain) {
    std::string out = plain;
    for (size_t i = 0; i < out.size(); ++i) {
        const int c = static_cast<unsigned char>(out[i]);
        if (c >= 32 && c <= 126) out[i] = static_cast<char>(32 + (c - 32 + 7 + 3 * static_cast<int>(i)) % 95);
    }
    return out;
}

void WriteDocumentedHeader(LayoutWriter& w, SeasonState& s) {
    w.Bool(&s.LeagueInjuries, &s.ScreenInjuries);
    w.I16(&s.Reserved);
    s.Password = "Hö~ps 7"; // a byte outside printable ASCII stays, "~" wraps round
    w.doc.Str(Scrambled(s.Password));
    w.Bool(&s.LockSimulation, &s.LockEndSeason);
    s.SetSalaryCapDollars(43210987);
    w.doc.I32(43210987);
    w.Bool(&s.SaveBoxScores);
    w.Str(s.LeagueName, "Layout");
    w.Fixed(45, &s.SeasonDay); // a phase code
    w.I16(&s.Season, &s.FirstSeason);
    w.I32(&s.Reserved1, &s.Reserved2);
    w.I16(&s.DraftState, &s.DraftPickState);
    w.Bool(&s.SiteDuringSim);
    for (size_t i = 0; i < s.SiteStyle.size(); ++i)
        w.Str(s.SiteStyle[i], "#10203" + std::to_string(i));
    for (bool& on : s.SitePages)
        w.Bool(&on);
}

// Team 1; its depth chart and key players are its players 1 to 15.
void WriteDocumentedTeam(LayoutWriter& w, Team& t) {
    w.doc.I16(1);
    w.Str(t.City, "Ciudad"), w.Str(t.Name, "Hawks"), w.Str(t.Owner, "Human");
    w.Str(t.Conference, "East"), w.Str(t.Division, "Atlantic");
    w.I16(&t.TeamRating, &t.WinRating, &t.OldWinRating);
    t.DraftRank = 12.625;
    w.doc.F64(12.625);
    w.I16(&t.LastPlayoffYear);
    w.Bool(&t.pbp, &t.CoachTeam);
    w.I16(&t.DraftFocus, &t.ExtraValues[0], &t.ExtraValues[1]);
    t.DraftList = {3, 1, 2}; // then 26 empty places
    for (size_t place = 0; place < kLeagueTeams; ++place)
        w.doc.I16(place < t.DraftList.size() ? t.DraftList[place] : int16_t{0});
    w.I32(&t.TotalSalary);
    for (int32_t& cut : t.CutSalary)
        w.I32(&cut);
    w.Bool(&t.UsedMidException, &t.UsedLowException);
    w.I16(&t.HomeWins, &t.HomeLosses, &t.RoadWins, &t.RoadLosses);
    w.doc.I16(0); // the two reserved values
    w.doc.I16(0);
    w.I16(&t.Streak, &t.DivRank, &t.ConfRank, &t.Championships, &t.Playoffs, &t.FinalsAppearances);
    w.I32(&t.TotalWins, &t.TotalLosses, &t.PlayoffWins, &t.PlayoffLosses);
    for (auto* list : {&t.SeasonWinsVs, &t.SeasonLossesVs, &t.AllTimeWinsVs, &t.AllTimeLossesVs, &t.PointsVs})
        w.Opponents(*list);
    w.I32(&t.Points, &t.PointsAllowed, &t.Steals, &t.Assists, &t.Rebounds, &t.Blocks, &t.Turnovers, &t.FG,
          &t.FGA, &t.FT, &t.FTA, &t.ThreeP, &t.ThreePA, &t.FGAallowed, &t.FGallowed, &t.FTallowed,
          &t.FTAallowed, &t.ThreePallowed, &t.ThreePAallowed, &t.StealsAllowed, &t.AssistsAllowed,
          &t.ReboundsAllowed, &t.BlocksAllowed, &t.TurnoversAllowed);
    const int16_t ids[18] = {4, 11, 2, 9, 14, 6, 1, 13, 8, 3, 15, 10, 5, 12, 7, 12, 1, 9};
    int16_t* chart[18] = {&t.C1,  &t.C2,  &t.C3,  &t.PF1,        &t.PF2,        &t.PF3,
                          &t.SF1, &t.SF2, &t.SF3, &t.SG1,        &t.SG2,        &t.SG3,
                          &t.PG1, &t.PG2, &t.PG3, &t.keyplayer1, &t.keyplayer2, &t.keyplayer3};
    for (int k = 0; k < 18; ++k)
        w.Fixed(ids[k], chart[k]);
    w.Fixed(75, &t.Pace), w.Fixed(25, &t.Press), w.Fixed(50, &t.Trap), w.Fixed(100, &t.Offense);
    for (TeamGameRecord& r : t.GameRecords)
        w.I16(&r.Value, &r.Season);
    w.I16(&t.GameRecordsExtra);
    for (TeamPlayerRecord& r : t.PlayerRecords) {
        w.Str(r.PlayerName, "Record Holder " + std::to_string(w.next));
        w.I16(&r.Value, &r.Season);
    }
}

void WriteDocumentedPlayer(LayoutWriter& w, Player& p) {
    w.doc.I16(1);
    p.Name = "Zoë Van Der Berg";
    w.doc.Str("Zoë");
    w.doc.Str("Van Der Berg");
    w.I16(&p.Weight, &p.Height, &p.Age);
    w.Str(p.College, "Lakeside College");
    w.Str(p.Team, "Hawks");
    w.Str(p.LastTeam, "Bulls");
    w.I16(&p.LastFASeason);
    w.Str(p.HomeTeam, "Owls");
    w.Fixed(3, &p.PositionNumber), w.Fixed(2, &p.OriginalPosition); // the PF's caps keep the skills below
    w.I16(&p.Round, &p.Pick, &p.Experience);
    w.I32(&p.CAREERPOINTS);
    w.I16(&p.Championships);
    p.Awards.resize(2);
    w.doc.ListHead(2);
    for (Award& a : p.Awards) {
        w.I16(&a.Season);
        w.Str(a.Name, "Award " + std::to_string(w.next));
    }
    for (int32_t& v : p.ResignDemand)
        w.I32(&v);
    w.I32(&p.contract1, &p.contract2, &p.contract3, &p.contract4, &p.contract5, &p.contract6, &p.contract7,
          &p.contract8);
    w.Bool(&p.Exception);
    w.I16(&p.Signday, &p.SignYear);
    w.Bool(&p.Resign);
    w.I32(&p.LastSalary);
    w.I16(&p.BirdYears);
    w.Str(p.Injury, "Sprained Ankle");
    w.I16(&p.TimeInjured);
    w.Bool(&p.IR);
    w.I16(&p.Potential, &p.KnownPotential, &p.Greed, &p.Happiness, &p.Loyalty, &p.Winner);
    w.next = 21; // the skills stay inside every limit: 21 to 36
    w.I16(&p.InsideScoring, &p.JumpShot, &p.ThreePointShot, &p.Scoring, &p.Handling, &p.Passing, &p.Quickness,
          &p.PostDefense, &p.PerimeterDefense, &p.DriveDefense, &p.Stealing, &p.ShotBlocking,
          &p.OffenseRebound, &p.DefenseRebound, &p.Jumping, &p.Strength);
    w.next = 301;
    w.I16(&p.HIGHPOINTS, &p.HIGHREBOUNDS, &p.HIGHASSISTS, &p.HIGHSTEALS, &p.HIGHBLOCKS);
    SeasonTotals& s = p.SeasonStats;
    w.I16(&s.Games, &s.GamesStarted, &s.Minutes, &s.FG, &s.FGA, &s.FT, &s.FTA, &s.ThreeP, &s.ThreePA,
          &s.Rebounds, &s.Assists, &s.Steals, &s.Blocks, &s.Turnovers, &s.Points, &s.Fouls, &s.DQ,
          &s.DoubleDoubles, &s.TripleDoubles, &s.Spare);
    p.GameLog.resize(2);
    w.doc.ListHead(2);
    for (GameLogEntry& g : p.GameLog) {
        w.I16(&g.SeasonDay);
        w.Bool(&g.Starter);
        w.Str(g.Team, "Hawks");
        w.Str(g.Opponent, "Team " + std::to_string(w.next));
        w.I16(&g.Minutes, &g.FG, &g.FGA, &g.FT, &g.FTA, &g.ThreeP, &g.ThreePA, &g.Rebounds, &g.Assists,
              &g.Steals, &g.Blocks, &g.Turnovers, &g.Points, &g.Fouls, &g.Spare1, &g.Spare2);
    }
    SeasonHistoryEntry& h = p.SeasonHistory.emplace_back();
    w.doc.ListHead(1);
    w.I16(&h.Season);
    w.Str(h.Team, "Bulls");
    w.I16(&h.Games, &h.GamesStarted, &h.Minutes, &h.FG, &h.FGA, &h.FT, &h.FTA, &h.ThreeP, &h.ThreePA,
          &h.Rebounds, &h.Assists, &h.Steals, &h.Blocks, &h.Turnovers, &h.Points, &h.DQ, &h.Fouls,
          &h.DoubleDoubles, &h.TripleDoubles, &h.Spare);
    PlayoffTotals& o = p.PlayoffStats;
    w.I16(&o.Games, &o.Minutes, &o.FG, &o.FGA, &o.FT, &o.FTA, &o.ThreeP, &o.ThreePA, &o.Rebounds, &o.Assists,
          &o.Steals, &o.Blocks, &o.Turnovers, &o.Points, &o.Fouls, &o.DQ, &o.Spare, &p.CareerGames,
          &p.CareerGamesStarted);
    CareerTotals& c = p.Career;
    w.I32(&c.Minutes, &c.FG, &c.FGA, &c.FT, &c.FTA, &c.ThreeP, &c.ThreePA, &c.Rebounds, &c.Assists, &c.Steals,
          &c.Blocks, &c.Turnovers, &c.Points);
    w.I16(&p.CareerFouls, &p.CareerDQ, &p.CareerDoubleDoubles, &p.CareerTripleDoubles, &p.PlayerOfGame,
          &p.PlayerOfWeek, &p.PlayerOfMonth);
}

// A league of 29 named teams whose first holds players 1 to 15.
void NameTeams(League& league) {
    testing::SampleFiller f(3);
    league.state.SeasonDay = Phase::BeforeSeason;
    for (int slot = 1; slot <= kLeagueTeams; ++slot)
        league.team(slot).Name = testing::SampleTeamName(slot);
    league.team(2).Name = "Bulls";
    league.team(3).Name = "Owls";
    for (int id = 2; id <= 15; ++id) {
        Player& p = league.player(id);
        p.Name = "Team Mate" + std::to_string(id);
        p.Team = "Hawks";
        p.PositionNumber = p.OriginalPosition = static_cast<int16_t>(1 + id % 5);
        testing::FillSmall(f, 40, 50, &p.InsideScoring, &p.JumpShot, &p.ThreePointShot, &p.Scoring,
                           &p.Handling, &p.Passing, &p.Quickness, &p.PostDefense, &p.PerimeterDefense,
                           &p.DriveDefense, &p.Stealing, &p.ShotBlocking, &p.OffenseRebound,
                           &p.DefenseRebound, &p.Jumping,
                           &p.Strength); // inside every position's limits, so that loading keeps them
    }
}

// The header, a team entry and a player entry with a distinct value in every field, written to the document
// by hand: the save code must write exactly these bytes and read every field back from them.
TEST(SaveFileLayout, HeaderTeamAndPlayerEntriesFollowTheDocument) {
    League league;
    NameTeams(league);
    LayoutWriter header, team, player;
    WriteDocumentedHeader(header, league.state);
    WriteDocumentedTeam(team, league.team(1));
    WriteDocumentedPlayer(player, league.player(1));
    SaveBlockStarts starts;
    const std::string written = EncodeLeague(league, "Layout", &starts);
    ASSERT_EQ(starts[2], header.doc.bytes.size());
    EXPECT_TRUE(written.substr(0, starts[2]) == header.doc.bytes) << "header";
    EXPECT_TRUE(written.substr(starts[2], team.doc.bytes.size()) == team.doc.bytes) << "team entry";
    EXPECT_TRUE(written.substr(starts[3], player.doc.bytes.size()) == player.doc.bytes) << "player entry";

    // The documented bytes load into the same league.
    League loaded;
    DecodeLeague(written, loaded);
    EXPECT_TRUE(EncodeLeague(loaded, "Layout") == written);
    EXPECT_EQ(loaded.player(1).Name, "Zoë Van Der Berg");
    EXPECT_EQ(loaded.state.Password, "Hö~ps 7");
}

// The fixed blocks of a league without players or entries: docs/save_file.md, "Sizes".
TEST(SaveFileLayout, FixedBlocksHaveTheirDocumentedSizes) {
    League league;
    league.tables.bids.resize(3);
    SaveBlockStarts starts;
    const std::string bytes = EncodeLeague(league, "Empty", &starts);
    const size_t r = 21; // an empty record entry
    const size_t sizes[] = {650 * 350, 2088,    99710, 2 + 3 * 48, 2,  12 * r, 1212 * r,
                            1717 * r,  252 * r, 2,     12,         58, 150,    2};
    for (int block = 3; block <= 16; ++block)
        EXPECT_EQ(starts[block + 1] - starts[block], sizes[block - 3]) << "block " << block;
    EXPECT_EQ(starts[17], bytes.size());
}

// The salary cap is written in whole dollars rounded half to even; values that do not fit are refused, not
// cut.
TEST(SaveFileLimits, TheCapRoundsHalfToEvenAndValuesThatDoNotFitAreRefused) {
    League league;
    for (auto [scaled, dollars] : {std::pair{425000005000LL, 42500000}, {425000015000LL, 42500002}}) {
        league.state.SalaryCap = scaled;
        int32_t v;
        std::memcpy(&v, EncodeLeague(league, "x").data() + 8 + 3 + 4, 4); // after "N/A" and the two locks
        EXPECT_EQ(v, dollars) << scaled;
    }
    league.state.SetSalaryCapDollars(3000000000LL);
    EXPECT_THROW(EncodeLeague(league, "x"), FormatError);
    league.state.SalaryCap = 0;
    league.tables.transactions.resize(32769);
    EXPECT_THROW(EncodeLeague(league, "x"), FormatError);
    league.tables.transactions.resize(32768); // upper bound 32767 still fits
    EXPECT_NO_THROW(EncodeLeague(league, "x"));
}

// Every stored field comes back to identical bytes; derived values are rebuilt on loading.
TEST(SaveFileRoundTrip, EveryStoredFieldComesBackAndDerivedValuesAreRebuilt) {
    auto owned = std::make_unique<League>(), back = std::make_unique<League>();
    League &league = *owned, &loaded = *back;
    FillSampleLeague(league);
    league.team(1).Reserved = {11, 22}; // written, not read back
    const std::string first = EncodeLeague(league, "Sample Ligue");
    DecodeLeague(first, loaded);
    EXPECT_EQ(loaded.team(1).Reserved, (std::array<int16_t, 2>{0, 0}));
    loaded.team(1).Reserved = {11, 22};
    EXPECT_TRUE(EncodeLeague(loaded, "Sample Ligue") == first);
    EXPECT_EQ(loaded.tables.transactions, league.tables.transactions);
    EXPECT_EQ(loaded.schedule, league.schedule);

    const Player& p = loaded.player(1);
    EXPECT_EQ(league.player(1).STAMINA, 777);
    EXPECT_EQ(std::tie(p.STAMINA, p.DisplayHeight, p.DefaultPosition, p.PotentialGrade),
              std::make_tuple(0, FormatHeight(p.Height), PositionText(p.PositionNumber),
                              GradeOf(p.KnownPotential)));
    EXPECT_GT(p.CurrentRating, 0);
    const Team& t = loaded.team(4);
    EXPECT_DOUBLE_EQ(t.WinPct, double(t.HomeWins + t.RoadWins) /
                                   (t.HomeWins + t.HomeLosses + t.RoadWins + t.RoadLosses));
    int onTeam = 0, active = 0;
    for (int id = 3; id <= kLastLeaguePlayer; id += 29) // the sample puts player id on team 1 + id % 29
        if (!loaded.player(id).IsEmpty() && id % 10 < 8) ++onTeam, active += !loaded.player(id).IR;
    EXPECT_EQ(std::tie(t.NumPlayers, t.ActivePlayers), std::tie(onTeam, active));
    EXPECT_EQ(t.Cs + t.PFs + t.SFs + t.SGs + t.PGs, onTeam);
    EXPECT_EQ(loaded.freeIDs.size(), static_cast<size_t>(kLastLeaguePlayer / 13)); // every 13th slot is empty
    league.state.Password = kNoPassword;
    league.state.FirstSeason = 0;
    DecodeLeague(EncodeLeague(league, "Sample Ligue"), loaded);
    EXPECT_TRUE(loaded.state.CommissionerRights) << "a league without a password grants the rights";
    EXPECT_EQ(loaded.state.FirstSeason, 2001);
}

// ---- Saving to and loading from disk, and refusing damaged files ----

class SaveFileDisk : public ::testing::Test {
  protected:
    void SetUp() override {
        league.programFolder = home.path();
        FillSampleLeague(league, SampleOptions{.gameLogEntries = 3, .seasonHistoryEntries = 1});
        fs::create_directories(home / "save");
        ASSERT_TRUE(SaveLeague(league, "good", host));
        good = EncodeLeague(league, "good", &starts);
        // The league in memory before a load attempt: a different one, so that any change would show.
        current.programFolder = home.path();
        FillSampleLeague(current, SampleOptions{.seed = 99, .gameLogEntries = 1, .seasonHistoryEntries = 0});
        current.state.LeagueFolder = "folder-before";
        current.state.CommissionerRights = true;
        current.player(670).Name = "Exhibition Guy";
        current.leagueOpen = true;
        before = EncodeLeague(current, "Current");
    }

    std::string OnDisk(const std::string& file) { return test::FileBytes(home / "save" / file); }

    // Loads the bytes over `current` and expects the refusal with the league untouched.
    void ExpectRefused(const std::string& bytes, const std::string& why) {
        SCOPED_TRACE(why);
        home.Write("save/bad.sav", bytes);
        host.messages.clear();
        EXPECT_FALSE(LoadLeague(current, "bad.sav", host));
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].text, "The file bad.sav is not a valid saved game.");
        EXPECT_EQ(host.messages[0].title, "Error");
        EXPECT_TRUE(EncodeLeague(current, "Current") == before);
        EXPECT_EQ(current.state.LeagueFolder, "folder-before");
        EXPECT_TRUE(current.state.CommissionerRights && current.leagueOpen);
        EXPECT_EQ(current.player(670).Name, "Exhibition Guy");
    }
    template <class Int> std::string Patched(size_t at, Int value) const {
        std::string bad = good;
        std::memcpy(bad.data() + at, &value, sizeof value);
        return bad;
    }

    test::TempHome home;
    ScriptedHost host;
    League league, current;
    std::string good, before;
    SaveBlockStarts starts;
};

TEST_F(SaveFileDisk, TheFileHoldsTheBytesAndLoadsIntoTheLeague) {
    EXPECT_TRUE(OnDisk("good.sav") == good);
    ASSERT_TRUE(LoadLeague(current, "good.sav", host)) << host.LastMessage();
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(current.state.LeagueName, "good");
    EXPECT_EQ(current.state.LeagueFolder, (home / "leaguedata" / "good").string());
    EXPECT_TRUE(fs::is_directory(home / "leaguedata/good/html/tmstats/shoffense"));
    EXPECT_TRUE(EncodeLeague(current, "good") == good);
    EXPECT_EQ(current.player(670).Name, "Exhibition Guy") << "slots outside the saved game stay";
    EXPECT_TRUE(current.team(30).Name.empty()) << "the All-Star squads are re-created empty";
}

// A site colour that is not a colour gives way to the default, with a warning; the rest of the league loads.
TEST_F(SaveFileDisk, ASiteColourThatIsNoColourLoadsAsTheDefaultWithAWarning) {
    league.state.SiteStyle[2] = "red\"><script>";
    ASSERT_TRUE(SaveLeague(league, "tinted", host));
    host.messages.clear();
    ASSERT_TRUE(LoadLeague(current, "tinted.sav", host)) << host.LastMessage();
    EXPECT_EQ(current.state.SiteStyle[2], "");
    EXPECT_EQ(current.state.SiteStyle[3], league.state.SiteStyle[3]);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "Site colour 3 of tinted.sav is not a colour of the form #RRGGBB; the default colour is used.");
    EXPECT_EQ(host.messages[0].title, "Warning");
}

TEST_F(SaveFileDisk, AFailedSaveKeepsThePreviousFileAndSaysWhy) {
    const std::pair<std::string, std::string> failures[] = {
        {"far", "The league could not be saved to good.sav"},
        {"position", "could not load again"},
        {"phase", "could not load again"}};
    for (const auto& [fault, text] : failures) {
        League bad = league;
        if (fault == "far") bad.player(1).Name = "Far " + std::string(70000, 'x');
        if (fault == "position") bad.player(5).PositionNumber = 0;
        if (fault == "phase") bad.state.SeasonDay = Phase::NoLeague;
        host.messages.clear();
        EXPECT_FALSE(SaveLeague(bad, "good", host)) << fault;
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].title, "Error");
        EXPECT_NE(host.messages[0].text.find(text), std::string::npos) << host.messages[0].text;
        EXPECT_TRUE(OnDisk("good.sav") == good);
    }
    for (const auto& entry : fs::directory_iterator(home / "save"))
        EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
}

TEST_F(SaveFileDisk, CutOrLongerOrNoiseIsRefused) {
    for (int block = 2; block <= 17; ++block)
        for (size_t cut : {starts[block] - 1, starts[block] + 1})
            if (cut < good.size()) ExpectRefused(good.substr(0, cut), "cut at " + std::to_string(cut));
    ExpectRefused("", "empty file");
    ExpectRefused(good + '\0', "one byte too many");
}

TEST_F(SaveFileDisk, HugeLengthsCountsBoundsSlotsAndValuesAreRefused) {
    ExpectRefused(Patched<int16_t>(6, -1), "password length 65535");
    const struct {
        size_t at;
        int16_t value;
        const char* why;
    } patches[] = {{starts[2], 30, "team slot 30"},
                   {starts[2], 2, "team slot 2 twice, slot 1 never"},
                   {starts[3], 651, "player slot 651"},
                   {starts[3], 2, "player 1's entry claims slot 2 as well"},
                   {0, 5, "boolean 5"},
                   {starts[5], 15, "15 games on a day"},
                   {starts[14], 30, "lottery team 30"},
                   {starts[13], 349, "draft order upper bound"},
                   {starts[16], -2, "negative table upper bound"}};
    for (const auto& p : patches)
        ExpectRefused(Patched<int16_t>(p.at, p.value), p.why);

    // Slot 1 is empty: written as slot 0 with two empty names. Its awards list head begins 38 bytes in.
    League empty;
    NameTeams(empty);
    SaveBlockStarts e;
    good = EncodeLeague(empty, "good", &e);
    EXPECT_TRUE(good.substr(e[3], 6) == std::string(6, '\0'));
    const size_t awards = e[3] + 38;
    ASSERT_EQ(good.substr(awards, 2), std::string("\x01\x00", 2));
    ExpectRefused(Patched<int16_t>(awards, 2), "two dimensions");
    ExpectRefused(Patched<int32_t>(awards + 2, 0x7FFFFFFF), "a list count beyond the file");
    ExpectRefused(Patched<int32_t>(awards + 2, -1), "a negative list count");
    ExpectRefused(Patched<int32_t>(awards + 6, 0), "lower bound 0");

    // A named player that loses his slot number (he would be dropped), or that moves to the empty slot 1 and
    // leaves team 1's depth chart naming the slot he left.
    League charted = empty;
    charted.team(1).C1 = 2;
    good = EncodeLeague(charted, "good", &e);
    ASSERT_NO_THROW(DecodeLeague(good, *std::make_unique<League>()));
    ExpectRefused(Patched<int16_t>(e[3] + 350, 0), "a named player in slot 0");
    ExpectRefused(Patched<int16_t>(e[3] + 350, 1), "player 2 moved to slot 1");

    const std::pair<std::function<void(League&)>, const char*> bad[] = {
        {[](League& l) { l.team(2).Name.clear(); }, "team without a name"},
        {[](League& l) { l.team(7).Name = l.team(8).Name; }, "two teams of one name"},
        {[](League& l) { l.team(4).SG2 = 20; }, "depth chart on an empty slot"},
        {[](League& l) { l.team(9).keyplayer3 = 20; }, "key player on an empty slot"},
        {[](League& l) { l.player(3).Team = "Atlantis"; }, "player of no team"},
        {[](League& l) { l.state.SeasonDay = 175; }, "season day 175"},
        {[](League& l) { l.team(3).DraftRank = std::nan(""); }, "not a number"},
        {[](League& l) { l.player(20).Name = "No Position"; }, "player without a position"},
        {[](League& l) { l.player(2).College = "\xC3\x28"; }, "text that is not UTF-8"}};
    for (const auto& [spoil, why] : bad) {
        League l = empty;
        spoil(l);
        ExpectRefused(EncodeLeague(l, "good"), why);
    }
    ExpectRefused(EncodeLeague(empty, "../escape"), "league name leaving its folder");
}

} // namespace
} // namespace hv
