// Creating a new league from one of three player sources (the default league, generated players, a
// league-import file), keeping the rosters or starting with a creation draft; and resetting a running
// league to a creation draft.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "setup/default_league.h"
#include "setup/startup.h"

namespace hv {

enum class LeagueType { KeepRosters, CreationDraft, Exhibition };
enum class PlayerSource { DefaultLeague, Fictional, ImportFile, StatsFile };

// The texts of the new-league screen's lists, in order.
const std::vector<std::string>& LeagueTypeItems();    // "Default", "Creation Draft", "Exhibition Game"
const std::vector<std::string>& RandomizationItems(); // "Default Randomization", ...
// "Default League", "Fictional League", then every valid file of import/, then every statistics file of
// import/ as StatsSourceItem names it.
std::vector<std::string> PlayerSourceItems(const std::filesystem::path& programFolder);
// "Statistics: FILE.csv", and back: the file an item names, empty for any other item.
std::string StatsSourceItem(const std::string& file);
std::string StatsSourceFile(const std::string& item);

// The first season typed on the screen: a whole number is taken, anything else gives 2001; the result is
// within 1891 to 3000.
int FirstSeasonFromText(const std::string& text);

// The 29 teams a new league starts with, read from the default league database: names, owners, flags and a
// random draft focus each. The new-league screen shows them for the human-team choice.
struct NewLeagueTeams {
    std::array<Team, kLeagueTeams + 1> teams{}; // slots 1 to 29
};
// False (with the message) when the database cannot give 29 teams.
bool ReadNewLeagueTeams(Session& session, Host& host, NewLeagueTeams& out);

struct NewLeagueChoices {
    std::string name;
    int firstSeason = 2003;
    LeagueType type = LeagueType::KeepRosters;
    PlayerSource source = PlayerSource::DefaultLeague;
    std::string importFile; // a file name of import/ for PlayerSource::ImportFile and StatsFile
    PotentialRandomization randomization = PotentialRandomization::Normal;
    std::string password; // empty: no password
    GameEngine engine = GameEngine::AsSpecified;
    TradeJudgement trades = TradeJudgement::AsSpecified;
};

// Builds the new league and makes it the session's league: tables emptied, season state and options set,
// the draft picks made, the players filled from the source, the pool topped up to 450 (not for generated
// leagues), the coming draft class completed. A creation-draft league then stands at the creation draft
// (day -5) with its draft order list in team order; otherwise at free agency day 1 (day 180) with every
// team's line-up set. On any refusal the message is shown, the running league stays as it was, no league
// folder is made for it, and the result is false.
bool CreateNewLeague(Session& session, Host& host, const NewLeagueChoices& choices,
                     const NewLeagueTeams& teams);

// The generated sources: 100 players per position into the creation-draft pool, or onto the teams (two per
// position each) with the rest free agents. The league's slots are emptied first; progress goes to the host.
void CreateLeague(League& league, Host& host);
void CreateFictionalLeague(League& league, Host& host);

// "This will release all players and run a creation draft. Would you like to continue?"
extern const char* const kResetQuestion;
// Turns the league into a creation-draft league: new draft picks, empty rosters, every player in the pool
// (the draft class becomes the first rookie class), contracts cleared when `salaryStyle` is 0 or less,
// transactions and bids emptied, day -5.
void ResetLeague(League& league, int salaryStyle);

} // namespace hv
