// hoopvale-cli stats NAME [--team T] [--season Y] [--playoffs] [--csv]: every player's line of a season or
// of its playoffs with his per-game figures.
#include <CLI/CLI.hpp>

#include <algorithm>

#include "cli/command_league_file.h"
#include "cli/commands.h"
#include "reports/player_stats_tables.h"

namespace hv {

namespace {

struct StatsRequest {
    std::string name;
    std::optional<std::string> team;
    std::optional<int> season;
    bool playoffs = false;
    bool csv = false;
};

std::string SeasonList(const std::vector<int16_t>& seasons) {
    std::string list;
    for (int16_t s : seasons)
        list += (list.empty() ? "" : ", ") + std::to_string(s);
    return list;
}

// The season asked for, or the one of the players' current totals; nothing, after a message, when the
// league keeps no such statistics.
std::optional<int16_t> ChosenSeason(CliContext& ctx, const League& league, const StatsRequest& r) {
    const int16_t current = TotalsSeason(league.state);
    if (!r.season || *r.season == current) return current;
    std::string refusal;
    if (r.playoffs) {
        refusal = "Playoff statistics are kept for season " + std::to_string(current) + " only.";
    } else {
        std::vector<int16_t> seasons = StatsSeasons(league);
        if (std::find(seasons.begin(), seasons.end(), *r.season) != seasons.end())
            return static_cast<int16_t>(*r.season);
        refusal = "The league has no statistics of season " + std::to_string(*r.season) + "." +
                  (seasons.empty() ? " No games have been played yet."
                                   : " Seasons with statistics: " + SeasonList(seasons) + ".");
    }
    ctx.host->ShowMessage(refusal, "Statistics", MessageIcon::Warning);
    return std::nullopt;
}

int RunStats(CliContext& ctx, const StatsRequest& r) {
    int status;
    auto opened = OpenedLeague::Open(ctx, r.name, status, LeagueAccess::Read);
    if (!opened) return status;
    const League& league = opened->league();
    std::string team;
    if (r.team) {
        std::optional<std::string> named = ResolvePlayerTeam(ctx, league, *r.team);
        if (!named) return kExitRefused;
        team = *named;
    }
    std::optional<int16_t> season = ChosenSeason(ctx, league, r);
    if (!season) return kExitRefused;
    WriteTable(ctx.out, PlayerStatsTable(league, *season, r.playoffs, team), r.csv);
    return kExitOk;
}

} // namespace

void AddStatsCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* cmd = app.add_subcommand("stats", "List every player's statistics of a season or of its playoffs");
    auto r = std::make_shared<StatsRequest>();
    cmd->add_option("NAME", r->name, "League name")->required();
    cmd->add_option("--team", r->team, "Only the players of this team (any case), or FA");
    cmd->add_option("--season", r->season, "The season (default: the current or the one just played)");
    cmd->add_flag("--playoffs", r->playoffs, "The playoff statistics instead of the regular season's");
    cmd->add_flag("--csv", r->csv, "Comma-separated values with a header line");
    cmd->callback([&run, r] { run = [r](CliContext& ctx) { return RunStats(ctx, *r); }; });
}

} // namespace hv
