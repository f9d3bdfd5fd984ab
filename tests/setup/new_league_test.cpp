// New leagues from each source and type, consistent and kept by a save; the screen's rules; Reset League.
#include <gtest/gtest.h>

#include "league/draft_picks.h"
#include "league/save_file.h"
#include "personnel/draft.h"
#include "setup/player_import.h"
#include "support/draft_support.h"

namespace hv {
namespace {

namespace fs = std::filesystem;

using test::StartedHome;

// Everything that must hold together in a new league.
void ExpectConsistent(const League& league) {
    std::array<int, kLeagueTeams + 1> roster{};
    std::array<int, 6> draftClass{};
    int empty = 0;
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = league.player(id);
        if (p.IsEmpty()) {
            ++empty;
            continue;
        }
        ASSERT_TRUE(p.PositionNumber >= 1 && p.PositionNumber <= 5) << id;
        if (int t = league.FindTeam(p.Team)) ++roster[static_cast<size_t>(t)];
        bool coming =
            league.state.SeasonDay == Phase::CreationDraft ? p.Team == kNextDraft : p.Team == kDraft;
        if (coming) ++draftClass[static_cast<size_t>(p.PositionNumber)];
    }
    for (int t = 1; t <= kLeagueTeams; ++t)
        EXPECT_EQ(league.team(t).NumPlayers, roster[static_cast<size_t>(t)]) << t;
    EXPECT_EQ(league.freeIDs.size(), static_cast<size_t>(empty));
    for (int position = 1; position <= 5; ++position)
        EXPECT_EQ(draftClass[static_cast<size_t>(position)], 20) << position;
    EXPECT_FALSE(PickTableProblem(league.tables));
    League loaded;
    DecodeLeague(EncodeLeague(league, league.state.LeagueName), loaded);
    EXPECT_EQ(EncodeLeague(loaded, league.state.LeagueName), EncodeLeague(league, league.state.LeagueName));
}

int OutsideTheDraft(const League& league) {
    int n = 0;
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = league.player(id);
        n += !p.IsEmpty() && p.Team != kDraft && p.Team != kNextDraft;
    }
    return n;
}

class NewLeague : public StartedHome {};

TEST_F(NewLeague, FictionalLeagues) {
    ASSERT_TRUE(Create(PlayerSource::Fictional, LeagueType::CreationDraft, 5)) << host.LastMessage();
    EXPECT_EQ(std::make_tuple(league().state.SeasonDay, CountTeam(kDraft), CountTeam(kNextDraft)),
              std::make_tuple(Phase::CreationDraft, 500, 100))
        << "no top-up for a generated league";
    EXPECT_TRUE(host.questions.empty()) << "a human team was chosen";
    EXPECT_EQ(host.lastCaption, "500 to 500");
    ExpectConsistent(league());

    ASSERT_TRUE(Create(PlayerSource::Fictional, LeagueType::KeepRosters)) << host.LastMessage();
    League& l = league();
    EXPECT_EQ(CountTeam(kFreeAgent), 210);
    ExpectConsistent(l);
    for (int t = 1; t <= kLeagueTeams; ++t)
        for (int position = 1; position <= 5; ++position)
            EXPECT_EQ(l.team(t).PositionCount(position), 2);
}

TEST_F(NewLeague, DefaultLeagueKeepingRostersAndRefusalsThatLeaveIt) {
    ASSERT_TRUE(Create(PlayerSource::DefaultLeague, LeagueType::KeepRosters)) << host.LastMessage();
    const League& l = league();
    EXPECT_EQ(std::make_tuple(l.state.SeasonDay, l.state.Season, OutsideTheDraft(l)),
              std::make_tuple(Phase::FirstFreeAgency, 2003, 450))
        << "the default league's 440 and 10 generated free agents";
    EXPECT_EQ(host.questions,
              std::vector<std::string>{"You have not selected a human team. Would you like to continue?"});
    int payroll = 0;
    for (int id = 1; id <= kLastLeaguePlayer; ++id)
        if (l.player(id).Team == l.team(1).Name) payroll += l.player(id).contract1;
    EXPECT_EQ(l.team(1).TotalSalary, payroll);
    ExpectConsistent(l);

    std::string before = EncodeLeague(league(), "Test League");
    NewLeagueTeams teams;
    ASSERT_TRUE(ReadNewLeagueTeams(session, host, teams));
    NewLeagueChoices c;
    host.messages.clear();
    EXPECT_FALSE(CreateNewLeague(session, host, c, teams));
    EXPECT_EQ(host.LastMessage(), "Please Name the League.");
    c.name = "Other";
    c.password = "N/A";
    EXPECT_FALSE(CreateNewLeague(session, host, c, teams));
    EXPECT_EQ(host.messages.back().text, "Invalid Password");
    c.password = "secret";
    host.answers = {false};
    EXPECT_FALSE(CreateNewLeague(session, host, c, teams)) << "No to the human-team question";
    EXPECT_EQ(EncodeLeague(league(), "Test League"), before);
    c.type = LeagueType::Exhibition;
    EXPECT_FALSE(CreateNewLeague(session, host, c, teams));
    const std::string head = ImportHeader(ImportFormat::League) + "\n";
    const std::string ok = "25,C,State,3,FA,50,50,50,50,50,50,50,50,50,50,50,50,50,50,50,70,0,0,0,0,0,0,0";
    const struct {
        std::string text, reason;
    } cases[] = {
        {"Name,Height\nAnn,Lee,80,220," + ok, "Line 1: the header line is not"},
        {head + "Ann,Lee,80,220," + ok + "\nBo,Kim,tall,220," + ok,
         "Line 3: Height \"tall\" is not a whole number"},
        {head + "Ann,Lee,80,220," + ok + ",7", "Line 2: the line has 33 values, the header 32"},
        {head, "the file holds no players"},
    };
    for (const auto& bad : cases) {
        home.Write("import/bad.csv", bad.text);
        host.messages.clear();
        EXPECT_FALSE(Create(PlayerSource::ImportFile, LeagueType::KeepRosters, 0, "bad.csv")) << bad.reason;
        ASSERT_EQ(host.messages.size(), 1u) << bad.reason;
        EXPECT_EQ(host.messages[0].title, "Import Error");
        EXPECT_EQ(host.messages[0].text.find("Invalid File Format\n"), 0u);
        EXPECT_NE(host.messages[0].text.find(bad.reason), std::string::npos) << host.messages[0].text;
        EXPECT_EQ(EncodeLeague(league(), "Test League"), before);
    }
    EXPECT_EQ(PlayerSourceItems(home.path()),
              (std::vector<std::string>{"Default League", "Fictional League", "bad.csv"}));
    host.answers = {true};
    c.type = LeagueType::KeepRosters;
    ASSERT_TRUE(CreateNewLeague(session, host, c, teams));
    EXPECT_EQ(league().state.Password, "secret");
    EXPECT_FALSE(league().state.CommissionerRights);
}

