// The league's game engine and trade judgement: their place in the saved game, their names, and who may
// change them.
#include <gtest/gtest.h>

#include <memory>

#include "league/league_options.h"
#include "league/save_file.h"
#include "platform/scripted_host.h"
#include "support/sample_league.h"

namespace hv {
namespace {

// A value no header field would hold by chance, to find the season record's first reserved long.
constexpr int32_t kMarker = 0x13572468;

std::string Encoded(const League& league) {
    return EncodeLeague(league, "Sample Ligue");
}

// The four bytes of `value` as the saved game stores a long: least significant first.
std::string LongBytes(uint32_t value) {
    std::string bytes;
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
    return bytes;
}

class LeagueRulesFile : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::FillSampleLeague(*league);
        league->state.Reserved1 = kMarker;
        older = Encoded(*league);
        at = older.find(LongBytes(kMarker));
        ASSERT_NE(at, std::string::npos);
        ASSERT_EQ(older.find(LongBytes(kMarker), at + 1), std::string::npos);
    }
    SeasonState Decoded(const std::string& bytes) {
        auto loaded = std::make_unique<League>();
        DecodeLeague(bytes, *loaded);
        return loaded->state;
    }
    std::unique_ptr<League> league = std::make_unique<League>();
    std::string older; // as a build without the two options wrote it
    size_t at = 0;     // where the reserved long stands
};

// The tag 0x4856 in the high half, the engine in bit 0, the trade judgement in bit 1; each of the four
// choices comes back. Both as specified write the reserved long as it was, so an older save keeps its bytes
// and reads as "As specified".
TEST_F(LeagueRulesFile, EachChoiceIsStoredInTheTaggedLongAndComesBack) {
    for (uint32_t bits = 0; bits < 4; ++bits) {
        league->state.Engine = bits & 1 ? GameEngine::Calibrated : GameEngine::AsSpecified;
        league->state.Trades = bits & 2 ? TradeJudgement::Shrewd : TradeJudgement::AsSpecified;
        const std::string bytes = Encoded(*league);
        ASSERT_EQ(bytes.size(), older.size());
        const bool untouched = bits == 0;
        EXPECT_EQ(bytes.substr(at, 4), LongBytes(untouched ? kMarker : 0x48560000u | bits)) << bits;
        EXPECT_EQ(bytes.substr(0, at) + bytes.substr(at + 4), older.substr(0, at) + older.substr(at + 4))
            << "nothing else moves";
        const SeasonState s = Decoded(bytes);
        EXPECT_EQ(std::make_pair(s.Engine, s.Trades),
                  std::make_pair(league->state.Engine, league->state.Trades));
        auto loaded = std::make_unique<League>();
        DecodeLeague(bytes, *loaded);
        EXPECT_TRUE(Encoded(*loaded) == bytes) << bits;
    }
    // Set back to "As specified", a tagged long says so rather than bringing back the old value.
    league->state.Engine = GameEngine::AsSpecified, league->state.Trades = TradeJudgement::Shrewd;
    auto loaded = std::make_unique<League>();
    DecodeLeague(Encoded(*league), *loaded);
    loaded->state.Trades = TradeJudgement::AsSpecified;
    EXPECT_EQ(Encoded(*loaded).substr(at, 4), LongBytes(0x48560000u));
}

// A tagged long with a bit that means nothing is damaged: both options read "As specified"; a long without
// the tag is an older file's.
TEST_F(LeagueRulesFile, ADamagedOrUntaggedValueReadsAsSpecified) {
    for (uint32_t value : {0x48560004u, 0x48568001u, 0x48550003u, 0x00000003u, 0xFFFF0003u}) {
        std::string bytes = older;
        bytes.replace(at, 4, LongBytes(value));
        const SeasonState s = Decoded(bytes);
        EXPECT_EQ(std::make_pair(s.Engine, s.Trades),
                  std::make_pair(GameEngine::AsSpecified, TradeJudgement::AsSpecified))
            << std::hex << value;
    }
}

TEST(LeagueRules, NamesAsTheScreensShowThem) {
    EXPECT_EQ(GameEngineText(GameEngine::AsSpecified), "As specified");
    EXPECT_EQ(GameEngineText(GameEngine::Calibrated), "Calibrated");
    EXPECT_EQ(TradeJudgementText(TradeJudgement::AsSpecified), "As specified");
    EXPECT_EQ(TradeJudgementText(TradeJudgement::Shrewd), "Shrewd");
}

// Before the league's first season begins anyone holding it may choose; from day 1 on, only the
// commissioner (or anyone when there is no password).
TEST(LeagueRules, OnceTheSeasonHasBegunOnlyTheCommissionerMayChange) {
    SeasonState s;
    s.FirstSeason = 2003;
    s.Password = "Hoops";
    s.CommissionerRights = false;
    struct Case {
        int season, day;
        bool open;
    };
    const Case cases[] = {{2003, Phase::CreationDraft, true},   {2003, Phase::BeforeSeason, true},
                          {2003, Phase::FirstFreeAgency, true}, {2003, Phase::TrainingCamps, true},
                          {2003, Phase::FirstDay, false},       {2003, Phase::FirstPlayoffDay, false},
                          {2003, Phase::LastEndSeason, false},  {2004, Phase::RookieDraft, false},
                          {2004, Phase::BeforeSeason, false}};
    for (const Case& c : cases) {
        s.Season = static_cast<int16_t>(c.season), s.SeasonDay = static_cast<int16_t>(c.day);
        ScriptedHost host;
        EXPECT_EQ(CheckMayChangeLeagueRules(s, host), c.open) << c.season << " day " << c.day;
        EXPECT_EQ(host.messages.empty(), c.open);
        EXPECT_EQ(host.LastMessage(), c.open ? "" : kEditLeagueRefusal);
        s.CommissionerRights = true;
        EXPECT_TRUE(MayChangeLeagueRules(s));
        s.CommissionerRights = false, s.Password = kNoPassword;
        EXPECT_TRUE(MayChangeLeagueRules(s)) << "no password, no commissioner to wait for";
        s.Password = "Hoops";
    }
}

} // namespace
} // namespace hv
