// hoopvale-cli default-league (--save-as FILE | --list): the default league files of the program folder; save
// the working database as a new one, which `new NAME --source FILE.lge` then starts from.
#include <CLI/CLI.hpp>

#include "cli/commands.h"
#include "setup/default_league_files.h"

namespace hv {

namespace {

struct DefaultLeagueRequest {
    std::string saveAs;
    bool list = false;
};

int RunDefaultLeague(CliContext& ctx, const DefaultLeagueRequest& r) {
    if (r.list) {
        for (const std::string& file : DefaultLeagueFiles(ctx.session.league.programFolder))
            ctx.out << file << '\n';
        return kExitOk;
    }
    const std::string saved = SaveDefaultLeagueAs(ctx.session, *ctx.host, r.saveAs);
    if (saved.empty()) return kExitRefused;
    ctx.out << "Saved: " << (ctx.session.league.programFolder / saved).string() << '\n';
    return kExitOk;
}

} // namespace

void AddDefaultLeagueCommand(CLI::App& app, CliContext& ctx, CommandRunner& run) {
    auto* cmd =
        app.add_subcommand("default-league", "List the default league files, or save the default league "
                                             "under a new name");
    auto r = std::make_shared<DefaultLeagueRequest>();
    auto* saveAs = cmd->add_option("--save-as", r->saveAs, "Save the working default league as FILE.lge");
    auto* list = cmd->add_flag("--list", r->list, "The default league files, default.lge first");
    saveAs->excludes(list);
    cmd->callback([&run, &ctx, r, saveAs, list] {
        if (!saveAs->count() && !list->count()) throw CLI::RequiredError("--save-as or --list");
        ctx.working = WorkingDatabase::Copy; // the working database is what --save-as saves
        run = [r](CliContext& c) { return RunDefaultLeague(c, *r); };
    });
}

} // namespace hv
