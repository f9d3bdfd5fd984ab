// hoopvale-cli records NAME (--game | --season | --career | --team [TEAM]) [--category C] [--top N] [--csv]:
// the player record books, or a team's records (the league's best team games without a team).
#include <CLI/CLI.hpp>

#include "cli/command_league_file.h"
#include "cli/commands.h"
#include "reports/records_tables.h"

namespace hv {

namespace {

struct RecordsRequest {
    std::string name;
    bool game = false, season = false, career = false;
    bool teamGiven = false;
    std::string team; // empty for the league's team records
    std::optional<std::string> category;
    int top = 0; // 0: 10 of every category, or all of one
    bool csv = false;
};

int RunRecords(CliContext& ctx, const RecordsRequest& r) {
    const int kinds = int(r.game) + int(r.season) + int(r.career) + int(r.teamGiven);
    if (kinds != 1) {
        ctx.err << "records: choose one of --game, --season, --career and --team\n";
        return kExitUsage;
    }
    const RecordBookKind kind = r.game     ? RecordBookKind::Game
                                : r.season ? RecordBookKind::Season
                                           : RecordBookKind::Career;
    int category = -1;
    if (r.category) {
        if (r.teamGiven) {
            ctx.err << "records: --category goes with --game, --season or --career\n";
            return kExitUsage;
        }
        const auto& categories = RecordCategories(kind);
        for (size_t c = 0; c < categories.size(); ++c)
            if (Lower(*r.category) == Lower(categories[c].title)) category = static_cast<int>(c);
        if (category < 0) {
            std::string names;
            for (const RecordCategory& c : categories)
                names += (names.empty() ? "" : ", ") + std::string(c.title);
            ctx.err << "records: unknown category \"" << *r.category << "\"; the categories are " << names
                    << "\n";
            return kExitUsage;
        }
    }
    int status;
    auto opened = OpenedLeague::Open(ctx, r.name, status, LeagueAccess::Read);
    if (!opened) return status;
    const League& league = opened->league();
    if (r.teamGiven) {
        int team = 0;
        if (!r.team.empty() && (team = ResolveTeam(ctx, league, r.team)) == 0) return kExitRefused;
        WriteTable(ctx.out, TeamRecordsTable(league, team), r.csv);
        return kExitOk;
    }
    const int top = r.top > 0 ? r.top : category < 0 ? 10 : RecordPositions(kind);
    WriteTable(ctx.out, PlayerRecordsTable(league, kind, category, top), r.csv);
    return kExitOk;
}

} // namespace

void AddRecordsCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* cmd = app.add_subcommand("records", "List the record books or a team's records");
    auto r = std::make_shared<RecordsRequest>();
    cmd->add_option("NAME", r->name, "League name")->required();
    cmd->add_flag("--game", r->game, "Player single-game records");
    cmd->add_flag("--season", r->season, "Player season records");
    cmd->add_flag("--career", r->career, "Player career records");
    auto* team =
        cmd->add_option("--team", r->team, "A team's records; without a team the league's best team games")
            ->expected(0, 1);
    cmd->add_option("--category", r->category,
                    "Only this category (as the book titles it, e.g. Points, FG%)");
    cmd->add_option("--top", r->top, "Positions per category (default 10, or all of one category)")
        ->check(CLI::Range(1, 100));
    cmd->add_flag("--csv", r->csv, "Comma-separated values with a header line");
    cmd->callback([&run, r, team] {
        r->teamGiven = team->count() > 0;
        run = [r](CliContext& ctx) { return RunRecords(ctx, *r); };
    });
}

} // namespace hv
