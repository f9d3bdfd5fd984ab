// hoopvale-cli site NAME [--clear] [--previous-boxes] [--player-pages on|off] [--retired-pages on|off]
// [--sortable-draft on|off]
//                        [--sortable-fa on|off] [--sortable-stats on|off] [--color KEY=#RRGGBB]...
// Stores the site options given with the league, then writes the league's site, printing each step and the
// files and bytes written.
#include <CLI/CLI.hpp>

#include "cli/command_league_file.h"
#include "cli/commands.h"
#include "league/html_text.h"
#include "reports/league_site.h"
#include "reports/site_page.h"

namespace hv {

namespace {

struct SiteRequest {
    std::string name;
    bool clear = false;
    SiteRunChoices choices;
    std::array<std::string, 5> pages; // "on", "off" or "" (unchanged), by the switches' places
    std::vector<std::string> colours; // KEY=#RRGGBB
};

// Applies the --color texts to `style`; false (with its message) on an unknown key or a value that is not a
// colour.
bool ApplyColours(CliContext& ctx, const std::vector<std::string>& texts, std::array<std::string, 7>& style) {
    const auto& keys = SiteColourKeys();
    for (const std::string& text : texts) {
        size_t eq = text.find('=');
        std::string key = Lower(text.substr(0, eq));
        std::string value = eq == std::string::npos ? std::string() : text.substr(eq + 1);
        auto it = std::find(keys.begin(), keys.end(), key);
        if (eq == std::string::npos || it == keys.end()) {
            std::string known;
            for (const char* k : keys)
                known += std::string(known.empty() ? "" : ", ") + k;
            ctx.host->ShowMessage("Unknown colour \"" + text + "\"; give KEY=#RRGGBB with KEY one of " +
                                      known + ".",
                                  "Site Options", MessageIcon::Warning);
            return false;
        }
        if (value.empty() || !IsSiteColour(value)) {
            ctx.host->ShowMessage("The colour " + key +
                                      " must be \"#\" and six hexadecimal digits (#RRGGBB), not \"" + value +
                                      "\".",
                                  "Site Options", MessageIcon::Warning);
            return false;
        }
        style[static_cast<size_t>(it - keys.begin())] = value;
    }
    return true;
}

int RunSite(CliContext& ctx, const SiteRequest& r) {
    int status;
    auto opened = OpenedLeague::Open(ctx, r.name, status);
    if (!opened) return status;
    League& league = opened->league();
    SeasonState changed = league.state;
    for (size_t i = 0; i < r.pages.size(); ++i)
        if (!r.pages[i].empty()) changed.SitePages[i] = r.pages[i] == "on";
    if (!ApplyColours(ctx, r.colours, changed.SiteStyle)) return kExitRefused;
    league.state = changed;
    // The options stay with the league even when the site cannot be written.
    if (int saved = opened->SaveIfChanged(); saved != kExitOk) return saved;

    if (r.clear) ctx.out << "Cleared " << ClearLeagueSite(league) << " files\n";
    SiteRunResult result = WriteLeagueSite(
        league, *ctx.host, [&ctx](const std::string& step) { ctx.out << step << '\n'; }, r.choices);
    for (const std::string& w : result.warnings)
        ctx.host->ShowMessage(w, "Warning", MessageIcon::Warning);
    if (!result.written) return kExitRefused;
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.2f", result.seconds);
    ctx.out << "Site: " << SiteFolderOf(league).string() << '\n';
    ctx.out << "Files: " << result.files << ", bytes: " << GroupThousands(result.bytes)
            << ", seconds: " << seconds << '\n';
    return kExitOk;
}

} // namespace

void AddSiteCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* cmd = app.add_subcommand("site", "Write a saved league's web site (html folder)");
    auto r = std::make_shared<SiteRequest>();
    cmd->add_option("NAME", r->name, "League name")->required();
    cmd->add_flag("--clear", r->clear,
                  "Delete the site's pages first (pages of teams and players that are gone)");
    cmd->add_flag("--previous-boxes", r->choices.previousBoxes,
                  "First make the box page of every game whose box text file is kept");
    auto onOff = CLI::IsMember({"on", "off"});
    cmd->add_option("--player-pages", r->pages[kPlayerPages], "A page per player")->check(onOff);
    cmd->add_option("--retired-pages", r->pages[kRetiredPages], "A page per retired player")->check(onOff);
    cmd->add_option("--sortable-draft", r->pages[kSortableDraft], "The draft list once per sort key")
        ->check(onOff);
    cmd->add_option("--sortable-fa", r->pages[kSortableFreeAgents], "The free agents once per sort key")
        ->check(onOff);
    cmd->add_option("--sortable-stats", r->pages[kSortableTeamStats], "Team statistics once per statistic")
        ->check(onOff);
    cmd->add_option(
        "--color", r->colours,
        "A page colour KEY=#RRGGBB (background, header, header-text, alternate, row, highlight, text)");
    cmd->callback([&run, r] { run = [r](CliContext& ctx) { return RunSite(ctx, *r); }; });
}

} // namespace hv
