// hoopvale-cli exhibition SAVE1 TEAM1 SAVE2 TEAM2 [--home one|two|neutral] [--pbp] [--seed S]: a team of one
// saved game against a team of another (or of the same one), as the exhibition screen plays it; prints the
// result line and the box score, and with --pbp the play-by-play. No league changes.
#include <CLI/CLI.hpp>

#include "cli/command_league_file.h"
#include "cli/commands.h"
#include "exhibition/exhibition.h"
#include "league/save_file.h"
#include "reports/report_table.h"

namespace hv {

namespace {

struct ExhibitionRequest {
    std::string save1, team1, save2, team2, home = "one";
    bool pbp = false;
    std::optional<unsigned long long> seed;
};

// The save file that `name` names: a league name (NAME.sav in the save folder) or a path to a file.
std::filesystem::path SaveFileOf(const League& league, const std::string& name) {
    std::filesystem::path asGiven(name);
    if (asGiven.has_parent_path() || asGiven.extension() == ".sav") {
        if (asGiven.is_absolute() || std::filesystem::exists(asGiven)) return asGiven;
        return league.SaveFolder() / asGiven;
    }
    return league.SaveFolder() / SaveFileName(name);
}

// The saved team named by `text` (Name or "City Name", any case, or its slot 1 to 29); 0 with a message.
int SavedTeamSlot(CliContext& ctx, const std::vector<SavedTeam>& teams, const std::string& text) {
    const std::string wanted = Lower(text);
    std::string names;
    for (const SavedTeam& t : teams) {
        if (Lower(t.name) == wanted || Lower(t.city + " " + t.name) == wanted ||
            std::to_string(t.slot) == text)
            return t.slot;
        names += (names.empty() ? "" : ", ") + t.name;
    }
    ctx.host->ShowMessage("The saved game has no team \"" + text + "\". Its teams: " + names + ".", "Error",
                          MessageIcon::Warning);
    return 0;
}

int RunExhibition(CliContext& ctx, const ExhibitionRequest& r) {
    Exhibition exhibition(ctx.session.league);
    if (r.seed)
        exhibition.Stage().rng.Seed(*r.seed);
    else if (ctx.seed)
        exhibition.Stage().rng.Seed(*ctx.seed);
    exhibition.home = r.home == "two"       ? ExhibitionHome::TeamTwo
                      : r.home == "neutral" ? ExhibitionHome::Neutral
                                            : ExhibitionHome::TeamOne;
    exhibition.pbp = r.pbp;
    const std::string* saves[] = {&r.save1, &r.save2};
    const std::string* teams[] = {&r.team1, &r.team2};
    for (int which = 1; which <= 2; ++which) {
        const std::filesystem::path file = SaveFileOf(ctx.session.league, *saves[which - 1]);
        std::optional<std::vector<SavedTeam>> list = ReadSavedTeams(file, *ctx.host);
        if (!list) return kExitRefused;
        const int slot = SavedTeamSlot(ctx, *list, *teams[which - 1]);
        if (slot == 0 || !exhibition.LoadTeam(which, file, slot, *ctx.host)) return kExitRefused;
    }
    std::optional<std::string> result = exhibition.Sim(*ctx.host);
    if (!result) return kExitRefused;
    ctx.out << VisibleText(*result) << (exhibition.Neutral() ? " (neutral court)" : "") << "\n\n";
    std::optional<std::vector<std::string>> box = exhibition.BoxLines(*ctx.host);
    if (!box) return kExitRefused;
    for (const std::string& line : *box)
        ctx.out << VisibleText(line) << '\n';
    if (r.pbp) {
        std::optional<std::vector<std::string>> lines = exhibition.PlayByPlayLines(*ctx.host);
        if (!lines) return kExitRefused;
        ctx.out << '\n';
        for (const std::string& line : *lines)
            ctx.out << VisibleText(line) << '\n';
    }
    return kExitOk;
}

} // namespace

void AddExhibitionCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* cmd =
        app.add_subcommand("exhibition", "An exhibition game between teams of any saved games (no league "
                                         "changes): the result line and the box score");
    auto r = std::make_shared<ExhibitionRequest>();
    cmd->add_option("SAVE1", r->save1, "Saved game of Team One (league name or .sav file)")->required();
    cmd->add_option("TEAM1", r->team1, "Team One: a team of SAVE1 (name, \"City Name\" or slot)")->required();
    cmd->add_option("SAVE2", r->save2, "Saved game of Team Two")->required();
    cmd->add_option("TEAM2", r->team2, "Team Two: a team of SAVE2")->required();
    cmd->add_option("--home", r->home, "Who is at home: one, two or neutral (Team One listed at home)")
        ->check(CLI::IsMember({"one", "two", "neutral"}));
    cmd->add_flag("--pbp", r->pbp, "Keep and print the play-by-play");
    cmd->add_option("--seed", r->seed, "Seed of the game's random numbers");
    cmd->callback([&run, r] { run = [r](CliContext& ctx) { return RunExhibition(ctx, *r); }; });
}

} // namespace hv
