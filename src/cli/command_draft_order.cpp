// hoopvale-cli lottery NAME: the draft lottery of the rookie draft (drawn when it has not been) and the
// order. hoopvale-cli draft-order NAME [--shuffle]: the order of the coming draft; before a creation draft
// begins,
// --shuffle puts its order list in a random order.
#include <CLI/CLI.hpp>

#include "cli/command_league_file.h"
#include "cli/commands.h"
#include "league/status_line.h"
#include "personnel/draft.h"
#include "reports/draft_reports.h"

namespace hv {

namespace {

bool RefuseOutsideDraft(CliContext& ctx, const League& league, bool creationToo) {
    int16_t day = league.state.SeasonDay;
    if (day == Phase::RookieDraft || (creationToo && day == Phase::CreationDraft)) return false;
    ctx.host->ShowMessage("The draft order is set when the season has ended, before the rookie draft (" +
                              StatusLine(league.state) + ").",
                          "Draft Order", MessageIcon::Warning);
    return true;
}

int RunLottery(CliContext& ctx, const std::string& name) {
    int status;
    auto opened = OpenedLeague::Open(ctx, name, status);
    if (!opened) return status;
    League& league = opened->league();
    if (RefuseOutsideDraft(ctx, league, false)) return kExitRefused;
    if (!PrepareRookieDraft(league, *ctx.host)) return kExitRefused;
    ctx.out << "Draft lottery, " << league.state.Season << '\n';
    for (int pick = 1; pick <= 3; ++pick)
        ctx.out << "Pick " << pick << ": "
                << PickHolderText(league, league.tables.draftOrder[static_cast<size_t>(pick)]) << '\n';
    WriteText(ctx.out, DraftOrderTable(league));
    return opened->SaveIfChanged();
}

int RunDraftOrder(CliContext& ctx, const std::string& name, bool shuffle) {
    int status;
    auto opened = OpenedLeague::Open(ctx, name, status);
    if (!opened) return status;
    League& league = opened->league();
    if (RefuseOutsideDraft(ctx, league, true)) return kExitRefused;
    if (shuffle && (!IsCreationDraft(league) || DraftUnderWay(league))) {
        ctx.host->ShowMessage("Only the order of a creation draft that has not begun can be shuffled.",
                              "Draft Order", MessageIcon::Warning);
        return kExitRefused;
    }
    if (IsCreationDraft(league) && !DraftUnderWay(league)) {
        if (shuffle) {
            auto list = CreationOrderList(league);
            ShuffleOrder(list, league.rng);
            SetCreationOrderList(league, list);
        }
        WriteText(ctx.out, CreationOrderTable(league));
    } else {
        if (!IsCreationDraft(league) && !PrepareRookieDraft(league, *ctx.host)) return kExitRefused;
        WriteText(ctx.out, DraftOrderTable(league));
    }
    return opened->SaveIfChanged();
}

} // namespace

void AddLotteryCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* cmd =
        app.add_subcommand("lottery", "Draw the draft lottery (when not drawn yet) and show the draft order");
    auto name = std::make_shared<std::string>();
    cmd->add_option("NAME", *name, "League name")->required();
    cmd->callback([&run, name] { run = [name](CliContext& ctx) { return RunLottery(ctx, *name); }; });
}

void AddDraftOrderCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* cmd = app.add_subcommand("draft-order", "Show the order of the coming draft");
    auto name = std::make_shared<std::string>();
    auto shuffle = std::make_shared<bool>(false);
    cmd->add_option("NAME", *name, "League name")->required();
    cmd->add_flag("--shuffle", *shuffle, "Before a creation draft: put the teams in a random order");
    cmd->callback([&run, name, shuffle] {
        run = [name, shuffle](CliContext& ctx) { return RunDraftOrder(ctx, *name, *shuffle); };
    });
}

} // namespace hv
