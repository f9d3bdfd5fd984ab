#include <gtest/gtest.h>

#include "league/hub_commands.h"
#include "league/status_line.h"

namespace hv {
namespace {

SeasonState AtDay(int day) {
    SeasonState s;
    s.Season = 2003;
    s.SeasonDay = static_cast<int16_t>(day);
    return s;
}

TEST(StatusLine, PhaseSuffixes) {
    EXPECT_EQ(StatusLine(AtDay(-5)), "Season 2003 - Creation Draft");
    EXPECT_EQ(StatusLine(AtDay(0)), "Season 2003 - Begin Season");
    EXPECT_EQ(StatusLine(AtDay(1)), "Season 2003 - Day 1");
    EXPECT_EQ(StatusLine(AtDay(45)), "Season 2003 - Day 45");
    EXPECT_EQ(StatusLine(AtDay(120)), "Season 2003 - Day 120");
    EXPECT_EQ(StatusLine(AtDay(121)), "Season 2003 - Playoffs: Day 121");
    EXPECT_EQ(StatusLine(AtDay(166)), "Season 2003 - Playoffs: Day 166");
    EXPECT_EQ(StatusLine(AtDay(168)), "Season 2003 - End Season");
    EXPECT_EQ(StatusLine(AtDay(170)), "Season 2003 - Rookie Draft");
    EXPECT_EQ(StatusLine(AtDay(180)), "Season 2003 - Free Agency Day 1");
    EXPECT_EQ(StatusLine(AtDay(185)), "Season 2003 - Free Agency Day 6");
    EXPECT_EQ(StatusLine(AtDay(190)), "Season 2003 - Training Camps");
}

TEST(CommandAvailability, NoLeagueLeavesOnlyTheProgramCommands) {
    auto on = CommandAvailability(AtDay(-1), false);
    std::vector<std::string> enabled;
    for (auto& [name, state] : on)
        if (state) enabled.push_back(name);
    EXPECT_EQ(enabled, (std::vector<std::string>{"mnuEditLeague", "mnuHelpContents", "mnuLoadGame",
                                                 "mnuNewGame", "mnuQuit", "mnuShowAbout"}));
    EXPECT_EQ(on.size(), HubCommands().size());
}

TEST(CommandAvailability, PhaseColumns) {
    struct Case {
        int day;
        std::vector<std::string> on, off;
    };
    const Case cases[] = {
        {-5,
         {"mnuTeamRoster", "mnuViewDraft", "mnuCreationDraft", "mnuHallFame"},
         {"mnuBeginSeason", "mnuTrade", "mnuTeamInfo", "mnuSimGames", "mnuResumeDraft", "mnuImportDraft"}},
        {0,
         {"mnuBeginSeason", "mnuTrade", "mnuCut", "mnuImportDraft", "mnuTeamInfo", "mnuWriteHTML"},
         {"mnuSimGames", "mnuViewDraft", "mnuFA", "mnuCreationDraft"}},
        {100,
         {"mnuSimGames", "mnuStandings", "mnuFA", "mnuTrade", "mnuViewDraft", "mnuInjuries"},
         {"mnuBeginSeason", "mnuPlayoffs"}},
        {101, {"mnuSimGames", "mnuFA", "mnuCut"}, {"mnuTrade", "mnuPlayoffs"}},
        {121, {"mnuPlayoffs", "mnuSeasonAwards", "mnuFA", "mnuSimGames"}, {"mnuEndSeason", "mnuTrade"}},
        {167, {"mnuEndSeason", "mnuPlayoffs", "mnuSimGames"}, {"mnuFA", "mnuCut", "mnuTrade"}},
        {170,
         {"mnuDraftOrder", "mnuRookieDraft", "mnuTrade", "mnuViewDraft"},
         {"mnuImportDraft", "mnuResumeDraft", "mnuSimGames"}},
        {183, {"mnuRunFA", "mnuTrade", "mnuImportDraft"}, {"mnuViewDraft", "mnuCamps", "mnuRookieDraft"}},
        {190, {"mnuCamps", "mnuTrade", "mnuCut"}, {"mnuRunFA", "mnuBeginSeason"}},
    };
    for (const Case& c : cases) {
        auto on = CommandAvailability(AtDay(c.day), true);
        for (const auto& name : c.on)
            EXPECT_TRUE(on.at(name)) << name << " at " << c.day;
        for (const auto& name : c.off)
            EXPECT_FALSE(on.at(name)) << name << " at " << c.day;
        EXPECT_TRUE(on.at("mnuSaveGame"));
    }
    // Days between the phases open nothing but the program commands.
    EXPECT_FALSE(CommandAvailability(AtDay(175), true).at("mnuTeamRoster"));
}

TEST(CommandAvailability, OutputHtmlKeepsItsStateDuringTheCreationDraft) {
    EXPECT_TRUE(CommandAvailability(AtDay(-5), true, {{"mnuWriteHTML", true}}).at("mnuWriteHTML"));
    EXPECT_FALSE(CommandAvailability(AtDay(-5), true, {{"mnuWriteHTML", false}}).at("mnuWriteHTML"));
    EXPECT_TRUE(CommandAvailability(AtDay(5), true, {{"mnuWriteHTML", false}}).at("mnuWriteHTML"));
}

TEST(CommandAvailability, DraftUnderWayOffersResume) {
    SeasonState s = AtDay(-5);
    s.DraftState = 1;
    auto on = CommandAvailability(s, true);
    EXPECT_FALSE(on.at("mnuCreationDraft"));
    EXPECT_TRUE(on.at("mnuResumeDraft"));
    s = AtDay(170);
    for (int state : {1, 2}) {
        s.DraftState = static_cast<int16_t>(state);
        on = CommandAvailability(s, true);
        EXPECT_FALSE(on.at("mnuRookieDraft"));
        EXPECT_TRUE(on.at("mnuResumeDraft"));
    }
    s.DraftState = 3;
    EXPECT_TRUE(CommandAvailability(s, true).at("mnuRookieDraft"));
}

TEST(CommandAvailability, CommissionerGatingOfTheToolsMenu) {
    SeasonState s = AtDay(10);
    auto on = CommandAvailability(s, true); // no password
    EXPECT_TRUE(on.at("mnuLeagueOptions") && on.at("mnuSetPassword") && on.at("mnuOutputMDB"));
    EXPECT_FALSE(on.at("mnuCommish"));

    s.Password = "secret";
    s.CommissionerRights = false;
    on = CommandAvailability(s, true);
    EXPECT_FALSE(on.at("mnuLeagueOptions") || on.at("mnuSetPassword") || on.at("mnuOutputMDB"));
    EXPECT_TRUE(on.at("mnuCommish"));

    s.CommissionerRights = true; // after a successful login
    on = CommandAvailability(s, true);
    EXPECT_TRUE(on.at("mnuLeagueOptions") && on.at("mnuSetPassword") && on.at("mnuOutputMDB"));
    EXPECT_FALSE(on.at("mnuCommish"));
}

} // namespace
} // namespace hv
