// hoopvale-cli draft NAME (--list | --pick PLAYER | --auto [--to-user])
// The creation draft (day -5) and the rookie draft (day 170): the state of the draft, the user's pick for
// the human team on the clock, or the computer's picks to the end (or to the next human team).
#include <CLI/CLI.hpp>

#include "cli/command_league_file.h"
#include "cli/commands.h"
#include "league/status_line.h"
#include "personnel/draft.h"
#include "reports/draft_reports.h"

namespace hv {

namespace {

struct DraftRequest {
    std::string name;
    bool list = false;
    std::optional<std::string> pick;
    bool autoPick = false;
    bool toUser = false;
};

void PrintClock(CliContext& ctx, const League& league) {
    if (!DraftUnderWay(league)) {
        ctx.out << (league.state.SeasonDay == Phase::CreationDraft ||
                            league.state.SeasonDay == Phase::RookieDraft
                        ? "The draft has not begun.\n"
                        : "The draft is over: " + StatusLine(league.state) + "\n");
        return;
    }
    int team = TeamOnClock(league);
    ctx.out << "On the clock: " << PickHolderText(league, *CurrentSlot(league)) << " (round "
            << league.state.DraftState << ", pick " << league.state.DraftPickState << ")"
            << (IsHumanTeam(league, team) ? ", run by you" : "") << '\n';
}

void PrintLines(CliContext& ctx, const std::vector<std::string>& lines) {
    for (const std::string& line : lines)
        ctx.out << line << '\n';
}

int RunDraft(CliContext& ctx, const DraftRequest& r) {
    int chosen = int(r.list) + int(r.pick.has_value()) + int(r.autoPick);
    if (chosen != 1 || (r.toUser && !r.autoPick)) {
        ctx.err << "draft: give one of --list, --pick PLAYER or --auto [--to-user]\n";
        return kExitUsage;
    }
    int status;
    auto opened = OpenedLeague::Open(ctx, r.name, status);
    if (!opened) return status;
    League& league = opened->league();
    Host& host = *ctx.host;
    int16_t day = league.state.SeasonDay;
    if (day != Phase::CreationDraft && day != Phase::RookieDraft) {
        host.ShowMessage("No draft is held at this point of the season (" + StatusLine(league.state) + ").",
                         "Draft", MessageIcon::Warning);
        return kExitRefused;
    }

    if (r.list) {
        PrintClock(ctx, league);
        ctx.out << "Best available:\n";
        WriteText(ctx.out, RecommendationsTable(league));
        auto lines = DraftResultLines(league);
        if (!lines.empty()) ctx.out << "Picks made:\n";
        PrintLines(ctx, lines);
        return kExitOk;
    }

    if (!DraftUnderWay(league) && !StartDraft(league, host)) return kExitRefused;
    // The lines this run adds to the draft list, round headings included.
    size_t listed = DraftResultLines(league).size();
    if (r.pick) {
        int team = TeamOnClock(league);
        if (!IsHumanTeam(league, team)) {
            host.ShowMessage("The " + league.team(team).Name +
                                 " are run by the computer: use --auto to let it pick for them.",
                             "Draft", MessageIcon::Warning);
            return kExitRefused;
        }
        int id = ResolvePlayer(ctx, league, *r.pick, [](const Player& p) { return p.Team == kDraft; });
        if (id == 0) return kExitRefused;
        if (!host.AskYesNo(SelectionQuestion(league.player(id)), "Draft")) return kExitRefused;
        MakeSelection(league, host, id);
    } else {
        AutoDraft(league, host, r.toUser ? DraftUntil::HumanTeam : DraftUntil::End);
    }
    auto lines = DraftResultLines(league);
    PrintLines(ctx,
               {lines.begin() + static_cast<std::ptrdiff_t>(std::min(listed, lines.size())), lines.end()});
    PrintClock(ctx, league);
    return opened->SaveIfChanged();
}

} // namespace

void AddDraftCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* cmd = app.add_subcommand("draft", "Run the creation draft or the rookie draft");
    auto r = std::make_shared<DraftRequest>();
    cmd->add_option("NAME", r->name, "League name")->required();
    cmd->add_flag("--list", r->list, "Show the team on the clock, the best prospects and the picks made");
    cmd->add_option("--pick", r->pick, "Select this prospect (ID or name) for the human team on the clock");
    cmd->add_flag("--auto", r->autoPick, "Let the computer make the picks, to the end of the draft");
    cmd->add_flag("--to-user", r->toUser, "With --auto: stop when a human team is on the clock");
    cmd->callback([&run, r] { run = [r](CliContext& ctx) { return RunDraft(ctx, *r); }; });
}

} // namespace hv
