// hoopvale-cli new NAME [--source default|FILE.lge|fictional|FILE.csv|stats:FILE.csv] [--type keep|draft]
// [--first-season Y]
//                       [--randomization normal|small|none] [--password P] [--human TEAM]...
//                       [--engine specified|calibrated] [--trades specified|shrewd]
// Creates a league as the new-league screen does and saves it as save/NAME.sav.
#include <CLI/CLI.hpp>

#include "cli/command_league_file.h"
#include "cli/commands.h"
#include "league/league_lock.h"
#include "league/league_options.h"
#include "league/save_file.h"
#include "league/saved_games.h"
#include "league/status_line.h"
#include "setup/default_league_files.h"
#include "setup/new_league.h"
#include "setup/player_import.h"

namespace fs = std::filesystem;

namespace hv {

namespace {

struct NewRequest {
    std::string name;
    std::string source = "default";
    std::string type = "keep";
    std::optional<std::string> firstSeason;
    std::string randomization = "normal";
    std::string password;
    std::vector<std::string> humans;
    std::string engine = "specified", trades = "specified";
};

int CountTeam(const League& league, const std::string& team) {
    int n = 0;
    for (int id = 1; id <= kLastLeaguePlayer; ++id)
        n += !league.player(id).IsEmpty() && league.player(id).Team == team;
    return n;
}

int RunNew(CliContext& ctx, const NewRequest& r) {
    Session& session = ctx.session;
    Host& host = *ctx.host;
    if (auto problem = LeagueNameProblem(r.name); problem && !r.name.empty()) {
        host.ShowMessage(*problem, "Error", MessageIcon::Warning);
        return kExitRefused;
    }
    // Held from before the name is checked until the league is saved: of two programs creating the same
    // league, the second waits and then finds the name taken, instead of replacing the first one's league.
    std::shared_ptr<FileLock> lock;
    if (!r.name.empty()) {
        lock = LockLeague(session.league.programFolder, r.name, host);
        if (!lock) return kExitRefused;
    }
    if (!r.name.empty() && fs::exists(session.league.SaveFolder() / SaveFileName(r.name))) {
        host.ShowMessage("A saved league named \"" + r.name +
                             "\" exists; delete it first or choose another name.",
                         "Error", MessageIcon::Warning);
        return kExitRefused;
    }
    NewLeagueChoices choices;
    choices.name = r.name;
    choices.firstSeason = r.firstSeason ? FirstSeasonFromText(*r.firstSeason) : session.settings.FirstSeason;
    choices.type = r.type == "draft" ? LeagueType::CreationDraft : LeagueType::KeepRosters;
    choices.randomization = r.randomization == "small"  ? PotentialRandomization::Small
                            : r.randomization == "none" ? PotentialRandomization::None
                                                        : PotentialRandomization::Normal;
    choices.password = r.password;
    choices.engine = r.engine == "calibrated" ? GameEngine::Calibrated : GameEngine::AsSpecified;
    choices.trades = r.trades == "shrewd" ? TradeJudgement::Shrewd : TradeJudgement::AsSpecified;
    if (r.source == "default") {
        choices.source = PlayerSource::DefaultLeague;
    } else if (r.source.size() > 4 && Lower(r.source.substr(r.source.size() - 4)) == ".lge") {
        // Another default league file: the working database becomes a copy of it.
        if (!UseDefaultLeague(session, host, r.source)) return kExitRefused;
        choices.source = PlayerSource::DefaultLeague;
    } else if (r.source == "fictional") {
        choices.source = PlayerSource::Fictional;
    } else if (r.source.rfind("stats:", 0) == 0) {
        choices.source = PlayerSource::StatsFile;
        auto file = FindImportFile(session.league.programFolder, r.source.substr(6), host);
        if (!file) return kExitRefused;
        choices.importFile = file->filename().string();
    } else {
        choices.source = PlayerSource::ImportFile;
        auto file = FindImportFile(session.league.programFolder, r.source, host);
        if (!file) return kExitRefused;
        choices.importFile = file->filename().string();
    }

    NewLeagueTeams teams;
    if (!ReadNewLeagueTeams(session, host, teams)) return kExitRefused;
    if (!r.humans.empty()) {
        League named; // the database's teams, to resolve the names given
        for (int t = 1; t <= kLeagueTeams; ++t)
            named.team(t) = teams.teams[static_cast<size_t>(t)];
        for (int t = 1; t <= kLeagueTeams; ++t)
            teams.teams[static_cast<size_t>(t)].Owner = "Computer";
        for (const std::string& text : r.humans) {
            int t = ResolveTeam(ctx, named, text);
            if (t == 0) return kExitRefused;
            teams.teams[static_cast<size_t>(t)].Owner = "Human";
        }
    }
    if (!CreateNewLeague(session, host, choices, teams)) return kExitRefused;
    const League& league = session.league;
    if (!SaveLeague(league, r.name, host)) return kExitRefused;
    ctx.out << "Created " << r.name << ": " << StatusLine(league.state) << '\n';
    int onTeams = 0;
    for (int t = 1; t <= kLeagueTeams; ++t)
        onTeams += league.team(t).NumPlayers;
    ctx.out << "Players on teams: " << onTeams << ", free agents: " << CountTeam(league, kFreeAgent)
            << ", draft pool: " << CountTeam(league, kDraft)
            << ", next draft class: " << CountTeam(league, kNextDraft) << '\n';
    std::string humans;
    for (int t = 1; t <= kLeagueTeams; ++t)
        if (league.team(t).Owner == "Human") humans += (humans.empty() ? "" : ", ") + league.team(t).Name;
    ctx.out << "Human teams: " << (humans.empty() ? "none" : humans) << '\n';
    ctx.out << "Game engine: " << GameEngineText(league.state.Engine)
            << ", trade judgement: " << TradeJudgementText(league.state.Trades) << '\n';
    ctx.out << "Saved: " << (league.SaveFolder() / SaveFileName(r.name)).string() << '\n';
    return kExitOk;
}

} // namespace

void AddNewCommand(CLI::App& app, CliContext& ctx, CommandRunner& run) {
    auto* cmd = app.add_subcommand("new", "Create a new league and save it");
    auto r = std::make_shared<NewRequest>();
    cmd->add_option("NAME", r->name, "League name")->required();
    cmd->add_option(
        "--source", r->source,
        "Players: default, a default league FILE.lge of the program folder, fictional, a FILE.csv of the "
        "import folder, or stats:FILE.csv (players rated from their season statistics)");
    cmd->add_option("--type", r->type, "keep (the rosters stay) or draft (a creation draft)")
        ->check(CLI::IsMember({"keep", "draft"}));
    cmd->add_option("--first-season", r->firstSeason, "First season (1891 to 3000; default from HVL.ini)");
    cmd->add_option("--randomization", r->randomization, "Potential randomization: normal, small or none")
        ->check(CLI::IsMember({"normal", "small", "none"}));
    cmd->add_option("--password", r->password, "League password (default: none)");
    cmd->add_option("--human", r->humans, "A team the user runs (repeatable); default: as in the database");
    cmd->add_option("--engine", r->engine, "Game engine: specified (as the rules say) or calibrated")
        ->check(CLI::IsMember({"specified", "calibrated"}));
    cmd->add_option("--trades", r->trades, "Trade judgement: specified (as the rules say) or shrewd")
        ->check(CLI::IsMember({"specified", "shrewd"}));
    cmd->callback([&run, &ctx, r] {
        ctx.working = WorkingDatabase::Copy; // the teams and players come from the default league database
        run = [r](CliContext& c) { return RunNew(c, *r); };
    });
}

} // namespace hv