// A league-import file may begin with a byte-order mark and end in ".CSV"; it leaves room for the draft
// class, and its next-draft prospects join the draft that a league kept on its rosters holds next.
TEST_F(NewLeague, ImportFilesLeaveRoomForTheDraftClass) {
    auto file = [](int players) {
        std::string text = "\xEF\xBB\xBF" + ImportHeader(ImportFormat::League) + "\r\n";
        for (int k = 1; k <= players; ++k)
            text += "P" + std::to_string(k) + ",Lee,80,220,25,C,State,3," + (k <= 2 ? "NextDraft" : "FA") +
                    ",50,50,50,50,50,50,50,50,50,50,50,50,50,50,50,70,0,0,0,0,0,0,0\r\n";
        return text;
    };
    home.Write("import/Big.CSV", file(551));
    EXPECT_FALSE(Create(PlayerSource::ImportFile, LeagueType::CreationDraft, 0, "Big.CSV"));
    EXPECT_EQ(host.LastMessage(),
              "Invalid File Format\nLine 552: the file holds more than 550 players (a new "
              "league keeps 100 of its 650 player slots for its draft class).");
    EXPECT_FALSE(fs::exists(home / "leaguedata/Test League")) << "no folder for a league not made";

    home.Write("import/Big.CSV", file(550));
    EXPECT_EQ(PlayerSourceItems(home.path()),
              (std::vector<std::string>{"Default League", "Fictional League", "Big.CSV"}));
    ASSERT_TRUE(Create(PlayerSource::ImportFile, LeagueType::KeepRosters, 0, "Big.CSV"))
        << host.LastMessage();
    EXPECT_EQ(std::make_tuple(CountTeam(kFreeAgent), CountTeam(kNextDraft), league().player(1).Team),
              std::make_tuple(548, 0, std::string(kDraft)));
    ExpectConsistent(league());
    EXPECT_TRUE(fs::is_directory(home / "leaguedata/Test League/box"));
}

TEST(NewLeagueChoices, FirstSeasonText) {
    const std::pair<const char*, int> cases[] = {{"abc", 2001},    {"1700", 1891}, {"4000", 3000},
                                                 {" 2005 ", 2005}, {"3000", 3000}, {"20x5", 2001}};
    for (const auto& [text, season] : cases)
        EXPECT_EQ(FirstSeasonFromText(text), season) << text;
}

TEST_F(NewLeague, ResetStartsACreationDraftWithEveryPlayer) {
    ASSERT_TRUE(Create(PlayerSource::DefaultLeague, LeagueType::KeepRosters));
    League& l = league();
    int players = OutsideTheDraft(l);
    ResetLeague(l, 0);
    EXPECT_EQ(l.state.SeasonDay, Phase::CreationDraft);
    EXPECT_EQ(CountTeam(kDraft), players);
    EXPECT_EQ(CountTeam(kNextDraft), 100);
    EXPECT_TRUE(l.tables.transactions.empty());
    EXPECT_EQ(std::tie(l.team(7).NumPlayers, l.team(7).TotalSalary, l.player(1).contract1),
              std::make_tuple(int16_t(0), 0, 0));
    ExpectConsistent(l);
}

TEST_F(NewLeague, ImportedRookiesReplaceTheClass) {
    ASSERT_TRUE(Create(PlayerSource::DefaultLeague, LeagueType::KeepRosters));
    League& l = league();
    l.state.SeasonDay = 10;
    std::string file = ImportHeader(ImportFormat::Draft) + "\n \n";
    for (int k = 0; k < 30; ++k)
        file += "Rook" + std::to_string(k) +
                ",Ie,79,210,21,SF,A College,50,50,50,50,50,50,50,50,50,50,50,50,50,50,50,80\n";
    home.Write("import/rookies.csv", file);
    EXPECT_EQ(ImportRookies(l, host, home / "import/rookies.csv"), 30);
    EXPECT_EQ(CountTeam(kDraft), 30);
    EXPECT_EQ(host.questions.back(),
              "This will replace the 100 prospects of the draft class. Would you like to continue?");
}

} // namespace
} // namespace hv
