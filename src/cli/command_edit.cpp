// hoopvale-cli edit-player NAME PLAYER --set FIELD=VALUE... and edit-team NAME TEAM --set FIELD=VALUE...:
// the commissioner's editors of the current league, checked as the editor screens check them.
#include <CLI/CLI.hpp>

#include "cli/command_league_file.h"
#include "cli/commands.h"
#include "league/league_editor.h"
#include "reports/roster_report.h"

namespace hv {

namespace {

struct EditRequest {
    std::string name, who;
    std::vector<std::string> sets;
};

// The --set values as edits; a malformed one is a usage error.
std::optional<FieldEdits> ParseSets(CliContext& ctx, const std::vector<std::string>& sets) {
    FieldEdits edits;
    for (const std::string& text : sets) {
        auto edit = ParseFieldEdit(text);
        if (!edit) {
            ctx.err << "--set \"" << text << "\" is not FIELD=VALUE\n";
            return std::nullopt;
        }
        edits.push_back(*edit);
    }
    return edits;
}

// The log's newest line, which an edit that changed something has just written.
std::string LastLogged(const League& league) {
    const auto& log = league.tables.transactions;
    return log.empty() ? std::string() : log.back().Action;
}

void PrintEdit(CliContext& ctx, const League& league, const std::string& before) {
    const std::string now = LastLogged(league);
    ctx.out << (now != before ? now : std::string("Nothing to change.")) << '\n';
}

int RunEditPlayer(CliContext& ctx, const EditRequest& r) {
    auto edits = ParseSets(ctx, r.sets);
    if (!edits) return kExitUsage;
    int status;
    auto opened = OpenedLeague::Open(ctx, r.name, status);
    if (!opened) return status;
    League& league = opened->league();
    int id = ResolvePlayer(ctx, league, r.who);
    if (id == 0) return kExitRefused;
    const std::string logged = LastLogged(league);
    if (!EditPlayer(league, id, *edits, *ctx.host)) return kExitRefused;
    PrintEdit(ctx, league, logged);
    WriteText(ctx.out, PlayerLinesTable(league, {id}, true));
    return opened->SaveIfChanged();
}

int RunEditTeam(CliContext& ctx, const EditRequest& r) {
    auto edits = ParseSets(ctx, r.sets);
    if (!edits) return kExitUsage;
    int status;
    auto opened = OpenedLeague::Open(ctx, r.name, status);
    if (!opened) return status;
    League& league = opened->league();
    int team = ResolveTeam(ctx, league, r.who);
    if (team == 0) return kExitRefused;
    const std::string logged = LastLogged(league);
    if (!EditTeam(league, team, *edits, *ctx.host)) return kExitRefused;
    PrintEdit(ctx, league, logged);
    for (const std::string& field : TeamEditFields())
        ctx.out << field << ": " << TeamFieldText(league.team(team), field) << '\n';
    return opened->SaveIfChanged();
}

std::string FieldList(const std::vector<std::string>& fields) {
    std::string text;
    for (const std::string& f : fields)
        text += (text.empty() ? "" : ", ") + f;
    return text;
}

} // namespace

void AddEditCommands(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* player = app.add_subcommand("edit-player", "Edit a player of a league (commissioner only)");
    auto p = std::make_shared<EditRequest>();
    player->add_option("NAME", p->name, "League name")->required();
    player->add_option("PLAYER", p->who, "The player's ID or name")->required();
    player->add_option("--set", p->sets, "FIELD=VALUE (repeatable); fields: " + FieldList(PlayerEditFields()))
        ->required();
    player->callback([&run, p] { run = [p](CliContext& ctx) { return RunEditPlayer(ctx, *p); }; });

    auto* team = app.add_subcommand("edit-team", "Edit a team of a league (commissioner only)");
    auto t = std::make_shared<EditRequest>();
    team->add_option("NAME", t->name, "League name")->required();
    team->add_option("TEAM", t->who, "The team's name or city and name")->required();
    team->add_option("--set", t->sets, "FIELD=VALUE (repeatable); fields: " + FieldList(TeamEditFields()))
        ->required();
    team->callback([&run, t] { run = [t](CliContext& ctx) { return RunEditTeam(ctx, *t); }; });
}

} // namespace hv
