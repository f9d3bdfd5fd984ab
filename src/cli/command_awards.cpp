// hoopvale-cli awards NAME [--season S] [--weekly] [--csv]: a season's awards (the latest season with
// awards unless one is named), or its weekly and monthly honours.
#include <CLI/CLI.hpp>

#include <algorithm>

#include "cli/command_league_file.h"
#include "cli/commands.h"
#include "reports/awards_tables.h"

namespace hv {

namespace {

struct AwardsRequest {
    std::string name;
    std::optional<int> season;
    bool weekly = false;
    bool csv = false;
};

int RunAwards(CliContext& ctx, const AwardsRequest& r) {
    int status;
    auto opened = OpenedLeague::Open(ctx, r.name, status, LeagueAccess::Read);
    if (!opened) return status;
    const League& league = opened->league();
    std::vector<int16_t> seasons = SeasonsWithAwards(league, r.weekly);
    int16_t season = seasons.empty() ? league.state.Season : seasons.front();
    if (r.season) {
        if (std::find(seasons.begin(), seasons.end(), *r.season) == seasons.end()) {
            std::string list;
            for (int16_t s : seasons)
                list += (list.empty() ? "" : ", ") + std::to_string(s);
            ctx.host->ShowMessage("The league has no awards of season " + std::to_string(*r.season) + "." +
                                      (list.empty() ? " No awards have been given yet."
                                                    : " Seasons with awards: " + list + "."),
                                  "Awards", MessageIcon::Warning);
            return kExitRefused;
        }
        season = static_cast<int16_t>(*r.season);
    }
    ReportTable table = r.weekly ? InSeasonAwardsTable(league, season) : SeasonAwardsTable(league, season);
    WriteTable(ctx.out, table, r.csv);
    return kExitOk;
}

} // namespace

void AddAwardsCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* cmd = app.add_subcommand("awards", "List a season's awards or its weekly and monthly honours");
    auto r = std::make_shared<AwardsRequest>();
    cmd->add_option("NAME", r->name, "League name")->required();
    cmd->add_option("--season", r->season, "The season (default: the latest with awards)");
    cmd->add_flag("--weekly", r->weekly,
                  "The players of the week and of the month and the rookies of the month");
    cmd->add_flag("--csv", r->csv, "Comma-separated values with a header line");
    cmd->callback([&run, r] { run = [r](CliContext& ctx) { return RunAwards(ctx, *r); }; });
}

} // namespace hv
