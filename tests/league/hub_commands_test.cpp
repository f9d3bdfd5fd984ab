// The hub's status line and which commands it enables, checked against the tables of the hub's description.
#include <gtest/gtest.h>

#include <set>

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
    const std::pair<int, const char*> cases[] = {
        {-5, "Creation Draft"},     {0, "Begin Season"},    {120, "Day 120"},      {121, "Playoffs: Day 121"},
        {167, "End Season"},        {169, "End Season"},    {170, "Rookie Draft"}, {180, "Free Agency Day 1"},
        {186, "Free Agency Day 7"}, {190, "Training Camps"}};
    for (auto [day, text] : cases)
        EXPECT_EQ(StatusLine(AtDay(day)), std::string("Season 2003 - ") + text) << day;
}

// The availability table, column by column: -5, 0, 1 to 100, 101 to 120, 121 to 166, 167 to 169, 170,
// 180 to 186, 190. '1' on, '0' off, '-' unchanged.
const struct {
    std::vector<const char*> commands;
    const char* states;
} kTable[] = {
    {{"mnuBeginSeason"}, "010000000"},
    {{"mnuSimGames", "mnuTeamSchedules", "mnuStandings"}, "001111000"},
    {{"mnuInjuries", "mnuIR", "mnuInSeasonAwards"}, "001111000"},
    {{"mnuFA"}, "001110000"},
    {{"mnuTrade"}, "011000111"},
    {{"mnuCut"}, "011110111"},
    {{"mnuPlayoffs", "mnuSeasonAwards"}, "000011000"},
    {{"mnuEndSeason"}, "000001000"},
    {{"mnuRunFA"}, "000000010"},
    {{"mnuCamps"}, "000000001"},
    {{"mnuDraftOrder"}, "000000100"},
    {{"mnuViewDraft"}, "101111100"},
    {{"mnuImportDraft"}, "011111011"},
    {{"mnuChangePosition", "mnuTeamInfo", "mnuSalaries", "mnuSearch", "mnuNeeds", "mnuLeaders",
      "mnuTeamStats", "mnuTransactions", "mnuPotentialFAs", "mnuSimSeasons"},
     "011111111"},
    {{"mnuTeamRoster", "mnuTeamControl", "mnuReset", "mnuEditCurrent", "mnuCSVoutput", "mnuFirstPicks",
      "mnuTeamPerformance", "mnuVsHistory", "mnuTeamRecords", "mnuAllStarWinners", "mnuPlayerGameRecords",
      "mnuPlayerSeasonRecords", "mnuCareerRecords", "mnuChamps", "mnuHallFame"},
     "111111111"},
    {{"mnuWriteHTML"}, "-11111111"},
};

// Days of every column, its first and last day where it has two.
const std::vector<std::vector<int>> kColumnDays = {{-5},       {0},   {1, 100},   {101, 120}, {121, 166},
                                                   {167, 169}, {170}, {180, 186}, {190}};

const std::set<std::string> kProgramCommands = {"mnuNewGame",      "mnuLoadGame",  "mnuQuit",
                                                "mnuHelpContents", "mnuShowAbout", "mnuEditLeague"};

TEST(CommandAvailability, EveryCommandAtEveryPhaseFollowsTheTable) {
    std::set<std::string> inTable;
    for (size_t column = 0; column < kColumnDays.size(); ++column)
        for (int day : kColumnDays[column])
            for (bool before : {false, true}) {
                const auto on = CommandAvailability(AtDay(day), true, {{"mnuWriteHTML", before}});
                EXPECT_EQ(on.size(), HubCommands().size());
                for (const auto& row : kTable)
                    for (const char* name : row.commands) {
                        inTable.insert(name);
                        const char s = row.states[column];
                        EXPECT_EQ(on.at(name), s == '-' ? before : s == '1') << name << " at day " << day;
                    }
                for (const std::string& name : kProgramCommands)
                    EXPECT_TRUE(on.at(name)) << name << " at day " << day;
                EXPECT_TRUE(on.at("mnuSaveGame"));
            }
    EXPECT_EQ(inTable.size() + kProgramCommands.size() + 8, HubCommands().size())
        << "every command but Save, the three draft commands and the four commissioner tools is in the table";
}

TEST(CommandAvailability, WithoutALeagueOrOnAnotherDayOnlyTheProgramCommands) {
    for (int day : {-1, 171, 179, 187, 189, 191, 50}) {
        std::set<std::string> enabled;
        for (const auto& [name, state] : CommandAvailability(AtDay(day), day != 50))
            if (state) enabled.insert(name);
        EXPECT_EQ(enabled, kProgramCommands) << "day " << day << (day == 50 ? ", no league open" : "");
    }
}

// Creation draft at -5, rookie draft at 170: the draft command while none is under way, else Resume.
TEST(CommandAvailability, ADraftUnderWayOffersResume) {
    const struct {
        int day, draftState;
        bool creation, rookie, resume;
    } cases[] = {{-5, 0, true, false, false},  {-5, 1, false, false, true},  {170, 0, false, true, false},
                 {170, 1, false, false, true}, {170, 2, false, false, true}, {170, 3, false, true, false},
                 {100, 1, false, false, false}};
    for (const auto& c : cases) {
        SeasonState s = AtDay(c.day);
        s.DraftState = static_cast<int16_t>(c.draftState);
        const auto on = CommandAvailability(s, true);
        EXPECT_EQ(
            std::make_tuple(on.at("mnuCreationDraft"), on.at("mnuRookieDraft"), on.at("mnuResumeDraft")),
            std::make_tuple(c.creation, c.rookie, c.resume))
            << c.day << "/" << c.draftState;
    }
}

// No password: the three tools on, the login off; a password without rights: the reverse; after the login
// they are on again.
TEST(CommandAvailability, CommissionerGatingOfTheToolsMenu) {
    const struct {
        const char* password;
        bool rights, tools;
    } cases[] = {{"N/A", false, true}, {"N/A", true, true}, {"secret", false, false}, {"secret", true, true}};
    for (const auto& c : cases) {
        SeasonState s = AtDay(10);
        s.Password = c.password;
        s.CommissionerRights = c.rights;
        const auto on = CommandAvailability(s, true);
        for (const char* tool : {"mnuLeagueOptions", "mnuSetPassword", "mnuOutputMDB"})
            EXPECT_EQ(on.at(tool), c.tools) << tool << " " << c.password << " " << c.rights;
        EXPECT_EQ(on.at("mnuCommish"), !c.tools) << c.password << " " << c.rights;
    }
}

} // namespace
} // namespace hv
