// hoopvale-cli export NAME (--csv KIND [--scope SCOPE] | --db): the league's players as CSV files, or the
// whole league as a SQLite database, in the program folder's output folder; prints the files written.
#include <CLI/CLI.hpp>

#include "cli/command_league_file.h"
#include "cli/commands.h"
#include "reports/csv_export.h"
#include "reports/database_export.h"

namespace hv {

namespace {

struct ExportRequest {
    std::string name;
    std::optional<std::string> csv;
    std::string scope = "all";
    bool db = false;
};

std::optional<CsvKind> KindOf(const std::string& text) {
    const std::string lower = Lower(text);
    if (lower == "stats") return CsvKind::Statistics;
    if (lower == "attributes") return CsvKind::Attributes;
    if (lower == "import") return CsvKind::LeagueImport;
    if (lower == "draft") return CsvKind::DraftFile;
    return std::nullopt;
}

// The scope as the export names it: "All", "All Teams", "Draft", "FA" or a team's Name.
std::optional<std::string> ScopeOf(CliContext& ctx, const League& league, const std::string& text) {
    const std::string lower = Lower(text);
    if (lower == "all") return std::string("All");
    if (lower == "teams") return std::string("All Teams");
    if (lower == "draft") return std::string(kDraft);
    if (lower == "fa") return std::string(kFreeAgent);
    int team = ResolveTeam(ctx, league, text);
    if (team == 0) return std::nullopt;
    return league.team(team).Name;
}

// Passes everything on to the command line's host and writes each step's message to stderr as it begins.
class StepEchoHost : public Host {
  public:
    StepEchoHost(Host& inner, std::ostream& err) : inner_(inner), err_(err) {}
    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override {
        inner_.ShowMessage(text, title, icon);
    }
    bool AskYesNo(const std::string& text, const std::string& title) override {
        return inner_.AskYesNo(text, title);
    }
    void SetProgress(const std::string& caption, int, int) override { err_ << caption << '\n'; }
    void SetBusy(bool) override {}
    void PumpEvents() override {}

  private:
    Host& inner_;
    std::ostream& err_;
};

int RunExport(CliContext& ctx, const ExportRequest& r) {
    std::optional<CsvKind> kind;
    if (r.csv && !(kind = KindOf(*r.csv))) {
        ctx.err << "export: unknown kind \"" << *r.csv
                << "\"; the kinds are stats, attributes, import, draft\n";
        return kExitUsage;
    }
    if (r.csv.has_value() == r.db) {
        ctx.err << "export: give either --csv KIND or --db\n";
        return kExitUsage;
    }
    int status;
    auto opened = OpenedLeague::Open(ctx, r.name, status, LeagueAccess::Read);
    if (!opened) return status;
    const League& league = opened->league();
    if (r.db) {
        StepEchoHost host(*ctx.host, ctx.err);
        auto file = ExportDatabase(league, host);
        if (!file) return kExitRefused;
        ctx.out << file->string() << '\n';
        return kExitOk;
    }
    std::string scope = "All";
    if (CsvKindHasScope(*kind)) {
        auto chosen = ScopeOf(ctx, league, r.scope);
        if (!chosen) return kExitRefused;
        scope = *chosen;
    }
    const auto files = ExportCsv(league, *ctx.host, *kind, scope);
    if (files.empty()) return kExitRefused;
    for (const auto& file : files)
        ctx.out << file.string() << '\n';
    return kExitOk;
}

} // namespace

void AddExportCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* cmd =
        app.add_subcommand("export", "Write the league's players as CSV files, or the league database");
    auto r = std::make_shared<ExportRequest>();
    cmd->add_option("NAME", r->name, "League name")->required();
    cmd->add_option("--csv", r->csv,
                    "CSV kind: stats, attributes, import (league-import file), draft (draft file)");
    cmd->add_option(
        "--scope", r->scope,
        "Players of the stats and attributes files: all, teams (one file per team), Draft, FA or a team");
    cmd->add_flag("--db", r->db, "The whole league as output/NAME.sqlite");
    cmd->callback([&run, r] { run = [r](CliContext& ctx) { return RunExport(ctx, *r); }; });
}

} // namespace hv
