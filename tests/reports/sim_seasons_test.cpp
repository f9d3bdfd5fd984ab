// Seasons simulated unattended, read through their status lines and the league they leave behind.
#include <gtest/gtest.h>

#include "league/league_options.h"
#include "league/league_tables.h"
#include "league/season_archive.h"
#include "league/team_control.h"
#include "reports/league_census.h"
#include "season/end_season.h"
#include "season/sim_seasons.h"
#include "support/season_run_support.h"

namespace hv {
namespace {

TEST(SeasonCount, TypedValuesAndTheirMessages) {
    for (auto [typed, seasons] : {std::pair{"3", 3}, {" 12 ", 12}, {"1000", 1000}}) {
        ScriptedHost host;
        EXPECT_EQ(ParseSeasonCount(typed, host).value_or(0), seasons) << typed;
        EXPECT_TRUE(host.messages.empty()) << typed;
    }
    const std::pair<const char*, std::vector<const char*>> refusals[] = {
        {kSeasonValueTooSmall, {"0", "-2"}},
        {kSeasonValueInvalid, {"", "two", "2.5", "4x", "1001", "99999999999"}}};
    for (const auto& [message, typings] : refusals)
        for (const char* typed : typings) {
            ScriptedHost host;
            EXPECT_FALSE(ParseSeasonCount(typed, host).has_value()) << typed;
            ASSERT_EQ(host.messages.size(), 1u) << typed;
            EXPECT_EQ(host.messages[0].title + ": " + host.messages[0].text,
                      "Error: " + std::string(message));
        }
}

TEST(SimSeasons, RefusedUnderTheCommissionersLocksAndInTheCreationDraft) {
    struct Case {
        bool lockSim, lockEnd;
        int16_t day;
        const char* message;
    } cases[] = {
        {true, false, 0, kSimulateRefusal},
        {false, true, 50, kEndSeasonRefusal},
        {false, false, Phase::CreationDraft, "Seasons can be simmed once the creation draft is over."}};
    for (const Case& c : cases) {
        auto league = std::make_unique<League>();
        SeasonState& s = league->state;
        s.Season = 2010, s.SeasonDay = c.day, s.Password = "pw", s.CommissionerRights = false;
        s.LockSimulation = c.lockSim, s.LockEndSeason = c.lockEnd;
        ScriptedHost host;
        EXPECT_EQ(SimSeasons(*league, host, 2), SeasonsOutcome::Refused);
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].text, c.message);
        EXPECT_TRUE(s.Season == 2010 && s.SeasonDay == c.day);
    }
}

TEST(LeagueCensus, CountsPlayersRostersAndLeakedIDs) {
    auto league = std::make_unique<League>();
    League& l = *league;
    l.team(1).Name = "Gulls";
    l.team(2).Name = "Sierras";
    auto put = [&](int id, const char* team, int16_t rating) {
        l.player(id).Name = "Player " + std::to_string(id), l.player(id).Team = team;
        l.player(id).CurrentRating = rating;
    };
    const std::tuple<int, const char*, int16_t> players[] = {
        {1, "Gulls", 60}, {2, "Gulls", 50},    {3, "Sierras", 43}, {4, kFreeAgent, 90},
        {5, kDraft, 80},  {6, kNextDraft, 70}, {7, "Tanners", 30}}; // 7: a team the league does not have
    for (auto [id, team, rating] : players)
        put(id, team, rating);
    l.team(1).TotalSalary = 3000000, l.team(2).TotalSalary = 9000000, l.team(2).CutSalary[0] = 500000;
    // Slot 8 is held, slot 9 listed twice, slot 10 empty but not listed; 11 to 650 listed once.
    l.freeIDs = {8, 9, 9};
    for (int id = 11; id <= kLastLeaguePlayer; ++id)
        l.freeIDs.push_back(static_cast<int16_t>(id));
    put(8, "Gulls", 40);

    const LeagueCensus c = TakeCensus(l);
    // Leaked: 8 is held, 9 listed twice, 10 missing. 27 of the 29 teams pay nothing.
    EXPECT_EQ(std::tie(c.usedSlots, c.emptySlots, c.onTeams, c.freeAgents, c.prospects, c.unattached,
                       c.freeIDs, c.leakedIDs, c.smallestRoster, c.largestRoster, c.medianPayroll),
              std::make_tuple(8, kLastLeaguePlayer - 8, 4, 1, 2, 1, 3 + kLastLeaguePlayer - 10, 3, 0, 3, 0));
    EXPECT_DOUBLE_EQ(c.meanRating, (60 + 50 + 43 + 40) / 4.0);
}

