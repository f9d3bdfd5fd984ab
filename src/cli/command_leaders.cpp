// hoopvale-cli leaders NAME [--category C] [--top N] [--csv]: the season's leaders among qualified players,
// every category or one.
#include <CLI/CLI.hpp>

#include "cli/command_league_file.h"
#include "cli/commands.h"
#include "reports/leaders_table.h"

namespace hv {

namespace {

struct LeadersRequest {
    std::string name;
    std::optional<std::string> category;
    int top = 10;
    bool csv = false;
};

// The index of the category named by its caption or its value title, without regard to case; -1 for none.
int FindCategory(const std::string& text) {
    const auto& categories = LeaderCategories();
    for (size_t k = 0; k < categories.size(); ++k)
        if (Lower(text) == Lower(categories[k].name) || Lower(text) == Lower(categories[k].valueTitle))
            return static_cast<int>(k);
    return -1;
}

int RunLeaders(CliContext& ctx, const LeadersRequest& r) {
    int category = -1;
    if (r.category && (category = FindCategory(*r.category)) < 0) {
        std::string names;
        for (const LeaderCategoryInfo& c : LeaderCategories())
            names += (names.empty() ? "" : ", ") + c.valueTitle;
        ctx.err << "leaders: unknown category \"" << *r.category << "\"; the categories are " << names
                << "\n";
        return kExitUsage;
    }
    int status;
    auto opened = OpenedLeague::Open(ctx, r.name, status);
    if (!opened) return status;
    ReportTable table = LeadersTable(opened->league(), category, r.top);
    WriteTable(ctx.out, table, r.csv);
    return kExitOk; // nothing to save: the command only reads
}

} // namespace

void AddLeadersCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* cmd = app.add_subcommand("leaders", "List a saved league's season leaders");
    auto r = std::make_shared<LeadersRequest>();
    cmd->add_option("NAME", r->name, "League name")->required();
    cmd->add_option("--category", r->category,
                    "Only this category (PPG, RPG, APG, SPG, BPG, MPG, FG%, FT%, 3P%)");
    cmd->add_option("--top", r->top, "Players per category")->check(CLI::Range(1, 650));
    cmd->add_flag("--csv", r->csv, "Comma-separated values with a header line");
    cmd->callback([&run, r] { run = [r](CliContext& ctx) { return RunLeaders(ctx, *r); }; });
}

} // namespace hv
