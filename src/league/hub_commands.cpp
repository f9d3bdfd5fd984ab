#include "league/hub_commands.h"

#include "league/league_options.h"

#include <algorithm>
#include <initializer_list>

namespace hv {

const std::vector<HubCommand>& HubCommands() {
    static const std::vector<HubCommand> commands{
        {"mnuNewGame", "&File", "&New Game"},
        {"mnuLoadGame", "&File", "&Load Game"},
        {"mnuSaveGame", "&File", "&Save Game"},
        {"mnuQuit", "&File", "&Quit"},
        {"mnuTeamInfo", "Fr&anchise", "&Team Information"},
        {"mnuSalaries", "Fr&anchise", "&Player Contracts"},
        {"mnuInjuries", "Fr&anchise", "&Injuries"},
        {"mnuIR", "Fr&anchise", "Injured &Reserve"},
        {"mnuTeamControl", "Fr&anchise", "Team &Control"},
        {"mnuTeamRoster", "&Roster", "Team &Roster"},
        {"mnuChangePosition", "&Roster", "Change &Positions"},
        {"mnuTrade", "&Roster", "Propose &Trade"},
        {"mnuCut", "&Roster", "&Cut Players"},
        {"mnuFA", "&Roster", "Free &Agents"},
        {"mnuSearch", "&Roster", "&Find Players"},
        {"mnuNeeds", "&Roster", "Team Salary Cap Room"},
        {"mnuSimGames", "&Season", "Sim &Games"},
        {"mnuTeamSchedules", "&Season", "Team &Schedules"},
        {"mnuStandings", "&Season", "Stan&dings"},
        {"mnuLeaders", "&Season", "&League Leaders"},
        {"mnuInSeasonAwards", "&Season", "Weekly/Monthly Awards"},
        {"mnuTeamStats", "&Season", "Team St&ats"},
        {"mnuTransactions", "&Season", "&Transactions"},
        {"mnuPotentialFAs", "&Season", "Potential Free Agents"},
        {"mnuSimSeasons", "&Season", "Sim Multiple Seasons"},
        {"mnuBeginSeason", "&Progress", "&Begin Season"},
        {"mnuSeasonAwards", "&Progress", "Regular Season &Awards"},
        {"mnuPlayoffs", "&Progress", "&Playoffs"},
        {"mnuEndSeason", "&Progress", "&End Season"},
        {"mnuRunFA", "&Progress", "&Free Agency Period"},
        {"mnuCamps", "&Progress", "&Training Camps"},
        {"mnuCreationDraft", "&Draft", "Run &Creation Draft"},
        {"mnuRookieDraft", "&Draft", "Run &Rookie Draft"},
        {"mnuDraftOrder", "&Draft", "Draft &Order"},
        {"mnuViewDraft", "&Draft", "Draft Pre&view"},
        {"mnuFirstPicks", "&Draft", "Past #&1 Overall Picks"},
        {"mnuImportDraft", "&Draft", "Import Rookies"},
        {"mnuResumeDraft", "&Draft", "Resume Draft"},
        {"mnuTeamPerformance", "H&istory", "Historical Team &Performance"},
        {"mnuVsHistory", "H&istory", "Record Vs. Opponents"},
        {"mnuTeamRecords", "H&istory", "&Team Records"},
        {"mnuAllStarWinners", "H&istory", "All-Star Weekend Winners"},
        {"mnuPlayerGameRecords", "H&istory", "Player &Game Records"},
        {"mnuPlayerSeasonRecords", "H&istory", "Player &Season Records"},
        {"mnuCareerRecords", "H&istory", "Player &Career Records"},
        {"mnuChamps", "H&istory", "Past Cha&mps"},
        {"mnuHallFame", "H&istory", "Hall of &Fame"},
        {"mnuWriteHTML", "&Tools", "&Output HTML"},
        {"mnuReset", "&Tools", "Reset League"},
        {"mnuOutputMDB", "&Tools", "Output MDB"},
        {"mnuEditCurrent", "&Tools", "Edit Current League"},
        {"mnuEditLeague", "&Tools", "&Edit Default League"},
        {"mnuLeagueOptions", "&Tools", "League Options"},
        {"mnuCSVoutput", "&Tools", "CSV Output"},
        {"mnuSetPassword", "&Tools", "Set/Change League Password"},
        {"mnuCommish", "&Tools", "Commish Login"},
        {"mnuHelpContents", "&Help", "Contents"},
        {"mnuShowAbout", "&Help", "About"},
    };
    return commands;
}

namespace {

// Phase columns of the availability table.
enum Column {
    kCreation,
    kBefore,
    kEarly,
    kLate,
    kPlayoffs,
    kEndSeason,
    kRookieDraft,
    kFreeAgency,
    kCamps,
    kNone
};

Column ColumnOf(int day) {
    if (day == Phase::CreationDraft) return kCreation;
    if (day == Phase::BeforeSeason) return kBefore;
    if (day >= 1 && day <= 100) return kEarly;
    if (day >= 101 && day <= Phase::LastDay) return kLate;
    if (day >= Phase::FirstPlayoffDay && day <= Phase::LastPlayoffDay) return kPlayoffs;
    if (day >= Phase::FirstEndSeason && day <= Phase::LastEndSeason) return kEndSeason;
    if (day == Phase::RookieDraft) return kRookieDraft;
    if (day >= Phase::FirstFreeAgency && day <= Phase::LastFreeAgency) return kFreeAgency;
    if (day == Phase::TrainingCamps) return kCamps;
    return kNone;
}

// One row of the table: the command names and their states in the nine phase columns (1 on, 0 off).
struct Row {
    std::initializer_list<const char*> names;
    const char* states;
};

const Row kRows[] = {
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
    {{"mnuWriteHTML"}, "-11111111"}, // '-': keeps its previous state
};

} // namespace

std::map<std::string, bool> CommandAvailability(const SeasonState& state, bool leagueOpen,
                                                const std::map<std::string, bool>& previous) {
    std::map<std::string, bool> on;
    for (const auto& c : HubCommands())
        on[c.name] = false;
    for (const char* always :
         {"mnuNewGame", "mnuLoadGame", "mnuQuit", "mnuHelpContents", "mnuShowAbout", "mnuEditLeague"})
        on[always] = true;

    Column column = leagueOpen ? ColumnOf(state.SeasonDay) : kNone;
    if (column == kNone) return on;

    for (const Row& row : kRows) {
        char s = row.states[column];
        for (const char* name : row.names) {
            if (s == '-') {
                auto it = previous.find(name);
                on[name] = it != previous.end() && it->second;
            } else {
                on[name] = s == '1';
            }
        }
    }
    on["mnuSaveGame"] = true;

    if (column == kCreation) {
        on["mnuCreationDraft"] = state.DraftState == 0;
        on["mnuResumeDraft"] = state.DraftState != 0;
    } else if (column == kRookieDraft) {
        bool underWay = state.DraftState == 1 || state.DraftState == 2;
        on["mnuRookieDraft"] = !underWay;
        on["mnuResumeDraft"] = underWay;
    }

    // Commissioner gating of the Tools menu.
    on["mnuLeagueOptions"] = CanEditOptions(state);
    on["mnuSetPassword"] = CanSetPassword(state);
    on["mnuOutputMDB"] = CanExportDatabase(state);
    on["mnuCommish"] = CanCommishLogin(state);
    return on;
}

} // namespace hv