// The step texts of one season, in order, without the season numbers.
std::vector<std::string> StepTexts(const std::vector<std::string>& status) {
    std::vector<std::string> steps;
    for (const std::string& line : status) {
        const size_t dash = line.find(" - ");
        if (line.rfind("Season: ", 0) != 0 || dash == std::string::npos) continue;
        const std::string step = line.substr(dash + 3);
        if (step.rfind("Simming day", 0) == 0 && step != "Simming day 1" && step != "Simming day 120" &&
            step != "Simming day 122" && step != "Simming day 167")
            continue;
        steps.push_back(step);
    }
    return steps;
}

// Stop pressed during the third day of a run from day 0; run again, the season is completed and the run ends
// on day 0 of the next.
TEST(SimSeasons, StoppedThenRunAgainCompletesTheSeasonAndEndsOnDayZeroOfTheNext) {
    test::SeasonLeague season;
    ASSERT_TRUE(season.Load(41));
    League& l = season.league();
    SetHuman(l.team(7), true);
    l.state.ScreenInjuries = true;
    const int16_t first = l.state.Season;
    std::vector<std::string> status;
    int seasonsPlayed = 0;
    std::vector<std::pair<int, int>> saved;
    SimSeasonsHooks hooks{[&](const std::string& line) { status.push_back(line); },
                          [&](League& played) {
                              ++seasonsPlayed;
                              EXPECT_EQ(played.state.SeasonDay, 168);
                          },
                          [&] {
                              saved.emplace_back(l.state.Season, l.state.SeasonDay);
                              return true;
                          }};
    season.host.stopAfterPumps = 4;
    EXPECT_EQ(SimSeasons(l, season.host, 3, hooks), SeasonsOutcome::Stopped);
    const int stoppedOn = l.state.SeasonDay;
    EXPECT_TRUE(l.state.Season == first && stoppedOn >= 2 && stoppedOn <= 4) << stoppedOn;
    const size_t resumed = status.size();
    season.host.stopAfterPumps = -1;
    ASSERT_EQ(SimSeasons(l, season.host, 1, hooks), SeasonsOutcome::Done);
    EXPECT_EQ(status.at(resumed),
              "Season: " + std::to_string(first) + " - Simming day " + std::to_string(stoppedOn));
    EXPECT_EQ(season.host.lastValue, season.host.lastMaximum); // the progress ends full

    EXPECT_EQ(std::tie(l.state.Season, l.state.SeasonDay, seasonsPlayed, status.back()),
              std::make_tuple(first + 1, Phase::BeforeSeason, 1, "Done."));
    // Saved once, when the season was complete, and told so; the steps of both runs in order.
    EXPECT_EQ(saved, (std::vector<std::pair<int, int>>{{first + 1, Phase::BeforeSeason}}));
    EXPECT_EQ(status[status.size() - 2], "Saved: Season " + std::to_string(first + 1) + " - Begin Season");
    EXPECT_EQ(status.front(), "Season: " + std::to_string(first) + " - Processing New Season");
    EXPECT_EQ(StepTexts(status),
              (std::vector<std::string>{
                  "Processing New Season", "Simming day 1", "Simming day 120", "Beginning Playoffs",
                  "Simming day 122", "Simming day 167", "Ending Season", "Running Rookie Draft",
                  "Running Free Agency Day 1", "Running Free Agency Day 2", "Running Free Agency Day 3",
                  "Running Free Agency Day 4", "Running Free Agency Day 5", "Ending Free Agency",
                  "Running Training Camps", "Processing Camp Cuts"}));
    // Nobody was asked anything, the injury notices are the league's own setting again, and the human team
    // played its whole season: the computer kept its roster legal.
    EXPECT_TRUE(season.host.questions.empty());
    EXPECT_TRUE(l.state.ScreenInjuries);
    EXPECT_FALSE(ArchiveOf(l, first).Champion.empty());
    const LeagueCensus census = TakeCensus(l);
    EXPECT_EQ(std::tie(census.leakedIDs, census.unattached, l.team(7).ActivePlayers),
              std::make_tuple(0, 0, 12));
    EXPECT_TRUE(census.smallestRoster >= 12 && census.largestRoster <= 15);
    EXPECT_EQ(l.team(7).Wins() + l.team(7).Losses(), l.team(1).Wins() + l.team(1).Losses());
    EXPECT_GT(l.team(7).Wins() + l.team(7).Losses(), 80);
}

