// hoopvale-cli draft NAME (--list | --pick PLAYER | --auto [--to-user] | --prefer P1,P2,...) [--team TEAM]
// The creation draft (day -5) and the rookie draft (day 170): the state of the draft with the human teams'
// draft lists, the user's pick for the human team on the clock, the computer's picks to the end (or to the
// next human team), or a human team's draft list.
#include <CLI/CLI.hpp>

#include "cli/command_league_file.h"
#include "cli/commands.h"
#include "league/status_line.h"
#include "personnel/draft.h"
#include "personnel/draft_list.h"
#include "reports/draft_reports.h"

namespace hv {

namespace {

struct DraftRequest {
    std::string name;
    bool list = false;
    std::optional<std::string> pick;
    bool autoPick = false;
    bool toUser = false;
    std::optional<std::string> prefer; // players by ID or name, separated by commas
    std::optional<std::string> team;
};

// The human team a draft list belongs to: the one named, else the human team on the clock, else the only
// human team. 0, with a message, when there is none or the choice is not clear.
int DraftListTeam(CliContext& ctx, const League& league, const std::optional<std::string>& named) {
    if (named) return ResolveTeam(ctx, league, *named);
    if (IsHumanTeam(league, TeamOnClock(league))) return TeamOnClock(league);
    std::vector<int> human;
    for (int t = 1; t <= kLeagueTeams; ++t)
        if (IsHumanTeam(league, t)) human.push_back(t);
    if (human.size() == 1) return human.front();
    ctx.host->ShowMessage(human.empty() ? "The league has no human team to keep a draft list for."
                                        : "Name the human team whose draft list this is with --team.",
                          "Draft List", MessageIcon::Warning);
    return 0;
}

// The players of a comma-separated list; nothing when one of them is no prospect (with a message).
std::optional<std::vector<int>> ListedProspects(CliContext& ctx, const League& league,
                                                const std::string& text) {
    std::vector<int> ids;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = std::min(text.find(',', start), text.size());
        std::string item = text.substr(start, end - start);
        item.erase(0, item.find_first_not_of(' '));
        item.erase(item.find_last_not_of(' ') + 1);
        start = end + 1;
        if (item.empty()) continue;
        int id = ResolvePlayer(ctx, league, item, [](const Player& p) { return p.Team == kDraft; });
        if (id == 0) return std::nullopt;
        ids.push_back(id);
    }
    return ids;
}

void PrintDraftList(CliContext& ctx, const League& league, int team) {
    ReportTable table = DraftListTable(league, team);
    ctx.out << table.title << (table.rows.empty() ? ": empty\n" : "\n");
    if (!table.rows.empty()) WriteText(ctx.out, table);
}

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
    int chosen = int(r.list) + int(r.pick.has_value()) + int(r.autoPick) + int(r.prefer.has_value());
    if (chosen != 1 || (r.toUser && !r.autoPick) || (r.team && !r.list && !r.prefer)) {
        ctx.err << "draft: give one of --list [--team TEAM], --pick PLAYER, --auto [--to-user] or --prefer "
                   "P1,P2,... [--team TEAM]\n";
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
        int listed = 0;
        if (r.team && (listed = ResolveTeam(ctx, league, *r.team)) == 0) return kExitRefused;
        PrintClock(ctx, league);
        ctx.out << "Best available:\n";
        WriteText(ctx.out, RecommendationsTable(league));
        for (int t = 1; t <= kLeagueTeams; ++t)
            if (t == listed || (listed == 0 && IsHumanTeam(league, t))) PrintDraftList(ctx, league, t);
        auto lines = DraftResultLines(league);
        if (!lines.empty()) ctx.out << "Picks made:\n";
        PrintLines(ctx, lines);
        return kExitOk;
    }

    if (r.prefer) {
        int team = DraftListTeam(ctx, league, r.team);
        if (team == 0) return kExitRefused;
        auto ids = ListedProspects(ctx, league, *r.prefer);
        if (!ids || !SetDraftList(league, host, team, *ids)) return kExitRefused;
        PrintDraftList(ctx, league, team);
        return opened->SaveIfChanged();
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
    cmd->add_option(
        "--prefer", r->prefer,
        "Set a human team's draft list: prospects by ID or name, first choice first, separated by "
        "commas (an empty list clears it)");
    cmd->add_option("--team", r->team, "With --prefer or --list: the human team whose draft list it is");
    cmd->callback([&run, r] { run = [r](CliContext& ctx) { return RunDraft(ctx, *r); }; });
}

} // namespace hv