TEST(SimSeasons, ASeasonThatCannotBeSavedEndsTheRun) {
    test::SeasonLeague season;
    ASSERT_TRUE(season.Load(43));
    League& l = season.league();
    l.state.SeasonDay = Phase::TrainingCamps; // the camps complete the season
    const int16_t current = l.state.Season;
    SimSeasonsHooks hooks;
    hooks.checkpoint = [] { return false; };
    EXPECT_EQ(SimSeasons(l, season.host, 2, hooks), SeasonsOutcome::Failed);
    EXPECT_EQ(std::tie(l.state.Season, l.state.SeasonDay), std::make_tuple(current, Phase::BeforeSeason));
    EXPECT_EQ(season.host.LastMessage().rfind("The league could not be saved at Season " +
                                                  std::to_string(current) +
                                                  " - Begin Season, so the simulation",
                                              0),
              0u);
}

TEST(SimSeasons, SeasonsEndedUnattendedAndByHandAreFiledUnderTheirOwnNumbers) {
    test::SeasonLeague season;
    ASSERT_TRUE(season.Load(5));
    League& l = season.league();
    const int16_t first = l.state.Season;
    // A season's end as its games would leave it: every player of a team with a line, the playoffs over,
    // and a 45-year-old scorer of a team who retires into the Hall of Fame.
    std::vector<std::pair<int, std::string>> veterans;
    auto seasonPlayed = [&] {
        int veteran = 0;
        for (int id = kLastLeaguePlayer; id >= 1; --id) {
            Player& p = l.player(id);
            if (p.IsEmpty() || l.FindTeam(p.Team) == 0) continue;
            p.SeasonStats.Games = 60, p.SeasonStats.Points = 600;
            if (p.Age < 40) veteran = id;
        }
        Player& p = l.player(veteran);
        p.Age = 45, p.CAREERPOINTS = 40000, p.Career.Points = 40000;
        veterans.emplace_back(veteran, p.Name);
        l.state.SeasonDay = Phase::FirstEndSeason + 1;
    };
    seasonPlayed();
    ASSERT_EQ(SimSeasons(l, season.host, 1), SeasonsOutcome::Done);
    ASSERT_EQ(std::tie(l.state.Season, l.state.SeasonDay), std::make_tuple(first + 1, Phase::BeforeSeason));
    seasonPlayed();
    ASSERT_TRUE(EndSeason(l, season.host));

    // One career line per season, under its own number.
    const std::vector<int16_t> one{first}, two{static_cast<int16_t>(first + 1)}, both{first, two[0]};
    int withBoth = 0;
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        std::vector<int16_t> seasons;
        for (const SeasonHistoryEntry& h : l.player(id).SeasonHistory)
            seasons.push_back(h.Season);
        EXPECT_TRUE(seasons.empty() || seasons == one || seasons == two || seasons == both) << id;
        withBoth += seasons == both;
    }
    EXPECT_GT(withBoth, 200);
    for (int k = 0; k < 2; ++k) {
        const auto& [id, name] = veterans[static_cast<size_t>(k)];
        const int16_t retired = static_cast<int16_t>(first + k);
        auto r = std::find_if(l.tables.retiredPlayers.begin(), l.tables.retiredPlayers.end(),
                              [&](const RetiredPlayer& r) { return r.ID == id && r.Name == name; });
        ASSERT_NE(r, l.tables.retiredPlayers.end()) << name;
        EXPECT_EQ(std::make_pair(r->RetiredSeason, r->Seasons.back().Season),
                  std::make_pair(retired, retired))
            << name;
        int entries = 0;
        for (const RecordEntry& e : l.tables.careerRecords.entries)
            if (e.PlayerID == id && e.Name == name) {
                EXPECT_EQ(e.Season, retired) << name;
                ++entries;
            }
        EXPECT_GT(entries, 0) << name;
    }
}

} // namespace
} // namespace hv
